#pragma once

#include <QMap>
#include <QString>

// The contents of one language file. An empty translation means "not translated": the design text is
// shown instead, so an unfinished language never shows a blank message or caption.
struct LanguageData
{
    QString name; // e.g. "English"
    QString code; // ISO 639 code, e.g. "en"

    // Message lexicon items by index.
    QMap<int, QString> lexicon;
    // Window captions by key: window object name + "." + control object name + "." + property
    // (the window's own title is window object name + ".windowTitle").
    QMap<QString, QString> captions;
    // The design (Czech) text each caption was translated from. A caption is applied only to a control that
    // still shows this text, so a label the program has filled with data is never overwritten and a
    // translation of a caption whose design text has since changed is not shown.
    QMap<QString, QString> designs;
    // Texts of the program's own code: context -> source text -> translation.
    QMap<QString, QMap<QString, QString>> texts;

    QString text(const QString& context, const QString& source) const { return texts.value(context).value(source); }
    void setText(const QString& context, const QString& source, const QString& translation)
    {
        texts[context][source] = translation;
    }
    bool operator==(const LanguageData& other) const = default;
};
