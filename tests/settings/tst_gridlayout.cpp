#include "GridLayout.h"
#include "GridLayoutStore.h"
#include "TestEnv.h"
#include "WindowPlacement.h"

#include <QFile>
#include <QHeaderView>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QSqlQueryModel>
#include <QStandardItemModel>
#include <QTableView>
#include <QtTest>
#include <memory>

namespace {

// A model whose columns carry their names under Qt::UserRole and (translatable) titles for display.
std::unique_ptr<QStandardItemModel> modelOf(const QStringList& names)
{
    auto model = std::make_unique<QStandardItemModel>(3, int(names.size()));
    for (int i = 0; i < names.size(); ++i) {
        model->setHeaderData(i, Qt::Horizontal, names[i], Qt::UserRole);
        model->setHeaderData(i, Qt::Horizontal, QStringLiteral("titulek %1").arg(i), Qt::DisplayRole);
    }
    return model;
}

QStringList visualNames(const QTableView& view)
{
    QStringList names;
    const QHeaderView* header = view.horizontalHeader();
    for (int v = 0; v < header->count(); ++v) {
        const int logical = header->logicalIndex(v);
        names << GridLayout::columnName(view.model(), logical) +
                     (header->isSectionHidden(logical) ? QStringLiteral("(hidden)") : QString());
    }
    return names;
}

int widthOf(const QTableView& view, const QString& name)
{
    for (int logical = 0; logical < view.model()->columnCount(); ++logical) {
        if (GridLayout::columnName(view.model(), logical).compare(name, Qt::CaseInsensitive) == 0)
            return view.horizontalHeader()->sectionSize(logical);
    }
    return -1;
}

QStringList storedNames(const QString& window, const QString& grid)
{
    GridLayoutStore store;
    store.load();
    QStringList names;
    for (const GridColumn& c : store.columns(window, grid))
        names << c.name + (c.visible ? QString() : QStringLiteral("(hidden)"));
    return names;
}

} // namespace

class TestGridLayout : public QObject
{
    Q_OBJECT

private slots:
    void columnsRoundTripByName();
    void queryModelFieldNames();
    void neverHidesEveryColumn();
    void damagedStoreLinesSkipped();
    void resetWidths();
    void windowPlacement();
    void isOnScreen_data();
    void isOnScreen();
};

void TestGridLayout::columnsRoundTripByName()
{
    TestProgramFolder folder;
    auto model = modelOf({"id", "customer", "dateto", "note"});
    QTableView view;
    view.setModel(model.get());
    QHeaderView* header = view.horizontalHeader();
    header->moveSection(3, 0);
    header->resizeSection(1, 222);
    header->resizeSection(2, 77);
    header->setSectionHidden(2, true);
    QVERIFY(GridLayout::save(&view, "Tzapujckyf", "zjvdbgrid"));
    QCOMPARE(storedNames("Tzapujckyf", "zjvdbgrid"), (QStringList{"note", "id", "customer", "dateto(hidden)"}));

    // Another statement: other order, a column less, one more, a name in other case, titles translated.
    auto other = modelOf({"dateto", "extra", "customer", "ID"});
    QTableView second;
    second.setModel(other.get());
    QVERIFY(GridLayout::restore(&second, "Tzapujckyf", "zjvdbgrid"));
    QCOMPARE(visualNames(second), (QStringList{"ID", "customer", "dateto(hidden)", "extra"}));
    QCOMPARE(widthOf(second, "customer"), 222);

    // Saving from it keeps what it could not show ("note") in its old place.
    second.horizontalHeader()->setSectionHidden(2, true); // customer hidden now: its width is kept
    QVERIFY(GridLayout::save(&second, "Tzapujckyf", "zjvdbgrid"));
    QCOMPARE(storedNames("Tzapujckyf", "zjvdbgrid"),
             (QStringList{"note", "ID", "customer(hidden)", "dateto(hidden)", "extra"}));

    auto again = modelOf({"id", "customer", "dateto", "note"});
    QTableView third;
    third.setModel(again.get());
    QVERIFY(GridLayout::restore(&third, "Tzapujckyf", "zjvdbgrid"));
    QCOMPARE(visualNames(third), (QStringList{"note", "id", "customer(hidden)", "dateto(hidden)"}));
    third.horizontalHeader()->showSection(1);
    QCOMPARE(widthOf(third, "customer"), 222);

    // Other grids and windows are not touched; an unknown grid restores nothing.
    QTableView untouched;
    untouched.setModel(again.get());
    QVERIFY(!GridLayout::restore(&untouched, "Tzapujckyf", "uzivateletable"));
    QCOMPARE(visualNames(untouched), (QStringList{"id", "customer", "dateto", "note"}));
}

void TestGridLayout::queryModelFieldNames()
{
    TestProgramFolder folder;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("grids"));
        db.setDatabaseName(QStringLiteral(":memory:"));
        QVERIFY(db.open());
        QSqlQueryModel model;
        model.setQuery(QSqlQuery(QStringLiteral("select 1 as id, 'x' as customer, 2 as returned"), db));
        model.setHeaderData(0, Qt::Horizontal, QStringLiteral("číslo zápůjčky"));
        model.setHeaderData(1, Qt::Horizontal, QStringLiteral("zákazník"));
        QCOMPARE(GridLayout::columnName(&model, 0), QStringLiteral("id"));
        QCOMPARE(GridLayout::columnName(&model, 2), QStringLiteral("returned"));
        QTableView view;
        view.setModel(&model);
        view.horizontalHeader()->moveSection(2, 0);
        view.horizontalHeader()->resizeSection(1, 150);
        QVERIFY(GridLayout::save(&view, "Tzapujckyf", "zjvdbgrid"));

        QSqlQueryModel narrower;
        narrower.setQuery(QSqlQuery(QStringLiteral("select 'x' as customer, 3 as extra, 1 as id"), db));
        QTableView other;
        other.setModel(&narrower);
        QVERIFY(GridLayout::restore(&other, "Tzapujckyf", "zjvdbgrid"));
        QCOMPARE(visualNames(other), (QStringList{"id", "customer", "extra"}));
        QCOMPARE(widthOf(other, "customer"), 150);
    }
    QSqlDatabase::removeDatabase(QStringLiteral("grids"));
}

void TestGridLayout::neverHidesEveryColumn()
{
    TestProgramFolder folder;
    GridLayoutStore store;
    store.setColumns("TForm1", "ezgrid", {{"a", 50, false}, {"b", 60, false}});
    QVERIFY(store.save(nullptr));
    auto model = modelOf({"a", "b"});
    QTableView view;
    view.setModel(model.get());
    QVERIFY(GridLayout::restore(&view, "TForm1", "ezgrid"));
    QCOMPARE(visualNames(view), (QStringList{"a", "b"}));
}

void TestGridLayout::damagedStoreLinesSkipped()
{
    TestProgramFolder folder;
    folder.writeText("grids.ini", "[TForm1.ezgrid]\ncount=5\ncolumn0=80,1,name, with comma\ncolumn1=abc\n"
                                  "column2=-5,0,hidden\ncolumn3=10,x,bad\n");
    GridLayoutStore store;
    QVERIFY(store.load());
    const QList<GridColumn> expected{{"name, with comma", 80, true}, {"hidden", 0, false}};
    QCOMPARE(store.columns("TForm1", "ezgrid"), expected);

    // Writing fewer columns than before leaves no stale ones behind.
    store.setColumns("TForm1", "ezgrid", {{"only", 10, true}});
    QVERIFY(store.save(nullptr));
    GridLayoutStore back;
    QVERIFY(back.load());
    QCOMPARE(back.columns("TForm1", "ezgrid"), (QList<GridColumn>{{"only", 10, true}}));
    QFile f(folder.file("grids.ini"));
    QVERIFY(f.open(QIODevice::ReadOnly));
    QVERIFY(!f.readAll().contains("column2"));
}

void TestGridLayout::resetWidths()
{
    TestProgramFolder folder;
    auto model = modelOf({"a", "b", "c"});
    model->setItem(0, 0, new QStandardItem(QString(60, QLatin1Char('W'))));
    QTableView view;
    view.setModel(model.get());
    view.horizontalHeader()->resizeSection(0, 20);
    view.horizontalHeader()->resizeSection(2, 70);
    view.horizontalHeader()->setSectionHidden(2, true);
    QVERIFY(GridLayout::save(&view, "Tzapujckyf", "zjvdbgrid"));
    QVERIFY(GridLayout::resetWidths(&view, "Tzapujckyf", "zjvdbgrid"));
    QVERIFY(widthOf(view, "a") > 200); // fits its long text now
    GridLayoutStore store;
    store.load();
    const QList<GridColumn> stored = store.columns("Tzapujckyf", "zjvdbgrid");
    QCOMPARE(stored.size(), 3);
    QCOMPARE(stored[0].width, widthOf(view, "a"));
    QCOMPARE(stored[2], (GridColumn{"c", 0, false})); // back to the default width when shown again
}

void TestGridLayout::windowPlacement()
{
    TestProgramFolder folder;
    QWidget window;
    window.setGeometry(100, 120, 400, 300);
    QVERIFY(WindowPlacement::save(&window, "Tzapujckaf"));
    QWidget again;
    QVERIFY(WindowPlacement::restore(&again, "Tzapujckaf"));
    QCOMPARE(again.geometry(), QRect(100, 120, 400, 300));
    QVERIFY(!again.isMaximized());

    window.showMaximized();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QVERIFY(WindowPlacement::save(&window, "Tzapujckyf"));
    GridLayoutStore store;
    store.load();
    QVERIFY(store.placement("Tzapujckyf"));
    QCOMPARE(*store.placement("Tzapujckyf"), (WindowGeometry{QRect(100, 120, 400, 300), true}));
    QWidget maximised;
    QVERIFY(WindowPlacement::restore(&maximised, "Tzapujckyf"));
    maximised.show();
    QVERIFY(maximised.isMaximized());

    // A place on a screen that is gone is not restored; the window keeps its own.
    store.setPlacement("TForm1", {QRect(5000, 4000, 400, 300), false});
    QVERIFY(store.save(nullptr));
    QWidget lost;
    lost.setGeometry(10, 10, 200, 100);
    QVERIFY(!WindowPlacement::restore(&lost, "TForm1"));
    QCOMPARE(lost.geometry(), QRect(10, 10, 200, 100));
    QVERIFY(!WindowPlacement::restore(&lost, "Tprilohyzapujckaf")); // nothing stored
}

void TestGridLayout::isOnScreen_data()
{
    QTest::addColumn<QRect>("window");
    QTest::addColumn<bool>("twoScreens");
    QTest::addColumn<bool>("expected");
    QTest::newRow("inside") << QRect(10, 10, 400, 300) << false << true;
    QTest::newRow("on the second screen") << QRect(2000, 100, 400, 300) << true << true;
    QTest::newRow("second screen gone") << QRect(2000, 100, 400, 300) << false << false;
    QTest::newRow("across both screens") << QRect(1900, 100, 400, 300) << true << true;
    QTest::newRow("overlapping the left edge") << QRect(-300, 100, 400, 300) << false << true;
    QTest::newRow("only a sliver on the right") << QRect(1900, 100, 400, 300) << false << false;
    QTest::newRow("top above every screen") << QRect(100, -290, 400, 300) << true << false;
    QTest::newRow("empty") << QRect() << true << false;
}

void TestGridLayout::isOnScreen()
{
    QFETCH(QRect, window);
    QFETCH(bool, twoScreens);
    QFETCH(bool, expected);
    QList<QRect> screens{QRect(0, 0, 1920, 1080)};
    if (twoScreens)
        screens << QRect(1920, 0, 1280, 1024);
    QCOMPARE(GridLayoutStore::isOnScreen(window, screens), expected);
}

QTEST_MAIN(TestGridLayout)
#include "tst_gridlayout.moc"
