#pragma once

#include "ConnectionInfo.h"
#include "DbError.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QVariantMap>
#include <memory>

class Dialect;

// The program's one database connection with the engine's dialect behind it. Statements that fail throw
// DbError; callers that guard their work catch it and show it, the rest reach the general error report.
class Database
{
public:
    using Params = QVariantMap;

    explicit Database(const QString& connectionName = QStringLiteral("vornik"));
    ~Database();
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    // Opens the connection an init string describes, on its initial catalog or, when it names none, on the
    // server's own database. Throws DbError (Connection) when that fails.
    void open(const ConnectionInfo& info);
    void close();
    bool isOpen() const;

    const ConnectionInfo& info() const { return m_info; }
    ConnectionInfo::Engine engine() const { return m_info.engine; }
    const Dialect& dialect() const { return *m_dialect; }
    QSqlDatabase connection() const;

    // Runs one statement with named parameters (":pname"); throws DbError on failure.
    QSqlQuery exec(const QString& sql, const Params& params = {});
    // First column of the first row, or an invalid value when there is no row.
    QVariant scalar(const QString& sql, const Params& params = {});
    // Runs an insert and returns the key this connection's own insert generated.
    qint64 insert(const QString& sql, const Params& params, const QString& idColumn);
    // One statement in its own transaction; rolled back and rethrown on failure.
    void prikaz(const QString& sql, const Params& params = {});

    bool databazeexistuje(const QString& name);
    bool tabulkaexistuje(const QString& name);
    bool poleexistuje(const QString& column, const QString& table);

    // Switches the connection to another database of the same server ("USE name").
    void use(const QString& name);
    QString currentDatabase() const { return m_current; }
    bool onMaintenanceDatabase() const;

    // Creates a database from a schema script, with the two default users, and leaves the connection on it.
    // On any failure nothing of the new database is left behind and DbError is thrown.
    void createDatabase(const QString& name, const QString& scriptFile);
    void dropDatabase(const QString& name);

    int verzesqlserveru();
    // After deleting rows: the next key becomes the highest remaining one + 1.
    void reseed(const QString& table, const QString& column);
    // At start-up: a counter that ran ahead of the highest key by more than two is set back.
    void repairIdentity(const QString& table, const QString& column);
    QString getsqldatabasepath();

    // A database name the user typed: letters, digits, "_" and "-", starting with a letter or "_".
    static bool isValidName(const QString& name);
    static QString defaultUsersSql(int index); // the two rows every new database starts with

private:
    void reopen(const QString& database);

    QString m_name;
    ConnectionInfo m_info;
    std::unique_ptr<Dialect> m_dialect;
    QString m_current;
};

// Commits on commit(), rolls back when left without it. A transaction that writes a table can take the
// table's write lock at once, so that reading a value and inserting from it is safe against other
// workstations doing the same at the same moment (they wait for each other; readers do not wait).
class Transaction
{
public:
    enum class Lock
    {
        None,
        WriteLock
    };

    explicit Transaction(Database& db, Lock lock = Lock::None, const QString& table = QString());
    ~Transaction();
    void commit();

private:
    Database& m_db;
    bool m_open = false;
    bool m_raw = false; // begun with our own statement rather than the driver's
};
