#pragma once

#include "ConnectionInfo.h"

#include <QSqlDatabase>
#include <QString>
#include <QStringList>
#include <memory>

class Database;

// What differs between the engines: how a database is found, created, switched to and dropped, how a
// script runs, and how identity columns are read and reseeded. Everything else is plain SQL.
class Dialect
{
public:
    virtual ~Dialect() = default;

    static std::unique_ptr<Dialect> create(ConnectionInfo::Engine engine);

    virtual ConnectionInfo::Engine engine() const = 0;
    virtual QString driverName() const = 0;
    // Name that stands for "connected, but on no database of ours" (the server's own database).
    virtual QString maintenanceDatabase() const = 0;

    // Points the driver at the given database before opening; throws DbError when it cannot exist.
    virtual void configure(QSqlDatabase& db, const ConnectionInfo& info, const QString& database) const = 0;
    // Runs once after each (re)opening of the connection.
    virtual void prepareConnection(Database& db) const = 0;

    virtual QStringList databases(Database& db) const = 0;
    virtual bool tableExists(Database& db, const QString& table) const = 0;
    virtual bool columnExists(Database& db, const QString& column, const QString& table) const = 0;
    // Creates a database from a schema script and inserts the given statements after it, all or nothing.
    virtual void createDatabase(Database& db, const QString& name, const QString& script,
                                const QStringList& afterScript) const = 0;
    virtual void dropDatabase(Database& db, const QString& name) const = 0;
    virtual void runScript(Database& db, const QString& script) const = 0;
    virtual QString serverVersion(Database& db) const = 0;
    // The key the next insert would get minus one, or -1 where the engine keeps no separate counter.
    virtual qint64 identityCounter(Database& db, const QString& table, const QString& column) const = 0;
    // Makes the next insert get (highest key in use) + 1.
    virtual void reseed(Database& db, const QString& table, const QString& column) const = 0;
    virtual QString databaseFolder(Database& db) const = 0;
    // A statement's "select top 1" rewritten for the engine is not needed: both use LIMIT.
    virtual QString schemaScriptName() const = 0;
};
