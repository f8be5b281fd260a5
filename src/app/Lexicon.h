#pragma once

#include <QMap>
#include <QString>
#include <QVector>

// The ordered list of message texts. Every message box text is fetched by its index when it is shown, so it
// follows the current language; a language translates items by index.
class Lexicon
{
public:
    static constexpr int Count = 169;

    enum Item
    {
        Error = 0,
        Information = 1,
        Warning = 2,
        Question = 3,
    };

    Lexicon();

    // The text of an item in the current language; empty for an index out of range.
    QString text(int index) const;
    QString operator[](int index) const { return text(index); }
    // The design-language (Czech) text of an item.
    static QString designText(int index);

    // Replaces the texts of the given items; items not named keep their design text.
    void setTranslation(const QMap<int, QString>& texts);
    void resetToDesign();

private:
    QVector<QString> m_texts;
};
