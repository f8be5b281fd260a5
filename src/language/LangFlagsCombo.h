#pragma once

#include <QComboBox>

class Dialogs;
class LanguageEngine;

// The list of languages ("LangFlagsCombo1"): each with its flag, or its ISO code where it has no flag
// picture. Choosing a language switches the whole program to it and then tells the user that the change
// takes full effect after a restart.
class LangFlagsCombo : public QComboBox
{
    Q_OBJECT
public:
    // dialogs may be null: the language then changes without the information box.
    LangFlagsCombo(LanguageEngine& engine, Dialogs* dialogs, QWidget* parent = nullptr);

    // Lists the languages again and shows the current one.
    void reload();

signals:
    // After the user switched the language.
    void languageSwitched(const QString& name);

private:
    void choose(int index);
    QIcon iconFor(const QString& code) const;

    LanguageEngine& m_engine;
    Dialogs* m_dialogs;
};
