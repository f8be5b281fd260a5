#pragma once

#include <QString>

// What an init string of the connection file says: the engine ("Provider"), where the server or the
// database files are ("Data Source", "Port"), the database ("Initial Catalog") and the login.
struct ConnectionInfo
{
    enum class Engine
    {
        SQLite,
        PostgreSQL
    };

    Engine engine = Engine::SQLite;
    QString dataSource; // PostgreSQL: host name; SQLite: folder of the database files (empty: program folder)
    int port = 0;       // 0: the engine's default
    QString catalog;    // the database; empty: none named
    QString user;
    QString password;

    // Reads an init string such as "Provider=PostgreSQL;Data Source=127.0.0.1;Port=5432;Initial Catalog=x".
    // Returns false with a readable text in *error for an unknown or missing provider.
    static bool parse(const QString& initString, ConnectionInfo* info, QString* error);
    QString toInitString() const;
    QString engineName() const
    {
        return engine == Engine::SQLite ? QStringLiteral("SQLite") : QStringLiteral("PostgreSQL");
    }
};
