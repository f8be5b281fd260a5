#pragma once

#include "LanguageData.h"

#include <QStringList>

// Keeps language files complete as the program grows. A "design dump" is a LanguageData in the design
// language: the lexicon's design texts, each caption key with its design text (in captions and designs) and
// each known text of the code with its source as translation.
namespace LanguageMerge {

enum class Fill
{
    Empty,  // new items are left untranslated (the program shows the design text until someone translates them)
    Design, // new items start as a copy of the design text, as a starting point for the translator
};

struct Result
{
    int lexicon = 0;
    int captions = 0;
    int texts = 0;
    // Captions whose design text changed since they were translated: their translation is no longer shown.
    QStringList changedDesigns;
    int added() const { return lexicon + captions + texts; }
};

// Adds every item of the dump that the target lacks and refreshes the design texts of the captions; the
// target's translations are kept. A new caption whose design text the target already translates as a text
// of the code takes that translation.
Result merge(LanguageData& target, const LanguageData& designDump, Fill fill);

LanguageData designDump(const QStringList& designLexicon, const QMap<QString, QString>& captions,
                        const QMap<QString, QMap<QString, QString>>& texts = {});

// The sources of all texts of the given languages, each with itself as translation (for a design dump).
QMap<QString, QMap<QString, QString>> textSources(const QList<LanguageData>& languages);

// The file name for a new language: its name in lower case without accents, e.g. "english.lng".
QString fileNameFor(const QString& languageName);

} // namespace LanguageMerge
