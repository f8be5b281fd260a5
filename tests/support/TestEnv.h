#pragma once

#include "ConnectionInfo.h"

#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// A temporary program folder with the schema scripts, pointed to by AppPaths for the test's lifetime.
class TestProgramFolder
{
public:
    TestProgramFolder();
    ~TestProgramFolder();
    bool isValid() const { return m_dir.isValid(); }
    QString path() const; // with trailing slash
    QString file(const QString& name) const { return path() + name; }
    // Writes the connection file (UTF-16 with BOM, as the program writes it).
    void writeUdl(const QString& initString) const;
    void writeText(const QString& name, const QByteArray& bytes) const;

private:
    QTemporaryDir m_dir;
};

namespace TestEnv {
// The engines to run database tests on: "sqlite" always, "pg" when VORNIK_TEST_PG is set.
QStringList engines();
// The PostgreSQL server of the tests as connection data without a database (empty engine list when unset).
ConnectionInfo pgServer();
// A database name no other test uses.
QString uniqueDatabaseName(const QString& prefix = QStringLiteral("vt"));
QString resourcesDir();
} // namespace TestEnv
