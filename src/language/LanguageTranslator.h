#pragma once

#include <QHash>
#include <QTranslator>

// Answers tr() and QCoreApplication::translate() with the texts section of the current language file.
// A text it does not know gets no answer, so Qt falls back to the source (Czech) text.
class LanguageTranslator : public QTranslator
{
    Q_OBJECT
public:
    explicit LanguageTranslator(QObject* parent = nullptr) : QTranslator(parent) {}

    // context -> source -> translation; empty translations are dropped.
    void setTexts(const QMap<QString, QMap<QString, QString>>& texts);

    QString translate(const char* context, const char* sourceText, const char* disambiguation = nullptr,
                      int n = -1) const override;
    bool isEmpty() const override { return m_texts.isEmpty(); }

private:
    QHash<QByteArray, QHash<QString, QString>> m_texts; // keyed by the UTF-8 context Qt hands in
};
