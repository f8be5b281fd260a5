#include "IniFile.h"

#include "Clock.h"

#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>
#include <cmath>
#include <limits>
#include <optional>

namespace {

QString folded(const QString& text)
{
    return text.trimmed().toCaseFolded();
}

QStringList splitLines(const QString& text)
{
    QStringList lines;
    qsizetype start = 0;
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text.at(i);
        if (c != QLatin1Char('\r') && c != QLatin1Char('\n'))
            continue;
        lines << text.mid(start, i - start);
        if (c == QLatin1Char('\r') && i + 1 < n && text.at(i + 1) == QLatin1Char('\n'))
            ++i;
        start = i + 1;
    }
    if (start < n)
        lines << text.mid(start);
    return lines;
}

std::optional<qlonglong> wholeNumber(const QString& text)
{
    bool ok = false;
    const qlonglong number = text.trimmed().toLongLong(&ok, 10);
    if (!ok)
        return std::nullopt;
    return number;
}

QString oneLine(QString text)
{
    text.replace(QLatin1String("\r\n"), QLatin1String(" "));
    text.replace(QLatin1Char('\r'), QLatin1Char(' '));
    text.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return text;
}

} // namespace

bool IniFile::load(const QString& path)
{
    m_sections.clear();
    m_sectionIndex.clear();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray bytes = file.readAll();
    // Our own files are UTF-8; a mark of another Unicode form is honoured rather than read as garbage.
    const auto encoding = QStringConverter::encodingForData(bytes).value_or(QStringConverter::Utf8);
    QStringDecoder decoder(encoding);
    setText(decoder.decode(bytes));
    return true;
}

bool IniFile::save(const QString& path, QString* error) const
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        if (error)
            *error = file.errorString();
        return false;
    }
    file.write("\xEF\xBB\xBF");
    file.write(text().toUtf8());
    if (!file.commit()) {
        if (error)
            *error = file.errorString();
        return false;
    }
    return true;
}

bool IniFile::modify(const QString& path, const std::function<void(IniFile&)>& change, QString* error)
{
    IniFile ini;
    ini.load(path);
    change(ini);
    return ini.save(path, error);
}

void IniFile::setText(const QString& text)
{
    m_sections.clear();
    m_sectionIndex.clear();
    for (const QString& raw : splitLines(text)) {
        const QString trimmed = raw.trimmed();
        const qsizetype close = trimmed.indexOf(QLatin1Char(']'));
        if (trimmed.startsWith(QLatin1Char('[')) && close > 0) {
            Section s;
            s.name = trimmed.mid(1, close - 1).trimmed();
            s.lines << Line{raw, {}, {}};
            // A repeated section is kept in the file, but as on Windows only the first one is read.
            if (!m_sectionIndex.contains(folded(s.name)))
                m_sectionIndex.insert(folded(s.name), m_sections.size());
            m_sections << s;
            continue;
        }
        if (m_sections.isEmpty()) {
            Section lead;
            lead.hasHeader = false;
            m_sections << lead;
        }
        Section& current = m_sections.last();
        Line line{raw, {}, {}};
        const qsizetype eq = raw.indexOf(QLatin1Char('='));
        const bool comment = trimmed.startsWith(QLatin1Char(';')) || trimmed.startsWith(QLatin1Char('#'));
        if (current.hasHeader && !comment && eq > 0) {
            line.key = raw.left(eq).trimmed();
            line.value = raw.mid(eq + 1).trimmed();
        }
        if (!line.key.isEmpty() && !current.index.contains(folded(line.key)))
            current.index.insert(folded(line.key), current.lines.size());
        current.lines << line;
    }
}

QString IniFile::text() const
{
    QString out;
    for (const Section& s : m_sections) {
        for (const Line& line : s.lines) {
            out += line.raw;
            out += QLatin1String("\r\n");
        }
    }
    return out;
}

const IniFile::Section* IniFile::section(const QString& name) const
{
    const auto it = m_sectionIndex.constFind(folded(name));
    return it == m_sectionIndex.cend() ? nullptr : &m_sections.at(*it);
}

IniFile::Section* IniFile::section(const QString& name)
{
    const auto it = m_sectionIndex.constFind(folded(name));
    return it == m_sectionIndex.cend() ? nullptr : &m_sections[*it];
}

const IniFile::Line* IniFile::find(const QString& sectionName, const QString& key) const
{
    const Section* s = section(sectionName);
    if (!s)
        return nullptr;
    const auto it = s->index.constFind(folded(key));
    return it == s->index.cend() ? nullptr : &s->lines.at(*it);
}

bool IniFile::contains(const QString& sectionName, const QString& key) const
{
    return find(sectionName, key) != nullptr;
}

QString IniFile::value(const QString& sectionName, const QString& key, const QString& def) const
{
    const Line* line = find(sectionName, key);
    return line ? line->value : def;
}

void IniFile::setValue(const QString& sectionName, const QString& key, const QString& text)
{
    const QString value = oneLine(text).trimmed();
    Section* s = section(sectionName);
    if (!s) {
        Section fresh;
        fresh.name = sectionName;
        fresh.lines << Line{QLatin1Char('[') + sectionName + QLatin1Char(']'), {}, {}};
        m_sectionIndex.insert(folded(sectionName), m_sections.size());
        m_sections << fresh;
        s = &m_sections.last();
    }
    const auto it = s->index.constFind(folded(key));
    if (it != s->index.cend()) {
        Line& line = s->lines[*it];
        if (line.value != value) { // an unchanged line keeps the user's own spacing
            line.value = value;
            line.raw = line.key + QLatin1Char('=') + value;
        }
        return;
    }
    // Before the blank lines that end the section, so the gap to the next section stays where it was.
    qsizetype at = s->lines.size();
    while (at > 1 && s->lines.at(at - 1).raw.trimmed().isEmpty())
        --at;
    const QString name = key.trimmed();
    s->lines.insert(at, Line{name + QLatin1Char('=') + value, name, value});
    s->index.insert(folded(name), at);
}

void IniFile::remove(const QString& sectionName, const QString& key)
{
    Section* s = section(sectionName);
    if (!s)
        return;
    const QString k = folded(key);
    for (qsizetype i = s->lines.size() - 1; i >= 0; --i) {
        if (!s->lines.at(i).key.isEmpty() && folded(s->lines.at(i).key) == k)
            s->lines.removeAt(i);
    }
    s->index.clear();
    for (qsizetype i = 0; i < s->lines.size(); ++i) {
        const Line& line = s->lines.at(i);
        if (!line.key.isEmpty() && !s->index.contains(folded(line.key)))
            s->index.insert(folded(line.key), i);
    }
}

bool IniFile::boolValue(const QString& sectionName, const QString& key, bool def) const
{
    const Line* line = find(sectionName, key);
    if (!line)
        return def;
    const auto number = wholeNumber(line->value);
    return number ? *number != 0 : def;
}

void IniFile::setBool(const QString& sectionName, const QString& key, bool on)
{
    setValue(sectionName, key, on ? QStringLiteral("1") : QStringLiteral("0"));
}

int IniFile::intValue(const QString& sectionName, const QString& key, int def) const
{
    const Line* line = find(sectionName, key);
    if (!line)
        return def;
    const auto number = wholeNumber(line->value);
    if (!number || *number < std::numeric_limits<int>::min() || *number > std::numeric_limits<int>::max())
        return def;
    return int(*number);
}

void IniFile::setInt(const QString& sectionName, const QString& key, int number)
{
    setValue(sectionName, key, QString::number(number));
}

double IniFile::doubleValue(const QString& sectionName, const QString& key, double def) const
{
    const Line* line = find(sectionName, key);
    if (!line)
        return def;
    const QString text = line->value.trimmed();
    // Group separators are refused: under English "1,5" must not quietly become fifteen.
    QLocale user = Clock::instance().locale();
    user.setNumberOptions(QLocale::RejectGroupSeparator);
    QLocale c = QLocale::c();
    c.setNumberOptions(QLocale::RejectGroupSeparator);
    bool ok = false;
    double number = user.toDouble(text, &ok);
    if (!ok)
        number = c.toDouble(text, &ok);
    return ok && std::isfinite(number) ? number : def;
}

void IniFile::setDouble(const QString& sectionName, const QString& key, double number)
{
    QLocale user = Clock::instance().locale();
    user.setNumberOptions(QLocale::OmitGroupSeparator);
    setValue(sectionName, key, user.toString(number, 'g', QLocale::FloatingPointShortest));
}

unsigned IniFile::colorValue(const QString& sectionName, const QString& key, unsigned def) const
{
    const Line* line = find(sectionName, key);
    if (!line)
        return def;
    const auto number = wholeNumber(line->value);
    if (!number || *number < std::numeric_limits<qint32>::min() || *number > std::numeric_limits<quint32>::max())
        return def;
    return unsigned(quint32(*number));
}

void IniFile::setColor(const QString& sectionName, const QString& key, unsigned bgr)
{
    // Signed, as the platform writes its colour values: system colours (high bit set) come out negative.
    setValue(sectionName, key, QString::number(qint32(quint32(bgr))));
}

QStringList IniFile::sections() const
{
    QStringList names;
    for (const Section& s : m_sections) {
        if (s.hasHeader)
            names << s.name;
    }
    return names;
}

QStringList IniFile::keys(const QString& sectionName) const
{
    QStringList names;
    const Section* s = section(sectionName);
    if (!s)
        return names;
    for (qsizetype i = 0; i < s->lines.size(); ++i) {
        const Line& line = s->lines.at(i);
        if (!line.key.isEmpty() && s->index.value(folded(line.key)) == i)
            names << line.key;
    }
    return names;
}
