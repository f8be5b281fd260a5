#include "SelfReplace.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

class TestSelfReplace : public QObject
{
    Q_OBJECT

private slots:
    void names_data();
    void names();
    void replacesAndEndsTheOldProgram();
    void failureLeavesTheOldProgram();
};

void TestSelfReplace::names_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("update");
    QTest::newRow("vornika") << "vornika" << true;
    QTest::newRow("vornika.exe") << "vornika.exe" << true;
    QTest::newRow("VORNIKA.EXE") << "VORNIKA.EXE" << true;
    QTest::newRow("vornik") << "vornik" << false;
    QTest::newRow("renamed") << "vornik-old" << false;
}

void TestSelfReplace::names()
{
    QFETCH(QString, name);
    QFETCH(bool, update);
    QCOMPARE(SelfReplace::isUpdatePackage(name), update);
}

void TestSelfReplace::replacesAndEndsTheOldProgram()
{
    QTemporaryDir dir;
    const QString folder = dir.path() + QLatin1Char('/');
    const QString old = folder + SelfReplace::programName();
    const QString package = folder + SelfReplace::updatePackageName();
    // The "old program" is a running copy of sleep; the package is a copy of true.
    QVERIFY(QFile::copy(QStringLiteral("/bin/sleep"), old));
    QVERIFY(QFile::copy(QStringLiteral("/bin/true"), package));
    QProcess running;
    running.start(old, {QStringLiteral("30")});
    QVERIFY(running.waitForStarted());

    QString error;
    QVERIFY2(SelfReplace::replaceOldProgram(package, folder, &error), qPrintable(error));
    QVERIFY(running.waitForFinished(5000)); // ended by the replacement
    QFile a(old), b(package);
    QVERIFY(a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly));
    QCOMPARE(a.readAll(), b.readAll());
    QVERIFY(QFileInfo(old).isExecutable());
    QVERIFY(!QFile::exists(old + QStringLiteral(".old")));
}

void TestSelfReplace::failureLeavesTheOldProgram()
{
    QTemporaryDir dir;
    const QString folder = dir.path() + QLatin1Char('/');
    const QString old = folder + SelfReplace::programName();
    QVERIFY(QFile::copy(QStringLiteral("/bin/true"), old));
    QString error;
    QVERIFY(!SelfReplace::replaceOldProgram(folder + QStringLiteral("missing"), folder, &error));
    QVERIFY(!error.isEmpty());
    QVERIFY(QFile::exists(old));
}

QTEST_GUILESS_MAIN(TestSelfReplace)
#include "tst_selfreplace.moc"
