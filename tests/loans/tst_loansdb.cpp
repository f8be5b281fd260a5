#include "DayNumber.h"
#include "FilterFile.h"
#include "Lexicon.h"
#include "LikeCondition.h"
#include "LoanDeletion.h"
#include "LoanSearch.h"
#include "LoansFixture.h"
#include "ScriptedDialogs.h"
#include "TitleSort.h"

#include <QtTest>
#include <algorithm>
#include <map>
#include <memory>

namespace {

QString idText(QList<qint64> ids, bool sorted)
{
    if (sorted)
        std::sort(ids.begin(), ids.end());
    QStringList parts;
    for (qint64 id : ids)
        parts << QString::number(id);
    return parts.join(QLatin1Char(','));
}

} // namespace

class TestLoansDb : public QObject
{
    Q_OBJECT

private slots:
    void cleanupTestCase() { m_fixtures.clear(); }

    void statementText();
    void searchLoans_data();
    void searchLoans();
    void searchThings_data();
    void searchThings();
    void deleteWithReseed_data() { enginesData(); }
    void deleteWithReseed();
    void failedDeletionLeavesAll_data() { enginesData(); }
    void failedDeletionLeavesAll();
    void deletionAction_data() { enginesData(); }
    void deletionAction();
    void shippedFilterFiles_data() { enginesData(); }
    void shippedFilterFiles();

private:
    // One filled database per engine, shared by the search cases.
    LoansFixture& searchFixture(const QString& engine);
    std::map<QString, std::unique_ptr<LoansFixture>> m_fixtures;
};

LoansFixture& TestLoansDb::searchFixture(const QString& engine)
{
    auto& f = m_fixtures[engine];
    if (f)
        return *f;
    f = std::make_unique<LoansFixture>(engine);
    const double base = 45000;
    auto loan = [&](int n, const QString& customer, const QString& column, const QString& text) {
        QVariantMap v{{QStringLiteral("customer"), customer}, {QStringLiteral("dateto"), base + n}};
        if (!column.isEmpty())
            v.insert(column, text);
        QCOMPARE(f->loan(v), qint64(n));
    };
    loan(1, "Novák Jan", "note", "O'Brien přijde");
    loan(2, "NOVÁK Petr", "note", "100% sleva");
    loan(3, "Dvořák", "accessories", "[x] kufr, a_b kód");
    loan(4, "Svoboda", "note", "100 kusů axb x");
    loan(5, "Černá", "note", "wow! C:\\temp\\x");
    loan(6, "novák Eva", "things", "vrtačka");
    f->db.exec("update loans set things='vrtačka Bosch' where id=1");
    f->thing(1, "Vrtačka Bosch");
    f->thing(1, "Kufr");
    f->thing(2, "vrtačka Makita");
    f->thing(3, "Bruska 100%");
    f->thing(4, "Bruska 1000 W");
    f->thing(6, "vrtačka Bosch");
    return *f;
}

void TestLoansDb::statementText()
{
    const QStringList words{"A", "B"};
    const QStringList columns{"id", "customer", "bad name"};
    QCOMPARE(LoanSearch::podlezapujcekStatement(words, columns, ConnectionInfo::Engine::SQLite),
             QStringLiteral("select * from loans where (id like '%A%' escape '!' or customer like '%A%' escape '!')"
                            " AND (id like '%B%' escape '!' or customer like '%B%' escape '!') order by dateto DESC"));
    QCOMPARE(LoanSearch::podlezapujcekStatement({"x"}, {"id"}, ConnectionInfo::Engine::PostgreSQL),
             QStringLiteral("select * from loans where (id::text ilike E'%x%' escape E'!') order by dateto DESC"));
    QCOMPARE(LoanSearch::thingsStatement({"a", "b"}, ConnectionInfo::Engine::SQLite),
             QStringLiteral("select borrowedid from loanthings where description like '%a%' escape '!' and "
                            "description like '%b%' escape '!'"));
    QCOMPARE(LoanSearch::podlezapujcekStatement({}, columns, ConnectionInfo::Engine::SQLite), QString());

    QCOMPARE(LoanSearch::words("  a  b "), (QStringList{"a", "", "b"}));
    QCOMPARE(LoanSearch::words("   "), QStringList());
    QCOMPARE(LikeCondition::containsPattern("1!0%_"), QStringLiteral("%1!!0!%!_%"));
    QCOMPARE(LikeCondition::literal("O'B\\", ConnectionInfo::Engine::SQLite), QStringLiteral("'O''B\\'"));
    QCOMPARE(LikeCondition::literal("O'B\\", ConnectionInfo::Engine::PostgreSQL), QStringLiteral("E'O''B\\\\'"));
}

void TestLoansDb::searchLoans_data()
{
    QTest::addColumn<QString>("engine");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("ids"); // in the statement's order: newest due date first

    const QList<std::pair<const char*, std::pair<QString, QString>>> cases{
        {"lower case", {"novák", "6,2,1"}},
        {"upper case", {"NOVÁK", "6,2,1"}},
        {"mixed case", {"čERNÁ", "5"}},
        {"two words in different columns", {"novák vrtačka", "6,1"}},
        {"two spaces add an empty word", {"novák  vrtačka", "6,1"}},
        {"both words needed", {"novák bosch", "1"}},
        {"apostrophe", {"O'Brien", "1"}},
        {"percent sign", {"100%", "2"}},
        {"underscore", {"a_b", "3"}},
        {"bracket", {"[x]", "3"}},
        {"escape character", {"wow!", "5"}},
        {"backslash", {"C:\\temp", "5"}},
        {"backslash before apostrophe", {"\\'", ""}},
        {"statement breaker", {"'; drop table loans; --", ""}},
    };
    for (const QString& engine : TestEnv::engines()) {
        for (const auto& [name, c] : cases)
            QTest::addRow("%s: %s", qPrintable(engine), name) << engine << c.first << c.second;
    }
}

void TestLoansDb::searchLoans()
{
    QFETCH(QString, engine);
    QFETCH(QString, text);
    QFETCH(QString, ids);
    LoansFixture& f = searchFixture(engine);
    const QString sql =
        LoanSearch::podlezapujcekStatement(LoanSearch::words(text), LoanSearch::loanColumns(), f.db.engine());
    QCOMPARE(idText(f.ids(sql), false), ids);
    QCOMPARE(f.count("select count(*) from loans"), 6);
    // A title click on the search result keeps the search and changes only the order.
    QCOMPARE(idText(f.ids(sortedStatement(sql, "id")), false), idText(f.ids(sql), true));
}

void TestLoansDb::searchThings_data()
{
    QTest::addColumn<QString>("engine");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("ids");

    const QList<std::pair<const char*, std::pair<QString, QString>>> cases{
        {"one word, any case", {"VRTAČKA", "1,2,6"}},
        {"two words in one item", {"vrtačka bosch", "1,6"}},
        {"words in different items", {"vrtačka kufr", ""}},
        {"percent sign", {"100%", "3"}},
        {"apostrophe", {"O'Brien", ""}},
        {"statement breaker", {"'; drop table loanthings; --", ""}},
    };
    for (const QString& engine : TestEnv::engines()) {
        for (const auto& [name, c] : cases)
            QTest::addRow("%s: %s", qPrintable(engine), name) << engine << c.first << c.second;
    }
}

void TestLoansDb::searchThings()
{
    QFETCH(QString, engine);
    QFETCH(QString, text);
    QFETCH(QString, ids);
    LoansFixture& f = searchFixture(engine);
    const QString sql = LoanSearch::podleveciStatement(f.db, LoanSearch::words(text));
    QCOMPARE(idText(f.ids(sql), true), ids);
    if (ids.isEmpty())
        QCOMPARE(sql, QStringLiteral("select * from loans where id<0"));
    QCOMPARE(f.count("select count(*) from loanthings"), 6);
}

void TestLoansDb::deleteWithReseed()
{
    QFETCH(QString, engine);
    LoansFixture f(engine);
    for (int i = 1; i <= 3; ++i) {
        const qint64 id = f.loan({{"customer", QString("c%1").arg(i)}});
        f.thing(id, "věc");
        f.attachment(id, "a.pdf");
    }
    LoanDeletion::remove(f.db, 3);
    QCOMPARE(idText(f.ids("select id from loans"), true), QStringLiteral("1,2"));
    QCOMPARE(idText(f.ids("select borrowedid from loanthings"), true), QStringLiteral("1,2"));
    QCOMPARE(idText(f.ids("select borrowedid from loanattachments"), true), QStringLiteral("1,2"));
    QCOMPARE(f.loan({{"customer", "nová"}}), qint64(3)); // the freed top id is given out again

    for (qint64 id : {1, 2, 3})
        LoanDeletion::remove(f.db, id);
    QCOMPARE(f.count("select count(*) from loanthings") + f.count("select count(*) from loanattachments"), 0);
    QCOMPARE(f.loan({{"customer", "první"}}), qint64(1));
}

void TestLoansDb::failedDeletionLeavesAll()
{
    QFETCH(QString, engine);
    LoansFixture f(engine);
    const qint64 id = f.loan({{"customer", "c"}});
    f.thing(id, "věc");
    f.db.exec("drop table loanattachments"); // the third step fails
    QVERIFY_THROWS_EXCEPTION(DbError, LoanDeletion::remove(f.db, id));
    QCOMPARE(f.count("select count(*) from loans"), 1);
    QCOMPARE(f.count("select count(*) from loanthings"), 1);
}

void TestLoansDb::deletionAction()
{
    QFETCH(QString, engine);
    LoansFixture f(engine);
    const Lexicon lexicon;
    ScriptedDialogs dialogs;
    const qint64 id = f.loan({{"customer", "c"}, {"ownnumber", "Z-7"}});

    dialogs.answers.enqueue(Dialogs::No);
    QVERIFY(!LoanDeletion::zaptrvaleodstranitaExecute(f.db, dialogs, lexicon, id, "Z-7"));
    QCOMPARE(f.count("select count(*) from loans"), 1);
    QCOMPARE(dialogs.shown.size(), 1);
    QCOMPARE(dialogs.shown.at(0).caption, QStringLiteral("otázka"));
    QCOMPARE(dialogs.shown.at(0).text, QStringLiteral("Opravdu trvale vymazat zápůjčku s evidenčním číslem: Z-7?"));
    QCOMPARE(dialogs.shown.at(0).icon, Dialogs::Icon::Information);
    QCOMPARE(dialogs.shown.at(0).buttons, Dialogs::Yes | Dialogs::No);

    f.db.exec("drop table loanthings");
    dialogs.answers.enqueue(Dialogs::Yes);
    QVERIFY(!LoanDeletion::zaptrvaleodstranitaExecute(f.db, dialogs, lexicon, id, "Z-7"));
    QCOMPARE(dialogs.shown.last().caption, QStringLiteral("chyba"));
    QCOMPARE(dialogs.shown.last().icon, Dialogs::Icon::Error);
    QVERIFY(dialogs.shown.last().text.startsWith(QStringLiteral("Chyba během odstraňování záznamu.: ")));
    QCOMPARE(f.count("select count(*) from loans"), 1);

    f.db.exec("create table loanthings (id integer primary key, borrowedid integer, description text)");
    dialogs.answers.enqueue(Dialogs::Yes);
    QVERIFY(LoanDeletion::zaptrvaleodstranitaExecute(f.db, dialogs, lexicon, id, "Z-7"));
    QCOMPARE(f.count("select count(*) from loans"), 0);
}

// The filter files the program ships: every line runs on the engine, the first line is each list's default, the
// two languages offer the same statements, and the filters by today's date pick the right rows.
void TestLoansDb::shippedFilterFiles()
{
    QFETCH(QString, engine);
    LoansFixture f(engine);
    // Two days either side of the edges, so a server counting "today" in another time zone agrees.
    const double today = DayNumber::fromDate(QDate::currentDate());
    const qint64 overdue = f.loan({{"dateto", today - 2}});
    const qint64 soon = f.loan({{"dateto", today + 3}});
    f.loan({{"dateto", today + 20}});
    f.loan({{"dateto", today - 5}, {"returned", today - 1}});
    const qint64 noDate = f.loan({{"customer", "bez data"}});
    auto device = [&](double nextdate, int active) {
        return f.db.insert("insert into devices(devicename,nextdate,active) values('d',:pnextdate,:pactive)",
                           {{"pnextdate", nextdate}, {"pactive", active}}, "devicenumber");
    };
    const qint64 serviceOverdue = device(today - 2, 1);
    const qint64 serviceSoon = device(today + 10, 1);
    device(today + 60, 1);
    device(today - 2, 0);
    f.db.exec("insert into contacts(firm,pico) values('Černá listina s.r.o.',1)");

    struct Shipped
    {
        const char* baseName;
        FilterFileKind kind;
        QMap<int, QList<qint64>> expected; // line -> the ids (first column) it selects, in order
    };
    const Shipped shipped[] = {
        {"filtryzap", FilterFileKind::loans(), {{2, {overdue}}, {3, {soon}}, {4, {noDate}}}},
        {"filtryzar", FilterFileKind::devices(), {{2, {serviceOverdue}}, {3, {serviceSoon}}}},
        {"filtryadr", FilterFileKind::contacts(), {{1, {1}}}},
    };
    for (const Shipped& s : shipped) {
        QStringList statements;
        for (const char* language : {"cs", "en"}) {
            const QString name = QLatin1String(s.baseName) + QLatin1String(language) + QStringLiteral(".txt");
            FilterFile file;
            QVERIFY2(file.load(TestEnv::resourcesDir() + QStringLiteral("setup/") + name), qPrintable(name));
            QVERIFY2(file.count() >= 4, qPrintable(name));
            QCOMPARE(file.defaultLine(s.kind), 0);
            QStringList these;
            for (int i = 0; i < file.count(); ++i) {
                const auto sql = file.statementAt(i);
                QVERIFY2(sql && !file.lines().at(i).caption().isEmpty(), qPrintable(name + QString::number(i)));
                these << *sql;
                try {
                    const QList<qint64> ids = f.ids(*sql);
                    if (s.expected.contains(i))
                        QCOMPARE(ids, s.expected.value(i));
                } catch (const DbError& e) {
                    QFAIL(qPrintable(name + QStringLiteral(": ") + e.message()));
                }
            }
            if (statements.isEmpty())
                statements = these;
            else
                QCOMPARE(these, statements);
        }
    }
}

QTEST_GUILESS_MAIN(TestLoansDb)
#include "tst_loansdb.moc"
