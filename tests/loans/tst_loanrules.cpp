#include "Clock.h"
#include "DayNumber.h"
#include "Lexicon.h"
#include "LoanColours.h"
#include "LoanStatus.h"
#include "TitleSort.h"

#include <QtTest>

namespace {
const QDateTime now(QDate(2024, 3, 10), QTime(12, 0));
double nowDay()
{
    return DayNumber::fromDateTime(now);
}
} // namespace

class TestLoanRules : public QObject
{
    Q_OBJECT

private slots:
    void init() { Clock::install(&m_clock); }
    void cleanup() { Clock::install(nullptr); }

    void bands_data();
    void bands();
    void thresholdsOutOfOrder();
    void windowsColours();
    void statusText_data();
    void statusText();
    void sort_data();
    void sort();

private:
    FixedClock m_clock{now, QLocale(QLocale::Czech)};
};

void TestLoanRules::bands_data()
{
    QTest::addColumn<double>("daysLeft");
    QTest::addColumn<bool>("noEndDate");
    QTest::addColumn<bool>("returned");
    QTest::addColumn<int>("band");

    const double minute = 1.0 / 1440;
    QTest::newRow("overdue") << -3.0 << false << false << 0;
    QTest::newRow("due now") << 0.0 << false << false << 0;
    QTest::newRow("one minute left") << minute << false << false << 1;
    QTest::newRow("half a day") << 0.5 << false << false << 1;
    QTest::newRow("exactly 7 days") << 7.0 << false << false << 1;
    QTest::newRow("7 days and a minute") << 7.0 + minute << false << false << 2;
    QTest::newRow("exactly 14 days") << 14.0 << false << false << 2;
    QTest::newRow("20 days") << 20.0 << false << false << 3;
    QTest::newRow("exactly 32 days") << 32.0 << false << false << 3;
    QTest::newRow("exactly 64 days") << 64.0 << false << false << 4;
    QTest::newRow("100 days") << 100.0 << false << false << 5;
    QTest::newRow("exactly 128 days") << 128.0 << false << false << 5;
    QTest::newRow("128 days and a minute") << 128.0 + minute << false << false << 6;
    QTest::newRow("no end date") << 0.0 << true << false << 0;
    QTest::newRow("returned though overdue") << -30.0 << false << true << LoanBand::Returned;
    QTest::newRow("returned, no end date") << 0.0 << true << true << LoanBand::Returned;
}

void TestLoanRules::bands()
{
    QFETCH(double, daysLeft);
    QFETCH(bool, noEndDate);
    QFETCH(bool, returned);
    QFETCH(int, band);

    LoanColours colours;
    colours.returned = 0x123456;
    const double dateto = noEndDate ? DayNumber::Empty : nowDay() + daysLeft;
    const double returnedDay = returned ? nowDay() - 1 : DayNumber::Empty;
    QCOMPARE(loanBand(dateto, returnedDay, colours.thresholds, now), band);
    const QColor expected = LoanColours::toColor(band == LoanBand::Returned ? colours.returned : colours.bands[band]);
    QCOMPARE(getbarvazapujcky(dateto, returnedDay, colours), expected);
}

// Thresholds out of order: the tests run in band order and the last one that holds wins.
void TestLoanRules::thresholdsOutOfOrder()
{
    const std::array<int, 6> thresholds{0, 14, 7, 32, 64, 128};
    QCOMPARE(loanBand(nowDay() + 10, DayNumber::Empty, thresholds, now), 3);
    QCOMPARE(loanBand(nowDay() + 5, DayNumber::Empty, thresholds, now), 1);
}

void TestLoanRules::windowsColours()
{
    // The settings file keeps red in the lowest byte.
    QCOMPARE(LoanColours::toColor(16744703), QColor(0xFF, 0x80, 0xFF));
    QCOMPARE(LoanColours::toColor(255), QColor(0xFF, 0, 0));
    QCOMPARE(LoanColours::toColor(7124735), QColor(0xFF, 0xB6, 0x6C));
    QCOMPARE(LoanColours::fromColor(QColor(0xFF, 0x59, 0x59)), quint32(5855743));
}

void TestLoanRules::statusText_data()
{
    QTest::addColumn<double>("daysLeft");
    QTest::addColumn<bool>("noEndDate");
    QTest::addColumn<bool>("returned");
    QTest::addColumn<QString>("expected"); // "-" for no change

    const QString prefix = QStringLiteral("Nevyřízená zápůjčka, zbývá: ");
    QTest::newRow("2.5 days overdue") << -2.5 << false << false << prefix + "-2 dní 12 hodin";
    QTest::newRow("3 days 6 hours left") << 3.25 << false << false << prefix + "3 dní 6 hodin";
    QTest::newRow("12 hours left") << 0.5 << false << false << prefix + "0 dní 12 hodin";
    QTest::newRow("12 hours overdue") << -0.5 << false << false << prefix + "-0 dní 12 hodin";
    QTest::newRow("a fraction short of 3 days") << 3.0 - 1e-9 << false << false << prefix + "3 dní 0 hodin";
    QTest::newRow("no end date") << 0.0 << true << false << "Není zadáno datum trvání zápůjčky.";
    QTest::newRow("no end date, returned") << 0.0 << true << true << "Není zadáno datum trvání zápůjčky.";
    QTest::newRow("returned") << 5.0 << false << true << "-";
}

void TestLoanRules::statusText()
{
    QFETCH(double, daysLeft);
    QFETCH(bool, noEndDate);
    QFETCH(bool, returned);
    QFETCH(QString, expected);

    const Lexicon lexicon;
    const double dateto = noEndDate ? DayNumber::Empty : nowDay() + daysLeft;
    const double returnedDay = returned ? nowDay() : DayNumber::Empty;
    const std::optional<QString> text = loanStatusText(lexicon, dateto, returnedDay, now);
    QCOMPARE(text.value_or(QStringLiteral("-")), expected);
}

void TestLoanRules::sort_data()
{
    QTest::addColumn<QString>("statement");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("expected");

    const QString def = QStringLiteral("select * from loans where returned<10 order by dateto ");
    QTest::newRow("asc turns desc") << def + "asc"
                                    << "dateto" << def + "desc";
    QTest::newRow("desc turns asc") << def + "desc"
                                    << "dateto" << def + "asc";
    QTest::newRow("both give asc") << "select * from loans where note='asc' order by id desc"
                                   << "customer"
                                   << "select * from loans where note='asc' order by customer asc";
    QTest::newRow("neither gives asc") << "select * from loans order by id"
                                       << "customer"
                                       << "select * from loans order by customer asc";
    QTest::newRow("no order by") << "select * from loans"
                                 << "id"
                                 << "select * from loans\n order by id asc";
    QTest::newRow("mixed case keeps its letters")
        << "SELECT * FROM loans WHERE customer='Novák' ORDER BY dateto ASC"
        << "customer"
        << "SELECT * FROM loans WHERE customer='Novák' ORDER BY customer desc";
    QTest::newRow("asc inside a literal counts")
        << "select * from loans where customer like '%Vasco%'"
        << "id"
        << "select * from loans where customer like '%Vasco%'\n order by id desc";
    QTest::newRow("clause over several lines") << "select *\r\nfrom loans\r\nORDER BY\r\ndateto Asc"
                                               << "price"
                                               << "select *\nfrom loans\nORDER BY price desc";
    QTest::newRow("cut at the first order by") << "select * from loans order by id asc order by x"
                                               << "note"
                                               << "select * from loans order by note desc";
    QTest::newRow("odd field name quoted") << "select * from loans"
                                           << "a \"b\""
                                           << "select * from loans\n order by \"a \"\"b\"\"\" asc";
}

void TestLoanRules::sort()
{
    QFETCH(QString, statement);
    QFETCH(QString, field);
    QFETCH(QString, expected);
    QCOMPARE(sortedStatement(statement, field), expected);
}

QTEST_GUILESS_MAIN(TestLoanRules)
#include "tst_loanrules.moc"
