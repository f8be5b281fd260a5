#pragma once

#include "Database.h"
#include "TestEnv.h"

#include <QStringList>

// A fresh database made from the schema script on the engine under test ("sqlite" or "pg"), in a temporary
// program folder, dropped afterwards.
class TestDatabase
{
public:
    explicit TestDatabase(const QString& engine);
    ~TestDatabase();

    // The server of an engine, connected to no database of ours.
    static ConnectionInfo serverOf(const QString& engine);
    // Adds the "engine" column and a row per engine the tests run on.
    static void addEngineRows();

    // A connection to this very database, for a second connection of the test's own.
    ConnectionInfo info() const;
    // The first column of every row of a statement, as text.
    QStringList column(const QString& sql, const Database::Params& params = {});

    QString engine;
    TestProgramFolder folder;
    Database db;
    QString name;
};
