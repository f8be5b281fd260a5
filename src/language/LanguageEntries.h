#pragma once

#include "LanguageData.h"

#include <QList>
#include <QStringList>

// One translatable item as the language editor shows it.
struct LanguageEntry
{
    enum class Kind
    {
        Lexicon,
        Caption,
        Text
    };

    Kind kind = Kind::Lexicon;
    QString key;     // lexicon: the index; caption: the caption key; text: the source text
    QString context; // texts only
    QString design;  // the design (Czech) text
    QString translation;

    bool operator==(const LanguageEntry&) const = default;
};

// The rows of the language editor: every lexicon item, every caption known from the file or from the open
// windows, every text of the file.
namespace LanguageEntries {

QList<LanguageEntry> build(const LanguageData& file, const QStringList& designLexicon,
                           const QMap<QString, QString>& liveCaptions);
// Writes the entries' translations (and the captions' design texts) into data, keeping its name and code.
void store(const QList<LanguageEntry>& entries, LanguageData& data);

} // namespace LanguageEntries
