#pragma once

#include "Shell.h"

#include <QStringList>

// Records what the program asks the shell to do and does none of it.
class ScriptedShell : public Shell
{
public:
    QStringList opened;  // files and addresses
    QStringList started; // program + arguments, one text each
    bool succeed = true;

    bool openFile(const QString& path, QString* error) override { return record(opened, path, error); }
    bool startProgram(const QString& program, const QStringList& arguments, bool, QString* error) override
    {
        return record(started, (QStringList{program} + arguments).join(QLatin1Char(' ')), error);
    }
    bool openUrl(const QString& url, QString* error) override { return record(opened, url, error); }
    bool editTextFile(const QString& path, QString* error) override { return record(opened, path, error); }

private:
    bool record(QStringList& list, const QString& what, QString* error)
    {
        list << what;
        if (!succeed && error)
            *error = QStringLiteral("refused by the test");
        return succeed;
    }
};
