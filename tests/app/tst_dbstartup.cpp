#include "AppPaths.h"
#include "AppTestEnv.h"
#include "DatabaseStartup.h"
#include "ScriptedDialogs.h"
#include "Tdm.h"
#include "TestEnv.h"
#include "UdlFile.h"

#include <QFile>
#include <QTcpServer>
#include <QtTest>

namespace {

// A data module with scripted dialogs in a temporary program folder.
struct Env : AppTestEnv
{
    Env() { QFile::remove(folder.file(QStringLiteral("mssql.udl"))); }
    ~Env()
    {
        for (const QString& name : pgDatabases) {
            try {
                dm.db().use(QString());
                dm.db().dropDatabase(name);
            } catch (const DbError&) {
            }
        }
    }
    QStringList pgDatabases;
};

QString closedPort()
{
    // A port nobody listens on: bind one, note it, let it go.
    QTcpServer server;
    server.listen(QHostAddress::LocalHost);
    const quint16 port = server.serverPort();
    server.close();
    return QString::number(port);
}

} // namespace

class TestDbStartup : public QObject
{
    Q_OBJECT

private slots:
    void freshFolderCreatesDefaultDatabase_data();
    void freshFolderCreatesDefaultDatabase();
    void catalogNamedIsKept();
    void missingSchemaEndsWith48();
    void brokenSchemaLeavesNothing();
    void badConnectionFile_data();
    void badConnectionFile();
    void refusedConnection();
    void embeddedOfferRewritesFile();
    void postgresDefaultDatabaseCreated();
    void connectionActionSaysRestart();
};

void TestDbStartup::freshFolderCreatesDefaultDatabase_data()
{
    QTest::addColumn<QString>("catalog");
    QTest::newRow("no catalog") << "";
    QTest::newRow("master") << "master";
    QTest::newRow("vornik1") << "vornik1";
}

void TestDbStartup::freshFolderCreatesDefaultDatabase()
{
    QFETCH(QString, catalog);
    Env env;
    env.folder.writeUdl(QStringLiteral("Provider=SQLite;Data Source=;Initial Catalog=") + catalog);
    QVERIFY(DatabaseStartup::connect(env.dm));
    QCOMPARE(env.dialogs->shown.size(), 0);
    QCOMPARE(env.dm.db().currentDatabase(), QStringLiteral("vornik1"));
    QVERIFY(QFile::exists(env.folder.file(QStringLiteral("vornik1.sqlite"))));
    DatabaseStartup::upgrade(env.dm, true);
    QCOMPARE(env.dm.db().scalar(QStringLiteral("select count(*) from users")).toInt(), 2);

    // The next start finds everything in place.
    QVERIFY(DatabaseStartup::connect(env.dm));
    QCOMPARE(env.dm.db().scalar(QStringLiteral("select count(*) from users")).toInt(), 2);
    QCOMPARE(env.dialogs->shown.size(), 0);
}

void TestDbStartup::catalogNamedIsKept()
{
    Env env;
    env.folder.writeUdl(QStringLiteral("Provider=SQLite;Initial Catalog="));
    QVERIFY(DatabaseStartup::connect(env.dm));
    QVERIFY(DatabaseStartup::vytvordb(env.dm, QStringLiteral("other")));
    env.folder.writeUdl(QStringLiteral("Provider=SQLite;Initial Catalog=other"));
    QVERIFY(DatabaseStartup::connect(env.dm));
    QCOMPARE(env.dm.db().currentDatabase(), QStringLiteral("other"));
}

void TestDbStartup::missingSchemaEndsWith48()
{
    Env env;
    QFile::remove(env.folder.file(QStringLiteral("vornik.sql")));
    env.folder.writeUdl(DatabaseStartup::embeddedInitString());
    QVERIFY(!DatabaseStartup::connect(env.dm));
    QCOMPARE(env.dialogs->texts(), (QStringList{env.lex(73), env.lex(48)}));
    QCOMPARE(env.dialogs->shown.at(0).caption, env.lex(0));
    QCOMPARE(env.dialogs->shown.at(1).icon, Dialogs::Icon::Error);
}

void TestDbStartup::brokenSchemaLeavesNothing()
{
    Env env;
    env.folder.writeText(QStringLiteral("vornik.sql"), "create table loans(id integer primary key);\ncreate oops;");
    env.folder.writeUdl(DatabaseStartup::embeddedInitString());
    QVERIFY(!DatabaseStartup::connect(env.dm));
    QCOMPARE(env.dialogs->shown.size(), 2);
    QVERIFY2(env.dialogs->shown.at(0).text.contains(QLatin1String("oops")), qPrintable(env.dialogs->shown.at(0).text));
    QCOMPARE(env.dialogs->shown.at(1).text, env.lex(48));
    QVERIFY(!QFile::exists(env.folder.file(QStringLiteral("vornik1.sqlite"))));

    // Mended script: the next start creates the database.
    QFile::remove(env.folder.file(QStringLiteral("vornik.sql")));
    QFile::copy(TestEnv::resourcesDir() + QStringLiteral("vornik.sql"), env.folder.file(QStringLiteral("vornik.sql")));
    env.dialogs->shown.clear();
    QVERIFY(DatabaseStartup::connect(env.dm));
    QCOMPARE(env.dialogs->shown.size(), 0);
}

void TestDbStartup::badConnectionFile_data()
{
    QTest::addColumn<QByteArray>("bytes"); // empty: no file at all
    QTest::addColumn<QString>("typeName");
    QTest::newRow("missing") << QByteArray() << "ConfigurationError";
    QTest::newRow("empty") << QByteArray("[oledb]\n; nothing\n") << "ConfigurationError";
    QTest::newRow("garbled") << QByteArray("\x00\x01garbage\xff") << "ConfigurationError";
    QTest::newRow("SQL Server provider") << QByteArray(
                                                "[oledb]\n;x\nProvider=SQLNCLI11.1;Data Source=(localdb)\\v11.0\n")
                                         << "ConfigurationError";
    QTest::newRow("catalog with a quote")
        << QByteArray("[oledb]\n;x\nProvider=SQLite;Initial Catalog=\"a'b\"\n") << "InvalidNameError";
    QTest::newRow("missing data folder") << QByteArray("[oledb]\n;x\nProvider=SQLite;Data Source=/nonexistent/x\n")
                                         << "ConnectionError";
}

void TestDbStartup::badConnectionFile()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, typeName);
    Env env;
    if (!bytes.isEmpty())
        env.folder.writeText(QStringLiteral("mssql.udl"), bytes);
    QVERIFY(!DatabaseStartup::connect(env.dm));
    const auto& shown = env.dialogs->shown;
    QVERIFY2(shown.size() >= 3, qPrintable(env.dialogs->texts().join(QLatin1Char('\n'))));
    QCOMPARE(shown.at(0).text, env.lex(44));
    QCOMPARE(shown.at(0).caption, typeName);
    QCOMPARE(shown.at(1).caption, env.lex(0) + QStringLiteral(": ") + typeName);
    QVERIFY(!shown.at(1).text.isEmpty());
    QCOMPARE(shown.at(2).text, env.lex(45)); // the embedded database is offered; the script says No
    QCOMPARE(shown.last().kind, QStringLiteral("connection"));
    QCOMPARE(shown.last().text, AppPaths::udlFile());
    QVERIFY(!env.dm.db().isOpen());
    const QStringList databases = QDir(env.folder.path()).entryList({QStringLiteral("*.sqlite*")});
    QVERIFY2(databases.isEmpty(), qPrintable(databases.join(QLatin1Char(' '))));
}

void TestDbStartup::refusedConnection()
{
    Env env;
    env.folder.writeUdl(QStringLiteral("Provider=PostgreSQL;Data Source=127.0.0.1;Port=%1;User ID=x;Initial Catalog=")
                            .arg(closedPort()));
    QVERIFY(!DatabaseStartup::connect(env.dm));
    const auto& shown = env.dialogs->shown;
    QCOMPARE(shown.size(), 4);
    QCOMPARE(shown.at(0).text, env.lex(44));
    QCOMPARE(shown.at(0).caption, QStringLiteral("ConnectionError"));
    QVERIFY2(shown.at(1).text.contains(QLatin1String("refused"), Qt::CaseInsensitive) ||
                 shown.at(1).text.contains(QLatin1String("connect"), Qt::CaseInsensitive),
             qPrintable(shown.at(1).text));
    QCOMPARE(shown.at(2).text, env.lex(45));
    QCOMPARE(shown.at(3).kind, QStringLiteral("connection"));
}

void TestDbStartup::embeddedOfferRewritesFile()
{
    Env env;
    env.folder.writeUdl(QStringLiteral("Provider=PostgreSQL;Data Source=127.0.0.1;Port=%1").arg(closedPort()));
    env.dialogs->answers << Dialogs::Ok << Dialogs::Ok << Dialogs::Yes;
    QVERIFY(!DatabaseStartup::connect(env.dm));
    QCOMPARE(env.dialogs->texts().mid(2), (QStringList{env.lex(45), env.lex(46)}));
    QCOMPARE(UdlFile::getconnectionstringfromudl(AppPaths::udlFile()), DatabaseStartup::embeddedInitString());

    // The next start runs on the embedded database.
    env.dialogs->shown.clear();
    QVERIFY(DatabaseStartup::connect(env.dm));
    QCOMPARE(env.dm.db().engine(), ConnectionInfo::Engine::SQLite);
    QCOMPARE(env.dialogs->shown.size(), 0);
}

void TestDbStartup::postgresDefaultDatabaseCreated()
{
    if (qEnvironmentVariableIsEmpty("VORNIK_TEST_PG"))
        QSKIP("no PostgreSQL server given (VORNIK_TEST_PG)");
    // The default database name is fixed, so this test uses a server of its own: a fresh schema in a
    // cluster shared with other tests would collide. It only runs when the server has no "vornik1" yet,
    // and removes it afterwards.
    Env env;
    ConnectionInfo server = TestEnv::pgServer();
    env.folder.writeUdl(server.toInitString());
    {
        Database probe(QStringLiteral("probe"));
        probe.open(server);
        if (probe.databazeexistuje(QStringLiteral("vornik1")))
            QSKIP("the test server already has vornik1");
    }
    env.pgDatabases << QStringLiteral("vornik1");
    QVERIFY(DatabaseStartup::connect(env.dm));
    QCOMPARE(env.dialogs->shown.size(), 0);
    QCOMPARE(env.dm.db().currentDatabase(), QStringLiteral("vornik1"));
    QCOMPARE(env.dm.db().scalar(QStringLiteral("select count(*) from users")).toInt(), 2);

    // A file naming vornik1 itself works too.
    server.catalog = QStringLiteral("vornik1");
    env.folder.writeUdl(server.toInitString());
    QVERIFY(DatabaseStartup::connect(env.dm));
    QCOMPARE(env.dm.db().currentDatabase(), QStringLiteral("vornik1"));
}

void TestDbStartup::connectionActionSaysRestart()
{
    Env env;
    env.dialogs->onEditConnection = [](const QString& udl) {
        return UdlFile::write(udl, QStringLiteral("Provider=SQLite;Initial Catalog=changed"), nullptr);
    };
    DatabaseStartup::nastavenidba(env.dm);
    QCOMPARE(env.dialogs->shown.size(), 2);
    QCOMPARE(env.dialogs->shown.at(1).text, env.lex(64));
    QCOMPARE(env.dialogs->shown.at(1).caption, env.lex(1));
    QCOMPARE(UdlFile::getdefaultdbfromudl(AppPaths::udlFile()), QStringLiteral("changed"));
}

QTEST_GUILESS_MAIN(TestDbStartup)
#include "tst_dbstartup.moc"
