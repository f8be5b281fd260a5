#pragma once

#include <QString>

// Folders of the program. The program folder is the executable's folder unless VORNIK_HOME names
// another one. Every returned folder ends with a slash, so file names can simply be appended.
namespace AppPaths {

QString programFolder();
// Tests point the program at a folder of their own; an empty text goes back to the default rule.
void setProgramFolder(const QString& folder);

QString settingsFolder(); // program folder + "setup/"
QString reportsFolder();  // program folder + "reports/"
QString tempFolder();     // the user's temporary folder

QString udlFile();        // program folder + "mssql.udl"
QString executableName(); // file name of the running executable, without folder

QString withSlash(const QString& folder);

} // namespace AppPaths
