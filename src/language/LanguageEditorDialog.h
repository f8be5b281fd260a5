#pragma once

#include "LanguageData.h"
#include "LanguageEntries.h"

#include <QDialog>

class Dialogs;
class LanguageEngine;
class QComboBox;
class QLabel;
class QLineEdit;
class QSortFilterProxyModel;
class QStandardItemModel;
class QTableView;

// "upravit jazyk": pick a language file and translate it in a table of key, design text and translation.
// The open windows contribute their captions, so a caption added to the program since the file was made
// shows up here with its design text.
class LanguageEditorDialog : public QDialog
{
    Q_OBJECT
public:
    enum Column
    {
        KeyColumn,
        DesignColumn,
        TranslationColumn
    };

    LanguageEditorDialog(LanguageEngine& engine, Dialogs& dialogs, QWidget* parent = nullptr);

    // Loads a language's file into the table; false when the language has no file or it cannot be read.
    bool openLanguage(const QString& nameOrCode);
    QString languageName() const { return m_data.name; }
    QString languageFile() const { return m_file; }

    QStandardItemModel* model() const { return m_model; }
    // The row of an item in the model, or -1.
    int rowOf(LanguageEntry::Kind kind, const QString& key, const QString& context = {}) const;
    QList<LanguageEntry> entries() const;
    bool isModified() const { return m_modified; }

    // Writes the file; when it is the current language, the program is captioned anew.
    bool save();

    // Opens the editor on a language (the current one, else the first with a file) and runs it.
    static void run(LanguageEngine& engine, Dialogs& dialogs, QWidget* parent, const QString& language = {});

public slots:
    void reject() override;

private:
    void fillLanguages();
    void fillTable(const QList<LanguageEntry>& entries);
    // Asks whether to save unsaved changes; false when the user's answer leaves them unsaved and the caller
    // should stay (the save failed).
    bool settleChanges();

    LanguageEngine& m_engine;
    Dialogs& m_dialogs;
    LanguageData m_data;
    QString m_file;
    bool m_modified = false;
    QComboBox* m_languages;
    QLabel* m_info;
    QLineEdit* m_filter;
    QStandardItemModel* m_model;
    QSortFilterProxyModel* m_proxy;
    QTableView* m_table;
};
