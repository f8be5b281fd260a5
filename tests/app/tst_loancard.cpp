#include "AppTestEnv.h"
#include "Clock.h"
#include "DatabaseStartup.h"
#include "DayNumber.h"
#include "DayNumberEdit.h"
#include "LoanRecord.h"
#include "ScriptedDialogs.h"
#include "SettingsPages.h"
#include "Tdm.h"
#include "TestEnv.h"
#include "Tzapujckaf.h"
#include "Tzapujckyf.h"
#include "Users.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QStatusBar>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

namespace {

struct Env : Clocked, AppTestEnv
{
    Env()
    {
        prepareSettings();
        folder.writeText(QStringLiteral("setup/pracovnici"), "Jan\nEva\n");
        window = std::make_unique<Tzapujckyf>(dm);
        ok = window->formCreate(nullptr);
        dm.globals().jmeno = QStringLiteral("eva");
        card = std::make_unique<Tzapujckaf>(dm, window.get());
        window->setLoanCard(card.get());
        window->show();
    }
    ~Env()
    {
        card.reset();
        window.reset();
    }
    // Runs the action; while the modal card is open, does what the test says and closes it.
    void withCard(const char* action, const std::function<void(Tzapujckaf&)>& inside)
    {
        bool ran = false;
        QTimer::singleShot(0, card.get(), [&] {
            ran = true;
            inside(*card);
            if (card->isVisible())
                card->reject();
        });
        window->action(QLatin1String(action))->trigger();
        QVERIFY(ran);
    }
    LoanRecord stored(qint64 id)
    {
        LoanRecord r;
        LoanRecord::load(dm.db(), id, &r);
        return r;
    }

    std::unique_ptr<Tzapujckyf> window;
    std::unique_ptr<Tzapujckaf> card;
    bool ok = false;
};

} // namespace

class TestLoanCard : public QObject
{
    Q_OBJECT

private slots:
    void createEditSaveReopen();
    void closeQuestionSaves();
    void dueDatePresetAndStatus();
    void typedDate_data();
    void typedDate();
    void customerUnassign();
    void readOnlyUser();
    void ownCounterAndOwnNumber();
};

void TestLoanCard::createEditSaveReopen()
{
    Env env;
    QVERIFY(env.ok);
    qint64 id = 0;
    env.withCard("novaza", [&](Tzapujckaf& card) {
        id = card.loanId();
        QCOMPARE(card.cislozapujckyl->text(), QString::number(id));
        QCOMPARE(card.person1zcb->count(), 2); // the staff names
        card.customerzle->setText(QStringLiteral("Nováková"));
        card.advancezjvs->setValue(500.5);
        card.accessorieszle->setText(QStringLiteral("  nabíječka  "));
        card.person1zcb->setEditText(QStringLiteral("Jan"));
        if (qEnvironmentVariableIsSet("VORNIK_SCREENSHOTS"))
            card.grab().save(qEnvironmentVariable("VORNIK_SCREENSHOTS") + QStringLiteral("/loancard.png"));
        card.ulozitazavritzb->click();
        QVERIFY(!card.isVisible());
    });
    QCOMPARE(id, qint64(1));
    QCOMPARE(env.dialogs->shown.size(), 0); // saved with the button: no question
    LoanRecord r = env.stored(id);
    QCOMPARE(r.customer, QStringLiteral("Nováková"));
    QCOMPARE(r.advance, 500.5);
    QCOMPARE(r.accessories, QStringLiteral("nabíječka"));
    QCOMPARE(r.person1, QStringLiteral("Jan"));
    QCOMPARE(r.ownnumber, QStringLiteral("1"));
    QCOMPARE(r.datefrom, DayNumber::fromDateTime(env.clock.now()));
    QCOMPARE(r.loanlog.split(QLatin1Char('\n')).size(), 2);
    QVERIFY(r.loanlog.contains(QStringLiteral("vytvořil: eva")));
    QVERIFY(r.loanlog.contains(QStringLiteral("upravil: eva")));
    // The list shows the loan and stands on it.
    QCOMPARE(env.window->currentLoanId(), id);

    // "zobrazit log": the current loan's log as a text file named by the moment, opened with its program.
    QTemporaryDir temp;
    qputenv("TMPDIR", temp.path().toUtf8());
    env.window->action(QStringLiteral("loga"))->trigger();
    qunsetenv("TMPDIR");
    QCOMPARE(env.shell->opened.size(), 1);
    const QString logFile = env.shell->opened.first();
    QCOMPARE(QFileInfo(logFile).fileName(), QStringLiteral("46083,4166666667.txt")); // 2 March 2026 10:00, Czech
    QFile written(logFile);
    QVERIFY(written.open(QIODevice::ReadOnly));
    QCOMPARE(QString::fromUtf8(written.readAll()), r.loanlog);

    env.withCard("otevritza", [&](Tzapujckaf& card) {
        QCOMPARE(card.customerzle->text(), QStringLiteral("Nováková"));
        QCOMPARE(card.advancezjvs->value(), 500.5);
        card.notezm->setPlainText(QStringLiteral("vráceno bez závad"));
        card.returnedzdtp->setDayNumber(DayNumber::fromDate(QDate(2026, 3, 5)));
        card.ulozitazavritzb->click();
    });
    r = env.stored(id);
    QCOMPARE(r.note, QStringLiteral("vráceno bez závad"));
    QCOMPARE(DayNumber::toDate(r.returned), QDate(2026, 3, 5));
    QCOMPARE(r.loanlog.split(QLatin1Char('\n')).size(), 3);
}

void TestLoanCard::closeQuestionSaves()
{
    Env env;
    env.dialogs->answers << Dialogs::Yes;
    qint64 id = 0;
    env.withCard("novaza", [&](Tzapujckaf& card) {
        id = card.loanId();
        card.customerzle->setText(QStringLiteral("Dvořák"));
    });
    QCOMPARE(env.dialogs->texts(), QStringList{env.dm.lex(139)});
    QCOMPARE(env.stored(id).customer, QStringLiteral("Dvořák"));

    // Declined: the loan stays with its empty values.
    env.withCard("novaza", [&](Tzapujckaf& card) {
        id = card.loanId();
        card.customerzle->setText(QStringLiteral("nic"));
    });
    QCOMPARE(env.stored(id).customer, QString());
    QCOMPARE(env.stored(id).counter, 2);
}

void TestLoanCard::dueDatePresetAndStatus()
{
    Env env;
    env.withCard("novaza", [&](Tzapujckaf& card) {
        QCOMPARE(card.datetozdtp->dayNumber(), DayNumber::fromDateTime(env.clock.now()) + 30);
        QVERIFY(card.zapujckasb->currentMessage().startsWith(env.dm.lex(131)));
        QVERIFY(card.returnedzdtp->isEmptyDate());
        QCOMPARE(card.returnedzdtp->text().trimmed(), QString());
        QVERIFY(!card.datetozdtp->text().trimmed().isEmpty());
    });
    env.window->settingsPages().defaultborrowdayschb->setChecked(false);
    env.withCard("novaza", [&](Tzapujckaf& card) {
        QVERIFY(card.datetozdtp->isEmptyDate());
        QCOMPARE(card.zapujckasb->currentMessage(), env.dm.lex(130));
    });
}

void TestLoanCard::typedDate_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QDateTime>("expected"); // invalid: refused
    QTest::newRow("date only") << "31.12.2024" << QDateTime(QDate(2024, 12, 31), QTime(0, 0));
    QTest::newRow("date and time") << "1.2.2025 13:45:10" << QDateTime(QDate(2025, 2, 1), QTime(13, 45, 10));
    QTest::newRow("not a date") << "zítra" << QDateTime();
    QTest::newRow("impossible day") << "31.2.2025" << QDateTime();
}

void TestLoanCard::typedDate()
{
    QFETCH(QString, text);
    QFETCH(QDateTime, expected);
    Env env;
    env.dialogs->inputs << text;
    env.withCard("novaza", [&](Tzapujckaf& card) {
        card.zadatrun1Click(); // no target yet: nothing happens
        QCOMPARE(env.dialogs->shown.size(), 0);
        env.dialogs->inputs.clear();
        env.dialogs->inputs << text;
        card.setDateTarget(card.returnedzdtp);
        card.zadatrun1Click();
        QCOMPARE(env.dialogs->shown.at(0).caption, env.dm.lex(135));
        if (expected.isValid()) {
            QCOMPARE(card.returnedzdtp->dayNumber(), DayNumber::fromDateTime(expected));
            QCOMPARE(card.returnedzdtp->text(), expected.toString(QStringLiteral("dd.MM.yyyy")));
        } else {
            QVERIFY(card.returnedzdtp->isEmptyDate());
            QCOMPARE(env.dialogs->shown.size(), 2);
            QVERIFY(env.dialogs->shown.at(1).text.startsWith(env.dm.lex(104) + QLatin1Char(' ')));
        }
        card.vymazat1Click();
        QVERIFY(card.returnedzdtp->isEmptyDate());
    });
}

void TestLoanCard::customerUnassign()
{
    Env env;
    env.withCard("novaza", [&](Tzapujckaf& card) {
        card.customerzbsbClick(); // ".": nothing to ask
        QCOMPARE(env.dialogs->shown.size(), 0);
        card.setCustomer(42, QStringLiteral("Firma s.r.o."));
        env.dialogs->answers << Dialogs::Yes;
        card.customerzbsbClick();
        QCOMPARE(card.customerzb->text(), QStringLiteral(".."));
        QCOMPARE(card.customerzle->text(), QStringLiteral("Firma s.r.o."));
        card.setCustomer(42, QStringLiteral("Firma s.r.o."));
        card.ulozitazavritzb->click();
    });
    QCOMPARE(env.stored(1).customerid, qint64(42));
}

void TestLoanCard::readOnlyUser()
{
    Env env;
    env.withCard("novaza", [&](Tzapujckaf& card) { card.ulozitazavritzb->click(); });
    env.dm.globals().typ = Users::UserReadonly;
    env.dialogs->shown.clear();
    env.withCard("otevritza", [&](Tzapujckaf& card) {
        for (QWidget* w : std::initializer_list<QWidget*>{card.customerzle, card.datefromzdtp, card.person1zcb,
                                                          card.notezm, card.customerzb, card.borrowedthingsgrid})
            QVERIFY2(!w->isEnabled(), qPrintable(w->objectName()));
        QVERIFY(card.ulozitazavritzb->isEnabled());
    });
    QCOMPARE(env.dialogs->shown.size(), 0); // closing asks nothing
}

void TestLoanCard::ownCounterAndOwnNumber()
{
    Env env;
    SettingsPages& pages = env.window->settingsPages();
    pages.ciselnaradale->setText(QStringLiteral("2024/"));
    pages.vlastnipocitadlochb->setChecked(true);
    env.withCard("novaza", [&](Tzapujckaf& card) { QCOMPARE(card.cislozapujckyl->text(), QStringLiteral("2024/1")); });
    pages.vlastnipocitadlospine->setValue(500);
    env.dialogs->answers << Dialogs::Yes << Dialogs::No; // set the counter; then decline saving the new card
    env.window->vlastnipocitadlobClick();
    env.withCard("novaza",
                 [&](Tzapujckaf& card) { QCOMPARE(card.cislozapujckyl->text(), QStringLiteral("2024/501")); });
    // Looking at the number series shows the counter of the newest loan.
    pages.vlastnipocitadlospine->setValue(0);
    pages.tabs->setCurrentWidget(pages.zakladnits);
    pages.tabs->setCurrentWidget(pages.ciselneradts);
    QCOMPARE(pages.vlastnipocitadlospine->value(), 501);

    env.dialogs->shown.clear();
    env.dialogs->answers << Dialogs::Yes;
    env.dialogs->inputs << QStringLiteral(" X-1 ");
    env.window->positionOn(2);
    env.window->upravitlvlcislozapaClick();
    QCOMPARE(env.dialogs->shown.at(0).text, env.dm.lex(159));
    QCOMPARE(env.dialogs->shown.at(1).caption, env.dm.lex(160));
    QCOMPARE(env.stored(2).ownnumber, QStringLiteral("X-1"));
    QCOMPARE(env.window->currentLoanId(), qint64(2));
}

QTEST_MAIN(TestLoanCard)
#include "tst_loancard.moc"
