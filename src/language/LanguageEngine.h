#pragma once

#include "LanguageData.h"

#include <QHash>
#include <QObject>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>

class LanguageTranslator;
class QTranslator;

// The localisation engine. The design language (Czech) lives in the code and needs no file; every other
// language is a ".lng" file in the settings folder's "lng/" folder. Setting a language translates the message
// lexicon, answers tr() texts from the file, loads Qt's own translations for the language and then emits
// languageChanged(), on which the windows are captioned anew.
class LanguageEngine : public QObject
{
    Q_OBJECT
public:
    struct Language
    {
        QString name;
        QString code;
        QString file; // empty for the design language
        bool isDesign() const { return file.isEmpty(); }
    };

    static QString designName(); // "čeština"
    static QString designCode(); // "cs"

    explicit LanguageEngine(QObject* parent = nullptr);
    ~LanguageEngine() override;

    // The settings folder + "lng/".
    QString languageFolder() const;
    // The design language first, then the language files in the folder (ordered by file name; a file
    // without the signature is not a language file). A name or code already listed is not listed again.
    QList<Language> languages() const;
    // The language of a name or ISO code (either compared without regard to case).
    std::optional<Language> find(const QString& nameOrCode) const;
    // The language file of a name or ISO code; empty for the design language and for an unknown language.
    QString languageFile(const QString& nameOrCode) const;
    // The flag picture of a language: "lng/flags/" + code + ".png", empty when there is none.
    QString flagFile(const QString& code) const;

    // The language to start with: the saved language when its file exists, else the design language; with
    // nothing saved, the language of the user's locale when a file exists for it, else the design language.
    QString startLanguage(const QString& savedName) const;
    // Sets the language of a name or ISO code; false (and the language unchanged) when there is no such
    // language or its file cannot be read.
    bool setLanguage(const QString& nameOrCode, QString* error = nullptr);
    // Reads the current language's file again, after it was edited.
    bool reload(QString* error = nullptr);

    QString currentName() const { return m_current.name; }
    QString currentCode() const { return m_current.code; }
    QString currentFile() const { return m_current.file; }
    bool isDesign() const { return m_current.isDesign(); }
    const LanguageData& data() const { return m_data; }
    // Goes up with every change of language.
    int generation() const { return m_generation; }

    // The text a control shows in the current language, given its caption key and design text; empty when
    // the language has no translation for it (the design text stays).
    QString captionFor(const QString& key, const QString& designText) const;
    // The design text behind a text shown in the current language: a control captioned by tr() while this
    // language was current shows the translation, whose source is the design text.
    QString designOf(const QString& shownText) const;

    // The message lexicon: the engine translates it on every change. L is the lexicon class (its Count,
    // designText(int), setTranslation(QMap<int, QString>) and resetToDesign()); it must outlive the engine.
    template <class L> void attachLexicon(L& lexicon)
    {
        QStringList design;
        for (int i = 0; i < L::Count; ++i)
            design << L::designText(i);
        setLexicon(design, [&lexicon](const QMap<int, QString>& texts) {
            if (texts.isEmpty())
                lexicon.resetToDesign();
            else
                lexicon.setTranslation(texts);
        });
    }
    void setLexicon(const QStringList& designTexts, std::function<void(const QMap<int, QString>&)> apply);
    QStringList designLexicon() const { return m_designLexicon; }
    // A lexicon item in the current language (the design text where the language has none).
    QString lexiconText(int index) const;

    // Tells the lists of languages that a file was created or saved.
    void notifyLanguageFilesChanged() { emit languageListChanged(); }

signals:
    // Before the language changes: captions still show the old language.
    void aboutToChangeLanguage();
    void languageChanged();
    void languageListChanged();

private:
    std::optional<Language> findIn(const QList<Language>& list, const QString& nameOrCode) const;
    bool applyLanguage(Language language, QString* error);
    void apply(const Language& language, LanguageData data);
    void applyLexicon();
    void installTranslators();
    void rebuildIndexes();

    Language m_current;
    LanguageData m_data;
    int m_generation = 0;
    QHash<QString, QString> m_bySource;      // design text -> translation, from the texts section
    QHash<QString, QString> m_byTranslation; // translation -> design text
    QStringList m_designLexicon;
    std::function<void(const QMap<int, QString>&)> m_applyLexicon;
    std::unique_ptr<LanguageTranslator> m_translator;
    std::unique_ptr<QTranslator> m_qtTranslator;
    bool m_translatorsInstalled = false;
};
