#include "LanguageTranslator.h"

#include <QMap>

void LanguageTranslator::setTexts(const QMap<QString, QMap<QString, QString>>& texts)
{
    m_texts.clear();
    for (auto context = texts.cbegin(); context != texts.cend(); ++context) {
        for (auto it = context->cbegin(); it != context->cend(); ++it) {
            if (!it.value().isEmpty())
                m_texts[context.key().toUtf8()].insert(it.key(), it.value());
        }
    }
}

QString LanguageTranslator::translate(const char* context, const char* sourceText, const char*, int) const
{
    if (!context || !sourceText)
        return {};
    const auto found = m_texts.constFind(QByteArray(context));
    if (found == m_texts.cend())
        return {};
    return found->value(QString::fromUtf8(sourceText));
}
