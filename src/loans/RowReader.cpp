#include "RowReader.h"

#include "DbError.h"

#include <QSqlError>
#include <QSqlRecord>

namespace {

// Appends up to count rows from the query; returns how many, and whether the query ran out.
int appendRows(QSqlQuery& query, int count, int fieldCount, QVector<QVariant>* values, bool* ranOut)
{
    int read = 0;
    while (read < count && query.next()) {
        for (int f = 0; f < fieldCount; ++f)
            values->append(query.value(f));
        ++read;
    }
    *ranOut = read < count;
    return read;
}

class SteppingReader : public RowReader
{
public:
    explicit SteppingReader(const QSqlDatabase& connection) : m_connection(connection) {}

    bool open(const QString& sql, int count, QStringList* fields, QVector<QVariant>* values, bool* atEnd,
              QString* error) override
    {
        m_query = QSqlQuery(m_connection);
        m_query.setForwardOnly(true);
        if (!m_query.exec(sql)) {
            *error = DbError::textOf(m_query.lastError());
            close();
            return false;
        }
        const QSqlRecord record = m_query.record();
        for (int i = 0; i < record.count(); ++i)
            *fields << record.fieldName(i);
        m_fieldCount = int(fields->size());
        return read(count, values, atEnd, error);
    }

    bool read(int count, QVector<QVariant>* values, bool* atEnd, QString* error) override
    {
        if (m_fieldCount == 0 || !m_query.isActive()) {
            *atEnd = true;
            return true;
        }
        appendRows(m_query, count, m_fieldCount, values, atEnd);
        if (*atEnd) {
            const bool failed = m_query.lastError().isValid();
            if (failed)
                *error = DbError::textOf(m_query.lastError());
            close(); // a finished statement holds no lock on the database file
            return !failed;
        }
        return true;
    }

    void close() override
    {
        if (m_query.isActive())
            m_query.finish();
        m_query = QSqlQuery();
    }

private:
    QSqlDatabase m_connection;
    QSqlQuery m_query;
    int m_fieldCount = 0;
};

class CursorReader : public RowReader
{
public:
    explicit CursorReader(const QSqlDatabase& session) : m_session(session) {}
    ~CursorReader() override { close(); }

    bool open(const QString& sql, int count, QStringList* fields, QVector<QVariant>* values, bool* atEnd,
              QString* error) override
    {
        close();
        QString statement = sql.trimmed();
        while (statement.endsWith(QLatin1Char(';')))
            statement = statement.chopped(1).trimmed();
        if (!m_session.transaction()) {
            *error = DbError::textOf(m_session.lastError());
            return false;
        }
        m_open = true;
        QSqlQuery declare(m_session);
        if (!declare.exec(QStringLiteral("declare vornik_list no scroll cursor for ") + statement)) {
            *error = DbError::textOf(declare.lastError());
            close();
            return false;
        }
        if (!fetch(count, values, atEnd, error, fields)) {
            close();
            return false;
        }
        return true;
    }

    bool read(int count, QVector<QVariant>* values, bool* atEnd, QString* error) override
    {
        if (!m_open) {
            *atEnd = true;
            return true;
        }
        return fetch(count, values, atEnd, error, nullptr);
    }

    void close() override
    {
        if (m_open) {
            m_session.rollback(); // ends the transaction and with it the cursor
            m_open = false;
        }
    }

private:
    bool fetch(int count, QVector<QVariant>* values, bool* atEnd, QString* error, QStringList* fields)
    {
        QSqlQuery query(m_session);
        query.setForwardOnly(true);
        if (!query.exec(QStringLiteral("fetch forward %1 from vornik_list").arg(count))) {
            *error = DbError::textOf(query.lastError());
            *atEnd = true;
            close();
            return false;
        }
        const QSqlRecord record = query.record();
        if (fields) {
            for (int i = 0; i < record.count(); ++i)
                *fields << record.fieldName(i);
        }
        appendRows(query, count, record.count(), values, atEnd);
        if (*atEnd)
            close();
        return true;
    }

    QSqlDatabase m_session;
    bool m_open = false;
};

} // namespace

std::unique_ptr<RowReader> RowReader::stepping(const QSqlDatabase& connection)
{
    return std::make_unique<SteppingReader>(connection);
}

std::unique_ptr<RowReader> RowReader::cursor(const QSqlDatabase& session)
{
    return std::make_unique<CursorReader>(session);
}
