#pragma once

#include <QDialog>

class Dialogs;
class LanguageEngine;
class QLineEdit;

// "vytvořit jazyk": a name and an ISO 639 code make a new language file with every lexicon item, every
// caption of the open windows and every known text of the code, each pre-filled with its design text as a
// starting point for the translator.
class LanguageCreatorDialog : public QDialog
{
    Q_OBJECT
public:
    LanguageCreatorDialog(LanguageEngine& engine, Dialogs& dialogs, QWidget* parent = nullptr);

    void setLanguage(const QString& name, const QString& code);
    // Checks the name and code and writes the file; shows what is wrong and returns false otherwise.
    bool create();
    QString createdName() const { return m_createdName; }
    QString createdFile() const { return m_createdFile; }

    // Runs the dialog; returns the name of the new language, empty when none was made.
    static QString run(LanguageEngine& engine, Dialogs& dialogs, QWidget* parent);

private:
    bool fail(const QString& text);

    LanguageEngine& m_engine;
    Dialogs& m_dialogs;
    QLineEdit* m_name;
    QLineEdit* m_code;
    QString m_createdName;
    QString m_createdFile;
};
