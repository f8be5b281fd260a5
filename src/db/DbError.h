#pragma once

#include <QSqlError>
#include <QString>
#include <stdexcept>

// A failure of the database layer. The kind gives the stable type name shown in message captions.
class DbError : public std::runtime_error
{
public:
    enum class Kind
    {
        Connection,
        Statement,
        Schema,
        InvalidName,
        Configuration
    };

    DbError(Kind kind, const QString& message)
        : std::runtime_error(message.toStdString()), m_kind(kind), m_message(message)
    {
    }

    // The most telling text of a driver's error: the server's own words when there are any.
    static QString textOf(const QSqlError& error)
    {
        QString text = error.databaseText().trimmed();
        if (text.isEmpty())
            text = error.text().trimmed();
        if (text.isEmpty())
            text = error.driverText().trimmed();
        return text;
    }

    Kind kind() const { return m_kind; }
    QString message() const { return m_message; }
    QString typeName() const
    {
        switch (m_kind) {
        case Kind::Connection:
            return QStringLiteral("ConnectionError");
        case Kind::Statement:
            return QStringLiteral("StatementError");
        case Kind::Schema:
            return QStringLiteral("SchemaError");
        case Kind::InvalidName:
            return QStringLiteral("InvalidNameError");
        case Kind::Configuration:
            return QStringLiteral("ConfigurationError");
        }
        return QStringLiteral("DatabaseError");
    }

private:
    Kind m_kind;
    QString m_message;
};
