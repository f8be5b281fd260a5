#pragma once

#include "Database.h"
#include "Dialogs.h"
#include "LanguageEngine.h"
#include "Lexicon.h"
#include "Shell.h"
#include "Tglobals.h"

#include <QObject>
#include <memory>

// The data module: the message lexicon, the database connection, the globals record and the seams for
// dialogs and the shell. One instance lives for the whole process.
class Tdm : public QObject
{
    Q_OBJECT
public:
    explicit Tdm(QObject* parent = nullptr);
    ~Tdm() override;

    static Tdm& instance();

    Lexicon& lexicon() { return m_lexicon; }
    QString lex(int index) const { return m_lexicon.text(index); }
    Database& db() { return m_db; }
    Tglobals& globals() { return m_globals; }

    // The current user-interface language: its ISO code ("cs" for Czech) and its name.
    QString languageCode() const { return m_language.currentCode(); }
    QString languageName() const { return m_language.currentName(); }
    LanguageEngine& language() { return m_language; }

    Dialogs& dialogs() { return *m_dialogs; }
    Shell& shell() { return *m_shell; }
    // The data module owns the seams; tests hand in scripted ones.
    void setDialogs(std::unique_ptr<Dialogs> dialogs);
    void setShell(std::unique_ptr<Shell> shell);

    // The general error report for failures no handler caught.
    void reportError(const QString& message);
    // The error of a guarded action: caption "chyba: <type>", the error's text.
    void showError(const DbError& error);

private:
    Lexicon m_lexicon;
    LanguageEngine m_language;
    Database m_db;
    Tglobals m_globals;
    std::unique_ptr<Dialogs> m_dialogs;
    std::unique_ptr<Shell> m_shell;
};
