#include "SqliteDialect.h"

#include "AppPaths.h"
#include "Clock.h"
#include "Database.h"
#include "DayNumber.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDriver>
#include <QSqlError>
#include <QUuid>
#include <sqlite3.h>

namespace {

sqlite3* nativeHandle(const QSqlDatabase& db)
{
    const QVariant v = db.driver()->handle();
    if (!v.isValid() || qstrcmp(v.typeName(), "sqlite3*") != 0)
        return nullptr;
    return *static_cast<sqlite3* const*>(v.constData());
}

QString textArg(sqlite3_value* value)
{
    const auto* text = reinterpret_cast<const char16_t*>(sqlite3_value_text16(value));
    const int bytes = sqlite3_value_bytes16(value);
    return text ? QString::fromUtf16(text, bytes / 2) : QString();
}

// SQL LIKE with "%" and "_", an optional escape character, and letter case ignored for every alphabet.
bool likeMatch(const QString& pattern, const QString& text, QChar escape)
{
    int p = 0, t = 0, starP = -1, starT = 0;
    const int pn = pattern.size(), tn = text.size();
    while (t < tn) {
        if (p < pn) {
            QChar pc = pattern.at(p);
            if (pc == escape && !escape.isNull() && p + 1 < pn) {
                if (pattern.at(p + 1).toCaseFolded() == text.at(t).toCaseFolded()) {
                    p += 2;
                    ++t;
                    continue;
                }
            } else if (pc == QLatin1Char('%')) {
                starP = p++;
                starT = t;
                continue;
            } else if (pc == QLatin1Char('_') || pc.toCaseFolded() == text.at(t).toCaseFolded()) {
                ++p;
                ++t;
                continue;
            }
        }
        if (starP < 0)
            return false;
        p = starP + 1;
        t = ++starT;
    }
    while (p < pn && pattern.at(p) == QLatin1Char('%'))
        ++p;
    return p == pn;
}

void likeFunction(sqlite3_context* context, int argc, sqlite3_value** argv)
{
    if (sqlite3_value_type(argv[0]) == SQLITE_NULL || sqlite3_value_type(argv[1]) == SQLITE_NULL) {
        sqlite3_result_null(context);
        return;
    }
    QChar escape;
    if (argc == 3) {
        const QString e = textArg(argv[2]);
        if (e.size() != 1) {
            sqlite3_result_error(context, "ESCAPE expression must be a single character", -1);
            return;
        }
        escape = e.at(0);
    }
    sqlite3_result_int(context, likeMatch(textArg(argv[0]), textArg(argv[1]), escape) ? 1 : 0);
}

void caseFunction(sqlite3_context* context, int, sqlite3_value** argv)
{
    if (sqlite3_value_type(argv[0]) == SQLITE_NULL) {
        sqlite3_result_null(context);
        return;
    }
    const bool upper = sqlite3_user_data(context) != nullptr;
    const QString text = textArg(argv[0]);
    const QString result = upper ? text.toUpper() : text.toLower();
    sqlite3_result_text16(context, result.utf16(), int(result.size() * 2), SQLITE_TRANSIENT);
}

// getdate(): the current local date and time as a day number, as filter statements compare dates with it.
void getdateFunction(sqlite3_context* context, int, sqlite3_value**)
{
    sqlite3_result_double(context, DayNumber::fromDateTime(Clock::instance().now()));
}

void execNative(sqlite3* handle, const QString& sql)
{
    char* message = nullptr;
    if (sqlite3_exec(handle, sql.toUtf8().constData(), nullptr, nullptr, &message) != SQLITE_OK) {
        const QString text = QString::fromUtf8(message ? message : sqlite3_errmsg(handle));
        sqlite3_free(message);
        throw DbError(DbError::Kind::Statement, text);
    }
}

// Runs a script and further statements in one transaction on a native handle.
void runInTransaction(sqlite3* handle, const QString& script, const QStringList& afterScript)
{
    execNative(handle, QStringLiteral("begin"));
    try {
        execNative(handle, script);
        for (const QString& statement : afterScript)
            execNative(handle, statement);
        execNative(handle, QStringLiteral("commit"));
    } catch (const DbError&) {
        sqlite3_exec(handle, "rollback", nullptr, nullptr, nullptr);
        throw;
    }
}

} // namespace

QString SqliteDialect::folderOf(const ConnectionInfo& info)
{
    if (info.dataSource.trimmed().isEmpty())
        return AppPaths::programFolder();
    QFileInfo fi(QDir(AppPaths::programFolder()), info.dataSource.trimmed());
    return AppPaths::withSlash(fi.absoluteFilePath());
}

QString SqliteDialect::fileOf(const ConnectionInfo& info, const QString& database)
{
    return folderOf(info) + database + QStringLiteral(".sqlite");
}

void SqliteDialect::configure(QSqlDatabase& db, const ConnectionInfo& info, const QString& database) const
{
    const QString folder = folderOf(info);
    if (!QFileInfo(folder).isDir())
        throw DbError(DbError::Kind::Connection,
                      QCoreApplication::translate("Database", "Složka s databázemi %1 neexistuje.").arg(folder));
    if (database.isEmpty()) {
        db.setDatabaseName(QStringLiteral(":memory:"));
    } else {
        const QString file = fileOf(info, database);
        // Opening a missing file would silently make an empty database; a missing database is an error.
        if (!QFileInfo::exists(file))
            throw DbError(
                DbError::Kind::Connection,
                QCoreApplication::translate("Database", "Databáze \"%1\" neexistuje (%2).").arg(database, file));
        db.setDatabaseName(file);
    }
    db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=10000"));
}

void SqliteDialect::registerFunctions(const QSqlDatabase& db)
{
    sqlite3* handle = nativeHandle(db);
    if (!handle)
        return;
    const int flags = SQLITE_UTF16 | SQLITE_DETERMINISTIC;
    sqlite3_create_function_v2(handle, "like", 2, flags, nullptr, likeFunction, nullptr, nullptr, nullptr);
    sqlite3_create_function_v2(handle, "like", 3, flags, nullptr, likeFunction, nullptr, nullptr, nullptr);
    sqlite3_create_function_v2(handle, "lower", 1, flags, nullptr, caseFunction, nullptr, nullptr, nullptr);
    sqlite3_create_function_v2(handle, "getdate", 0, SQLITE_UTF8, nullptr, getdateFunction, nullptr, nullptr, nullptr);
    static int upperTag = 1;
    sqlite3_create_function_v2(handle, "upper", 1, flags, &upperTag, caseFunction, nullptr, nullptr, nullptr);
}

void SqliteDialect::prepareConnection(Database& db) const
{
    registerFunctions(db.connection());
}

QStringList SqliteDialect::databases(Database& db) const
{
    QStringList names;
    const QDir dir(folderOf(db.info()));
    for (const QFileInfo& fi : dir.entryInfoList({QStringLiteral("*.sqlite")}, QDir::Files))
        names << fi.completeBaseName();
    return names;
}

bool SqliteDialect::tableExists(Database& db, const QString& table) const
{
    return db
        .exec(QStringLiteral("select 1 from sqlite_master where type='table' and name=:pname"),
              {{QStringLiteral("pname"), table}})
        .next();
}

bool SqliteDialect::columnExists(Database& db, const QString& column, const QString& table) const
{
    return db
        .exec(QStringLiteral("select 1 from pragma_table_info(:ptablename) where name=:pname"),
              {{QStringLiteral("pname"), column}, {QStringLiteral("ptablename"), table}})
        .next();
}

void SqliteDialect::createDatabase(Database& db, const QString& name, const QString& script,
                                   const QStringList& afterScript) const
{
    // Built under a temporary name and renamed when complete, so a failure leaves no database behind.
    const QString target = fileOf(db.info(), name);
    const QString part = target + QStringLiteral(".part");
    QFile::remove(part);
    const QString connectionName = QStringLiteral("create-") + QUuid::createUuid().toString(QUuid::WithoutBraces);
    QString failure;
    {
        QSqlDatabase conn = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connectionName);
        conn.setDatabaseName(part);
        if (!conn.open()) {
            failure = conn.lastError().text();
        } else {
            try {
                runInTransaction(nativeHandle(conn), script, afterScript);
            } catch (const DbError& e) {
                failure = e.message();
            }
            conn.close();
        }
    }
    QSqlDatabase::removeDatabase(connectionName);
    if (failure.isEmpty() && !QFile::rename(part, target))
        failure = QCoreApplication::translate("Database", "Soubor databáze %1 nelze vytvořit.").arg(target);
    if (!failure.isEmpty()) {
        QFile::remove(part);
        throw DbError(DbError::Kind::Statement, failure);
    }
}

void SqliteDialect::dropDatabase(Database& db, const QString& name) const
{
    const QString file = fileOf(db.info(), name);
    if (!QFile::exists(file))
        throw DbError(DbError::Kind::Statement,
                      QCoreApplication::translate("Database", "Databáze \"%1\" neexistuje.").arg(name));
    if (!QFile::remove(file))
        throw DbError(DbError::Kind::Statement,
                      QCoreApplication::translate("Database", "Soubor databáze %1 nelze odstranit.").arg(file));
    for (const char* suffix : {"-wal", "-shm", "-journal"})
        QFile::remove(file + QLatin1String(suffix));
}

void SqliteDialect::runScript(Database& db, const QString& script) const
{
    runInTransaction(nativeHandle(db.connection()), script, {});
}

QString SqliteDialect::serverVersion(Database&) const
{
    return QStringLiteral("SQLite ") + QString::fromLatin1(sqlite3_libversion());
}

qint64 SqliteDialect::identityCounter(Database&, const QString&, const QString&) const
{
    return -1; // an integer primary key always continues after the highest key in use
}

void SqliteDialect::reseed(Database&, const QString&, const QString&) const {}

QString SqliteDialect::databaseFolder(Database& db) const
{
    return folderOf(db.info());
}
