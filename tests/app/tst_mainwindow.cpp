#include "AppPaths.h"
#include "AppTestEnv.h"
#include "DatabaseStartup.h"
#include "LoansList.h"
#include "LoansModel.h"
#include "ScriptedDialogs.h"
#include "SettingsPages.h"
#include "SqlPage.h"
#include "Tdm.h"
#include "TestEnv.h"
#include "Tzapujckyf.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScopeGuard>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QtTest>

namespace {

struct Env : AppTestEnv
{
    Env() { prepareSettings(); }
};

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void startsOnFreshFolder();
    void sqlPage();
    void rightsHidePagesForUsers_data();
    void rightsHidePagesForUsers();
    void closeWritesStaffList();
    void licence();
    void settingsRoundTrip();
    void settingsSharedThroughDatabase();
};

void TestMainWindow::startsOnFreshFolder()
{
    Env env;
    Tzapujckyf window(env.dm);
    QVERIFY(window.formCreate(nullptr));
    window.show();
    QCOMPARE(env.dialogs->shown.size(), 0);
    QCOMPARE(window.pages()->currentWidget()->objectName(), QStringLiteral("seznamzapujcekts"));
    QVERIFY(window.windowTitle().startsWith(env.dm.lex(69) + QLatin1Char(' ')));
    QVERIFY(window.findChild<QTableView*>(QStringLiteral("zjvdbgrid")));
    // Every action exists under its name.
    for (const char* name : {"novaza", "otevritza", "zaptrvaleodstranita", "exportcsvza", "konecza", "nastavenidba",
                             "loga", "showsqla", "podlezapujcekza", "podleveciza", "abouta", "updatea"})
        QVERIFY2(window.action(QLatin1String(name)), name);
    QCOMPARE(window.action(QStringLiteral("podlezapujcekza"))->shortcut(), QKeySequence(Qt::Key_F3));

    // "zobrazit log" on an empty list does nothing.
    window.logaExecute();
    QCOMPARE(env.dialogs->shown.size(), 0);

    window.aboutaExecute();
    QCOMPARE(env.dialogs->shown.size(), 1);
    QCOMPARE(env.dialogs->shown.at(0).caption, env.dm.lex(1));
    QVERIFY(env.dialogs->shown.at(0).text.endsWith(env.dm.lex(76)));
    if (qEnvironmentVariableIsSet("VORNIK_SCREENSHOTS")) {
        const QString dir = qEnvironmentVariable("VORNIK_SCREENSHOTS") + QLatin1Char('/');
        window.grab().save(dir + QStringLiteral("mainwindow.png"));
        // Every settings page, to look at.
        window.pages()->setCurrentIndex(1);
        QTabWidget* settings = window.settingsPages().tabs;
        for (int i = 0; i < settings->count(); ++i) {
            settings->setCurrentIndex(i);
            window.grab().save(dir + QStringLiteral("settings-%1.png").arg(settings->widget(i)->objectName()));
        }
    }
}

void TestMainWindow::sqlPage()
{
    Env env;
    Tzapujckyf window(env.dm);
    QVERIFY(window.formCreate(nullptr));
    window.show();
    const int sqlIndex = window.pages()->indexOf(window.sqlPage());
    QVERIFY(!window.pages()->isTabVisible(sqlIndex));
    window.action(QStringLiteral("showsqla"))->trigger();
    QVERIFY(window.pages()->isTabVisible(sqlIndex));
    window.action(QStringLiteral("showsqla"))->trigger();
    QVERIFY(!window.pages()->isTabVisible(sqlIndex));

    SqlPage* page = window.sqlPage();
    page->sqlcb->setEditText(QStringLiteral("delete from loans"));
    page->filtrb->click();
    QCOMPARE(env.dialogs->texts(), QStringList{env.dm.lex(75)});
    page->sqlcb->setEditText(QStringLiteral("SELECT * FROM users")); // only the lower-case word counts
    page->filtrb->click();
    QCOMPARE(env.dialogs->shown.size(), 2);

    page->sqlcb->setEditText(QStringLiteral("  select username, usertype from users order by userid  "));
    page->filtrb->click();
    QCOMPARE(env.dialogs->shown.size(), 2);
    // The grid keeps the loans columns; the rows of any statement are there to read.
    const LoansModel* model = window.loansList().model();
    QCOMPARE(model->rowCount(), 2);
    QCOMPARE(model->value(0, QStringLiteral("username")).toString(), QStringLiteral("admin"));

    page->sqlmemo->setPlainText(QStringLiteral("insert into loans(customer) values('Nováková')"));
    page->udelejsql->click();
    QCOMPARE(page->sqlvystupmemo->toPlainText(), QString());
    page->sqlmemo->setPlainText(QStringLiteral("select id, customer from loans"));
    page->udelejsql->click();
    QCOMPARE(page->sqlvystupmemo->toPlainText(), QStringLiteral("1;Nováková;\n"));
    page->sqlmemo->setPlainText(QStringLiteral("select nonsense from nowhere"));
    page->udelejsql->click();
    QCOMPARE(env.dialogs->shown.size(), 3);
    QCOMPARE(env.dialogs->shown.last().icon, Dialogs::Icon::Error);
}

void TestMainWindow::rightsHidePagesForUsers_data()
{
    QTest::addColumn<QString>("type");
    QTest::addColumn<bool>("restricted");
    QTest::newRow("administrator") << "administrator" << false;
    QTest::newRow("user") << "user" << true;
    QTest::newRow("user readonly") << "user readonly" << true;
    QTest::newRow("login off") << "internal buil-in user, login off" << false;
}

void TestMainWindow::rightsHidePagesForUsers()
{
    QFETCH(QString, type);
    QFETCH(bool, restricted);
    Env env;
    env.dm.globals().typ = type;
    Tzapujckyf window(env.dm);
    QVERIFY(window.formCreate(nullptr));
    window.show();
    SettingsPages& pages = window.settingsPages();
    QCOMPARE(pages.tabs->isTabVisible(pages.tabs->indexOf(pages.usersts)), !restricted);
    QCOMPARE(pages.tabs->isTabVisible(pages.tabs->indexOf(pages.ciselneradts)), !restricted);
    QCOMPARE(window.action(QStringLiteral("zaptrvaleodstranita"))->isVisible(), !restricted);
    QVERIFY(window.action(QStringLiteral("novaza"))->isVisible());
    // Ctrl+F12 works for every user type.
    window.action(QStringLiteral("showsqla"))->trigger();
    QVERIFY(window.pages()->isTabVisible(window.pages()->indexOf(window.sqlPage())));
}

void TestMainWindow::closeWritesStaffList()
{
    Env env;
    {
        Tzapujckyf window(env.dm);
        QVERIFY(window.formCreate(nullptr));
        window.show();
        window.settingsPages().pracovnicim->setPlainText(QStringLiteral("Jan Novák\nPetra Dvořáková"));
        window.close();
    }
    QFile staff(env.folder.file(QStringLiteral("setup/pracovnici")));
    QVERIFY(staff.open(QIODevice::ReadOnly));
    QCOMPARE(QString::fromUtf8(staff.readAll()), QStringLiteral("Jan Novák\nPetra Dvořáková"));
}

void TestMainWindow::licence()
{
    Env env;
    QFile::remove(env.folder.file(QStringLiteral("setup/vornik.ini")));
    {
        Tzapujckyf window(env.dm);
        QVERIFY(!window.formCreate(nullptr)); // declined: the program ends
        QCOMPARE(env.dialogs->shown.size(), 1);
        QVERIFY(env.dialogs->shown.at(0).text.startsWith(env.dm.lex(50)));
    }
    QVERIFY(!QFile::exists(env.folder.file(QStringLiteral("setup/vornik.ini"))));
    env.dialogs->answers << Dialogs::Yes;
    {
        Tzapujckyf window(env.dm);
        QVERIFY(window.formCreate(nullptr));
        // Written at once, before any close.
        QFile ini(env.folder.file(QStringLiteral("setup/vornik.ini")));
        QVERIFY(ini.open(QIODevice::ReadOnly));
        QVERIFY(ini.readAll().contains("lic=ano"));
    }
    env.dialogs->shown.clear();
    Tzapujckyf again(env.dm);
    QVERIFY(again.formCreate(nullptr));
    QCOMPARE(env.dialogs->shown.size(), 0); // asked once per settings folder
}

void TestMainWindow::settingsRoundTrip()
{
    Env env;
    env.folder.writeText(QStringLiteral("setup/vornik.ini"),
                         "\xEF\xBB\xBF[setup]\r\nlic=ano\r\nmykey=kept\r\nzapdnu2spine=garbage\r\n[other]\r\nx=1\r\n");
    {
        Tzapujckyf window(env.dm);
        QVERIFY(window.formCreate(nullptr));
        window.show();
        SettingsPages& p = window.settingsPages();
        QCOMPARE(p.zapdnuspine[2]->value(), 14); // a garbled value falls back to its default
        QCOMPARE(p.defaultborrowdaysjvs->value(), 30.0);
        QVERIFY(p.newverchb->isChecked());
        QVERIFY(!p.userschb->isChecked());
        p.zapdnuspine[0]->setValue(3);
        p.ciselnaradale->setText(QStringLiteral("2024/"));
        p.setupfromdbchb->setChecked(true);
        window.close();
    }
    QFile ini(env.folder.file(QStringLiteral("setup/vornik.ini")));
    QVERIFY(ini.open(QIODevice::ReadOnly));
    const QByteArray text = ini.readAll();
    QVERIFY(text.startsWith("\xEF\xBB\xBF"));
    for (const char* expected : {"mykey=kept", "[other]", "x=1", "zapdnu0spine=3", "zapdnu5spine=128",
                                 "ciselnaradale=2024/", "newverchb=1", "users=0", "lic=ano"})
        QVERIFY2(text.contains(expected), expected);
    QFile extra(env.folder.file(QStringLiteral("extra.ini")));
    QVERIFY(extra.open(QIODevice::ReadOnly));
    QVERIFY(extra.readAll().contains("setupfromdbchb=1"));
    QVERIFY(QFile::exists(env.folder.file(QStringLiteral("grids.ini"))));
}

// One workstation stores its settings folder at close; a fresh one restores it at start, before it reads the
// settings and the staff list.
void TestMainWindow::settingsSharedThroughDatabase()
{
    QTemporaryDir temp; // the archives' temporary copies stay out of the shared /tmp
    qputenv("TMPDIR", temp.path().toUtf8());
    auto restoreTemp = qScopeGuard([] { qunsetenv("TMPDIR"); });
    Env env;
    {
        Tzapujckyf window(env.dm);
        QVERIFY(window.formCreate(nullptr));
        window.show();
        window.settingsPages().setuptodbchb->setChecked(true);
        window.settingsPages().pracovnicim->setPlainText(QStringLiteral("Jana"));
        window.settingsPages().nazevfirmyle->setText(QStringLiteral("Půjčovna s.r.o."));
        window.close();
    }
    QVERIFY(env.dm.db().scalar(QStringLiteral("select count(*) from files where filename='setup.zip'")).toInt() == 1);

    // The settings folder is lost; this workstation restores it from the database.
    QDir(env.folder.file(QStringLiteral("setup"))).removeRecursively();
    QDir().mkpath(env.folder.file(QStringLiteral("setup")));
    env.folder.writeText(QStringLiteral("extra.ini"), "[setup]\r\nsetupfromdbchb=1\r\n");
    Tzapujckyf again(env.dm);
    QVERIFY(again.formCreate(nullptr));
    QCOMPARE(env.dialogs->shown.size(), 0); // the terms were accepted in the restored vornik.ini
    QCOMPARE(again.settingsPages().pracovnicim->toPlainText(), QStringLiteral("Jana"));
    QCOMPARE(again.settingsPages().nazevfirmyle->text(), QStringLiteral("Půjčovna s.r.o."));
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
