// Measures the loans list on generated data: 100,000 loans in a temporary program folder (SQLite, and
// PostgreSQL when VORNIK_TEST_PG names a server). Prints one figure per line: name, value, unit.
#include "AppPaths.h"
#include "Database.h"
#include "DayNumber.h"
#include "Dialect.h"
#include "FilterFile.h"
#include "LoanSearch.h"
#include "LoansModel.h"
#include "TitleSort.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QHeaderView>
#include <QRandomGenerator>
#include <QSqlError>
#include <QSqlQuery>
#include <QTableView>
#include <QTemporaryDir>
#include <cstdio>

namespace {

constexpr int LoanCount = 100000;

void figure(const QString& engine, const QString& name, double value, const char* unit)
{
    std::printf("%s_%s %.1f %s\n", qPrintable(engine), qPrintable(name), value, unit);
    std::fflush(stdout);
}

double rssMegabytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toDouble() / 1024.0;
    }
    return -1;
}

double ms(const QElapsedTimer& timer)
{
    return timer.nsecsElapsed() / 1e6;
}

// Runs a prepared multi-row insert with positional values; throws DbError when it fails.
void insertRows(QSqlQuery& query, const QVariantList& values)
{
    for (const QVariant& v : values)
        query.addBindValue(v);
    if (!query.exec())
        throw DbError(DbError::Kind::Statement, query.lastError().text());
}

QString placeholders(int rows, int columns)
{
    QStringList row(columns, QStringLiteral("?"));
    const QString one = QLatin1Char('(') + row.join(QLatin1Char(',')) + QLatin1Char(')');
    return QStringList(rows, one).join(QLatin1Char(','));
}

// Loans with Czech customers, items and notes, due within a year either side of today, a third returned.
void generate(Database& db)
{
    static const char* const firstNames[] = {"Jan", "Petr", "Jana", "Marie", "Tomáš", "Eva", "Jiří", "Lucie"};
    static const char* const lastNames[] = {"Novák",  "Svoboda", "Dvořák", "Černá", "Procházka", "Kučera",
                                            "Veselý", "Horák",   "Němec",  "Marek", "Pokorný",   "Růžička"};
    static const char* const devices[] = {"vrtačka Bosch", "bruska Makita", "pila Hilti", "žebřík 3 m", "míchačka",
                                          "lešení",        "kompresor",     "svářečka",   "sbíječka"};
    QRandomGenerator random(42);
    const double today = DayNumber::fromDateTime(QDateTime::currentDateTime());
    constexpr int batch = 500;
    static_assert(LoanCount % batch == 0);
    Transaction transaction(db);
    QSqlQuery loans(db.connection());
    loans.prepare(QStringLiteral("insert into loans(id,datefrom,dateto,customer,things,returned,note,ownnumber,"
                                 "loanlog,price) values ") +
                  placeholders(batch, 10));
    QSqlQuery items(db.connection());
    items.prepare(QStringLiteral("insert into loanthings(borrowedid,description) values ") + placeholders(batch, 2));
    for (int start = 1; start <= LoanCount; start += batch) {
        QVariantList loanValues, itemValues;
        for (int i = start; i < start + batch; ++i) {
            const double from = today - 365 + random.bounded(365.0);
            const double to = from + 1 + random.bounded(400.0);
            const bool returned = random.bounded(3) == 0;
            const QString customer = QString::fromUtf8(lastNames[random.bounded(12)]) + QLatin1Char(' ') +
                                     QString::fromUtf8(firstNames[random.bounded(8)]);
            const QString thing = QString::fromUtf8(devices[random.bounded(9)]);
            loanValues << i << from << to << customer << thing
                       << (returned ? to - random.bounded(3.0) : DayNumber::Empty)
                       << QStringLiteral("poznámka k zápůjčce %1").arg(i) << QStringLiteral("Z-%1").arg(i)
                       << QStringLiteral("vytvořil: 1.1.2024 10:00:00 admin") << double(random.bounded(5000));
            itemValues << i << thing;
        }
        insertRows(loans, loanValues);
        insertRows(items, itemValues);
    }
    db.reseed(QStringLiteral("loans"), QStringLiteral("id"));
    transaction.commit();
}

// Replaces the list statement and waits until the first page is read and painted.
void open(const QString& engine, const QString& name, LoansModel& model, QTableView& view, const QString& sql)
{
    QElapsedTimer timer;
    timer.start();
    if (!model.setStatement(sql)) {
        std::fprintf(stderr, "%s: %s\n", qPrintable(name), qPrintable(model.errorString()));
        return;
    }
    const double available = ms(timer);
    view.viewport()->repaint();
    const double painted = ms(timer);
    figure(engine, name + QStringLiteral("_first_page"), available, "ms");
    figure(engine, name + QStringLiteral("_first_page_painted"), painted, "ms");
    figure(engine, name + QStringLiteral("_rows_read"), model.rowCount(), "rows");
}

void run(const QString& engine, const ConnectionInfo& server, const QString& folder)
{
    Database db(QStringLiteral("bench-") + engine);
    db.open(server);
    const QString name = QStringLiteral("bench_%1").arg(QCoreApplication::applicationPid());
    db.createDatabase(name, folder + db.dialect().schemaScriptName());

    QElapsedTimer timer;
    timer.start();
    generate(db);
    figure(engine, QStringLiteral("generate_100000_loans"), ms(timer) / 1000.0, "s");

    {
        LoansModel model(db);
        QTableView view;
        view.resize(1200, 800);
        view.verticalHeader()->setDefaultSectionSize(17);
        view.setModel(&model);
        view.show();
        QCoreApplication::processEvents();
        const double rssBefore = rssMegabytes();

        const QString start = FilterFileKind::loans().builtInDefault;
        open(engine, QStringLiteral("open"), model, view, start);
        figure(engine, QStringLiteral("rss_list_open"), rssMegabytes(), "MB");
        figure(engine, QStringLiteral("rss_list_open_growth"), rssMegabytes() - rssBefore, "MB");

        open(engine, QStringLiteral("sort_customer"), model, view, sortedStatement(start, QStringLiteral("customer")));

        const QStringList words = LoanSearch::words(QStringLiteral("novák vrtačka"));
        open(engine, QStringLiteral("search_two_words"), model, view,
             LoanSearch::podlezapujcekStatement(words, model.resultFields(), db.engine()));

        timer.restart();
        const QString things = LoanSearch::podleveciStatement(db, LoanSearch::words(QStringLiteral("bosch")));
        figure(engine, QStringLiteral("search_things_item_statement"), ms(timer), "ms");
        open(engine, QStringLiteral("search_things"), model, view, things);

        open(engine, QStringLiteral("all_loans"), model, view, QStringLiteral("select * from loans order by id"));
        timer.restart();
        model.fetchAll();
        figure(engine, QStringLiteral("scroll_all_loans"), ms(timer), "ms");
        figure(engine, QStringLiteral("scroll_all_loans_rows"), model.rowCount(), "rows");
        figure(engine, QStringLiteral("rss_all_rows_read"), rssMegabytes(), "MB");
    }
    db.use(QString());
    db.dropDatabase(name);
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir dir;
    AppPaths::setProgramFolder(dir.path());
    const QString folder = AppPaths::programFolder();
    for (const char* script : {"vornik.sql", "vornik.pg.sql"})
        QFile::copy(QStringLiteral(VORNIK_RESOURCES_DIR "/") + QLatin1String(script), folder + QLatin1String(script));

    try {
        ConnectionInfo sqlite;
        run(QStringLiteral("sqlite"), sqlite, folder);
        if (!qEnvironmentVariableIsEmpty("VORNIK_TEST_PG")) {
            ConnectionInfo pg;
            ConnectionInfo::parse(qEnvironmentVariable("VORNIK_TEST_PG"), &pg, nullptr);
            pg.catalog.clear();
            run(QStringLiteral("pg"), pg, folder);
        }
    } catch (const DbError& e) {
        std::fprintf(stderr, "%s\n", qPrintable(e.message()));
        return 1;
    }
    return 0;
}
