#include "Clock.h"
#include "DayNumber.h"
#include "Lexicon.h"
#include "LoansFixture.h"
#include "LoansModel.h"
#include "LocaleFormats.h"

#include <QAbstractItemModelTester>
#include <QApplication>
#include <QBrush>
#include <QHeaderView>
#include <QScrollBar>
#include <QSignalSpy>
#include <QSqlDatabase>
#include <QTableView>
#include <QtTest>

namespace {

const QDateTime now(QDate(2024, 3, 10), QTime(12, 0));

// Loans 1..n, due one day apart starting today; every tenth one returned.
void fill(LoansFixture& f, int n)
{
    Transaction transaction(f.db);
    const double today = DayNumber::fromDateTime(now);
    for (int i = 1; i <= n; ++i) {
        f.loan({{"customer", QString("zákazník %1").arg(i)},
                {"dateto", today + i},
                {"returned", i % 10 == 0 ? today - 1 : DayNumber::Empty},
                {"datefrom", DayNumber::Empty},
                {"price", i + 0.5},
                {"advance", 1000},
                {"ownnumber", QString("Z-%1").arg(i)}});
    }
    transaction.commit();
}

} // namespace

class TestLoansModel : public QObject
{
    Q_OBJECT

private slots:
    void init() { Clock::install(&m_clock); }
    void cleanup() { Clock::install(nullptr); }

    void fetchesInChunks_data() { enginesData(); }
    void fetchesInChunks();
    void keepsReadingWhileProgramWorks_data() { enginesData(); }
    void keepsReadingWhileProgramWorks();
    void refusedStatement_data() { enginesData(); }
    void refusedStatement();
    void cells_data() { enginesData(); }
    void cells();
    void viewFetchesAsItScrolls_data() { enginesData(); }
    void viewFetchesAsItScrolls();

private:
    FixedClock m_clock{now, QLocale(QLocale::Czech)};
};

void TestLoansModel::fetchesInChunks()
{
    QFETCH(QString, engine);
    LoansFixture f(engine);
    fill(f, 250);
    const int connections = int(QSqlDatabase::connectionNames().size());
    {
        LoansModel model(f.db);
        model.setFetchSize(100);
        QVERIFY(model.setStatement("select * from loans order by id"));
        QCOMPARE(model.rowCount(), 100);
        QVERIFY(model.canFetchMore());
        QSignalSpy inserted(&model, &QAbstractItemModel::rowsInserted);
        model.fetchMore();
        QCOMPARE(model.rowCount(), 200);
        QCOMPARE(inserted.size(), 1);
        QCOMPARE(model.findRow("id", 240), 239); // reads on until found
        QCOMPARE(model.rowCount(), 250);
        QVERIFY(!model.canFetchMore());
        QCOMPARE(model.idAt(249), 250);
        QCOMPARE(model.findRow("id", 999), -1);

        QVERIFY(model.refresh());
        QCOMPARE(model.rowCount(), 100);
        model.clear(); // before maintenance: no rows and no session of the list's own
        QCOMPARE(model.rowCount(), 0);
        QCOMPARE(int(QSqlDatabase::connectionNames().size()), connections);
        QVERIFY(model.setStatement("select * from loans order by id"));
    }
    // The list's own session ends with the model, so the database can be dropped.
    QCOMPARE(int(QSqlDatabase::connectionNames().size()), connections);
}

// The program runs its own statements and transactions while the list is only partly read.
void TestLoansModel::keepsReadingWhileProgramWorks()
{
    QFETCH(QString, engine);
    LoansFixture f(engine);
    fill(f, 300);
    LoansModel model(f.db);
    model.setFetchSize(50);
    QSignalSpy failed(&model, &ListQueryModel::fetchFailed);
    QVERIFY(model.setStatement("select * from loans order by id"));
    QCOMPARE(f.count("select count(*) from loanattachments where borrowedid=1"), 0);
    {
        Transaction transaction(f.db);
        f.db.exec("update loans set note='x' where id=1");
        transaction.commit();
    }
    {
        Transaction transaction(f.db);
        f.db.exec("update loans set note='y' where id=2");
    } // rolled back
    model.fetchAll();
    QCOMPARE(failed.size(), 0);
    QCOMPARE(model.rowCount(), 300);
    QCOMPARE(model.idAt(299), 300);
}

void TestLoansModel::refusedStatement()
{
    QFETCH(QString, engine);
    LoansFixture f(engine);
    fill(f, 5);
    LoansModel model(f.db);
    QVERIFY(model.setStatement("select * from loans"));
    QCOMPARE(model.rowCount(), 5);

    QSignalSpy reset(&model, &QAbstractItemModel::modelReset);
    QVERIFY(!model.setStatement("select * from loans where nosuchcolumn=1"));
    QVERIFY(!model.errorString().isEmpty());
    QVERIFY(!model.isOpen());
    QCOMPARE(model.rowCount(), 0);
    QVERIFY(!model.canFetchMore());
    QCOMPARE(model.statement(), QStringLiteral("select * from loans where nosuchcolumn=1"));
    QCOMPARE(model.columnCount(), 14); // the grid keeps its columns
    QCOMPARE(reset.size(), 1);

    QVERIFY(model.setStatement("select * from loans where id>2"));
    QVERIFY(model.errorString().isEmpty());
    QCOMPARE(model.rowCount(), 3);
}

void TestLoansModel::cells()
{
    QFETCH(QString, engine);
    LoansFixture f(engine);
    fill(f, 10);
    const Lexicon lexicon;
    LoansModel model(f.db);
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    model.setLexicon(&lexicon);
    QVERIFY(model.setStatement("select * from loans order by id"));

    const QStringList fields = LoansModel::gridColumns();
    QCOMPARE(model.columnCount(), fields.size());
    auto col = [&](const QString& field) { return int(fields.indexOf(field)); };
    auto cell = [&](int row, const QString& field, int role = Qt::DisplayRole) {
        return model.data(model.index(row, col(field)), role);
    };
    QCOMPARE(model.headerData(0, Qt::Horizontal).toString(), QStringLiteral("číslo zápůjčky"));
    QCOMPARE(model.headerData(col("dateto"), Qt::Horizontal).toString(), QStringLiteral("zapůjčeno do"));
    QCOMPARE(model.headerData(col("things"), Qt::Horizontal).toString(), QStringLiteral("věci"));
    QCOMPARE(model.headerData(col("note"), Qt::Horizontal, ListQueryModel::FieldNameRole).toString(),
             QStringLiteral("note"));

    // Row 2 is loan 3: due in 3 days (band 1), not returned, no start date.
    const QDateTime due = DayNumber::toDateTime(DayNumber::fromDateTime(now) + 3);
    const QLocale cs(QLocale::Czech);
    QCOMPARE(cell(2, "dateto").toString(),
             due.toString(QStringLiteral("dd.MM.yyyy")) + ' ' + cs.toString(due.time(), LocaleFormats::longTime(cs)));
    QVERIFY(cell(2, "dateto").toString().endsWith(QStringLiteral("12:00:00")));
    QCOMPARE(cell(2, "datefrom").toString(), QString());
    QCOMPARE(cell(2, "returned").toString(), QString());
    QCOMPARE(cell(2, "returned", ListQueryModel::RawValueRole).toDouble(), DayNumber::Empty);
    QCOMPARE(cell(2, "price").toString(), QStringLiteral("3,5"));
    QCOMPARE(cell(2, "advance").toString(), QStringLiteral("1000"));
    QCOMPARE(cell(2, "customer").toString(), QStringLiteral("zákazník 3"));
    QCOMPARE(cell(2, "note", ListQueryModel::FieldNameRole).toString(), QStringLiteral("note"));

    const LoanColours colours;
    QCOMPARE(cell(2, "customer", Qt::BackgroundRole).value<QBrush>().color(), LoanColours::toColor(colours.bands[1]));
    QCOMPARE(cell(7, "note", Qt::BackgroundRole).value<QBrush>().color(), LoanColours::toColor(colours.bands[2]));
    LoanColours changed;
    changed.returned = 0x00FF00; // green in the settings file's byte order
    model.setColours(changed);
    QCOMPARE(cell(9, "customer", Qt::BackgroundRole).value<QBrush>().color(), QColor(0, 0xFF, 0));
    QCOMPARE(cell(9, "customer", Qt::ForegroundRole).value<QBrush>().color(), QColor(Qt::black));

    model.setFirstColumnField("ownnumber");
    QCOMPARE(model.data(model.index(2, 0)).toString(), QStringLiteral("Z-3"));
    QCOMPARE(model.headerData(0, Qt::Horizontal).toString(), QStringLiteral("číslo zápůjčky"));

    // A statement without some of the grid's fields: those cells are empty and the rows have no band.
    QVERIFY(model.setStatement("select id, customer from loans order by id"));
    QCOMPARE(model.data(model.index(2, col("customer"))).toString(), QStringLiteral("zákazník 3"));
    QCOMPARE(model.data(model.index(2, col("price"))).toString(), QString());
    QCOMPARE(model.rowColour(2), QColor(Qt::white));
    QCOMPARE(model.resultFields(), (QStringList{"id", "customer"}));
}

void TestLoansModel::viewFetchesAsItScrolls()
{
    QFETCH(QString, engine);
    LoansFixture f(engine);
    fill(f, 2000);
    LoansModel model(f.db);
    QVERIFY(model.setStatement("select * from loans order by id"));
    QTableView view;
    view.resize(800, 400);
    view.setModel(&model);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    QVERIFY(model.rowCount() < 2000);
    const int first = model.rowCount();
    for (int i = 0; i < 200 && model.canFetchMore(); ++i) {
        view.scrollToBottom();
        QCoreApplication::processEvents();
    }
    QVERIFY(model.rowCount() > first);
    QCOMPARE(model.rowCount(), 2000);
}

QTEST_MAIN(TestLoansModel)
#include "tst_loansmodel.moc"
