#include "AppPaths.h"
#include "Database.h"
#include "Dialect.h"
#include "FolderArchive.h"
#include "TestDatabase.h"
#include "ZipFolder.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QtTest>
#include <quazip.h>
#include <quazipfile.h>
#include <quazipfileinfo.h>
#include <quazipnewinfo.h>

namespace {

using Entries = QList<QPair<QString, QByteArray>>;

// The schema's database with a temporary folder of the test's own.
struct Fixture : TestDatabase
{
    explicit Fixture(const QString& engine) : TestDatabase(engine) { qputenv("TMPDIR", temp.path().toUtf8()); }
    ~Fixture() { qunsetenv("TMPDIR"); }
    QByteArray stored(const QString& fileName)
    {
        return db
            .scalar(QStringLiteral("select filedata from files where filename=:pfilename"),
                    {{QStringLiteral("pfilename"), fileName}})
            .toByteArray();
    }

    QTemporaryDir temp; // the user's temporary folder while the test runs
};

void writeFile(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    QVERIFY2(f.open(QIODevice::WriteOnly), qPrintable(path));
    f.write(bytes);
}

QByteArray readFile(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

// An archive made by hand, with entry names exactly as given.
QByteArray makeZip(const Entries& entries)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    QuaZip zip(&buffer);
    zip.open(QuaZip::mdCreate);
    for (const auto& [name, data] : entries) {
        QuaZipFile out(&zip);
        out.open(QIODevice::WriteOnly, QuaZipNewInfo(name));
        out.write(data);
        out.close();
    }
    zip.close();
    return bytes;
}

QByteArray binary()
{
    QByteArray b;
    for (int i = 0; i < 4096; ++i)
        b.append(char(i * 7 % 256));
    return b;
}

FolderArchive::Kind kindOf(const QString& name)
{
    return name == QLatin1String("setup") ? FolderArchive::setup() : FolderArchive::reports();
}

} // namespace

class TestFolderArchive : public QObject
{
    Q_OBJECT

private slots:
    void engineKinds_data();
    void storeAndRestore_data() { engineKinds_data(); }
    void storeAndRestore();
    void failedInsertKeepsOldArchive_data() { engines_data(); }
    void failedInsertKeepsOldArchive();
    void restoreFromTemporaryCopy_data() { engines_data(); }
    void restoreFromTemporaryCopy();
    void withoutFilesTable_data() { engines_data(); }
    void withoutFilesTable();
    void hostileArchiveFromDatabase_data() { engines_data(); }
    void hostileArchiveFromDatabase();
    void hostileEntries_data();
    void hostileEntries();
    void acceptedEntryForms();
    void linkInFolderCannotLeadOut();

private:
    void engines_data();
};

void TestFolderArchive::engines_data()
{
    QTest::addColumn<QString>("engine");
    for (const QString& e : TestEnv::engines())
        QTest::newRow(qPrintable(e)) << e;
}

void TestFolderArchive::engineKinds_data()
{
    QTest::addColumn<QString>("engine");
    QTest::addColumn<QString>("kind");
    for (const QString& e : TestEnv::engines()) {
        for (const char* kind : {"setup", "reports"})
            QTest::newRow(qPrintable(e + QLatin1Char(' ') + QLatin1String(kind))) << e << QString::fromLatin1(kind);
    }
}

void TestFolderArchive::storeAndRestore()
{
    QFETCH(QString, engine);
    QFETCH(QString, kind);
    Fixture f(engine);
    const FolderArchive::Kind k = kindOf(kind);
    const QString dir = k.folder;
    writeFile(dir + "vornik.ini", "[setup]\r\nusers=1\r\n");
    writeFile(dir + QStringLiteral("lng/čeština.lng"), "LANGUAGE_FILE\n");
    writeFile(dir + ".hidden", "h");
    writeFile(dir + "bin.dat", binary());

    QString error;
    const auto store = kind == QLatin1String("setup") ? &FolderArchive::setuptodb : &FolderArchive::reportstodb;
    const auto restore = kind == QLatin1String("setup") ? &FolderArchive::setupfromdb : &FolderArchive::reportsfromdb;
    QVERIFY2(store(f.db, &error), qPrintable(error));
    QVERIFY2(store(f.db, &error), qPrintable(error)); // a second store replaces the row
    QCOMPARE(f.db.scalar("select count(*) from files").toInt(), 1);
    QCOMPARE(f.db.scalar("select pathto from files").toString(), kind + QLatin1Char('\\'));
    QCOMPARE(f.db.scalar("select filename from files").toString(), kind + QStringLiteral(".zip"));
    const QByteArray archive = f.stored(k.fileName);
    QCOMPARE(readFile(AppPaths::tempFolder() + k.fileName), archive); // the copy left in the temporary folder

    // Names relative to the folder, UTF-8 flagged, deflated.
    QByteArray copy = archive;
    QBuffer buffer(&copy);
    QuaZip zip(&buffer);
    QVERIFY(zip.open(QuaZip::mdUnzip));
    QStringList names;
    for (bool more = zip.goToFirstFile(); more; more = zip.goToNextFile()) {
        QuaZipFileInfo64 info;
        QVERIFY(zip.getCurrentFileInfo(&info));
        names << info.name;
        QCOMPARE(int(info.method), Z_DEFLATED);
        if (info.name.contains(QChar(0x010D)))
            QVERIFY(info.flags & 0x800);
    }
    QCOMPARE(names, (QStringList{".hidden", "bin.dat", QStringLiteral("lng/čeština.lng"), "vornik.ini"}));

    // Restore over a changed folder: archived files come back, files of the folder alone stay.
    writeFile(dir + "vornik.ini", "changed");
    QVERIFY(QFile::remove(dir + "bin.dat"));
    writeFile(dir + "local.txt", "mine");
    QVERIFY(QFile::remove(AppPaths::tempFolder() + k.fileName));
    QVERIFY2(restore(f.db, &error), qPrintable(error));
    QCOMPARE(readFile(dir + "vornik.ini"), QByteArray("[setup]\r\nusers=1\r\n"));
    QCOMPARE(readFile(dir + "bin.dat"), binary());
    QCOMPARE(readFile(dir + QStringLiteral("lng/čeština.lng")), QByteArray("LANGUAGE_FILE\n"));
    QCOMPARE(readFile(dir + "local.txt"), QByteArray("mine"));
    QCOMPARE(readFile(AppPaths::tempFolder() + k.fileName), archive);
}

void TestFolderArchive::failedInsertKeepsOldArchive()
{
    QFETCH(QString, engine);
    Fixture f(engine);
    const QString dir = AppPaths::settingsFolder();
    writeFile(dir + "vornik.ini", "old");
    QString error;
    QVERIFY2(FolderArchive::setuptodb(f.db, &error), qPrintable(error));
    const QByteArray old = f.stored("setup.zip");

    if (engine == QLatin1String("pg")) {
        f.db.exec("create function nofiles() returns trigger language plpgsql as "
                  "$$ begin raise exception 'insert refused'; end $$");
        f.db.exec("create trigger nofiles before insert on files for each row execute function nofiles()");
    } else {
        f.db.exec("create trigger nofiles before insert on files begin select raise(abort, 'insert refused'); end");
    }
    writeFile(dir + "vornik.ini", "new");
    QVERIFY(!FolderArchive::setuptodb(f.db, &error));
    QVERIFY2(error.contains("insert refused"), qPrintable(error));
    QCOMPARE(f.stored("setup.zip"), old);

    // A folder that is not there stores nothing either, rather than an empty archive.
    QVERIFY(QDir(dir).removeRecursively());
    QVERIFY(!FolderArchive::setuptodb(f.db, &error));
    QCOMPARE(f.stored("setup.zip"), old);
}

void TestFolderArchive::restoreFromTemporaryCopy()
{
    QFETCH(QString, engine);
    Fixture f(engine);
    const QString dir = AppPaths::settingsFolder();
    QString error;

    // Neither a row nor a copy: nothing to do, and that is no failure.
    writeFile(dir + "pracovnici", "Novák\n");
    QVERIFY2(FolderArchive::setupfromdb(f.db, &error), qPrintable(error));
    QCOMPARE(readFile(dir + "pracovnici"), QByteArray("Novák\n"));

    QVERIFY2(FolderArchive::setuptodb(f.db, &error), qPrintable(error));
    f.db.exec("delete from files");
    writeFile(dir + "pracovnici", "Svoboda\n");
    QVERIFY2(FolderArchive::setupfromdb(f.db, &error), qPrintable(error));
    QCOMPARE(readFile(dir + "pracovnici"), QByteArray("Novák\n"));

    // A copy that is only a link to somewhere else is not trusted.
    const QString copy = AppPaths::tempFolder() + "setup.zip";
    const QString elsewhere = AppPaths::tempFolder() + "elsewhere.zip";
    QVERIFY(QFile::rename(copy, elsewhere));
    QVERIFY(QFile::link(elsewhere, copy));
    writeFile(dir + "pracovnici", "Svoboda\n");
    QVERIFY(!FolderArchive::setupfromdb(f.db, &error));
    QVERIFY(!error.isEmpty());
    QCOMPARE(readFile(dir + "pracovnici"), QByteArray("Svoboda\n"));
}

void TestFolderArchive::withoutFilesTable()
{
    QFETCH(QString, engine);
    Fixture f(engine);
    const QString dir = AppPaths::settingsFolder();
    writeFile(dir + "vornik.ini", "x");
    writeFile(AppPaths::tempFolder() + "setup.zip", makeZip({{"vornik.ini", "from the copy"}}));
    f.db.exec("drop table files");
    QString error;
    QVERIFY2(FolderArchive::setupfromdb(f.db, &error), qPrintable(error));
    QCOMPARE(readFile(dir + "vornik.ini"), QByteArray("x")); // no table, no restore at all
    QVERIFY(!FolderArchive::setuptodb(f.db, &error));
    QVERIFY(!error.isEmpty());
}

void TestFolderArchive::hostileArchiveFromDatabase()
{
    QFETCH(QString, engine);
    Fixture f(engine);
    const QString outside = QDir(f.temp.path()).filePath("evil-absolute.txt");
    const QByteArray hostile = makeZip({{"good.txt", "g"}, {"../evil.txt", "e"}, {outside, "a"}, {"/tmp/x", "x"}});
    f.db.exec("insert into files(filename,pathto,filedata) values(:pfilename,:ppathto,:pfiledata)",
              {{"pfilename", "setup.zip"}, {"ppathto", "setup\\"}, {"pfiledata", hostile}});
    QString error;
    QVERIFY(!FolderArchive::setupfromdb(f.db, &error));
    QVERIFY2(error.contains("../evil.txt") && error.contains(outside) && error.contains("/tmp/x"), qPrintable(error));
    QVERIFY(!QFile::exists(AppPaths::settingsFolder() + "good.txt"));
    QVERIFY(!QFile::exists(f.folder.file("evil.txt")));
    QVERIFY(!QFile::exists(outside));

    // Bytes that are no archive at all change nothing either.
    writeFile(AppPaths::settingsFolder() + "vornik.ini", "kept");
    f.db.exec("update files set filedata=:pfiledata", {{"pfiledata", QByteArray("PK\x03\x04 not really")}});
    QVERIFY(!FolderArchive::setupfromdb(f.db, &error));
    QCOMPARE(readFile(AppPaths::settingsFolder() + "vornik.ini"), QByteArray("kept"));
}

void TestFolderArchive::hostileEntries_data()
{
    QTest::addColumn<QString>("entry");
    QTest::newRow("parent") << "../evil.txt";
    QTest::newRow("deep parent") << "a/../../evil.txt";
    QTest::newRow("backslash parent") << "..\\evil.txt";
    QTest::newRow("backslash root") << "\\evil.txt";
    QTest::newRow("drive letter") << "C:/evil.txt";
    QTest::newRow("drive relative") << "c:evil.txt";
    QTest::newRow("dots windows drops") << ".. /evil.txt";
    QTest::newRow("absolute") << "/evil.txt";
}

void TestFolderArchive::hostileEntries()
{
    QFETCH(QString, entry);
    QTemporaryDir root;
    const QString target = root.filePath("setup");
    QVERIFY(!ZipFolder::safeRelativePath(entry));
    QString error;
    QVERIFY(!ZipFolder::unpack(makeZip({{"good.txt", "g"}, {entry, "e"}}), target, &error));
    QVERIFY2(error.contains(entry), qPrintable(error));
    QVERIFY(!QFile::exists(target + "/good.txt"));
    QCOMPARE(QDir(root.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden).size(), 0);
}

void TestFolderArchive::acceptedEntryForms()
{
    QTemporaryDir root;
    const QString target = root.filePath("setup");
    QString error;
    QVERIFY2(ZipFolder::unpack(makeZip({{"a/b.txt", "1"},
                                        {"c\\d.txt", "2"},
                                        {"./e.txt", "3"},
                                        {"empty/", ""},
                                        {QStringLiteral("ž/ř.txt"), "4"}}),
                               target, &error),
             qPrintable(error));
    QCOMPARE(readFile(target + "/a/b.txt"), QByteArray("1"));
    QCOMPARE(readFile(target + "/c/d.txt"), QByteArray("2"));
    QCOMPARE(readFile(target + "/e.txt"), QByteArray("3"));
    QVERIFY(QFileInfo(target + "/empty").isDir());
    QCOMPARE(readFile(target + QStringLiteral("/ž/ř.txt")), QByteArray("4"));
}

void TestFolderArchive::linkInFolderCannotLeadOut()
{
    QTemporaryDir root;
    const QString target = root.filePath("setup");
    const QString outside = root.filePath("outside");
    QVERIFY(QDir().mkpath(target));
    QVERIFY(QDir().mkpath(outside));
    QVERIFY(QFile::link(outside, target + "/lng"));
    writeFile(outside + "/victim.txt", "safe");
    QVERIFY(QFile::link(outside + "/victim.txt", target + "/victim.txt"));

    QString error;
    QVERIFY(!ZipFolder::unpack(makeZip({{"lng/x.lng", "x"}, {"victim.txt", "overwritten"}, {"ok.txt", "ok"}}), target,
                               &error));
    QVERIFY(!QFile::exists(outside + "/x.lng"));
    QCOMPARE(readFile(outside + "/victim.txt"), QByteArray("safe"));
    QCOMPARE(readFile(target + "/ok.txt"), QByteArray("ok")); // the harmless entries still arrive
}

QTEST_GUILESS_MAIN(TestFolderArchive)
#include "tst_folderarchive.moc"
