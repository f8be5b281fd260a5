#include "LanguageMerge.h"

namespace LanguageMerge {

namespace {

QString translationOfText(const LanguageData& data, const QString& source)
{
    for (const auto& context : data.texts) {
        const QString translated = context.value(source);
        if (!translated.isEmpty())
            return translated;
    }
    return {};
}

} // namespace

Result merge(LanguageData& target, const LanguageData& designDump, Fill fill)
{
    Result result;
    for (auto it = designDump.lexicon.cbegin(); it != designDump.lexicon.cend(); ++it) {
        if (target.lexicon.contains(it.key()))
            continue;
        target.lexicon.insert(it.key(), fill == Fill::Design ? it.value() : QString());
        ++result.lexicon;
    }
    for (auto it = designDump.captions.cbegin(); it != designDump.captions.cend(); ++it) {
        const QString design = designDump.designs.value(it.key(), it.value());
        const auto known = target.designs.constFind(it.key());
        if (known != target.designs.cend() && *known != design && !target.captions.value(it.key()).isEmpty())
            result.changedDesigns << it.key();
        target.designs.insert(it.key(), design);
        if (target.captions.contains(it.key()))
            continue;
        QString translated = translationOfText(target, design);
        if (translated.isEmpty() && fill == Fill::Design)
            translated = design;
        target.captions.insert(it.key(), translated);
        ++result.captions;
    }
    for (auto context = designDump.texts.cbegin(); context != designDump.texts.cend(); ++context) {
        for (auto it = context->cbegin(); it != context->cend(); ++it) {
            if (target.texts.value(context.key()).contains(it.key()))
                continue;
            target.setText(context.key(), it.key(), fill == Fill::Design ? it.key() : QString());
            ++result.texts;
        }
    }
    return result;
}

LanguageData designDump(const QStringList& designLexicon, const QMap<QString, QString>& captions,
                        const QMap<QString, QMap<QString, QString>>& texts)
{
    LanguageData dump;
    for (int i = 0; i < designLexicon.size(); ++i)
        dump.lexicon.insert(i, designLexicon.at(i));
    dump.captions = captions;
    dump.designs = captions;
    dump.texts = texts;
    return dump;
}

QMap<QString, QMap<QString, QString>> textSources(const QList<LanguageData>& languages)
{
    QMap<QString, QMap<QString, QString>> sources;
    for (const LanguageData& language : languages) {
        for (auto context = language.texts.cbegin(); context != language.texts.cend(); ++context) {
            for (auto it = context->cbegin(); it != context->cend(); ++it)
                sources[context.key()].insert(it.key(), it.key());
        }
    }
    return sources;
}

QString fileNameFor(const QString& languageName)
{
    QString base;
    bool gap = false;
    for (const QChar c : languageName.normalized(QString::NormalizationForm_C).toLower()) {
        QChar kept;
        if (c.isLetterOrNumber()) {
            // Accented Latin letters lose the accent ("Français" -> "francais"); other scripts stay as they are.
            const QChar base0 = QString(c).normalized(QString::NormalizationForm_D).at(0);
            kept = base0.unicode() < 128 ? base0 : c;
        }
        if (kept.isNull()) {
            gap = true;
            continue;
        }
        if (gap && !base.isEmpty())
            base += QLatin1Char('_');
        base += kept;
        gap = false;
    }
    return (base.isEmpty() ? QStringLiteral("language") : base) + QStringLiteral(".lng");
}

} // namespace LanguageMerge
