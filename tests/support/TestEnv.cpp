#include "TestEnv.h"

#include "AppPaths.h"
#include "UdlFile.h"

#include <QAtomicInt>
#include <QCoreApplication>
#include <QDateTime>
#include <QFile>

TestProgramFolder::TestProgramFolder()
{
    AppPaths::setProgramFolder(m_dir.path());
    for (const char* name : {"vornik.sql", "vornik.pg.sql"})
        QFile::copy(TestEnv::resourcesDir() + QLatin1String(name), path() + QLatin1String(name));
}

TestProgramFolder::~TestProgramFolder()
{
    AppPaths::setProgramFolder(QString());
}

QString TestProgramFolder::path() const
{
    return AppPaths::withSlash(m_dir.path());
}

void TestProgramFolder::writeUdl(const QString& initString) const
{
    UdlFile::write(file(QStringLiteral("mssql.udl")), initString, nullptr);
}

void TestProgramFolder::writeText(const QString& name, const QByteArray& bytes) const
{
    QFile f(file(name));
    if (f.open(QIODevice::WriteOnly))
        f.write(bytes);
}

namespace TestEnv {

QStringList engines()
{
    QStringList result{QStringLiteral("sqlite")};
    if (!qEnvironmentVariableIsEmpty("VORNIK_TEST_PG"))
        result << QStringLiteral("pg");
    return result;
}

ConnectionInfo pgServer()
{
    ConnectionInfo info;
    ConnectionInfo::parse(qEnvironmentVariable("VORNIK_TEST_PG"), &info, nullptr);
    info.catalog.clear();
    return info;
}

QString uniqueDatabaseName(const QString& prefix)
{
    static QAtomicInt counter;
    return QStringLiteral("%1_%2_%3_%4")
        .arg(prefix)
        .arg(QCoreApplication::applicationPid())
        .arg(QDateTime::currentMSecsSinceEpoch() % 100000000)
        .arg(counter.fetchAndAddRelaxed(1));
}

QString resourcesDir()
{
    return QStringLiteral(VORNIK_RESOURCES_DIR "/");
}

} // namespace TestEnv
