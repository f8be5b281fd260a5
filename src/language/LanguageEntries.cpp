#include "LanguageEntries.h"

#include <QSet>

namespace LanguageEntries {

QList<LanguageEntry> build(const LanguageData& file, const QStringList& designLexicon,
                           const QMap<QString, QString>& liveCaptions)
{
    QList<LanguageEntry> entries;
    QList<int> indexes;
    for (int i = 0; i < designLexicon.size(); ++i)
        indexes << i;
    for (auto it = file.lexicon.cbegin(); it != file.lexicon.cend(); ++it) {
        if (it.key() >= designLexicon.size())
            indexes << it.key();
    }
    for (int i : indexes) {
        entries.append(
            {LanguageEntry::Kind::Lexicon, QString::number(i), {}, designLexicon.value(i), file.lexicon.value(i)});
    }

    QStringList keys = liveCaptions.keys() + file.captions.keys() + file.designs.keys();
    keys.sort();
    keys.removeDuplicates();
    for (const QString& key : keys) {
        const QString design = liveCaptions.value(key, file.designs.value(key));
        entries.append({LanguageEntry::Kind::Caption, key, {}, design, file.captions.value(key)});
    }

    for (auto context = file.texts.cbegin(); context != file.texts.cend(); ++context) {
        for (auto it = context->cbegin(); it != context->cend(); ++it)
            entries.append({LanguageEntry::Kind::Text, it.key(), context.key(), it.key(), it.value()});
    }
    return entries;
}

void store(const QList<LanguageEntry>& entries, LanguageData& data)
{
    data.lexicon.clear();
    data.captions.clear();
    data.designs.clear();
    data.texts.clear();
    for (const LanguageEntry& e : entries) {
        switch (e.kind) {
        case LanguageEntry::Kind::Lexicon:
            data.lexicon.insert(e.key.toInt(), e.translation);
            break;
        case LanguageEntry::Kind::Caption:
            data.captions.insert(e.key, e.translation);
            if (!e.design.isEmpty())
                data.designs.insert(e.key, e.design);
            break;
        case LanguageEntry::Kind::Text:
            data.setText(e.context, e.key, e.translation);
            break;
        }
    }
}

} // namespace LanguageEntries
