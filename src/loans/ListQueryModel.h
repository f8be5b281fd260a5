#pragma once

#include <QAbstractTableModel>
#include <QSet>
#include <QStringList>
#include <QVector>
#include <memory>

class Database;
class QSqlDatabase;
class RowReader;

// A read-only grid over any select statement. Rows are read in chunks as the view scrolls (canFetchMore /
// fetchMore), so a list of a hundred thousand rows opens with its first page. The shown columns are a fixed
// list of field names, which keeps a grid's column layout stable across statements; fields a statement does
// not return show empty. A statement the database refuses leaves an empty list and an error text; the next
// accepted statement fills the list again.
//
// On PostgreSQL the rows are read through a cursor on a second session of the same login, which serves the
// list only: the program's own statements and transactions go on meanwhile without cutting the list short,
// and a new statement drops the unread rows at once. On SQLite the list steps through its result on the
// program's connection, which holds a read lock on the file until the last row has been read.
class ListQueryModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    enum Role
    {
        RawValueRole = Qt::UserRole + 1, // the value as the database returned it
        FieldNameRole = Qt::UserRole + 2 // the column's field name (also Qt::UserRole on the horizontal header)
    };

    explicit ListQueryModel(Database& db, QObject* parent = nullptr);
    ~ListQueryModel() override;

    // The shown columns by field name, in order; an empty list shows every field of the result.
    void setColumns(const QStringList& fields);
    QStringList columns() const { return m_columns; }
    // Fields holding day numbers: shown as dates, blank when empty (below 10).
    void setDateFields(const QSet<QString>& fields) { m_dateFields = fields; }
    void setFetchSize(int rows) { m_fetchSize = qMax(1, rows); }

    // Runs a statement and shows its first rows; false when the database refuses it (errorString()).
    bool setStatement(const QString& sql);
    // Runs the current statement again.
    bool refresh() { return setStatement(m_statement); }
    // Forgets the rows, ends reading and closes the list's own session: call it before the connection
    // changes database or a maintenance step needs the database to itself.
    void clear();
    QString statement() const { return m_statement; }
    QString errorString() const { return m_error; }
    bool isOpen() const { return m_open; }

    // Every field of the current result, in result order (the columns a search looks in).
    QStringList resultFields() const { return m_fields; }
    int fieldIndex(const QString& field) const { return int(m_fields.indexOf(field)); }
    QVariant value(int row, const QString& field) const;
    QVariant value(int row, int resultField) const;
    // The first row whose field equals the value, reading further rows as needed; -1 when none.
    int findRow(const QString& field, const QVariant& value);
    void fetchAll();

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool canFetchMore(const QModelIndex& parent = QModelIndex()) const override;
    void fetchMore(const QModelIndex& parent = QModelIndex()) override;

signals:
    // Reading further rows failed; the rows read so far stay.
    void fetchFailed(const QString& message);

protected:
    virtual QVariant rowBackground(int row) const;
    virtual QVariant rowForeground(int row) const;
    virtual QString columnTitle(const QString& field) const { return field; }
    QString displayText(int row, int resultField) const;
    // Tells the views that every title changed (after the language changed).
    void retitle();

private:
    void stopReading();
    void closeSession();
    QSqlDatabase listConnection();
    void mapColumns();
    QString fieldOfColumn(int column) const;

    Database& m_db;
    QString m_readerName;
    QStringList m_columns;
    QSet<QString> m_dateFields;
    int m_fetchSize = 256;

    QString m_statement;
    QString m_error;
    bool m_open = false;
    bool m_atEnd = true;
    std::unique_ptr<RowReader> m_reader;
    QStringList m_fields;
    QVector<int> m_columnFields; // shown column -> result field, -1 when the result lacks it
    QVector<QVariant> m_values;  // row-major, m_fields.size() values per row
    int m_rows = 0;
};
