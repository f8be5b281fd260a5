#include "Database.h"

#include "Dialect.h"

#include <QCoreApplication>
#include <QFile>
#include <QRegularExpression>
#include <QSqlError>
#include <QStringDecoder>

namespace {

bool isMasterName(const QString& name)
{
    return name.isEmpty() || name.compare(QLatin1String("master"), Qt::CaseInsensitive) == 0;
}

} // namespace

Database::Database(const QString& connectionName) : m_name(connectionName) {}

Database::~Database()
{
    close();
    if (QSqlDatabase::contains(m_name))
        QSqlDatabase::removeDatabase(m_name);
}

QSqlDatabase Database::connection() const
{
    return QSqlDatabase::database(m_name, false);
}

bool Database::isOpen() const
{
    return QSqlDatabase::contains(m_name) && connection().isOpen();
}

void Database::close()
{
    if (QSqlDatabase::contains(m_name)) {
        QSqlDatabase db = connection();
        db.close();
    }
    m_current.clear();
}

void Database::open(const ConnectionInfo& info)
{
    close();
    if (QSqlDatabase::contains(m_name))
        QSqlDatabase::removeDatabase(m_name);
    m_info = info;
    m_dialect = Dialect::create(info.engine);
    if (!QSqlDatabase::isDriverAvailable(m_dialect->driverName())) {
        throw DbError(DbError::Kind::Connection,
                      QCoreApplication::translate("Database", "Ovladač databáze %1 není nainstalován.")
                          .arg(m_dialect->driverName()));
    }
    QSqlDatabase::addDatabase(m_dialect->driverName(), m_name);
    reopen(info.catalog);
}

void Database::reopen(const QString& database)
{
    const QString target = isMasterName(database) ? QString() : database;
    if (!target.isEmpty() && !isValidName(target)) {
        throw DbError(DbError::Kind::InvalidName,
                      QCoreApplication::translate("Database",
                                                  "Neplatný název databáze \"%1\". Název smí obsahovat jen písmena, "
                                                  "číslice, \"_\" a \"-\" a musí začínat písmenem.")
                          .arg(database));
    }
    QSqlDatabase db = connection();
    db.close();
    m_current.clear();
    m_dialect->configure(db, m_info, target);
    if (!db.open()) {
        throw DbError(DbError::Kind::Connection, DbError::textOf(db.lastError()));
    }
    m_current = target.isEmpty() ? m_dialect->maintenanceDatabase() : target;
    m_dialect->prepareConnection(*this);
}

QSqlQuery Database::exec(const QString& sql, const Params& params)
{
    if (!isOpen())
        throw DbError(DbError::Kind::Connection,
                      QCoreApplication::translate("Database", "Spojení s databází není otevřené."));
    QSqlQuery query(connection());
    query.setForwardOnly(true);
    bool ok;
    if (params.isEmpty()) {
        ok = query.exec(sql);
    } else {
        ok = query.prepare(sql);
        if (ok) {
            for (auto it = params.cbegin(); it != params.cend(); ++it)
                query.bindValue(QLatin1Char(':') + it.key(), it.value());
            ok = query.exec();
        }
    }
    if (!ok)
        throw DbError(DbError::Kind::Statement, DbError::textOf(query.lastError()));
    return query;
}

QVariant Database::scalar(const QString& sql, const Params& params)
{
    QSqlQuery query = exec(sql, params);
    return query.next() ? query.value(0) : QVariant();
}

qint64 Database::insert(const QString& sql, const Params& params, const QString& idColumn)
{
    // Both engines hand back the key of this very insert, whatever other connections insert meanwhile.
    QSqlQuery query = exec(sql + QStringLiteral(" returning ") + idColumn, params);
    if (!query.next())
        throw DbError(DbError::Kind::Statement,
                      QCoreApplication::translate("Database", "Databáze nevrátila číslo nového záznamu."));
    return query.value(0).toLongLong();
}

void Database::prikaz(const QString& sql, const Params& params)
{
    Transaction transaction(*this);
    exec(sql, params);
    transaction.commit();
}

bool Database::databazeexistuje(const QString& name)
{
    return m_dialect->databases(*this).contains(name, Qt::CaseSensitive);
}

bool Database::tabulkaexistuje(const QString& name)
{
    return m_dialect->tableExists(*this, name);
}

bool Database::poleexistuje(const QString& column, const QString& table)
{
    return m_dialect->columnExists(*this, column, table);
}

void Database::use(const QString& name)
{
    const QString previous = m_current;
    try {
        reopen(name);
    } catch (const DbError&) {
        // Stay usable on the database we were on.
        if (!previous.isEmpty() && previous != name) {
            try {
                reopen(previous == m_dialect->maintenanceDatabase() ? QString() : previous);
            } catch (const DbError&) {
            }
        }
        throw;
    }
}

bool Database::onMaintenanceDatabase() const
{
    return m_dialect && m_current == m_dialect->maintenanceDatabase();
}

void Database::createDatabase(const QString& name, const QString& scriptFile)
{
    if (!isValidName(name) || isMasterName(name)) {
        throw DbError(DbError::Kind::InvalidName,
                      QCoreApplication::translate("Database",
                                                  "Neplatný název databáze \"%1\". Název smí obsahovat jen písmena, "
                                                  "číslice, \"_\" a \"-\" a musí začínat písmenem.")
                          .arg(name));
    }
    QFile file(scriptFile);
    if (!file.exists())
        throw DbError(DbError::Kind::Schema, QCoreApplication::translate("Database", "Schéma neexistuje."));
    if (!file.open(QIODevice::ReadOnly))
        throw DbError(DbError::Kind::Schema, file.errorString());
    QStringDecoder decoder(QStringConverter::Utf8);
    QString script = decoder.decode(file.readAll());
    if (decoder.hasError())
        throw DbError(DbError::Kind::Schema,
                      QCoreApplication::translate("Database", "Schéma %1 není v kódování UTF-8.").arg(scriptFile));
    if (script.startsWith(QChar(0xFEFF)))
        script.remove(0, 1);
    if (script.trimmed().isEmpty())
        throw DbError(DbError::Kind::Schema,
                      QCoreApplication::translate("Database", "Schéma %1 je prázdné.").arg(scriptFile));
    if (databazeexistuje(name))
        throw DbError(DbError::Kind::Statement,
                      QCoreApplication::translate("Database", "Databáze \"%1\" již existuje.").arg(name));
    m_dialect->createDatabase(*this, name, script, {defaultUsersSql(0), defaultUsersSql(1)});
    use(name);
}

void Database::dropDatabase(const QString& name)
{
    if (!isValidName(name) || isMasterName(name))
        throw DbError(DbError::Kind::InvalidName,
                      QCoreApplication::translate("Database", "Neplatný název databáze \"%1\".").arg(name));
    if (name == m_current)
        throw DbError(DbError::Kind::Statement,
                      QCoreApplication::translate("Database", "Právě používanou databázi nelze odstranit."));
    m_dialect->dropDatabase(*this, name);
}

int Database::verzesqlserveru()
{
    const QString version = m_dialect->serverVersion(*this).toLower();
    static const int years[] = {2005, 2008, 2012, 2014, 2016, 2017, 2019};
    for (int year : years) {
        if (version.contains(QStringLiteral("server %1").arg(year)))
            return year;
    }
    return 3000;
}

void Database::reseed(const QString& table, const QString& column)
{
    m_dialect->reseed(*this, table, column);
}

void Database::repairIdentity(const QString& table, const QString& column)
{
    const qint64 counter = m_dialect->identityCounter(*this, table, column);
    if (counter < 0)
        return;
    const QVariant top = scalar(QStringLiteral("select max(%1) from %2").arg(column, table));
    if (top.isNull())
        return;
    if (counter - top.toLongLong() > 2)
        reseed(table, column);
}

QString Database::getsqldatabasepath()
{
    return m_dialect->databaseFolder(*this);
}

bool Database::isValidName(const QString& name)
{
    static const QRegularExpression valid(QStringLiteral("^[\\p{L}_][\\p{L}\\p{N}_-]{0,62}$"));
    return valid.match(name).hasMatch();
}

QString Database::defaultUsersSql(int index)
{
    if (index == 0)
        return QStringLiteral("insert into users(username,userpw,firstname,lastname,usertype) "
                              "values('admin','907318','John','Doe','administrator')");
    return QStringLiteral("insert into users(username,userpw,firstname,lastname,usertype) "
                          "values('user','kuzd','John','Doe Jr.','user')");
}

Transaction::Transaction(Database& db, Lock lock, const QString& table) : m_db(db)
{
    if (lock == Lock::WriteLock) {
        m_raw = true;
        if (m_db.engine() == ConnectionInfo::Engine::SQLite) {
            m_db.exec(QStringLiteral("begin immediate"));
            m_open = true;
        } else {
            static const QRegularExpression plain(QStringLiteral("^[A-Za-z_][A-Za-z0-9_]*$"));
            if (!plain.match(table).hasMatch())
                throw DbError(DbError::Kind::InvalidName, QStringLiteral("lock: %1").arg(table));
            m_db.exec(QStringLiteral("begin"));
            try {
                // Conflicts with itself and with every write, not with plain reads.
                m_db.exec(QStringLiteral("lock table %1 in share row exclusive mode").arg(table));
            } catch (const DbError&) {
                QSqlQuery(m_db.connection()).exec(QStringLiteral("rollback"));
                throw;
            }
            m_open = true;
        }
        return;
    }
    if (!m_db.connection().transaction())
        throw DbError(DbError::Kind::Statement, DbError::textOf(m_db.connection().lastError()));
    m_open = true;
}

Transaction::~Transaction()
{
    if (!m_open)
        return;
    if (m_raw) {
        QSqlQuery q(m_db.connection());
        q.exec(QStringLiteral("rollback"));
    } else {
        m_db.connection().rollback();
    }
}

void Transaction::commit()
{
    if (m_raw) {
        m_db.exec(QStringLiteral("commit"));
    } else if (!m_db.connection().commit()) {
        throw DbError(DbError::Kind::Statement, DbError::textOf(m_db.connection().lastError()));
    }
    m_open = false;
}
