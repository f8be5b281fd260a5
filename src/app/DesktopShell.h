#pragma once

#include "Shell.h"

// Opens files and addresses through the desktop and starts programs as processes.
class DesktopShell : public Shell
{
public:
    bool openFile(const QString& path, QString* error) override;
    bool startProgram(const QString& program, const QStringList& arguments, bool wait, QString* error) override;
    bool openUrl(const QString& url, QString* error) override;
    bool editTextFile(const QString& path, QString* error) override;
};
