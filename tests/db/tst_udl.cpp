#include "ConnectionInfo.h"
#include "UdlFile.h"

#include <QStringEncoder>
#include <QTemporaryDir>
#include <QtTest>

class TestUdl : public QObject
{
    Q_OBJECT

private slots:
    void reading_data();
    void reading();
    void writeReadRoundTrip();
    void missingFile();
    void parsing_data();
    void parsing();
};

void TestUdl::reading_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("connection");
    QTest::addColumn<QString>("catalog");

    auto utf16 = [](const QString& text) {
        QStringEncoder encoder(QStringConverter::Utf16LE, QStringConverter::Flag::WriteBom);
        return QByteArray(encoder.encode(text));
    };
    const QString three = QStringLiteral("[oledb]\r\n; Everything after this line is an OLE DB initstring\r\n"
                                         "Provider=PostgreSQL;Data Source=db;Initial Catalog=vornik1\r\n");
    QTest::newRow("three lines, UTF-16") << utf16(three) << "Provider=PostgreSQL;Data Source=db;Initial Catalog=vornik1"
                                         << "vornik1";
    QTest::newRow("three lines, UTF-8") << three.toUtf8()
                                        << "Provider=PostgreSQL;Data Source=db;Initial Catalog=vornik1"
                                        << "vornik1";
    QTest::newRow("UTF-8 with BOM, LF") << QByteArray("\xEF\xBB\xBF[oledb]\n; c\nProvider=SQLite;Initial Catalog=abc\n")
                                        << "Provider=SQLite;Initial Catalog=abc"
                                        << "abc";
    QTest::newRow("catalog in capitals") << utf16(QStringLiteral("[oledb]\r\n;x\r\nProvider=SQLite;Initial "
                                                                 "Catalog=\"VORNIK2\"\r\n"))
                                         << "Provider=SQLite;Initial Catalog=\"VORNIK2\""
                                         << "vornik2";
    QTest::newRow("empty catalog") << utf16(QStringLiteral("[oledb]\r\n;x\r\nProvider=SQLite;Initial Catalog=;X=1\r\n"))
                                   << "Provider=SQLite;Initial Catalog=;X=1"
                                   << "";
    QTest::newRow("master") << utf16(QStringLiteral("[oledb]\r\n;x\r\nProvider=SQLite;Initial Catalog=master\r\n"))
                            << "Provider=SQLite;Initial Catalog=master"
                            << "master";
    QTest::newRow("no catalog") << utf16(QStringLiteral("[oledb]\r\n;x\r\nProvider=SQLite;Data Source=x\r\n"))
                                << "Provider=SQLite;Data Source=x"
                                << "";
    QTest::newRow("init string over two lines")
        << QByteArray("[oledb]\n;c\nProvider=SQLite;\n\nInitial Catalog=k\n") << "Provider=SQLite;Initial Catalog=k"
        << "k";
    QTest::newRow("empty file") << QByteArray() << ""
                                << "";
    QTest::newRow("garbage") << QByteArray("\x01\x02\xFF\xFE\x00", 5) << QString::fromUtf8("\u0201\u0000") << "";
}

void TestUdl::reading()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, connection);
    QFETCH(QString, catalog);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("mssql.udl"));
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
    f.close();
    if (QByteArray(QTest::currentDataTag()) != "garbage")
        QCOMPARE(UdlFile::getconnectionstringfromudl(path), connection);
    QCOMPARE(UdlFile::getdefaultdbfromudl(path), catalog);
}

void TestUdl::writeReadRoundTrip()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("mssql.udl"));
    const QString init = QStringLiteral("Provider=PostgreSQL;Data Source=srv;Port=5433;Initial Catalog=Zápůjčky");
    QVERIFY(UdlFile::write(path, init, nullptr));
    QFile f(path);
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QByteArray bytes = f.readAll();
    QVERIFY(bytes.startsWith("\xFF\xFE[\0o\0l\0e\0d\0b\0]\0"));
    QCOMPARE(UdlFile::getconnectionstringfromudl(path), init);
    QCOMPARE(UdlFile::getdefaultdbfromudl(path), QStringLiteral("zápůjčky"));
}

void TestUdl::missingFile()
{
    QCOMPARE(UdlFile::getconnectionstringfromudl(QStringLiteral("/nonexistent/mssql.udl")), QString());
    QCOMPARE(UdlFile::getdefaultdbfromudl(QStringLiteral("/nonexistent/mssql.udl")), QString());
}

void TestUdl::parsing_data()
{
    QTest::addColumn<QString>("init");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<int>("engine");
    QTest::addColumn<QString>("source");
    QTest::addColumn<int>("port");
    QTest::addColumn<QString>("catalog");
    QTest::addColumn<QString>("user");
    QTest::addColumn<QString>("password");

    QTest::newRow("sqlite") << "Provider=SQLite;Data Source=;Initial Catalog=" << true << 0 << "" << 0 << ""
                            << ""
                            << "";
    QTest::newRow("postgres, keys in any case")
        << "provider=PostgreSQL; DATA SOURCE=10.0.0.5 ;port=5433;initial catalog=Loans;User ID=joe;Password=x" << true
        << 1 << "10.0.0.5" << 5433 << "Loans"
        << "joe"
        << "x";
    QTest::newRow("quoted password with ; and quote")
        << "Provider=PostgreSQL;Data Source=h;Password=\"a;b\"\"c\";User ID=u" << true << 1 << "h" << 0 << ""
        << "u"
        << "a;b\"c";
    QTest::newRow("host,port") << "Provider=PostgreSQL;Data Source=srv,6000" << true << 1 << "srv" << 6000 << ""
                               << ""
                               << "";
    QTest::newRow("SQL Server provider") << "Provider=SQLNCLI11.1;Integrated Security=SSPI;Data Source=(localdb)\\v11.0"
                                         << false << 0 << "" << 0 << ""
                                         << ""
                                         << "";
    QTest::newRow("no provider") << "Data Source=x;Initial Catalog=y" << false << 0 << "" << 0 << ""
                                 << ""
                                 << "";
}

void TestUdl::parsing()
{
    QFETCH(QString, init);
    QFETCH(bool, ok);
    ConnectionInfo info;
    QString error;
    QCOMPARE(ConnectionInfo::parse(init, &info, &error), ok);
    if (!ok) {
        QVERIFY(!error.isEmpty());
        return;
    }
    QFETCH(int, engine);
    QFETCH(QString, source);
    QFETCH(int, port);
    QFETCH(QString, catalog);
    QFETCH(QString, user);
    QFETCH(QString, password);
    QCOMPARE(int(info.engine), engine);
    QCOMPARE(info.dataSource, source);
    QCOMPARE(info.port, port);
    QCOMPARE(info.catalog, catalog);
    QCOMPARE(info.user, user);
    QCOMPARE(info.password, password);
    // What the program writes reads back the same.
    ConnectionInfo again;
    QVERIFY(ConnectionInfo::parse(info.toInitString(), &again, nullptr));
    QCOMPARE(again.toInitString(), info.toInitString());
    QCOMPARE(again.password, info.password);
}

QTEST_GUILESS_MAIN(TestUdl)
#include "tst_udl.moc"
