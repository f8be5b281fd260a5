#include "TestEnv.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>
#include <csignal>

// The real program in a fresh program folder: first start, and the close sequence when the desktop session
// ends it with SIGTERM.
class TestProcess : public QObject
{
    Q_OBJECT

private slots:
    void firstStartAndTermination();
    void terminationDuringStartKeepsFiles();
};

namespace {

QByteArray readAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

const QString program = QStringLiteral(VORNIK_PROGRAM_DIR "/");

// A program folder as an installation lays it out, and the program started on it offscreen.
void prepareFolder(const QString& dir)
{
    for (const char* name : {"mssql.udl", "vornik.sql", "vornik.pg.sql"})
        QVERIFY(QFile::copy(program + QLatin1String(name), dir + QLatin1String(name)));
    QDir().mkpath(dir + QStringLiteral("setup"));
    for (const QString& name : QDir(program + QStringLiteral("setup")).entryList({QStringLiteral("filtry*.txt")}))
        QVERIFY(QFile::copy(program + QStringLiteral("setup/") + name, dir + QStringLiteral("setup/") + name));
}

// Runs the program until `ready` exists (and a moment more), then ends it as a desktop session would.
void run(const QString& dir, QProcess& vornik, const QString& ready)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("VORNIK_HOME"), dir);
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    vornik.setProcessEnvironment(env);
    vornik.setProcessChannelMode(QProcess::MergedChannels);
    vornik.start(program + QStringLiteral("vornik"), {});
    QVERIFY(vornik.waitForStarted());
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(dir + ready), 30000);
    QTest::qWait(1500);
    QCOMPARE(vornik.state(), QProcess::Running);
    ::kill(pid_t(vornik.processId()), SIGTERM);
    QVERIFY(vornik.waitForFinished(20000));
    QCOMPARE(vornik.exitStatus(), QProcess::NormalExit);
}

} // namespace

void TestProcess::firstStartAndTermination()
{
    QTemporaryDir home;
    const QString dir = home.path() + QLatin1Char('/');
    QProcess vornik;
    prepareFolder(dir);
    // The terms were accepted on this folder before.
    {
        QFile ini(dir + QStringLiteral("setup/vornik.ini"));
        QVERIFY(ini.open(QIODevice::WriteOnly));
        ini.write("[setup]\r\nlic=ano\r\n");
    }
    run(dir, vornik, QStringLiteral("reports/cs/reviews")); // made late in the start

    const QByteArray vornikIni = readAll(dir + QStringLiteral("setup/vornik.ini"));
    QVERIFY2(vornikIni.startsWith("\xEF\xBB\xBF"), vornikIni.constData());
    for (const char* key : {"lic=ano", "zapdnu5spine=128", "defaultborrowdaysjvs=30", "newverchb=1", "users=0"})
        QVERIFY2(vornikIni.contains(key), key);
    QVERIFY(readAll(dir + QStringLiteral("extra.ini")).contains("currentlanguage="));
    QVERIFY(QFile::exists(dir + QStringLiteral("setup/pracovnici")));
    QVERIFY(readAll(dir + QStringLiteral("grids.ini")).contains("[zapujckyf]"));
}

// A SIGTERM while the start still waits on a question ends the program without writing defaults over
// the user's files.
void TestProcess::terminationDuringStartKeepsFiles()
{
    QTemporaryDir home;
    const QString dir = home.path() + QLatin1Char('/');
    QProcess vornik;
    prepareFolder(dir);
    const QByteArray staff = "Jan\nEva\n";
    {
        QFile f(dir + QStringLiteral("setup/pracovnici"));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(staff);
    }
    // No terms accepted yet: the start waits on that question when the signal comes.
    run(dir, vornik, QStringLiteral("vornik1.sqlite"));
    QCOMPARE(readAll(dir + QStringLiteral("setup/pracovnici")), staff);
    QVERIFY(!readAll(dir + QStringLiteral("setup/vornik.ini")).contains("lic=ano"));
}

QTEST_GUILESS_MAIN(TestProcess)
#include "tst_process.moc"
