#include "LanguageFileFormat.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>

namespace LanguageFileFormat {

namespace {

enum class Section
{
    Language,
    Lexicon,
    Captions,
    Designs,
    Texts,
    Unknown
};

Section sectionNamed(const QString& name)
{
    static const QMap<QString, Section> names{{QStringLiteral("language"), Section::Language},
                                              {QStringLiteral("lexicon"), Section::Lexicon},
                                              {QStringLiteral("captions"), Section::Captions},
                                              {QStringLiteral("designs"), Section::Designs},
                                              {QStringLiteral("texts"), Section::Texts}};
    return names.value(name.toLower(), Section::Unknown);
}

// Position of the first occurrence of c that is not escaped by a backslash, or -1.
qsizetype findUnescaped(QStringView text, QChar c)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == QLatin1Char('\\'))
            ++i;
        else if (text[i] == c)
            return i;
    }
    return -1;
}

QString decode(const QByteArray& bytes)
{
    // A file saved as UTF-16 by an editor still reads; anything without such a byte-order mark is UTF-8.
    const auto encoding = QStringConverter::encodingForData(bytes);
    QStringDecoder decoder(encoding.value_or(QStringConverter::Utf8));
    return decoder.decode(bytes);
}

// Spaces at either end of a text would be lost to trimming, so they are written as \s.
QString protectEnds(QString escaped, qsizetype leading, qsizetype trailing)
{
    escaped.replace(0, leading, QStringLiteral("\\s").repeated(leading));
    escaped.replace(escaped.size() - trailing, trailing, QStringLiteral("\\s").repeated(trailing));
    return escaped;
}

QString escape(const QString& text, bool key)
{
    qsizetype leading = 0;
    while (leading < text.size() && text[leading] == QLatin1Char(' '))
        ++leading;
    qsizetype trailing = 0;
    while (leading < text.size() && trailing < text.size() - leading &&
           text[text.size() - 1 - trailing] == QLatin1Char(' '))
        ++trailing;
    QString out;
    out.reserve(text.size() + 8);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == QLatin1Char('\\'))
            out += QStringLiteral("\\\\");
        else if (c == QLatin1Char('\n'))
            out += QStringLiteral("\\n");
        else if (c == QLatin1Char('\r'))
            out += QStringLiteral("\\r");
        else if (c == QLatin1Char('\t'))
            out += QStringLiteral("\\t");
        else if (key && (c == QLatin1Char('=') || c == QLatin1Char('|')))
            out += QLatin1Char('\\') + c;
        else if (key && i == 0 && (c == QLatin1Char('#') || c == QLatin1Char(';') || c == QLatin1Char('[')))
            out += QLatin1Char('\\') + c;
        else
            out += c;
    }
    if (leading == 0 && trailing == 0)
        return out;
    // Escaping never touches spaces, so the ends of out are still the same spaces.
    return protectEnds(out, leading, trailing);
}

QString problemText(int line, const char* what)
{
    return QCoreApplication::translate("LanguageFileFormat", "řádek %1: %2")
        .arg(line)
        .arg(QCoreApplication::translate("LanguageFileFormat", what));
}

void appendSection(QString& out, const char* name)
{
    out += QStringLiteral("\n[") + QLatin1String(name) + QStringLiteral("]\n");
}

void appendLine(QString& out, const QString& escapedKey, const QString& value)
{
    out += escapedKey + QLatin1Char('=') + escapeValue(value) + QLatin1Char('\n');
}

} // namespace

QString signature()
{
    return QStringLiteral("LANGUAGE_FILE");
}

QString escapeKey(const QString& key)
{
    return escape(key, true);
}

QString escapeValue(const QString& value)
{
    return escape(value, false);
}

QString unescape(QStringView text)
{
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c != QLatin1Char('\\') || i + 1 == text.size()) {
            out += c;
            continue;
        }
        const QChar next = text[++i];
        switch (next.unicode()) {
        case 'n':
            out += QLatin1Char('\n');
            break;
        case 'r':
            out += QLatin1Char('\r');
            break;
        case 't':
            out += QLatin1Char('\t');
            break;
        case 's':
            out += QLatin1Char(' ');
            break;
        default:
            out += next;
        }
    }
    return out;
}

std::optional<LanguageData> parse(const QByteArray& bytes, QStringList* problems)
{
    const QString text = decode(bytes);
    const QList<QStringView> lines = QStringView(text).split(QLatin1Char('\n'));
    if (lines.isEmpty() || lines.first().trimmed() != signature())
        return std::nullopt;

    LanguageData data;
    Section section = Section::Language;
    auto problem = [problems](int line, const char* what) {
        if (problems)
            problems->append(problemText(line, what));
    };
    for (int n = 1; n < lines.size(); ++n) {
        const int lineNumber = n + 1;
        const QStringView line = lines[n].trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')) || line.startsWith(QLatin1Char(';')))
            continue;
        if (line.startsWith(QLatin1Char('[')) && line.endsWith(QLatin1Char(']'))) {
            section = sectionNamed(line.mid(1, line.size() - 2).trimmed().toString());
            if (section == Section::Unknown)
                problem(lineNumber, QT_TRANSLATE_NOOP("LanguageFileFormat", "neznámá sekce"));
            continue;
        }
        if (section == Section::Unknown)
            continue;
        const qsizetype eq = findUnescaped(line, QLatin1Char('='));
        if (eq < 0) {
            problem(lineNumber, QT_TRANSLATE_NOOP("LanguageFileFormat", "chybí znak ="));
            continue;
        }
        const QStringView rawKey = line.left(eq).trimmed();
        const QString value = unescape(line.mid(eq + 1).trimmed());
        const QString key = unescape(rawKey);
        if (key.isEmpty()) {
            problem(lineNumber, QT_TRANSLATE_NOOP("LanguageFileFormat", "prázdný klíč"));
            continue;
        }
        switch (section) {
        case Section::Language:
            if (key == QLatin1String("name"))
                data.name = value;
            else if (key == QLatin1String("code"))
                data.code = value.toLower();
            else
                problem(lineNumber, QT_TRANSLATE_NOOP("LanguageFileFormat", "neznámý klíč"));
            break;
        case Section::Lexicon: {
            bool ok = false;
            const int index = key.toInt(&ok);
            if (ok && index >= 0)
                data.lexicon.insert(index, value);
            else
                problem(lineNumber, QT_TRANSLATE_NOOP("LanguageFileFormat", "neplatné číslo položky lexikonu"));
            break;
        }
        case Section::Captions:
            data.captions.insert(key, value);
            break;
        case Section::Designs:
            data.designs.insert(key, value);
            break;
        case Section::Texts: {
            const qsizetype bar = findUnescaped(rawKey, QLatin1Char('|'));
            const QString source = bar < 0 ? QString() : unescape(rawKey.mid(bar + 1));
            if (source.isEmpty()) {
                problem(lineNumber, QT_TRANSLATE_NOOP("LanguageFileFormat", "chybí kontext nebo zdrojový text"));
                continue;
            }
            data.setText(unescape(rawKey.left(bar)), source, value);
            break;
        }
        case Section::Unknown:
            break;
        }
    }
    return data;
}

QByteArray serialize(const LanguageData& data)
{
    QString out = signature() + QLatin1Char('\n');
    out +=
        QStringLiteral("# UTF-8, one item a line as key=value. Escapes: \\n new line, \\t tab, \\s a space at either "
                       "end, \\\\ backslash, \\= and \\| in keys.\n"
                       "# An empty value is not translated: the program shows the Czech text instead.\n");
    appendSection(out, "language");
    appendLine(out, QStringLiteral("name"), data.name);
    appendLine(out, QStringLiteral("code"), data.code);
    appendSection(out, "lexicon");
    for (auto it = data.lexicon.cbegin(); it != data.lexicon.cend(); ++it)
        appendLine(out, QString::number(it.key()), it.value());
    appendSection(out, "captions");
    for (auto it = data.captions.cbegin(); it != data.captions.cend(); ++it)
        appendLine(out, escapeKey(it.key()), it.value());
    appendSection(out, "designs");
    for (auto it = data.designs.cbegin(); it != data.designs.cend(); ++it)
        appendLine(out, escapeKey(it.key()), it.value());
    appendSection(out, "texts");
    for (auto context = data.texts.cbegin(); context != data.texts.cend(); ++context) {
        for (auto it = context->cbegin(); it != context->cend(); ++it)
            appendLine(out, escapeKey(context.key()) + QLatin1Char('|') + escapeKey(it.key()), it.value());
    }
    return out.toUtf8();
}

std::optional<LanguageData> load(const QString& path, QString* error, QStringList* problems)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = file.errorString();
        return std::nullopt;
    }
    auto data = parse(file.readAll(), problems);
    if (!data && error)
        *error = QCoreApplication::translate("LanguageFileFormat", "Soubor %1 není jazykový soubor.").arg(path);
    return data;
}

bool save(const QString& path, const LanguageData& data, QString* error)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(serialize(data)) >= 0 && file.commit())
        return true;
    if (error)
        *error = QCoreApplication::translate("LanguageFileFormat", "Soubor %1 nelze uložit: %2")
                     .arg(path, file.errorString());
    return false;
}

bool isLanguageFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QString head = decode(file.read(256));
    return head.section(QLatin1Char('\n'), 0, 0).trimmed() == signature();
}

} // namespace LanguageFileFormat
