#include "AppTestEnv.h"
#include "DatabaseStartup.h"
#include "LoginDecision.h"
#include "ScriptedDialogs.h"
#include "SettingsPages.h"
#include "Tdm.h"
#include "TestEnv.h"
#include "Tloginf.h"
#include "Users.h"
#include "UsersPage.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QtTest>

namespace {

struct Env : AppTestEnv
{
    Env() { ok = DatabaseStartup::connect(dm); }
    bool ok = false;
};

} // namespace

class TestUsers : public QObject
{
    Q_OBJECT

private slots:
    void login_data();
    void login();
    void enterMovesFocusToButton();
    void addEditStorno();
    void validation_data();
    void validation();
    void passwordsMasked();
    void rememberLoginAsksRisk();
    void decisionAtStart();
};

void TestUsers::login_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("password");
    QTest::addColumn<bool>("success");
    QTest::addColumn<bool>("error51");
    QTest::newRow("admin, default password") << "admin"
                                             << "907318" << true << false;
    QTest::newRow("blanks around are trimmed") << "  admin "
                                               << " 907318 " << true << false;
    QTest::newRow("wrong password") << "admin"
                                    << "x" << false << true;
    QTest::newRow("unknown name") << "nobody"
                                  << "x" << false << true;
    QTest::newRow("unknown name, empty password") << "nobody"
                                                  << "" << false << true;
    QTest::newRow("empty name") << ""
                                << "907318" << false << false;
    QTest::newRow("name case differs") << "ADMIN"
                                       << "907318" << false << true;
}

void TestUsers::login()
{
    QFETCH(QString, name);
    QFETCH(QString, password);
    QFETCH(bool, success);
    QFETCH(bool, error51);
    Env env;
    QVERIFY(env.ok);
    Tloginf login(env.dm);
    login.show();
    login.jmenole->setText(name);
    login.heslole->setText(password);
    login.prihlasitb->click();
    QCOMPARE(login.loggedIn(), success);
    QCOMPARE(login.result() == QDialog::Accepted, success);
    QCOMPARE(env.dialogs->texts(), error51 ? QStringList{env.dm.lex(51)} : QStringList());
    if (error51) {
        QCOMPARE(env.dialogs->shown.at(0).caption, env.dm.lex(52));
        QCOMPARE(env.dialogs->shown.at(0).icon, Dialogs::Icon::Error);
    }
    if (success) {
        QCOMPARE(env.dm.globals().typ, Users::Administrator);
        QCOMPARE(env.dm.globals().uzid, 1);
        QCOMPARE(env.dm.globals().firstname, QStringLiteral("John"));
    }
}

void TestUsers::enterMovesFocusToButton()
{
    Env env;
    Tloginf login(env.dm);
    login.show();
    QApplication::setActiveWindow(&login);
    login.jmenole->setFocus();
    login.jmenole->setText(QStringLiteral("admin"));
    QTest::keyClick(login.jmenole, Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), login.prihlasitb);
    QVERIFY(login.isVisible()); // the first Enter did not press the button
    login.heslole->setText(QStringLiteral("907318"));
    QTest::keyClick(login.prihlasitb, Qt::Key_Return);
    QVERIFY(login.loggedIn());
    QCOMPARE(login.result(), int(QDialog::Accepted));
}

void TestUsers::addEditStorno()
{
    Env env;
    QTabWidget tabs;
    SettingsPages pages(&tabs);
    UsersPage page(env.dm, pages);
    page.reload();
    QCOMPARE(pages.usersdbgrid->model()->rowCount(), 2);

    pages.usernamele->setText(QStringLiteral(" eva "));
    pages.userpwle->setText(QStringLiteral("tajne"));
    pages.typecb->setCurrentIndex(2);
    pages.lastnamele->setText(QStringLiteral("Nováková"));
    pages.phonele->setText(QStringLiteral("603 123 456"));
    page.adduserbClick();
    QCOMPARE(env.dialogs->shown.size(), 0);
    QCOMPARE(pages.usersdbgrid->model()->rowCount(), 3);
    QCOMPARE(pages.usersdbgrid->currentIndex().row(), 2);
    QCOMPARE(pages.usernamele->text(), QString());
    QCOMPARE(pages.typecb->currentIndex(), -1);
    QCOMPARE(env.dm.db().scalar(QStringLiteral("select usertype from users where username='eva'")).toString(),
             Users::UserReadonly);

    // Edit eva, press storno, type new texts, update: the same user changes.
    page.editCurrent();
    QCOMPARE(pages.adduserb->text(), QStringLiteral("aktualizovat"));
    QVERIFY(!pages.stornouserb->isHidden());
    QCOMPARE(pages.userpwle->text(), QStringLiteral("tajne"));
    QCOMPARE(pages.phonele->text(), QStringLiteral("603 123 456"));
    const QString id = pages.uzidl->text();
    page.stornouserbClick();
    QCOMPARE(pages.usernamele->text(), QString());
    QCOMPARE(pages.uzidl->text(), id);
    QCOMPARE(pages.adduserb->text(), QStringLiteral("aktualizovat"));
    pages.usernamele->setText(QStringLiteral("eva2"));
    pages.userpwle->setText(QStringLiteral("nove"));
    pages.typecb->setCurrentIndex(1);
    page.adduserbClick();
    QCOMPARE(env.dm.db().scalar(QStringLiteral("select count(*) from users")).toInt(), 3);
    QCOMPARE(env.dm.db().scalar(QStringLiteral("select username from users where userid=") + id).toString(),
             QStringLiteral("eva2"));
    QCOMPARE(pages.uzidl->text(), QStringLiteral("uzidl"));
    QCOMPARE(pages.adduserb->text(), QStringLiteral("přidat"));
    QVERIFY(pages.stornouserb->isHidden());
}

void TestUsers::validation_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("password");
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("lexicon");
    QTest::newRow("no name") << "  "
                             << "x" << 0 << 55;
    QTest::newRow("no password") << "a"
                                 << " " << 0 << 56;
    QTest::newRow("no type") << "a"
                             << "x" << -1 << 57;
}

void TestUsers::validation()
{
    QFETCH(QString, name);
    QFETCH(QString, password);
    QFETCH(int, type);
    QFETCH(int, lexicon);
    Env env;
    QTabWidget tabs;
    SettingsPages pages(&tabs);
    UsersPage page(env.dm, pages);
    page.reload();
    pages.usernamele->setText(name);
    pages.userpwle->setText(password);
    pages.typecb->setCurrentIndex(type);
    page.adduserbClick();
    QCOMPARE(env.dialogs->texts(), QStringList{env.dm.lex(lexicon)});
    QCOMPARE(env.dialogs->shown.at(0).caption, env.dm.lex(0));
    QCOMPARE(env.dm.db().scalar(QStringLiteral("select count(*) from users")).toInt(), 2);
    QCOMPARE(pages.usernamele->text(), name); // the fields keep what was typed
}

void TestUsers::passwordsMasked()
{
    Env env;
    QTabWidget tabs;
    SettingsPages pages(&tabs);
    UsersPage page(env.dm, pages);
    page.reload();
    const QAbstractItemModel* model = pages.usersdbgrid->model();
    // The grid layout is kept under field names, whatever the titles' language.
    QCOMPARE(model->headerData(1, Qt::Horizontal, Qt::UserRole).toString(), QStringLiteral("userpw"));
    for (int row = 0; row < model->rowCount(); ++row) {
        for (int column = 0; column < model->columnCount(); ++column) {
            const QString shown = model->index(row, column).data().toString();
            QVERIFY2(shown != QLatin1String("907318") && shown != QLatin1String("kuzd"), qPrintable(shown));
        }
    }
}

void TestUsers::rememberLoginAsksRisk()
{
    Env env;
    QTabWidget tabs;
    SettingsPages pages(&tabs);
    UsersPage page(env.dm, pages);
    pages.pamatovatloginchb->click(); // the script answers No
    QVERIFY(!pages.pamatovatloginchb->isChecked());
    QCOMPARE(env.dialogs->texts(), QStringList{env.dm.lex(167)});
    QCOMPARE(env.dialogs->shown.at(0).caption, env.dm.lex(2));
    env.dialogs->answers << Dialogs::Yes;
    pages.pamatovatloginchb->click();
    QVERIFY(pages.pamatovatloginchb->isChecked());
    pages.pamatovatloginchb->click(); // unchecking asks nothing
    QCOMPARE(env.dialogs->shown.size(), 2);
}

void TestUsers::decisionAtStart()
{
    Env env;
    {
        Tloginf login(env.dm);
        QVERIFY(LoginDecision::run(env.dm, {false, false}, login));
        QCOMPARE(env.dm.globals().typ, Users::LoginOff);
        QCOMPARE(env.dm.globals().jmeno, QStringLiteral("admin"));
        QCOMPARE(env.dm.globals().uzid, 1);
    }
    // Remembered login: the fields come filled in; a click logs in; the values are written back.
    env.folder.writeText(QStringLiteral("extra.ini"), "[setup]\r\njmenole=admin\r\nheslole=907318\r\n");
    {
        Tloginf login(env.dm);
        QTimer::singleShot(50, &login, [&] {
            QCOMPARE(login.jmenole->text(), QStringLiteral("admin"));
            login.heslole->setText(QStringLiteral("907318"));
            login.prihlasitb->click();
        });
        QVERIFY(LoginDecision::run(env.dm, {true, true}, login));
        QCOMPARE(env.dm.globals().typ, Users::Administrator);
    }
    // Without remembering, the fields start empty; closing the window without a login ends the program.
    {
        Tloginf login(env.dm);
        QTimer::singleShot(50, &login, [&] {
            QCOMPARE(login.jmenole->text(), QString());
            login.jmenole->setText(QStringLiteral("nobody"));
            login.close();
        });
        QVERIFY(!LoginDecision::run(env.dm, {true, false}, login));
    }
}

QTEST_MAIN(TestUsers)
#include "tst_users.moc"
