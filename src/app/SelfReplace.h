#pragma once

#include <QString>

// A freshly downloaded version is started as "vornika"; it replaces "vornik" and starts it.
namespace SelfReplace {

QString programName();       // "vornik" ("vornik.exe" on Windows)
QString updatePackageName(); // "vornika" ("vornika.exe" on Windows)
bool isUpdatePackage(const QString& executableName);

// Ends every running process of the old program, copies the running file over it. False with *error.
bool replaceOldProgram(const QString& runningFile, const QString& programFolder, QString* error);

// Ends every process whose executable is the given file (except this process). Returns how many.
int endProcessesOf(const QString& executable);

} // namespace SelfReplace
