// lngtool: keeps the language files complete as the program grows. It starts on the offscreen platform,
// creates the program's windows without running them, reads their captions with their design texts, and
// merges whatever a language file lacks into it; existing translations are never changed.

#include "CaptionApplier.h"
#include "LanguageEngine.h"
#include "LanguageFileFormat.h"
#include "LanguageMerge.h"
#include "Lexicon.h"
#include "LngToolWindows.h"
#include "SourceTextScanner.h"
#include "Tdm.h"

#include <QApplication>
#include <QTextStream>
#include <QWidget>

namespace {

const char usage[] = R"(usage: lngtool <command> [--prefill] ...
  windows                            list the windows lngtool can create
  dump <out.lng> [window...]         write the design texts of the lexicon and of the windows' captions
                                     (every window when none is named) as a language file
  update <file.lng> [window...]      add the lexicon items and the window captions the file lacks
  merge <file.lng> <source.lng>      add what another language file or a dump has and the file lacks
                                     (e.g. a file made in the program by "vytvořit jazyk")
  texts <file.lng> <folder>...       add the tr()/translate() texts found in the C++ sources of the folders
  todo <file.lng> [window...]        list the items without a translation, with their design texts
New items are left empty (the program shows the Czech text until they are translated); with --prefill
they start as a copy of the Czech text.
)";

QTextStream& out()
{
    static QTextStream stream(stdout);
    return stream;
}

int fail(const QString& message)
{
    QTextStream(stderr) << "lngtool: " << message << Qt::endl;
    return 1;
}

QStringList lexiconDesign()
{
    QStringList texts;
    for (int i = 0; i < Lexicon::Count; ++i)
        texts << Lexicon::designText(i);
    return texts;
}

// Creates the named windows (all when none is named); the captions of every window that exists then.
std::optional<QMap<QString, QString>> windowCaptions(Tdm& dm, const QStringList& names, QString* error)
{
    const QList<ToolWindow> known = lngToolWindows();
    QList<QWidget*> created;
    for (const ToolWindow& window : known) {
        if (names.isEmpty() || names.contains(window.name))
            created << window.create(dm);
    }
    for (const QString& name : names) {
        if (std::none_of(known.cbegin(), known.cend(), [&name](const ToolWindow& w) { return w.name == name; })) {
            *error = QStringLiteral("unknown window %1 (see lngtool windows)").arg(name);
            qDeleteAll(created);
            return std::nullopt;
        }
    }
    LanguageEngine engine;
    CaptionApplier collector(engine);
    const auto captions = collector.collectAll();
    qDeleteAll(created);
    return captions;
}

std::optional<LanguageData> loadFile(const QString& path, QString* error)
{
    QStringList problems;
    auto data = LanguageFileFormat::load(path, error, &problems);
    for (const QString& problem : problems)
        QTextStream(stderr) << path << ": " << problem << Qt::endl;
    return data;
}

int mergeInto(const QString& path, const LanguageData& dump, LanguageMerge::Fill fill)
{
    QString error;
    auto target = loadFile(path, &error);
    if (!target)
        return fail(error);
    const LanguageMerge::Result result = LanguageMerge::merge(*target, dump, fill);
    if (!LanguageFileFormat::save(path, *target, &error))
        return fail(error);
    out() << path << ": added " << result.lexicon << " lexicon items, " << result.captions << " captions, "
          << result.texts << " texts" << Qt::endl;
    for (const QString& key : result.changedDesigns)
        out() << "design text changed, translate again: " << key << Qt::endl;
    return 0;
}

int todo(const QString& path, const LanguageData& dump)
{
    QString error;
    auto target = loadFile(path, &error);
    if (!target)
        return fail(error);
    LanguageMerge::merge(*target, dump, LanguageMerge::Fill::Empty);
    const QStringList design = lexiconDesign();
    for (auto it = target->lexicon.cbegin(); it != target->lexicon.cend(); ++it) {
        if (it.value().isEmpty() && !design.value(it.key()).isEmpty())
            out() << "lexicon." << it.key() << '\t' << LanguageFileFormat::escapeValue(design.value(it.key()))
                  << Qt::endl;
    }
    for (auto it = target->captions.cbegin(); it != target->captions.cend(); ++it) {
        if (it.value().isEmpty())
            out() << it.key() << '\t' << LanguageFileFormat::escapeValue(target->designs.value(it.key())) << Qt::endl;
    }
    for (auto context = target->texts.cbegin(); context != target->texts.cend(); ++context) {
        for (auto it = context->cbegin(); it != context->cend(); ++it) {
            if (it.value().isEmpty())
                out() << context.key() << '|' << LanguageFileFormat::escapeValue(it.key()) << Qt::endl;
        }
    }
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    const auto fill =
        args.removeAll(QStringLiteral("--prefill")) > 0 ? LanguageMerge::Fill::Design : LanguageMerge::Fill::Empty;
    if (args.isEmpty() || args.first() == QLatin1String("--help") || args.first() == QLatin1String("-h")) {
        out() << usage;
        return args.isEmpty() ? 2 : 0;
    }
    const QString command = args.takeFirst();
    Tdm dm;
    QString error;

    if (command == QLatin1String("windows")) {
        for (const ToolWindow& window : lngToolWindows())
            out() << window.name << Qt::endl;
        return 0;
    }
    if (args.isEmpty())
        return fail(QStringLiteral("missing language file\n") + QString::fromUtf8(usage));
    const QString file = args.takeFirst();

    if (command == QLatin1String("texts")) {
        QMap<QString, QMap<QString, QString>> texts;
        for (const QString& folder : args) {
            const auto found = SourceTextScanner::scanFolder(folder);
            for (auto it = found.cbegin(); it != found.cend(); ++it)
                texts[it.key()].insert(it.value());
        }
        return mergeInto(file, LanguageMerge::designDump({}, {}, texts), fill);
    }
    if (command == QLatin1String("merge")) {
        if (args.size() != 1)
            return fail(QStringLiteral("merge needs one source file"));
        auto source = loadFile(args.first(), &error);
        return source ? mergeInto(file, *source, fill) : fail(error);
    }

    const auto captions = windowCaptions(dm, args, &error);
    if (!captions)
        return fail(error);
    LanguageData dump = LanguageMerge::designDump(lexiconDesign(), *captions);
    if (command == QLatin1String("dump")) {
        dump.name = LanguageEngine::designName();
        dump.code = LanguageEngine::designCode();
        if (!LanguageFileFormat::save(file, dump, &error))
            return fail(error);
        out() << file << ": " << dump.lexicon.size() << " lexicon items, " << dump.captions.size() << " captions"
              << Qt::endl;
        return 0;
    }
    if (command == QLatin1String("update"))
        return mergeInto(file, dump, fill);
    if (command == QLatin1String("todo"))
        return todo(file, dump);
    return fail(QStringLiteral("unknown command %1\n").arg(command) + QString::fromUtf8(usage));
}
