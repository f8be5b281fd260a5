#include "Lexicon.h"

Lexicon::Lexicon()
{
    resetToDesign();
}

QString Lexicon::text(int index) const
{
    return index >= 0 && index < m_texts.size() ? m_texts.at(index) : QString();
}

void Lexicon::resetToDesign()
{
    m_texts.resize(Count);
    for (int i = 0; i < Count; ++i)
        m_texts[i] = designText(i);
}

void Lexicon::setTranslation(const QMap<int, QString>& texts)
{
    resetToDesign();
    for (auto it = texts.cbegin(); it != texts.cend(); ++it) {
        if (it.key() >= 0 && it.key() < Count)
            m_texts[it.key()] = it.value();
    }
}
