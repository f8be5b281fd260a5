#include "PostgresDialect.h"

#include "Database.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QSqlError>
#include <QSqlQuery>
#include <QUuid>

namespace {

// Table and column names the program passes itself; anything else is refused rather than pasted.
QString checkedName(const QString& name)
{
    static const QRegularExpression plain(QStringLiteral("^[A-Za-z_][A-Za-z0-9_]*$"));
    if (!plain.match(name).hasMatch())
        throw DbError(DbError::Kind::InvalidName,
                      QCoreApplication::translate("Database", "Neplatný název \"%1\".").arg(name));
    return name;
}

QString sequenceOf(const QString& table, const QString& column)
{
    return QStringLiteral("pg_get_serial_sequence('%1','%2')").arg(checkedName(table), checkedName(column));
}

} // namespace

QString PostgresDialect::quoteIdentifier(const QString& name)
{
    QString n = name;
    n.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + n + QLatin1Char('"');
}

void PostgresDialect::configure(QSqlDatabase& db, const ConnectionInfo& info, const QString& database) const
{
    db.setHostName(info.dataSource.isEmpty() ? QStringLiteral("localhost") : info.dataSource);
    db.setPort(info.port > 0 ? info.port : 5432);
    db.setUserName(info.user);
    db.setPassword(info.password);
    db.setDatabaseName(database.isEmpty() ? maintenanceDatabase() : database);
    db.setConnectOptions(QStringLiteral("connect_timeout=10"));
}

void PostgresDialect::prepareConnection(Database& db) const
{
    db.exec(QStringLiteral("set client_min_messages to warning"));
}

QStringList PostgresDialect::databases(Database& db) const
{
    QStringList names;
    QSqlQuery q = db.exec(QStringLiteral("select datname from pg_database where not datistemplate"));
    while (q.next())
        names << q.value(0).toString();
    return names;
}

bool PostgresDialect::tableExists(Database& db, const QString& table) const
{
    return db
        .exec(QStringLiteral("select 1 from information_schema.tables "
                             "where table_schema=current_schema() and table_name=:pname"),
              {{QStringLiteral("pname"), table}})
        .next();
}

bool PostgresDialect::columnExists(Database& db, const QString& column, const QString& table) const
{
    return db
        .exec(QStringLiteral("select 1 from information_schema.columns "
                             "where table_schema=current_schema() and table_name=:ptablename "
                             "and column_name=:pname"),
              {{QStringLiteral("pname"), column}, {QStringLiteral("ptablename"), table}})
        .next();
}

void PostgresDialect::createDatabase(Database& db, const QString& name, const QString& script,
                                     const QStringList& afterScript) const
{
    db.exec(QStringLiteral("create database ") + quoteIdentifier(name));
    // The script runs on a connection of its own, in one transaction; on failure the new database goes.
    const QString connectionName = QStringLiteral("create-") + QUuid::createUuid().toString(QUuid::WithoutBraces);
    QString failure;
    {
        QSqlDatabase conn = QSqlDatabase::cloneDatabase(db.connection(), connectionName);
        conn.setDatabaseName(name);
        if (!conn.open()) {
            failure = conn.lastError().text();
        } else {
            QSqlQuery q(conn);
            auto run = [&](const QString& sql) {
                if (failure.isEmpty() && !q.exec(sql))
                    failure = DbError::textOf(q.lastError());
            };
            run(QStringLiteral("begin"));
            run(script);
            for (const QString& statement : afterScript)
                run(statement);
            if (failure.isEmpty())
                run(QStringLiteral("commit"));
            else
                q.exec(QStringLiteral("rollback"));
            q.finish();
            conn.close();
        }
    }
    QSqlDatabase::removeDatabase(connectionName);
    if (!failure.isEmpty()) {
        try {
            db.exec(QStringLiteral("drop database if exists ") + quoteIdentifier(name));
        } catch (const DbError&) {
        }
        throw DbError(DbError::Kind::Statement, failure);
    }
}

void PostgresDialect::dropDatabase(Database& db, const QString& name) const
{
    db.exec(QStringLiteral("drop database ") + quoteIdentifier(name));
}

void PostgresDialect::runScript(Database& db, const QString& script) const
{
    Transaction transaction(db);
    db.exec(script);
    transaction.commit();
}

QString PostgresDialect::serverVersion(Database& db) const
{
    return db.scalar(QStringLiteral("select version()")).toString();
}

qint64 PostgresDialect::identityCounter(Database& db, const QString& table, const QString& column) const
{
    const QString sequence = db.scalar(QStringLiteral("select ") + sequenceOf(table, column)).toString();
    if (sequence.isEmpty())
        return -1;
    // The name comes from the server for a table name we checked, so it can stand in the statement.
    QSqlQuery q = db.exec(QStringLiteral("select last_value, is_called from ") + sequence);
    if (!q.next())
        return -1;
    const qint64 last = q.value(0).toLongLong();
    return q.value(1).toBool() ? last : last - 1;
}

void PostgresDialect::reseed(Database& db, const QString& table, const QString& column) const
{
    db.exec(QStringLiteral("select setval(%1, coalesce(max(%2),0)+1, false) from %3")
                .arg(sequenceOf(table, column), checkedName(column), checkedName(table)));
}

QString PostgresDialect::databaseFolder(Database& db) const
{
    try {
        const QString dir =
            db.scalar(QStringLiteral("select setting from pg_settings where name='data_directory'")).toString();
        return dir.isEmpty() ? QString() : dir + QLatin1Char('/');
    } catch (const DbError&) {
        return {};
    }
}
