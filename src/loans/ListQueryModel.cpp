#include "ListQueryModel.h"

#include "Clock.h"
#include "Database.h"
#include "DayNumber.h"
#include "LocaleFormats.h"
#include "RowReader.h"

#include <QBrush>
#include <QSqlError>

namespace {

bool isNumber(const QVariant& value)
{
    switch (value.typeId()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Double:
    case QMetaType::Float:
        return true;
    default:
        return false;
    }
}

} // namespace

ListQueryModel::ListQueryModel(Database& db, QObject* parent)
    : QAbstractTableModel(parent), m_db(db), m_readerName(QStringLiteral("list-%1").arg(quintptr(this), 0, 16))
{
}

ListQueryModel::~ListQueryModel()
{
    stopReading();
    closeSession();
}

void ListQueryModel::closeSession()
{
    if (QSqlDatabase::contains(m_readerName)) {
        QSqlDatabase::database(m_readerName, false).close();
        QSqlDatabase::removeDatabase(m_readerName);
    }
}

void ListQueryModel::setColumns(const QStringList& fields)
{
    beginResetModel();
    m_columns = fields;
    mapColumns();
    endResetModel();
}

void ListQueryModel::mapColumns()
{
    m_columnFields.clear();
    if (m_columns.isEmpty()) {
        for (int i = 0; i < m_fields.size(); ++i)
            m_columnFields << i;
        return;
    }
    for (const QString& field : m_columns)
        m_columnFields << int(m_fields.indexOf(field));
}

QString ListQueryModel::fieldOfColumn(int column) const
{
    if (!m_columns.isEmpty())
        return m_columns.value(column);
    return m_fields.value(column);
}

QSqlDatabase ListQueryModel::listConnection()
{
    QSqlDatabase main = m_db.connection();
    if (m_db.engine() != ConnectionInfo::Engine::PostgreSQL || !main.isOpen())
        return main;
    if (QSqlDatabase::contains(m_readerName)) {
        bool same;
        {
            const QSqlDatabase reader = QSqlDatabase::database(m_readerName, false);
            same = reader.isOpen() && reader.databaseName() == main.databaseName() &&
                   reader.hostName() == main.hostName() && reader.port() == main.port() &&
                   reader.userName() == main.userName();
        }
        if (same)
            return QSqlDatabase::database(m_readerName, false);
        closeSession();
    }
    QSqlDatabase reader = QSqlDatabase::cloneDatabase(main, m_readerName);
    if (!reader.open())
        m_error = DbError::textOf(reader.lastError());
    return reader;
}

bool ListQueryModel::setStatement(const QString& sql)
{
    beginResetModel();
    stopReading();
    m_values.clear();
    m_rows = 0;
    m_fields.clear();
    m_statement = sql;
    m_error.clear();
    m_open = false;

    QSqlDatabase connection = listConnection();
    if (connection.isOpen()) {
        m_reader = m_db.engine() == ConnectionInfo::Engine::PostgreSQL ? RowReader::cursor(connection)
                                                                       : RowReader::stepping(connection);
        bool atEnd = true;
        if (m_reader->open(sql, m_fetchSize, &m_fields, &m_values, &atEnd, &m_error)) {
            m_open = true;
            m_atEnd = atEnd;
            m_rows = m_fields.isEmpty() ? 0 : int(m_values.size() / m_fields.size());
        } else {
            // Refused, or failed on its first rows: the list stays empty.
            m_fields.clear();
            m_values.clear();
            m_reader.reset();
        }
    } else if (m_error.isEmpty()) {
        m_error = tr("Spojení s databází není otevřené.");
    }
    mapColumns();
    endResetModel();
    return m_open;
}

void ListQueryModel::clear()
{
    beginResetModel();
    stopReading();
    closeSession();
    m_values.clear();
    m_rows = 0;
    m_fields.clear();
    m_open = false;
    mapColumns();
    endResetModel();
}

void ListQueryModel::stopReading()
{
    m_atEnd = true;
    if (m_reader)
        m_reader->close();
    m_reader.reset();
}

QVariant ListQueryModel::value(int row, int resultField) const
{
    if (row < 0 || row >= m_rows || resultField < 0 || resultField >= m_fields.size())
        return {};
    return m_values.at(row * m_fields.size() + resultField);
}

QVariant ListQueryModel::value(int row, const QString& field) const
{
    return value(row, fieldIndex(field));
}

int ListQueryModel::findRow(const QString& field, const QVariant& wanted)
{
    const int f = fieldIndex(field);
    if (f < 0)
        return -1;
    for (int row = 0;; ++row) {
        if (row >= m_rows) {
            if (!canFetchMore())
                return -1;
            fetchMore();
            if (row >= m_rows)
                return -1;
        }
        if (value(row, f) == wanted)
            return row;
    }
}

void ListQueryModel::fetchAll()
{
    while (canFetchMore())
        fetchMore();
}

int ListQueryModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_rows;
}

int ListQueryModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_columnFields.size());
}

bool ListQueryModel::canFetchMore(const QModelIndex& parent) const
{
    return !parent.isValid() && m_open && !m_atEnd;
}

void ListQueryModel::fetchMore(const QModelIndex& parent)
{
    if (!canFetchMore(parent) || !m_reader)
        return;
    QVector<QVariant> chunk;
    bool atEnd = true;
    QString error;
    const bool ok = m_reader->read(m_fetchSize, &chunk, &atEnd, &error);
    m_atEnd = atEnd || !ok;
    const int added = m_fields.isEmpty() ? 0 : int(chunk.size() / m_fields.size());
    if (added > 0) {
        beginInsertRows(QModelIndex(), m_rows, m_rows + added - 1);
        m_values.append(chunk);
        m_rows += added;
        endInsertRows();
    }
    if (!ok) {
        m_error = error;
        emit fetchFailed(error);
    }
}

QString ListQueryModel::displayText(int row, int resultField) const
{
    const QVariant v = value(row, resultField);
    if (v.isNull())
        return {};
    if (m_dateFields.contains(m_fields.at(resultField))) {
        bool ok = false;
        const double day = v.toDouble(&ok);
        if (!ok || DayNumber::isEmpty(day))
            return {};
        const QLocale locale = Clock::instance().locale();
        const QDateTime dateTime = DayNumber::toDateTime(day);
        // As the desktop shows a date-time value: the time only when there is one.
        QString text = locale.toString(dateTime.date(), LocaleFormats::shortDate(locale));
        if (dateTime.time() != QTime(0, 0))
            text += QLatin1Char(' ') + locale.toString(dateTime.time(), LocaleFormats::longTime(locale));
        return text;
    }
    if (v.typeId() == QMetaType::Double || v.typeId() == QMetaType::Float) {
        QLocale locale = Clock::instance().locale();
        locale.setNumberOptions(QLocale::OmitGroupSeparator);
        return locale.toString(v.toDouble(), 'f', QLocale::FloatingPointShortest);
    }
    return v.toString();
}

QVariant ListQueryModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= m_rows || index.column() >= m_columnFields.size())
        return {};
    const int field = m_columnFields.at(index.column());
    switch (role) {
    case Qt::DisplayRole:
        return field < 0 ? QString() : displayText(index.row(), field);
    case Qt::BackgroundRole:
        return rowBackground(index.row());
    case Qt::ForegroundRole:
        return rowForeground(index.row());
    case Qt::TextAlignmentRole: {
        const QVariant v = value(index.row(), field);
        if (isNumber(v) && !m_dateFields.contains(m_fields.value(field)))
            return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
        return QVariant::fromValue(Qt::AlignLeft | Qt::AlignVCenter);
    }
    case RawValueRole:
        return value(index.row(), field);
    case FieldNameRole:
        return fieldOfColumn(index.column());
    default:
        return {};
    }
}

QVariant ListQueryModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= m_columnFields.size())
        return QAbstractTableModel::headerData(section, orientation, role);
    if (role == Qt::DisplayRole)
        return columnTitle(fieldOfColumn(section));
    // Qt::UserRole too: the grid layout store keys columns by it, so a layout survives a change of language.
    if (role == FieldNameRole || role == Qt::UserRole)
        return fieldOfColumn(section);
    return {};
}

Qt::ItemFlags ListQueryModel::flags(const QModelIndex& index) const
{
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren : Qt::NoItemFlags;
}

QVariant ListQueryModel::rowBackground(int) const
{
    return {};
}

QVariant ListQueryModel::rowForeground(int) const
{
    return {};
}

void ListQueryModel::retitle()
{
    if (!m_columnFields.isEmpty())
        emit headerDataChanged(Qt::Horizontal, 0, int(m_columnFields.size()) - 1);
}
