#pragma once

#include <QString>
#include <QStringList>

// Opening files with their default program, starting programs and opening addresses. Each call reports
// failure with a readable text in *error.
class Shell
{
public:
    virtual ~Shell() = default;

    // Opens a file with the desktop's default program for it.
    virtual bool openFile(const QString& path, QString* error) = 0;
    // Starts a program; with wait the call returns when the program has ended.
    virtual bool startProgram(const QString& program, const QStringList& arguments, bool wait, QString* error) = 0;
    virtual bool openUrl(const QString& url, QString* error) = 0;
    // Runs the user's text editor on a file and waits for it to end.
    virtual bool editTextFile(const QString& path, QString* error) = 0;
};
