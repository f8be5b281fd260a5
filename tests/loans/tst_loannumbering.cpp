#include "Clock.h"
#include "Database.h"
#include "Dialect.h"
#include "LoanNumbering.h"
#include "LoanRecord.h"
#include "TestDatabase.h"

#include <QSet>
#include <QThread>
#include <QtTest>

using Fixture = TestDatabase;

class TestLoanNumbering : public QObject
{
    Q_OBJECT

private slots:
    void engines_data();
    void numbering_data();
    void numbering();
    void logAndSaves_data() { engines_data(); }
    void logAndSaves();
    void itemsSummary_data() { engines_data(); }
    void itemsSummary();
    void concurrentCreation_data() { engines_data(); }
    void concurrentCreation();
    void changeOwnNumber();
};

void TestLoanNumbering::engines_data()
{
    TestDatabase::addEngineRows();
}

void TestLoanNumbering::numbering_data()
{
    QTest::addColumn<QString>("engine");
    QTest::addColumn<QString>("prefix");
    QTest::addColumn<bool>("ownCounter");
    QTest::addColumn<int>("setCounter");    // -1: leave; else "nastavit vlastní počítadlo" after two loans
    QTest::addColumn<bool>("oldLoans");     // two loans from before the counter existed (counter 0)
    QTest::addColumn<QString>("ownnumber"); // of the loan created last
    QTest::addColumn<QString>("label");
    QTest::addColumn<int>("counter");
    for (const QString& e : TestEnv::engines()) {
        const QByteArray p = e.toLatin1() + ": ";
        QTest::newRow(p + "empty database, no own numbering") << e << "" << false << -1 << false << "1"
                                                              << "1" << 1;
        QTest::newRow(p + "prefix 2024/, counter off") << e << "2024/" << false << -1 << false << "2024/1"
                                                       << "2024/1" << 1;
        QTest::newRow(p + "counter set to 500") << e << "R" << true << 500 << false << "R501"
                                                << "R501" << 501;
        QTest::newRow(p + "old loans with counter 0") << e << "" << true << -1 << true << "1"
                                                      << "1" << 1;
        QTest::newRow(p + "old loans, numbering off") << e << "" << false << -1 << true << "3"
                                                      << "3" << 1;
    }
}

void TestLoanNumbering::numbering()
{
    QFETCH(QString, engine);
    QFETCH(QString, prefix);
    QFETCH(bool, ownCounter);
    QFETCH(int, setCounter);
    QFETCH(bool, oldLoans);
    Fixture f(engine);
    const LoanNumbering::Settings settings{prefix, ownCounter};
    QCOMPARE(LoanNumbering::counterval(f.db), 0);
    QVERIFY(!LoanNumbering::nastavcounterval(f.db, 7)); // no loan yet
    if (oldLoans)
        f.db.exec(QStringLiteral("insert into loans(customer) values ('old1'), ('old2')"));
    if (setCounter >= 0) {
        LoanNumbering::createLoan(f.db, settings, QString());
        LoanNumbering::createLoan(f.db, settings, QString());
        QVERIFY(LoanNumbering::nastavcounterval(f.db, setCounter));
        QCOMPARE(LoanNumbering::counterval(f.db), setCounter);
    }
    const LoanNumbering::NewLoan loan = LoanNumbering::createLoan(f.db, settings, QStringLiteral("log"));
    QTEST(loan.ownnumber, "ownnumber");
    QTEST(loan.label, "label");
    QTEST(loan.counter, "counter");
    LoanRecord stored;
    QVERIFY(LoanRecord::load(f.db, loan.id, &stored));
    QCOMPARE(stored.ownnumber, loan.ownnumber);
    QCOMPARE(stored.counter, loan.counter);
    QCOMPARE(stored.returned, 1.0);
    QCOMPARE(stored.loanlog, QStringLiteral("log"));
    // Opening shows the own number when own numbering is on, else the id.
    QCOMPARE(LoanNumbering::labelFor(settings, loan.id, stored.ownnumber),
             settings.ownNumbering() ? stored.ownnumber : QString::number(loan.id));
}

void TestLoanNumbering::logAndSaves()
{
    QFETCH(QString, engine);
    Fixture f(engine);
    FixedClock clock(QDateTime(QDate(2024, 12, 31), QTime(14, 5, 9)), QLocale(QLocale::Czech, QLocale::CzechRepublic));
    Clock::install(&clock);
    const QString created = LoanLog::entry(QStringLiteral("vytvořil:"), QStringLiteral("admin"));
    QCOMPARE(created, QStringLiteral("31.12.2024 14:05:09: vytvořil: admin"));
    const auto loan = LoanNumbering::createLoan(f.db, {}, created);

    LoanRecord r;
    QVERIFY(LoanRecord::load(f.db, loan.id, &r));
    r.customer = QStringLiteral(" Novák "); // kept as typed
    r.note = QStringLiteral("  poznámka  ");
    r.dateto = 45657.5;
    for (int save = 0; save < 2; ++save) {
        clock.setNow(clock.now().addSecs(60));
        r.loanlog = LoanLog::append(r.loanlog, LoanLog::entry(QStringLiteral("upravil:"), QStringLiteral("eva")));
        r.ownnumber = loan.label;
        LoanRecord::save(f.db, r, QString());
    }
    Clock::install(nullptr);
    LoanRecord back;
    QVERIFY(LoanRecord::load(f.db, loan.id, &back));
    QCOMPARE(back.loanlog.split(QLatin1Char('\n')), (QStringList{QStringLiteral("31.12.2024 14:05:09: vytvořil: admin"),
                                                                 QStringLiteral("31.12.2024 14:06:09: upravil: eva"),
                                                                 QStringLiteral("31.12.2024 14:07:09: upravil: eva")}));
    QCOMPARE(back.customer, QStringLiteral(" Novák "));
    QCOMPARE(back.note, QStringLiteral("poznámka"));
    QCOMPARE(back.dateto, 45657.5);
    QCOMPARE(back.ownnumber, QString::number(loan.id));
}

void TestLoanNumbering::itemsSummary()
{
    QFETCH(QString, engine);
    Fixture f(engine);
    const auto loan = LoanNumbering::createLoan(f.db, {}, QString());
    QCOMPARE(LoanRecord::itemsSummary(f.db, loan.id), QString());
    for (const char* d : {"A", "B", "C"})
        f.db.exec(QStringLiteral("insert into loanthings(borrowedid, devicenumber, description) values (:pb, 1, :pd)"),
                  {{QStringLiteral("pb"), loan.id}, {QStringLiteral("pd"), QLatin1String(d)}});
    f.db.exec(QStringLiteral("insert into loanthings(borrowedid, devicenumber, description) values (999, 1, 'X')"));
    QCOMPARE(LoanRecord::itemsSummary(f.db, loan.id), QStringLiteral("A + B + C"));
}

void TestLoanNumbering::concurrentCreation()
{
    QFETCH(QString, engine);
    Fixture f(engine);
    const ConnectionInfo info = f.info();
    constexpr int perWorker = 15;
    QList<LoanNumbering::NewLoan> results[2];
    QString errors[2];
    QList<QThread*> threads;
    for (int w = 0; w < 2; ++w) {
        threads << QThread::create([&, w] {
            try {
                Database db(TestEnv::uniqueDatabaseName(QStringLiteral("w")));
                db.open(info);
                for (int i = 0; i < perWorker; ++i)
                    results[w] << LoanNumbering::createLoan(db, {QStringLiteral("P"), true}, QString());
            } catch (const DbError& e) {
                errors[w] = e.message();
            }
        });
    }
    for (QThread* t : threads)
        t->start();
    for (QThread* t : threads) {
        t->wait();
        delete t;
    }
    QCOMPARE(errors[0], QString());
    QCOMPARE(errors[1], QString());
    QSet<qint64> ids;
    QSet<int> counters;
    QSet<QString> numbers;
    for (const auto& list : results) {
        for (const auto& loan : list) {
            ids << loan.id;
            counters << loan.counter;
            numbers << loan.ownnumber;
        }
    }
    QCOMPARE(ids.size(), 2 * perWorker);
    QCOMPARE(counters.size(), 2 * perWorker);
    QCOMPARE(numbers.size(), 2 * perWorker);
    QCOMPARE(f.db.scalar(QStringLiteral("select count(distinct ownnumber) from loans")).toInt(), 2 * perWorker);
}

void TestLoanNumbering::changeOwnNumber()
{
    Fixture f(QStringLiteral("sqlite"));
    const auto loan = LoanNumbering::createLoan(f.db, {QStringLiteral("X"), true}, QString());
    QVERIFY(!LoanNumbering::changeOwnNumber(f.db, loan.id, QStringLiteral("   ")));
    QVERIFY(LoanNumbering::changeOwnNumber(f.db, loan.id, QStringLiteral(" X-77 ")));
    LoanRecord r;
    QVERIFY(LoanRecord::load(f.db, loan.id, &r));
    QCOMPARE(r.ownnumber, QStringLiteral("X-77"));
    QCOMPARE(r.counter, 1);
}

QTEST_GUILESS_MAIN(TestLoanNumbering)
#include "tst_loannumbering.moc"
