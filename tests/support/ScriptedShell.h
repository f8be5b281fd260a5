#pragma once

#include "Shell.h"

#include <QStringList>
#include <functional>

// Records what the program asks the shell to do and does none of it.
class ScriptedShell : public Shell
{
public:
    QStringList opened;                         // files and addresses
    QStringList started;                        // program + arguments, one text each
    QStringList edited;                         // files given to the text editor
    std::function<void(const QString&)> onEdit; // what "the user" does in the editor
    bool succeed = true;

    bool openFile(const QString& path, QString* error) override { return record(opened, path, error); }
    bool startProgram(const QString& program, const QStringList& arguments, bool, QString* error) override
    {
        return record(started, (QStringList{program} + arguments).join(QLatin1Char(' ')), error);
    }
    bool openUrl(const QString& url, QString* error) override { return record(opened, url, error); }
    bool editTextFile(const QString& path, QString* error) override
    {
        if (onEdit)
            onEdit(path);
        return record(edited, path, error);
    }

private:
    bool record(QStringList& list, const QString& what, QString* error)
    {
        list << what;
        if (!succeed && error)
            *error = QStringLiteral("refused by the test");
        return succeed;
    }
};
