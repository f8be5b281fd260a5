#include "Database.h"
#include "DayNumber.h"
#include "Dialect.h"
#include "SchemaUpgrade.h"
#include "TestDatabase.h"

#include <QFile>
#include <QSqlRecord>
#include <QtTest>
#include <memory>

namespace {

// The schema's database with a loan helper.
struct Fixture : TestDatabase
{
    using TestDatabase::TestDatabase;
    qint64 insertLoan(const QString& customer)
    {
        return db.insert(QStringLiteral("insert into loans(customer) values(:pcustomer)"),
                         {{QStringLiteral("pcustomer"), customer}}, QStringLiteral("id"));
    }
};

} // namespace

class TestDatabaseLayer : public QObject
{
    Q_OBJECT

private slots:
    void engines_data();
    void freshDatabase_data() { engines_data(); }
    void freshDatabase();
    void upgradeOldLoans_data() { engines_data(); }
    void upgradeOldLoans();
    void reseed_data() { engines_data(); }
    void reseed();
    void repairIdentity_data() { engines_data(); }
    void repairIdentity();
    void ownKeyWhileAnotherInserts_data() { engines_data(); }
    void ownKeyWhileAnotherInserts();
    void catalogueLookupsAreBound_data() { engines_data(); }
    void catalogueLookupsAreBound();
    void failedCreationLeavesNothing_data();
    void failedCreationLeavesNothing();
    void invalidNamesRefused_data();
    void invalidNamesRefused();
    void czechLikeIgnoresCase_data() { engines_data(); }
    void czechLikeIgnoresCase();
    void prikazRollsBack_data() { engines_data(); }
    void prikazRollsBack();
};

void TestDatabaseLayer::engines_data()
{
    TestDatabase::addEngineRows();
}

void TestDatabaseLayer::freshDatabase()
{
    QFETCH(QString, engine);
    Fixture f(engine);
    QCOMPARE(f.db.currentDatabase(), f.name);
    QVERIFY(f.db.databazeexistuje(f.name));
    QVERIFY(!f.db.databazeexistuje(f.name.toUpper()));

    // Exactly the two default users, "admin" first, with the time they were added.
    QSqlQuery users = f.db.exec(
        QStringLiteral("select username,userpw,firstname,lastname,usertype,added from users order by userid"));
    QStringList rows;
    while (users.next()) {
        rows << QStringList{users.value(0).toString(), users.value(1).toString(), users.value(2).toString(),
                            users.value(3).toString(), users.value(4).toString()}
                    .join(QLatin1Char('|'));
        QVERIFY2(users.value(5).toDouble() > 40000, "added is a day number of today");
    }
    QCOMPARE(rows, (QStringList{QStringLiteral("admin|907318|John|Doe|administrator"),
                                QStringLiteral("user|kuzd|John|Doe Jr.|user")}));

    for (const char* table : {"loans", "loanthings", "loanattachments", "devices", "devicesattachments", "contacts",
                              "contactattachments", "users", "files"})
        QVERIFY2(f.db.tabulkaexistuje(QLatin1String(table)), table);
    for (const char* column : {"loanlog", "counter", "ownnumber", "things", "returned", "mileage0"})
        QVERIFY2(f.db.poleexistuje(QLatin1String(column), QStringLiteral("loans")), column);
    QVERIFY(f.db.poleexistuje(QStringLiteral("alertdays"), QStringLiteral("devices")));
    QVERIFY(f.db.poleexistuje(QStringLiteral("contacttype"), QStringLiteral("contacts")));
    QVERIFY(!f.db.poleexistuje(QStringLiteral("nosuch"), QStringLiteral("loans")));

    // The devices columns come in their fixed order: exports list them that way.
    QSqlQuery devices = f.db.exec(QStringLiteral("select * from devices"));
    QStringList names;
    for (int i = 0; i < devices.record().count(); ++i)
        names << devices.record().fieldName(i);
    QCOMPARE(names.join(QLatin1Char(',')),
             QStringLiteral("devicenumber,active,devicename,devicetype,invnumber,serialnumber,owner,ownerid,operatorm,"
                            "technician,location,workroom,accessory,evidencedate,saledate,setupdate,warrantydate,"
                            "decommission,nextdate,alertdays,category,intervaldays,tariff,internalnote,internallog,"
                            "note,defaultdate,price"));

    // A new loan has the empty dates and is listed by the default filter.
    f.insertLoan(QStringLiteral("Novák"));
    QCOMPARE(f.column(QStringLiteral("select returned from loans")), QStringList{QStringLiteral("1")});
    QCOMPARE(f.column(QStringLiteral("select customer from loans where returned<10 order by dateto asc")),
             QStringList{QStringLiteral("Novák")});
}

void TestDatabaseLayer::upgradeOldLoans()
{
    QFETCH(QString, engine);
    Fixture f(engine);
    // An old loans table without the four later columns, with rows in it.
    f.db.exec(QStringLiteral("drop table loans"));
    f.db.exec(QStringLiteral("create table loans (id integer primary key, customer text, returned real)"));
    f.db.exec(QStringLiteral("insert into loans(id, customer, returned) values (1, 'a', 1), (2, 'b', 1)"));

    SchemaUpgrade::upgradeLoans(f.db);
    for (const char* column : {"loanlog", "counter", "ownnumber", "things"})
        QVERIFY2(f.db.poleexistuje(QLatin1String(column), QStringLiteral("loans")), column);
    QCOMPARE(f.column(QStringLiteral("select counter from loans order by id")),
             (QStringList{QStringLiteral("0"), QStringLiteral("0")}));
    f.db.exec(QStringLiteral("insert into loans(id, customer) values (3, 'c')"));
    QCOMPARE(f.column(QStringLiteral("select counter from loans where id=3")), QStringList{QStringLiteral("0")});

    // Filter statements can compare dates with getdate() on every engine, also after an upgrade.
    if (engine == QLatin1String("pg"))
        f.db.exec(QStringLiteral("drop function getdate()"));
    SchemaUpgrade::upgradeLoans(f.db);
    const double now = DayNumber::fromDateTime(QDateTime::currentDateTime());
    QVERIFY(qAbs(f.db.scalar(QStringLiteral("select getdate()")).toDouble() - now) < 0.01);

    // A second run finds everything in place and changes nothing.
    SchemaUpgrade::upgradeLoans(f.db);
    QCOMPARE(f.column(QStringLiteral("select count(*) from loans")), QStringList{QStringLiteral("3")});
}

void TestDatabaseLayer::reseed()
{
    QFETCH(QString, engine);
    Fixture f(engine);
    for (int i = 1; i <= 5; ++i)
        QCOMPARE(f.insertLoan(QString::number(i)), qint64(i));

    {
        Transaction t(f.db);
        f.db.exec(QStringLiteral("delete from loans where id>=4"));
        f.db.reseed(QStringLiteral("loans"), QStringLiteral("id"));
        t.commit();
    }
    QCOMPARE(f.insertLoan(QStringLiteral("again")), qint64(4));

    {
        Transaction t(f.db);
        f.db.exec(QStringLiteral("delete from loans"));
        f.db.reseed(QStringLiteral("loans"), QStringLiteral("id"));
        t.commit();
    }
    QCOMPARE(f.insertLoan(QStringLiteral("first")), qint64(1));
}

void TestDatabaseLayer::repairIdentity()
{
    QFETCH(QString, engine);
    Fixture f(engine);
    for (int i = 1; i <= 3; ++i)
        f.insertLoan(QString::number(i));
    if (engine == QLatin1String("pg")) {
        // A counter that jumped ahead (as after a server crash) is set back; a gap of two is left alone.
        f.db.exec(QStringLiteral("select setval(pg_get_serial_sequence('loans','id'), 5)"));
        SchemaUpgrade::repairIdentities(f.db);
        QCOMPARE(f.insertLoan(QStringLiteral("gap kept")), qint64(6));
        f.db.exec(QStringLiteral("select setval(pg_get_serial_sequence('loans','id'), 1000)"));
        SchemaUpgrade::repairIdentities(f.db);
        QCOMPARE(f.insertLoan(QStringLiteral("repaired")), qint64(7));
    } else {
        SchemaUpgrade::repairIdentities(f.db);
        QCOMPARE(f.insertLoan(QStringLiteral("next")), qint64(4));
    }
    QCOMPARE(f.db.verzesqlserveru(), 3000);
}

void TestDatabaseLayer::ownKeyWhileAnotherInserts()
{
    QFETCH(QString, engine);
    Fixture f(engine);
    Database other(TestEnv::uniqueDatabaseName(QStringLiteral("other")));
    other.open(f.info());

    // Both connections insert inside open transactions, interleaved: each gets the key of its own row.
    if (engine == QLatin1String("pg")) {
        Transaction mine(f.db);
        Transaction theirs(other);
        const qint64 a = f.insertLoan(QStringLiteral("mine"));
        const qint64 b = other.insert(QStringLiteral("insert into loans(customer) values(:pc)"),
                                      {{QStringLiteral("pc"), QStringLiteral("theirs")}}, QStringLiteral("id"));
        const qint64 c = f.insertLoan(QStringLiteral("mine again"));
        theirs.commit();
        mine.commit();
        QCOMPARE(f.column(QStringLiteral("select customer from loans where id=%1").arg(a)),
                 QStringList{QStringLiteral("mine")});
        QCOMPARE(f.column(QStringLiteral("select customer from loans where id=%1").arg(b)),
                 QStringList{QStringLiteral("theirs")});
        QCOMPARE(f.column(QStringLiteral("select customer from loans where id=%1").arg(c)),
                 QStringList{QStringLiteral("mine again")});
    } else {
        // The embedded engine lets one writer at a time; keys still belong to their own inserts.
        const qint64 a = f.insertLoan(QStringLiteral("mine"));
        const qint64 b = other.insert(QStringLiteral("insert into loans(customer) values(:pc)"),
                                      {{QStringLiteral("pc"), QStringLiteral("theirs")}}, QStringLiteral("id"));
        QCOMPARE(b, a + 1);
        QCOMPARE(f.column(QStringLiteral("select customer from loans where id=%1").arg(b)),
                 QStringList{QStringLiteral("theirs")});
    }
}

void TestDatabaseLayer::catalogueLookupsAreBound()
{
    QFETCH(QString, engine);
    Fixture f(engine);
    // Names with quotes are looked up as they are, never pasted into the statement.
    QVERIFY(!f.db.tabulkaexistuje(QStringLiteral("loans' or '1'='1")));
    QVERIFY(!f.db.poleexistuje(QStringLiteral("id' or '1'='1"), QStringLiteral("loans")));
    QVERIFY(f.db.tabulkaexistuje(QStringLiteral("loans")));
}

void TestDatabaseLayer::failedCreationLeavesNothing_data()
{
    QTest::addColumn<QString>("engine");
    QTest::addColumn<QByteArray>("script");
    for (const QString& e : TestEnv::engines()) {
        QTest::newRow(qPrintable(e + QStringLiteral(": broken")))
            << e << QByteArray("create table a(x int);\ncreate tabel b;\n");
        QTest::newRow(qPrintable(e + QStringLiteral(": empty"))) << e << QByteArray("  \n");
        QTest::newRow(qPrintable(e + QStringLiteral(": no users table"))) << e << QByteArray("create table a(x int);");
        QTest::newRow(qPrintable(e + QStringLiteral(": not UTF-8")))
            << e << QByteArray("create table \xE8\xE8(x int);");
    }
}

void TestDatabaseLayer::failedCreationLeavesNothing()
{
    QFETCH(QString, engine);
    QFETCH(QByteArray, script);
    TestProgramFolder folder;
    folder.writeText(QStringLiteral("broken.sql"), script);
    Database db(TestEnv::uniqueDatabaseName(QStringLiteral("conn")));
    db.open(TestDatabase::serverOf(engine));
    const QString name = TestEnv::uniqueDatabaseName();
    QVERIFY_THROWS_EXCEPTION(DbError, db.createDatabase(name, folder.file(QStringLiteral("broken.sql"))));
    QVERIFY(!db.databazeexistuje(name));
    QVERIFY(db.onMaintenanceDatabase());
    QVERIFY(!QFile::exists(folder.file(name + QStringLiteral(".sqlite"))));
    QVERIFY(!QFile::exists(folder.file(name + QStringLiteral(".sqlite.part"))));
    // A missing script is its own kind of failure.
    try {
        db.createDatabase(name, folder.file(QStringLiteral("missing.sql")));
        QFAIL("created from a missing script");
    } catch (const DbError& e) {
        QCOMPARE(e.kind(), DbError::Kind::Schema);
    }
}

void TestDatabaseLayer::invalidNamesRefused_data()
{
    QTest::addColumn<QString>("engine");
    QTest::addColumn<QString>("name");
    const QStringList names = {QStringLiteral("with space"), QStringLiteral("quo\"te"), QStringLiteral("apo'strophe"),
                               QStringLiteral("../escape"),  QStringLiteral("a;drop"),  QStringLiteral("1abc")};
    for (const QString& e : TestEnv::engines()) {
        for (const QString& n : names)
            QTest::newRow(qPrintable(e + QLatin1Char(' ') + n)) << e << n;
    }
}

void TestDatabaseLayer::invalidNamesRefused()
{
    QFETCH(QString, engine);
    QFETCH(QString, name);
    TestProgramFolder folder;
    Database db(TestEnv::uniqueDatabaseName(QStringLiteral("conn")));
    db.open(TestDatabase::serverOf(engine));
    try {
        db.createDatabase(name, folder.file(db.dialect().schemaScriptName()));
        QFAIL("invalid name accepted");
    } catch (const DbError& e) {
        QCOMPARE(e.kind(), DbError::Kind::InvalidName);
    }
    try {
        db.use(name);
        QFAIL("switched to an invalid name");
    } catch (const DbError& e) {
        QCOMPARE(e.kind(), DbError::Kind::InvalidName);
    }
    QVERIFY(db.isOpen());
    QVERIFY(db.onMaintenanceDatabase());
    QVERIFY(Database::isValidName(QStringLiteral("zápůjčky_2024")));
}

void TestDatabaseLayer::czechLikeIgnoresCase()
{
    QFETCH(QString, engine);
    Fixture f(engine);
    for (const char* name : {"Novák", "NOVÁK", "novák", "Dvořák", "100% bavlna"})
        f.insertLoan(QString::fromUtf8(name));
    const QString op = engine == QLatin1String("pg") ? QStringLiteral("ilike") : QStringLiteral("like");
    if (engine == QLatin1String("pg") && f.column(QStringLiteral("select lower('Á')")).value(0) != QStringLiteral("á"))
        QSKIP("the server's collation folds only ASCII letters");
    QCOMPARE(f.column(QStringLiteral("select count(*) from loans where customer %1 '%%nováK%%'").arg(op)),
             QStringList{QStringLiteral("3")});
    QCOMPARE(f.column(QStringLiteral("select count(*) from loans where customer %1 'DVOŘ%%'").arg(op)),
             QStringList{QStringLiteral("1")});
    QCOMPARE(f.column(QStringLiteral("select count(*) from loans where customer %1 '%%!%%%%' escape '!'").arg(op)),
             QStringList{QStringLiteral("1")});
    QCOMPARE(f.column(QStringLiteral("select lower('ŽLUŤOUČKÝ')")), QStringList{QStringLiteral("žluťoučký")});
}

void TestDatabaseLayer::prikazRollsBack()
{
    QFETCH(QString, engine);
    Fixture f(engine);
    QVERIFY_THROWS_EXCEPTION(DbError, f.db.prikaz(QStringLiteral("insert into nosuchtable values (1)")));
    // The connection is usable again at once.
    f.db.prikaz(QStringLiteral("insert into loans(customer) values ('after')"));
    QCOMPARE(f.column(QStringLiteral("select count(*) from loans")), QStringList{QStringLiteral("1")});
}

QTEST_GUILESS_MAIN(TestDatabaseLayer)
#include "tst_database.moc"
