#include "FolderArchive.h"

#include "AppPaths.h"
#include "Database.h"
#include "ZipFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace {

bool fail(QString* error, const QString& text)
{
    if (error)
        *error = text;
    return false;
}

// The temporary folder may be shared by every user of the machine: a file someone else put there under
// our name (or a link to elsewhere) is neither read nor written through.
bool isOurs(const QFileInfo& file)
{
    if (file.isSymLink())
        return false;
#ifdef Q_OS_UNIX
    return file.ownerId() == ::getuid();
#else
    return true;
#endif
}

QString tempCopy(const FolderArchive::Kind& kind)
{
    return AppPaths::tempFolder() + kind.fileName;
}

// Only a convenience for a later restore; the store itself does not depend on it.
void keepCopy(const FolderArchive::Kind& kind, const QByteArray& archive)
{
    const QFileInfo info(tempCopy(kind));
    if (info.exists() && !isOurs(info))
        return;
    QSaveFile file(info.filePath());
    if (file.open(QIODevice::WriteOnly) && file.write(archive) == archive.size())
        file.commit();
}

} // namespace

FolderArchive::Kind FolderArchive::setup()
{
    return {AppPaths::settingsFolder(), QStringLiteral("setup.zip"), QStringLiteral("setup\\")};
}

FolderArchive::Kind FolderArchive::reports()
{
    return {AppPaths::reportsFolder(), QStringLiteral("reports.zip"), QStringLiteral("reports\\")};
}

bool FolderArchive::setuptodb(Database& db, QString* error)
{
    return store(db, setup(), error);
}

bool FolderArchive::reportstodb(Database& db, QString* error)
{
    return store(db, reports(), error);
}

bool FolderArchive::setupfromdb(Database& db, QString* error)
{
    return restore(db, setup(), error);
}

bool FolderArchive::reportsfromdb(Database& db, QString* error)
{
    return restore(db, reports(), error);
}

bool FolderArchive::store(Database& db, const Kind& kind, QString* error)
{
    // A folder that cannot be packed stores nothing: an old archive is better than an empty or stale one.
    QByteArray archive;
    if (!ZipFolder::pack(kind.folder, &archive, error))
        return false;
    keepCopy(kind, archive);
    try {
        Transaction transaction(db);
        db.exec(QStringLiteral("delete from files where filename=:pfilename"),
                {{QStringLiteral("pfilename"), kind.fileName}});
        db.exec(QStringLiteral("insert into files(filename,pathto,filedata) values(:pfilename,:ppathto,:pfiledata)"),
                {{QStringLiteral("pfilename"), kind.fileName},
                 {QStringLiteral("ppathto"), kind.pathto},
                 {QStringLiteral("pfiledata"), archive}});
        transaction.commit();
    } catch (const DbError& e) {
        return fail(error, e.message());
    }
    return true;
}

bool FolderArchive::restore(Database& db, const Kind& kind, QString* error)
{
    QByteArray archive;
    bool found = false;
    try {
        if (!db.tabulkaexistuje(QStringLiteral("files")))
            return true;
        QSqlQuery query = db.exec(QStringLiteral("select filedata from files where filename=:pfilename"),
                                  {{QStringLiteral("pfilename"), kind.fileName}});
        if (query.next()) {
            archive = query.value(0).toByteArray();
            found = true;
        }
    } catch (const DbError& e) {
        return fail(error, e.message());
    }

    if (found) {
        keepCopy(kind, archive);
    } else {
        const QFileInfo copy(tempCopy(kind));
        if (!copy.exists())
            return true;
        if (!isOurs(copy))
            return fail(error, QCoreApplication::translate("FolderArchive",
                                                           "Archiv %1 v dočasné složce patří jinému uživateli, "
                                                           "nebyl použit.")
                                   .arg(QDir::toNativeSeparators(copy.filePath())));
        QFile file(copy.filePath());
        if (!file.open(QIODevice::ReadOnly))
            return fail(error, QCoreApplication::translate("FolderArchive", "Archiv %1 nelze přečíst: %2")
                                   .arg(QDir::toNativeSeparators(copy.filePath()), file.errorString()));
        archive = file.readAll();
    }
    if (!ZipFolder::unpack(archive, kind.folder, error)) {
        if (error)
            *error = QCoreApplication::translate("FolderArchive", "%1 nebyl obnoven: %2").arg(kind.fileName, *error);
        return false;
    }
    return true;
}
