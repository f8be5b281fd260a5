#pragma once

#include <QHash>
#include <QList>
#include <QString>
#include <functional>

// A settings file in the INI form, read whole and written whole. Everything the program does not know
// (other sections, other keys, comments, damaged lines) is kept, in its place, so a file shared with other
// windows or hand-edited by the user survives a round trip. Section names and keys compare without regard
// to case, as the platform's INI files always have; the spelling found in the file is kept.
//
// Written as UTF-8 with a byte-order mark and CRLF line ends; read in UTF-8 with or without the mark (a
// UTF-16 file with its mark is read too) and with any line ends.
class IniFile
{
public:
    // Reads the file; a missing or unreadable file leaves an empty settings file and gives false.
    bool load(const QString& path);
    // Writes the whole file at once: either the new content is there or the old file is untouched.
    bool save(const QString& path, QString* error) const;
    // Loads a file (missing is fine), lets `change` edit it and saves it: for values that are written the
    // moment they change, so keys other windows wrote meanwhile are not lost.
    static bool modify(const QString& path, const std::function<void(IniFile&)>& change, QString* error);

    bool contains(const QString& section, const QString& key) const;
    QString value(const QString& section, const QString& key, const QString& def = {}) const;
    // Line breaks in the text become spaces (a value must not be able to add lines to the file); spaces
    // around it are dropped, as reading drops them.
    void setValue(const QString& section, const QString& key, const QString& text);
    void remove(const QString& section, const QString& key);

    // "0" is false, any other whole number true; a missing or unreadable value gives the default.
    bool boolValue(const QString& section, const QString& key, bool def) const;
    void setBool(const QString& section, const QString& key, bool on); // "1" / "0"
    int intValue(const QString& section, const QString& key, int def) const;
    void setInt(const QString& section, const QString& key, int number);
    // In the user's number format (Clock::instance().locale()); reading also accepts a decimal dot.
    double doubleValue(const QString& section, const QString& key, double def) const;
    void setDouble(const QString& section, const QString& key, double number);
    // A Windows colour 0x00BBGGRR as its decimal value (system colours are negative in the file).
    unsigned colorValue(const QString& section, const QString& key, unsigned def) const;
    void setColor(const QString& section, const QString& key, unsigned bgr);

    QStringList sections() const;
    QStringList keys(const QString& section) const;
    bool isEmpty() const { return m_sections.isEmpty(); }
    // The file as it would be written (without the byte-order mark).
    QString text() const;
    void setText(const QString& text);

private:
    struct Line
    {
        QString raw; // the line as read; rebuilt from key and value once the value is set
        QString key; // empty for section headers, comments, blank and damaged lines
        QString value;
    };
    struct Section
    {
        QString name;
        bool hasHeader = true; // false only for lines before the first section
        QList<Line> lines;
        QHash<QString, qsizetype> index; // folded key -> first line with that key
    };

    const Line* find(const QString& section, const QString& key) const;
    Section* section(const QString& name);
    const Section* section(const QString& name) const;

    QList<Section> m_sections;
    QHash<QString, qsizetype> m_sectionIndex; // folded name -> first section of that name
};

// Windows colours are 0x00BBGGRR, Qt's are 0x00RRGGBB.
inline unsigned bgrToRgb(unsigned bgr)
{
    return ((bgr & 0xFFu) << 16) | (bgr & 0xFF00u) | ((bgr >> 16) & 0xFFu);
}
inline unsigned rgbToBgr(unsigned rgb)
{
    return bgrToRgb(rgb);
}
