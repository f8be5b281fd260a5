#pragma once

#include <QString>

class Database;

// The settings folder and the reports folder kept in the database (table `files`) as zip archives, so
// several workstations share one set of settings and report templates. Each store also leaves a copy of
// the archive in the user's temporary folder; a restore with no row in the table falls back to that copy.
// Failures come back as false with a text for the caller to show.
class FolderArchive
{
public:
    struct Kind
    {
        QString folder;   // the folder packed and restored, with a trailing "/"
        QString fileName; // `files.filename` and the name of the copy in the temporary folder
        QString pathto;   // `files.pathto`
    };
    static Kind setup();   // settings folder, "setup.zip", "setup\"
    static Kind reports(); // reports folder, "reports.zip", "reports\"

    static bool setuptodb(Database& db, QString* error);
    static bool reportstodb(Database& db, QString* error);
    static bool setupfromdb(Database& db, QString* error);
    static bool reportsfromdb(Database& db, QString* error);

    // Replaces the stored archive in one transaction: when the insert fails the old archive stays.
    static bool store(Database& db, const Kind& kind, QString* error);
    // Nothing happens without the table `files`. Entries are extracted over the folder; files of the folder
    // that are not in the archive stay. An archive with an entry outside the folder is refused whole.
    static bool restore(Database& db, const Kind& kind, QString* error);
};
