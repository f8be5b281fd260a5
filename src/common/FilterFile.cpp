#include "FilterFile.h"

#include <QCoreApplication>
#include <QFile>
#include <QStringDecoder>

FilterFileKind FilterFileKind::loans()
{
    return {QStringLiteral("filtryzap"), QStringLiteral("select * from loans where returned<10 order by dateto asc"),
            QStringLiteral("default"), Pick::Last};
}

FilterFileKind FilterFileKind::devices()
{
    return {QStringLiteral("filtryzar"),
            QStringLiteral(
                "select * from devices where active=1 and nextdate>defaultdate order by nextdate,devicenumber ASC"),
            QStringLiteral(";default"), Pick::First};
}

FilterFileKind FilterFileKind::contacts()
{
    return {QStringLiteral("filtryadr"), QStringLiteral("select * from contacts order by firm ASC"),
            QStringLiteral("default"), Pick::First};
}

QString FilterFileKind::fileName(const QString& languageCode) const
{
    return baseName + languageCode + QStringLiteral(".txt");
}

bool FilterFile::load(const QString& path)
{
    *this = FilterFile();
    QFile file(path);
    if (!file.exists()) {
        m_error = QCoreApplication::translate("FilterFile", "Soubor %1 neexistuje.").arg(path);
        return false;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        m_error = file.errorString();
        return false;
    }
    *this = parse(file.readAll());
    return true;
}

FilterFile FilterFile::parse(const QByteArray& bytes)
{
    FilterFile result;
    result.m_exists = true;
    QStringDecoder decoder(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    QString text = decoder.decode(bytes);
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    // Any of CR LF, LF and CR ends a line; a line end at the very end opens no further line.
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    if (text.isEmpty())
        return result;
    if (text.endsWith(QLatin1Char('\n')))
        text.chop(1);
    const QStringList lines = text.split(QLatin1Char('\n'));
    result.m_lines.reserve(lines.size());
    for (const QString& line : lines)
        result.m_lines.append({line, split(line, QStringLiteral(";"))});
    return result;
}

std::optional<QString> FilterFile::statementAt(int index) const
{
    if (index < 0 || index >= m_lines.size() || !m_lines.at(index).hasStatement())
        return std::nullopt;
    return m_lines.at(index).statement();
}

int FilterFile::defaultLine(const FilterFileKind& kind) const
{
    int found = -1;
    for (int i = 0; i < m_lines.size(); ++i) {
        const FilterLine& line = m_lines.at(i);
        if (!line.text.contains(kind.defaultMark, Qt::CaseSensitive) || !line.hasStatement())
            continue;
        found = i;
        if (kind.pick == FilterFileKind::Pick::First)
            break;
    }
    return found;
}

QString FilterFile::defaultStatement(const FilterFileKind& kind) const
{
    const int line = defaultLine(kind);
    return line < 0 ? kind.builtInDefault : m_lines.at(line).statement();
}

QStringList FilterFile::split(const QString& text, const QString& separators)
{
    QStringList pieces;
    int start = 0;
    for (int i = 0; i < text.size(); ++i) {
        if (separators.contains(text.at(i))) {
            pieces << text.mid(start, i - start);
            start = i + 1;
        }
    }
    pieces << text.mid(start);
    return pieces;
}
