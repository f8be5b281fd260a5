#pragma once

#include "Dialect.h"

// The shared server. Database names are always quoted as identifiers; the server's own database is
// "postgres", which stands where other servers have "master".
class PostgresDialect : public Dialect
{
public:
    ConnectionInfo::Engine engine() const override { return ConnectionInfo::Engine::PostgreSQL; }
    QString driverName() const override { return QStringLiteral("QPSQL"); }
    QString maintenanceDatabase() const override { return QStringLiteral("postgres"); }
    void configure(QSqlDatabase& db, const ConnectionInfo& info, const QString& database) const override;
    void prepareConnection(Database& db) const override;
    QStringList databases(Database& db) const override;
    bool tableExists(Database& db, const QString& table) const override;
    bool columnExists(Database& db, const QString& column, const QString& table) const override;
    void createDatabase(Database& db, const QString& name, const QString& script,
                        const QStringList& afterScript) const override;
    void dropDatabase(Database& db, const QString& name) const override;
    void runScript(Database& db, const QString& script) const override;
    QString serverVersion(Database& db) const override;
    qint64 identityCounter(Database& db, const QString& table, const QString& column) const override;
    void reseed(Database& db, const QString& table, const QString& column) const override;
    QString databaseFolder(Database& db) const override;
    QString schemaScriptName() const override { return QStringLiteral("vornik.pg.sql"); }

    static QString quoteIdentifier(const QString& name);
};
