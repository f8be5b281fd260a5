#pragma once

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVector>
#include <memory>

// Reads the rows of a select statement a chunk at a time, so a long list opens with its first page.
class RowReader
{
public:
    virtual ~RowReader() = default;

    // Runs the statement and reads up to count rows into *values (row-major). False with *error when the
    // database refuses the statement or fails on its first rows.
    virtual bool open(const QString& sql, int count, QStringList* fields, QVector<QVariant>* values, bool* atEnd,
                      QString* error) = 0;
    // Appends up to count further rows; false with *error when reading fails (the reader is then at its end).
    virtual bool read(int count, QVector<QVariant>* values, bool* atEnd, QString* error) = 0;
    // Ends reading without reading the rest.
    virtual void close() = 0;

    // Steps through the result on the given connection (SQLite: other statements on the same connection go on
    // meanwhile).
    static std::unique_ptr<RowReader> stepping(const QSqlDatabase& connection);
    // Reads through a cursor in a transaction of its own on a session that serves the list only
    // (PostgreSQL). Replacing the statement closes the cursor at once, without transferring the unread rows.
    static std::unique_ptr<RowReader> cursor(const QSqlDatabase& session);
};
