#pragma once

#include <QString>
#include <QStringList>
#include <QVector>
#include <optional>

// What tells the three lists' filter files apart: the file's base name, the statement used when no line is
// marked as the default, and how the default line is recognised.
struct FilterFileKind
{
    enum class Pick
    {
        First,
        Last
    };

    QString baseName;       // "filtryzap", "filtryzar", "filtryadr"
    QString builtInDefault; // the list's statement when no usable line is marked
    QString defaultMark;    // a line containing this text (case-sensitive) is a default line
    Pick pick = Pick::Last; // which of several default lines wins

    static FilterFileKind loans();
    // Devices mark their default line with ";default": every statement comparing with the column
    // `defaultdate` contains "default", and such lines must not take over the list's start.
    static FilterFileKind devices();
    static FilterFileKind contacts();

    // Base name + language code + ".txt", for example "filtryzapcs.txt".
    QString fileName(const QString& languageCode) const;
};

// One line of a filter file: the caption of its menu item and the statement it runs.
struct FilterLine
{
    QString text;       // the whole line
    QStringList fields; // the line cut at every ";", empty fields kept
    QString caption() const { return fields.value(0); }
    // The second field; empty when the line has none.
    QString statement() const { return fields.value(1); }
    // A line without a second field, or with a blank one, has nothing to run.
    bool hasStatement() const { return !statement().trimmed().isEmpty(); }
    bool isBlank() const { return text.trimmed().isEmpty(); }
};

// A filter file of one of the lists: UTF-8 with or without a byte-order mark, any line ends, one filter per
// line. The file is read whole each time it is needed, so an edited file takes effect at the next read.
class FilterFile
{
public:
    FilterFile() = default;

    // Reads the file; false when it is missing or cannot be read (errorString() tells which).
    bool load(const QString& path);
    static FilterFile parse(const QByteArray& bytes);

    bool exists() const { return m_exists; }
    QString errorString() const { return m_error; }
    const QVector<FilterLine>& lines() const { return m_lines; }
    int count() const { return int(m_lines.size()); }

    // The statement of the line at the index (a menu item's tag); nothing when the file has no such line
    // or the line has no statement.
    std::optional<QString> statementAt(int index) const;
    // Index of the line that is the default for the kind, -1 when none is. Only lines with a statement count:
    // a marked line without one cannot serve as a list's statement.
    int defaultLine(const FilterFileKind& kind) const;
    // The statement of the default line, or the kind's built-in statement.
    QString defaultStatement(const FilterFileKind& kind) const;

    // Cuts a text at every occurrence of any character of the separators; empty pieces are kept, so
    // there is always one piece more than there are separators.
    static QStringList split(const QString& text, const QString& separators);

private:
    QVector<FilterLine> m_lines;
    bool m_exists = false;
    QString m_error;
};
