#pragma once

#include <QString>

// The connection file "mssql.udl": a section line, a comment line and the init string, stored as UTF-16
// with a byte-order mark. Plain UTF-8 files are read as well.
namespace UdlFile {

// The init string: every line that is empty or starts with "[" or ";" is skipped, the rest joined.
// A missing or unreadable file gives an empty text.
QString getconnectionstringfromudl(const QString& udlFile);

// The initial catalog named in the file, in lower case, or empty.
QString getdefaultdbfromudl(const QString& udlFile);

// Same rules applied to an init string already read.
QString defaultDatabaseOf(const QString& connectionString);

// Writes the file in its usual layout (UTF-16 LE with BOM, CRLF line ends). False with *error on failure.
bool write(const QString& udlFile, const QString& initString, QString* error);

} // namespace UdlFile
