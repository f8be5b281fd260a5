#include "AppTestEnv.h"
#include "Clock.h"
#include "ColorSwatch.h"
#include "ColumnChooser.h"
#include "DatabaseStartup.h"
#include "DayNumber.h"
#include "GridLayoutStore.h"
#include "LoansFilters.h"
#include "LoansList.h"
#include "LoansModel.h"
#include "ScriptedDialogs.h"
#include "SettingsPages.h"
#include "Shell.h"
#include "Tdm.h"
#include "TestEnv.h"
#include "Tzapujckaf.h"
#include "Tzapujckyf.h"

#include <QAction>
#include <QHeaderView>
#include <QListWidget>
#include <QMenu>
#include <QSpinBox>
#include <QTableView>
#include <QTimer>
#include <QtTest>

namespace {

const QByteArray testFilters = "nevrácené;select * from loans where returned<10 order by dateto asc;default\r\n"
                               "všechny;select * from loans order by id\r\n"
                               "\r\n"
                               "chybný;select * from nowhere\r\n"
                               "vrácené;select * from loans where returned>10 order by returned desc\r\n"
                               "jen nadpis\r\n";

// The main window on a fresh program folder at Monday 2 March 2026, 10:00, under a Czech locale.
struct Env : Clocked, AppTestEnv
{
    explicit Env(const QByteArray& filters = testFilters, const QByteArray& setup = {})
    {
        // The returned colour differs from band 6 here, so the test can tell them apart.
        prepareSettings(setup + "[barvy]\r\nzapvracenes=65280\r\n", filters);
        window = std::make_unique<Tzapujckyf>(dm);
        ok = window->formCreate(nullptr);
        window->show();
    }
    ~Env() { window.reset(); }

    double now() const { return DayNumber::fromDateTime(clock.now()); }
    LoansList& list() { return window->loansList(); }
    LoansModel& model() { return *window->loansList().model(); }
    QTableView* grid() { return window->grid(); }

    // Six loans: overdue 2.5 days, due in exactly 7 days, in 7 days and a minute, in 200 days, returned, and
    // one without a due date. Loan 2 has an attachment, loans 2 and 4 have items.
    void fill()
    {
        auto loan = [&](const QString& customer, double dateto, double returned, const QString& note) {
            dm.db().insert(QStringLiteral("insert into loans(customer,dateto,returned,note,datefrom) "
                                          "values(:pcustomer,:pdateto,:preturned,:pnote,:pdatefrom)"),
                           {{QStringLiteral("pcustomer"), customer},
                            {QStringLiteral("pdateto"), dateto},
                            {QStringLiteral("preturned"), returned},
                            {QStringLiteral("pnote"), note},
                            {QStringLiteral("pdatefrom"), now() - 3}},
                           QStringLiteral("id"));
        };
        loan(QStringLiteral("Novák"), now() - 2.5, 1.0, QStringLiteral("1000 kusů"));
        loan(QStringLiteral("Dvořáková"), now() + 7, 1.0, QString());
        loan(QStringLiteral("O'Brien"), now() + 7 + 1.0 / 1440, 1.0, QString());
        loan(QStringLiteral("Svoboda"), now() + 200, 1.0, QStringLiteral("sleva 100%"));
        loan(QStringLiteral("Černá"), now() - 10, now() - 1, QString());
        loan(QStringLiteral("Beze data"), 1.0, 1.0, QString());
        dm.db().exec(QStringLiteral("update loans set ownnumber=cast(id as text)"));
        dm.db().exec(QStringLiteral("insert into loanattachments(borrowedid,filename) values(2,'smlouva.pdf')"));
        dm.db().exec(QStringLiteral("insert into loanthings(borrowedid,description) values(2,'Vrtačka Makita')"));
        dm.db().exec(QStringLiteral("insert into loanthings(borrowedid,description) values(4,'vrtačka Bosch')"));
    }

    QAction* filterItem(const QString& caption)
    {
        for (QAction* a : window->filtersMenu()->actions()) {
            if (a->text() == caption)
                return a;
        }
        return nullptr;
    }
    bool applyFilter(const QString& caption)
    {
        QAction* item = filterItem(caption);
        if (!item)
            return false;
        item->trigger();
        return true;
    }
    void trigger(const char* action) { window->action(QLatin1String(action))->trigger(); }

    // The ids shown, in the grid's order.
    QList<qint64> ids()
    {
        QList<qint64> result;
        for (int row = 0; row < model().rowCount(); ++row)
            result << model().idAt(row);
        return result;
    }
    QColor background(int row) { return model().index(row, 0).data(Qt::BackgroundRole).value<QBrush>().color(); }
    int column(const QString& field) { return int(model().columns().indexOf(field)); }
    QString shown(int row, const QString& field) { return model().index(row, column(field)).data().toString(); }
    void clickTitle(const QString& field)
    {
        QHeaderView* header = grid()->horizontalHeader();
        const int logical = column(field);
        QTest::mouseClick(
            header->viewport(), Qt::LeftButton, {},
            QPoint(header->sectionViewportPosition(logical) + header->sectionSize(logical) / 2, header->height() / 2));
    }
    QList<GridColumn> storedLayout()
    {
        GridLayoutStore store;
        store.load();
        return store.columns(QStringLiteral("zapujckyf"), QStringLiteral("zjvdbgrid"));
    }

    std::unique_ptr<Tzapujckyf> window;
    bool ok = false;
};

QColor windowsColour(quint32 bgr)
{
    return LoanColours::toColor(bgr);
}

GridColumn stored(const QList<GridColumn>& columns, const QString& name)
{
    for (const GridColumn& c : columns) {
        if (c.name == name)
            return c;
    }
    return {};
}

} // namespace

class TestLoansList : public QObject
{
    Q_OBJECT

private slots:
    void filterSortAndColours();
    void firstColumn_data();
    void firstColumn();
    void coloursFollowSettings();
    void statusLineAndDoubleClick();
    void deletion();
    void searches();
    void missingFilterFile();
    void refusedStatementThenGoodOne();
    void restoreKeepsRow();
    void editFilters();
    void columnLayout();
    void languageSwitch();
};

void TestLoansList::filterSortAndColours()
{
    Env env;
    QVERIFY(env.ok);
    QCOMPARE(env.dialogs->shown.size(), 0);
    QCOMPARE(env.dm.globals().zapdefaultfiltr,
             QStringLiteral("select * from loans where returned<10 order by dateto asc"));
    QCOMPARE(env.list().statement(), env.dm.globals().zapdefaultfiltr);
    // One item per line in file order; a blank line parts them, a line without a statement cannot run.
    const QList<QAction*> items = env.window->filtersMenu()->actions();
    QCOMPARE(items.size(), 6);
    QVERIFY(items.at(2)->isSeparator());
    QCOMPARE(items.at(3)->data().toInt(), 3);
    QVERIFY(!env.filterItem(QStringLiteral("jen nadpis"))->isEnabled());

    env.fill();
    QVERIFY(env.applyFilter(QStringLiteral("všechny")));
    QCOMPARE(env.ids(), (QList<qint64>{1, 2, 3, 4, 5, 6}));
    QCOMPARE(env.grid()->currentIndex().row(), 0);

    // Titles from the lexicon by field; "things" keeps its own.
    QCOMPARE(env.model().headerData(0, Qt::Horizontal).toString(), env.dm.lex(111));
    QCOMPARE(env.model().headerData(env.column("dateto"), Qt::Horizontal).toString(), env.dm.lex(113));
    QCOMPARE(env.model().headerData(env.column("things"), Qt::Horizontal).toString(), QStringLiteral("věci"));

    const LoanColours defaults;
    const QList<QColor> expected{windowsColour(defaults.bands[0]),
                                 windowsColour(defaults.bands[1]),
                                 windowsColour(defaults.bands[2]),
                                 windowsColour(defaults.bands[6]),
                                 windowsColour(65280),
                                 windowsColour(defaults.bands[0])};
    for (int row = 0; row < 6; ++row)
        QCOMPARE(env.background(row), expected.at(row));
    // Empty dates are blank; real ones are shown.
    QCOMPARE(env.shown(0, "returned"), QString());
    QCOMPARE(env.shown(5, "dateto"), QString());
    QCOMPARE(env.shown(4, "returned"), QStringLiteral("01.03.2026 10:00:00"));
    QCOMPARE(env.shown(0, "dateto"), QStringLiteral("27.02.2026 22:00:00"));

    env.clickTitle(QStringLiteral("customer"));
    QVERIFY(env.list().statement().endsWith(QStringLiteral("order by customer asc")));
    QCOMPARE(env.ids(), (QList<qint64>{6, 2, 1, 3, 4, 5})); // "Č" sorts after the plain letters
    env.clickTitle(QStringLiteral("customer"));
    QCOMPARE(env.list().statement(), QStringLiteral("select * from loans order by customer desc"));
    QCOMPARE(env.ids(), (QList<qint64>{5, 4, 3, 1, 2, 6}));
    QCOMPARE(env.background(0), windowsColour(65280));

    // The default filter, sorted by the due date the other way round.
    env.trigger("zapobnovitdfiltra");
    QCOMPARE(env.ids(), (QList<qint64>{6, 1, 2, 3, 4}));
    env.clickTitle(QStringLiteral("dateto"));
    QCOMPARE(env.list().statement(), QStringLiteral("select * from loans where returned<10 order by dateto desc"));
    QCOMPARE(env.ids(), (QList<qint64>{4, 3, 2, 1, 6}));
    QCOMPARE(env.dialogs->shown.size(), 0);

    if (qEnvironmentVariableIsSet("VORNIK_SCREENSHOTS")) {
        env.applyFilter(QStringLiteral("všechny"));
        env.list().positionOn(2);
        env.window->resize(1200, 420);
        QCoreApplication::processEvents();
        env.window->grab().save(qEnvironmentVariable("VORNIK_SCREENSHOTS") + QStringLiteral("/loanslist.png"));
    }
}

void TestLoansList::firstColumn_data()
{
    QTest::addColumn<QByteArray>("setup");
    QTest::addColumn<QString>("field");
    QTest::newRow("plain ids") << QByteArray() << "id";
    QTest::newRow("prefix") << QByteArray("ciselnaradale=Z-\r\n") << "ownnumber";
    QTest::newRow("own counter") << QByteArray("vlastnipocitadlochb=1\r\n") << "ownnumber";
}

void TestLoansList::firstColumn()
{
    QFETCH(QByteArray, setup);
    QFETCH(QString, field);
    Env env(testFilters, setup);
    env.fill();
    env.dm.db().exec(QStringLiteral("update loans set ownnumber='Z-' || cast(id as text)"));
    env.trigger("zapobnovitdfiltra");
    QCOMPARE(env.model().columns().first(), field);
    QCOMPARE(env.model().headerData(0, Qt::Horizontal).toString(), env.dm.lex(111));
    QCOMPARE(env.shown(1, field), field == QLatin1String("id") ? QStringLiteral("1") : QStringLiteral("Z-1"));
    QCOMPARE(env.window->action(QStringLiteral("upravitlvlcislozapa"))->isVisible(), field != QLatin1String("id"));
}

void TestLoansList::coloursFollowSettings()
{
    Env env;
    env.fill();
    env.trigger("zapobnovitdfiltra"); // 6, 1, 2, 3, 4
    SettingsPages& pages = env.window->settingsPages();
    QSignalSpy changed(&env.model(), &QAbstractItemModel::dataChanged);
    // Band 1 now ends at 6 days: the loan due in exactly 7 days moves to band 2.
    pages.zapdnuspine[1]->setValue(6);
    QVERIFY(!changed.isEmpty());
    QCOMPARE(env.background(2), windowsColour(LoanColours().bands[2]));
    pages.swatches[0]->setBgr(0x00FF0000); // blue, as the settings file writes it
    QCOMPARE(env.background(0), QColor(Qt::blue));
    QCOMPARE(env.background(1), QColor(Qt::blue));
    QCOMPARE(env.window->currentColours().bands[0], 0x00FF0000u);
}

void TestLoansList::statusLineAndDoubleClick()
{
    Env env;
    env.fill();
    env.trigger("zapobnovitdfiltra"); // 6, 1, 2, 3, 4
    QAction* attachments = env.window->action(QStringLiteral("zapprilohya"));
    QCOMPARE(env.list().statusText(), env.dm.lex(130)); // the loan without a due date
    env.grid()->setFocus();
    QTest::keyClick(env.grid(), Qt::Key_Down);
    QCOMPARE(env.list().currentLoanId(), qint64(1));
    QCOMPARE(env.list().statusText(),
             env.dm.lex(131) + QStringLiteral(" -2 ") + env.dm.lex(41) + QStringLiteral(" 12 ") + env.dm.lex(132));
    QCOMPARE(attachments->property("hasAttachments").toBool(), false);
    QTest::keyClick(env.grid(), Qt::Key_Down);
    QCOMPARE(env.list().currentLoanId(), qint64(2));
    QCOMPARE(attachments->property("hasAttachments").toBool(), true);
    QVERIFY(env.list().statusText().contains(QStringLiteral(" 7 ")));
    QTest::keyClick(env.grid(), Qt::Key_Up);
    QCOMPARE(env.list().currentLoanId(), qint64(1));
    QCOMPARE(attachments->property("hasAttachments").toBool(), false);

    // A double click opens the loan under the mouse.
    Tzapujckaf card(env.dm, env.window.get());
    env.window->setLoanCard(&card);
    qint64 opened = 0;
    QTimer::singleShot(0, &card, [&] {
        opened = card.loanId();
        card.reject();
    });
    const QRect row4 = env.grid()->visualRect(env.model().index(4, 1));
    // As the desktop delivers one: press, release, the double click, release.
    QTest::mouseClick(env.grid()->viewport(), Qt::LeftButton, {}, row4.center());
    QTest::mouseDClick(env.grid()->viewport(), Qt::LeftButton, {}, row4.center());
    QTest::mouseRelease(env.grid()->viewport(), Qt::LeftButton, {}, row4.center());
    QCOMPARE(opened, qint64(4));
    env.window->setLoanCard(nullptr);

    // A click on a row refreshes the line for that row.
    const QRect row3 = env.grid()->visualRect(env.model().index(3, 1));
    QTest::mouseClick(env.grid()->viewport(), Qt::LeftButton, {}, row3.center());
    QCOMPARE(env.list().currentLoanId(), qint64(3));
}

void TestLoansList::deletion()
{
    Env env;
    env.fill();
    env.trigger("zapobnovitdfiltra"); // 6, 1, 2, 3, 4
    QVERIFY(env.list().positionOn(3));

    env.dialogs->answers << Dialogs::No;
    env.trigger("zaptrvaleodstranita");
    QCOMPARE(env.dialogs->shown.size(), 1);
    QCOMPARE(env.dialogs->shown.at(0).caption, env.dm.lex(3));
    QCOMPARE(env.dialogs->shown.at(0).text, env.dm.lex(161) + QStringLiteral(" 3?"));
    QCOMPARE(env.ids(), (QList<qint64>{6, 1, 2, 3, 4}));

    env.dialogs->answers << Dialogs::Yes;
    env.trigger("zaptrvaleodstranita");
    QCOMPARE(env.ids(), (QList<qint64>{6, 1, 2, 4}));
    QCOMPARE(env.list().currentLoanId(), qint64(4)); // the row that took its place
    QCOMPARE(env.dm.db().scalar(QStringLiteral("select count(*) from loans where id=3")).toInt(), 0);

    // The highest id freed is given out again.
    QVERIFY(env.list().positionOn(6));
    env.dialogs->answers << Dialogs::Yes;
    env.trigger("zaptrvaleodstranita");
    QCOMPARE(env.dm.db().insert(QStringLiteral("insert into loans(customer) values('nová')"), {}, QStringLiteral("id")),
             qint64(6));

    // A user without the right neither sees the action nor deletes through it.
    env.dm.globals().typ = QStringLiteral("user");
    env.dialogs->shown.clear();
    env.list().zaptrvaleodstranitaExecute();
    QCOMPARE(env.dialogs->shown.size(), 0);
    QCOMPARE(env.dm.db().scalar(QStringLiteral("select count(*) from loans")).toInt(), 5);
}

void TestLoansList::searches()
{
    Env env;
    env.fill();
    env.trigger("zapobnovitdfiltra");
    struct Case
    {
        const char* action;
        QString typed;
        QList<qint64> ids; // sorted
    };
    const QList<Case> cases{
        {"podlezapujcekza", QStringLiteral("o'brien"), {3}},
        {"podlezapujcekza", QStringLiteral("100%"), {4}},                   // not the "1000" of loan 1
        {"podlezapujcekza", QStringLiteral("NOVÁK kusů"), {1}},             // both words, different columns
        {"podlezapujcekza", QStringLiteral("'; drop table loans; --"), {}}, // found literally: nothing
        {"podleveciza", QStringLiteral("VRTAČKA"), {2, 4}},
        {"podleveciza", QStringLiteral("vrtačka bosch"), {4}},
        {"podleveciza", QStringLiteral("x' or '1'='1"), {}},
        {"podleveciza", QStringLiteral("_"), {}},
    };
    for (const Case& c : cases) {
        env.dialogs->shown.clear();
        env.dialogs->inputs << c.typed;
        env.trigger(c.action);
        QCOMPARE(env.dialogs->shown.size(), 1);
        QCOMPARE(env.dialogs->shown.at(0).caption, env.dm.lex(127));
        QCOMPARE(env.dialogs->shown.at(0).text, env.dm.lex(qstrcmp(c.action, "podleveciza") == 0 ? 129 : 128));
        QList<qint64> found = env.ids();
        std::sort(found.begin(), found.end());
        QVERIFY2(found == c.ids, qPrintable(c.typed));
    }
    QCOMPARE(env.dm.db().scalar(QStringLiteral("select count(*) from loans")).toInt(), 6);

    // Cancelled or blank: the list stays as it is.
    const QString before = env.list().statement();
    env.dialogs->inputs << std::nullopt << QStringLiteral("   ");
    env.trigger("podlezapujcekza");
    env.trigger("podleveciza");
    QCOMPARE(env.list().statement(), before);
}

void TestLoansList::missingFilterFile()
{
    {
        Env env(QByteArray{});
        const QString path = env.folder.file(QStringLiteral("setup/filtryzapcs.txt"));
        QCOMPARE(env.dialogs->shown.size(), 1);
        QCOMPARE(env.dialogs->shown.at(0).caption, env.dm.lex(0) + QStringLiteral(": ") + path);
        QCOMPARE(env.dialogs->shown.at(0).text, env.dm.lex(126));
        QCOMPARE(env.dialogs->shown.at(0).icon, Dialogs::Icon::Warning);
        QCOMPARE(env.dialogs->shown.at(0).buttons, int(Dialogs::Ok));
        QVERIFY(env.window->filtersMenu()->actions().isEmpty());
        QCOMPARE(env.list().statement(), QStringLiteral("select * from loans where returned<10 order by dateto asc"));
        QVERIFY(env.list().model()->isOpen());

        env.trigger("upravitfiltryza");
        QCOMPARE(env.list().statusText(), env.dm.lex(126) + QStringLiteral(": ") + path);
        QVERIFY(env.shell->edited.isEmpty());
    }

    // A file removed while the program runs: the item tells so by the file's name.
    Env running;
    QVERIFY(QFile::remove(running.folder.file(QStringLiteral("setup/filtryzapcs.txt"))));
    QVERIFY(running.applyFilter(QStringLiteral("všechny")));
    QCOMPARE(running.list().statusText(), running.dm.lex(126) + QStringLiteral(": filtryzapcs.txt"));
    QCOMPARE(running.list().statement(), running.dm.globals().zapdefaultfiltr);
}

void TestLoansList::refusedStatementThenGoodOne()
{
    Env env;
    env.fill();
    QVERIFY(env.applyFilter(QStringLiteral("chybný")));
    QCOMPARE(env.dialogs->shown.size(), 1);
    QCOMPARE(env.dialogs->shown.at(0).icon, Dialogs::Icon::Error);
    QVERIFY(env.dialogs->shown.at(0).text.contains(QStringLiteral("nowhere")));
    QCOMPARE(env.model().rowCount(), 0);
    QVERIFY(!env.model().isOpen());
    // An empty list: the commands on the current loan do nothing.
    env.trigger("zaptrvaleodstranita");
    env.window->logaExecute();
    QCOMPARE(env.dialogs->shown.size(), 1);

    QVERIFY(env.applyFilter(QStringLiteral("vrácené")));
    QCOMPARE(env.ids(), QList<qint64>{5});
    QCOMPARE(env.dialogs->shown.size(), 1);
    // A search after the refused statement still looks in every column of the loans.
    env.applyFilter(QStringLiteral("chybný"));
    env.dialogs->inputs << QStringLiteral("kusů");
    env.trigger("podlezapujcekza");
    QCOMPARE(env.ids(), QList<qint64>{1});
}

void TestLoansList::restoreKeepsRow()
{
    Env env;
    env.fill();
    env.applyFilter(QStringLiteral("všechny"));
    QVERIFY(env.list().positionOn(4));
    env.trigger("zapobnovitdfiltra");
    QCOMPARE(env.list().statement(), env.dm.globals().zapdefaultfiltr);
    QCOMPARE(env.list().currentLoanId(), qint64(4));
    QVERIFY(env.list().statusText().startsWith(env.dm.lex(131)));

    env.applyFilter(QStringLiteral("všechny"));
    QVERIFY(env.list().positionOn(5)); // returned: not in the default list
    env.trigger("zapobnovitdfiltra");
    QCOMPARE(env.grid()->currentIndex().row(), 0);

    // "obnovit aktuální filtr" reads the rows again and stays on the loan.
    QVERIFY(env.list().positionOn(2));
    env.dm.db().exec(QStringLiteral("update loans set customer='Dvořáková-Malá', dateto=dateto-100 where id=2"));
    env.trigger("zapobnovitafiltra");
    QCOMPARE(env.list().currentLoanId(), qint64(2));
    QCOMPARE(env.list().currentValue(QStringLiteral("customer")).toString(), QStringLiteral("Dvořáková-Malá"));
    QCOMPARE(env.ids(), (QList<qint64>{6, 2, 1, 3, 4}));
}

void TestLoansList::editFilters()
{
    Env env;
    env.fill();
    env.shell->onEdit = [](const QString& path) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::Append));
        file.write("jen dvojka;select * from loans where id=2\r\n");
    };
    env.trigger("upravitfiltryza");
    QCOMPARE(env.shell->edited, QStringList{env.folder.file(QStringLiteral("setup/filtryzapcs.txt"))});
    QVERIFY(env.applyFilter(QStringLiteral("jen dvojka")));
    QCOMPARE(env.ids(), QList<qint64>{2});

    // A line removed while the program runs: each item runs the line now at its position.
    QFile file(env.folder.file(QStringLiteral("setup/filtryzapcs.txt")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(testFilters.mid(testFilters.indexOf('\n') + 1));
    file.close();
    QVERIFY(env.applyFilter(QStringLiteral("nevrácené")));
    QCOMPARE(env.list().statement(), QStringLiteral("select * from loans order by id"));
}

void TestLoansList::columnLayout()
{
    Env env;
    env.fill();
    env.trigger("zapobnovitdfiltra");
    QTableView* grid = env.grid();
    QHeaderView* header = grid->horizontalHeader();
    const int note = env.column(QStringLiteral("note"));

    // The chooser refuses to hide every column and leaves the grid as it was.
    {
        ColumnChooser chooser(grid, env.dm.dialogs(), {env.dm.lex(124), env.dm.lex(2), env.dm.lex(125)});
        QCOMPARE(chooser.windowTitle(), env.dm.lex(124));
        QCOMPARE(chooser.columns()->count(), header->count());
        for (int i = 0; i < chooser.columns()->count(); ++i)
            chooser.columns()->item(i)->setCheckState(Qt::Unchecked);
        chooser.accept();
        QCOMPARE(chooser.result(), int(QDialog::Rejected));
        QCOMPARE(env.dialogs->shown.last().text, env.dm.lex(125));
        QCOMPARE(env.dialogs->shown.last().caption, env.dm.lex(2));
        QVERIFY(!header->isSectionHidden(0));
    }

    // Through the pop-up command: the note column hidden, stored at once.
    bool ran = false;
    QTimer::singleShot(0, [&] {
        auto* chooser = qobject_cast<ColumnChooser*>(QApplication::activeModalWidget());
        QVERIFY(chooser);
        ran = true;
        for (int i = 0; i < chooser->columns()->count(); ++i) {
            if (chooser->columns()->item(i)->text() == env.dm.lex(123))
                chooser->columns()->item(i)->setCheckState(Qt::Unchecked);
        }
        chooser->accept();
    });
    env.list().chooseColumnsAction()->trigger();
    QVERIFY(ran);
    QVERIFY(header->isSectionHidden(note));
    QCOMPARE(stored(env.storedLayout(), QStringLiteral("note")).visible, false);

    // Moves and resizes are written without waiting for the close.
    header->resizeSection(env.column(QStringLiteral("customer")), 233);
    QCOMPARE(stored(env.storedLayout(), QStringLiteral("customer")).width, 233);
    header->moveSection(header->visualIndex(env.column(QStringLiteral("customer"))), 0);
    QCOMPARE(env.storedLayout().first().name, QStringLiteral("customer"));

    // Another statement keeps the layout.
    env.applyFilter(QStringLiteral("všechny"));
    QCOMPARE(header->sectionSize(env.column(QStringLiteral("customer"))), 233);
    QVERIFY(header->isSectionHidden(note));

    env.list().columnWidthsAction()->trigger();
    const QList<GridColumn> reset = env.storedLayout();
    QCOMPARE(stored(reset, QStringLiteral("customer")).width, header->sectionSize(env.column("customer")));
    QCOMPARE(stored(reset, QStringLiteral("customer")).width, 100); // every column back to 100 pixels
    QCOMPARE(stored(reset, QStringLiteral("datefrom")).width, 100);

    // The next start shows the same columns.
    env.window.reset();
    env.window = std::make_unique<Tzapujckyf>(env.dm);
    QVERIFY(env.window->formCreate(nullptr));
    env.window->show();
    QCOMPARE(env.grid()->horizontalHeader()->visualIndex(env.column(QStringLiteral("customer"))), 0);
    QVERIFY(env.grid()->horizontalHeader()->isSectionHidden(env.column(QStringLiteral("note"))));
}

void TestLoansList::languageSwitch()
{
    Env env;
    QDir().mkpath(env.folder.file(QStringLiteral("setup/lng")));
    QVERIFY(QFile::copy(TestEnv::resourcesDir() + QStringLiteral("setup/lng/english.lng"),
                        env.folder.file(QStringLiteral("setup/lng/english.lng"))));
    env.folder.writeText(
        QStringLiteral("setup/filtryzapen.txt"),
        "all;select * from loans order by id desc;default\nopen;select * from loans where returned<10\n");
    const QString czech = env.model().headerData(0, Qt::Horizontal).toString();
    QSignalSpy retitled(&env.model(), &QAbstractItemModel::headerDataChanged);
    QVERIFY(env.dm.language().setLanguage(QStringLiteral("en")));
    QVERIFY(!retitled.isEmpty());
    QCOMPARE(env.model().headerData(0, Qt::Horizontal).toString(), env.dm.lex(111));
    QVERIFY(env.dm.lex(111) != czech);
    // The menu and the default now come from the English file.
    QVERIFY(env.filterItem(QStringLiteral("open")));
    QCOMPARE(env.dm.globals().zapdefaultfiltr, QStringLiteral("select * from loans order by id desc"));
    // The layout is kept by field names, not by the titles.
    env.list().saveLayout();
    QCOMPARE(env.storedLayout().first().name, QStringLiteral("id"));
}

QTEST_MAIN(TestLoansList)
#include "tst_loanslist.moc"
