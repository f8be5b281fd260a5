#include "TestDatabase.h"

#include "Dialect.h"

#include <QSqlQuery>
#include <QtTest>

TestDatabase::TestDatabase(const QString& e) : engine(e), db(TestEnv::uniqueDatabaseName(QStringLiteral("conn")))
{
    db.open(serverOf(engine));
    name = TestEnv::uniqueDatabaseName();
    db.createDatabase(name, folder.file(db.dialect().schemaScriptName()));
}

TestDatabase::~TestDatabase()
{
    try {
        db.use(QString());
        if (db.databazeexistuje(name))
            db.dropDatabase(name);
    } catch (const DbError& e) {
        qWarning() << "cleanup:" << e.message();
    }
}

ConnectionInfo TestDatabase::serverOf(const QString& engine)
{
    if (engine == QLatin1String("pg"))
        return TestEnv::pgServer();
    return ConnectionInfo{};
}

void TestDatabase::addEngineRows()
{
    QTest::addColumn<QString>("engine");
    for (const QString& e : TestEnv::engines())
        QTest::newRow(qPrintable(e)) << e;
}

ConnectionInfo TestDatabase::info() const
{
    ConnectionInfo i = serverOf(engine);
    i.catalog = name;
    return i;
}

QStringList TestDatabase::column(const QString& sql, const Database::Params& params)
{
    QStringList values;
    QSqlQuery q = db.exec(sql, params);
    while (q.next())
        values << q.value(0).toString();
    return values;
}
