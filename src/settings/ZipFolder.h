#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

// A whole folder as a zip archive: every file below it, named by its path relative to the folder in UTF-8,
// deflated. Extraction overwrites files of the same name and leaves other files of the folder alone.
class ZipFolder
{
public:
    static bool pack(const QString& folder, QByteArray* archive, QString* error);

    // An archive with an entry that would land outside the folder (absolute path, "..", drive letter, a
    // backslash path doing either) is refused as a whole: nothing of it is extracted and the error names
    // the entries. A folder that does not exist yet is created.
    static bool unpack(const QByteArray& archive, const QString& folder, QString* error);

    // The entry's path relative to the target folder ("/" separated, a trailing "/" for a folder), or
    // nothing when the entry may not be extracted. Backslashes count as separators, as they do for
    // archives made on Windows.
    static std::optional<QString> safeRelativePath(const QString& entryName);
};
