#include "Clock.h"
#include "IniFile.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QByteArray readAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeAll(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

const QByteArray bom("\xEF\xBB\xBF");

} // namespace

class TestIniFile : public QObject
{
    Q_OBJECT

private slots:
    void init() { Clock::install(&m_clock); }
    void cleanup() { Clock::install(nullptr); }

    void roundTripKeepsWhatItDoesNotKnow();
    void reading_data();
    void reading();
    void typedValues_data();
    void typedValues();
    void decimalNumbers_data();
    void decimalNumbers();
    void newKeysAndSections();
    void valueCannotAddLines();
    void missingFileAndFailedSave();
    void colourHelpers();

private:
    QTemporaryDir m_dir;
    FixedClock m_clock{QDateTime(QDate(2024, 5, 1), QTime(10, 0)), QLocale(QLocale::Czech)};
};

void TestIniFile::roundTripKeepsWhatItDoesNotKnow()
{
    const QString path = m_dir.filePath(QStringLiteral("roundtrip.ini"));
    const QByteArray original = bom + "; kept comment\r\n"
                                      "[setup]\r\n"
                                      "zapdnu0spine=3\r\n"
                                      "ezdnu0spine = 12\r\n"
                                      "this line is junk\r\n"
                                      "=no key\r\n"
                                      "nazevfirmy=Dílna Novák\r\n"
                                      "\r\n"
                                      "[cizí sekce]\r\n"
                                      "klíč=hodnota\r\n";
    writeAll(path, original);

    IniFile ini;
    QVERIFY(ini.load(path));
    QCOMPARE(ini.value("setup", "nazevfirmy"), QStringLiteral("Dílna Novák"));
    QCOMPARE(ini.intValue("SETUP", "ZapDnu0Spine", 0), 3);
    QCOMPARE(ini.keys("setup"), (QStringList{"zapdnu0spine", "ezdnu0spine", "nazevfirmy"}));

    QString error;
    QVERIFY2(ini.save(path, &error), qPrintable(error));
    QCOMPARE(readAll(path), original); // nothing changed, nothing moves

    ini.setInt("Setup", "ZAPDNU0SPINE", 5);
    ini.setValue("setup", "newkey", "x");
    QVERIFY(ini.save(path, &error));
    const QByteArray changed = bom + "; kept comment\r\n"
                                     "[setup]\r\n"
                                     "zapdnu0spine=5\r\n"
                                     "ezdnu0spine = 12\r\n"
                                     "this line is junk\r\n"
                                     "=no key\r\n"
                                     "nazevfirmy=Dílna Novák\r\n"
                                     "newkey=x\r\n"
                                     "\r\n"
                                     "[cizí sekce]\r\n"
                                     "klíč=hodnota\r\n";
    QCOMPARE(readAll(path), changed);
}

void TestIniFile::reading_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("expected"); // "<none>" when the key is not there

    QTest::newRow("bom crlf") << bom + "[a]\r\nk=čš\r\n"
                              << "a"
                              << "k"
                              << "čš";
    QTest::newRow("no bom lf") << QByteArray("[a]\nk=v\n") << "a"
                               << "k"
                               << "v";
    QTest::newRow("cr only") << QByteArray("[a]\rk=v\rj=w") << "a"
                             << "j"
                             << "w";
    QTest::newRow("mixed ends, no final end") << QByteArray("[a]\r\nx=1\nk=v") << "a"
                                              << "k"
                                              << "v";
    QTest::newRow("key case") << QByteArray("[Setup]\nNewVerChb=0\n") << "setup"
                              << "newverchb"
                              << "0";
    QTest::newRow("spaces around") << QByteArray("  [ a ]  \n  k  =  v w  \n") << "a"
                                   << "k"
                                   << "v w";
    QTest::newRow("equals in value") << QByteArray("[a]\nk=x=y\n") << "a"
                                     << "k"
                                     << "x=y";
    QTest::newRow("first of repeated key") << QByteArray("[a]\nk=1\nk=2\n") << "a"
                                           << "k"
                                           << "1";
    QTest::newRow("first of repeated section") << QByteArray("[a]\nk=1\n[a]\nk=2\nj=3\n") << "a"
                                               << "j"
                                               << "<none>";
    QTest::newRow("junk does not stop reading") << QByteArray("[a]\n\x01\x02junk\n[[[\nk=v\n") << "a"
                                                << "k"
                                                << "v";
    QTest::newRow("key before any section") << QByteArray("k=v\n[a]\n") << "a"
                                            << "k"
                                            << "<none>";
    QTest::newRow("comment is no key") << QByteArray("[a]\n;k=v\n") << "a"
                                       << ";k"
                                       << "<none>";
    QTest::newRow("utf-16 with bom") << QByteArray("\xFF\xFE[\0a\0]\0\n\0k\0=\0\x0D\x01\n\0", 18) << "a"
                                     << "k"
                                     << "č";
}

void TestIniFile::reading()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(QString, expected);
    const QString path = m_dir.filePath(QStringLiteral("reading.ini"));
    writeAll(path, bytes);
    IniFile ini;
    QVERIFY(ini.load(path));
    QCOMPARE(ini.value(section, key, QStringLiteral("<none>")), expected);
    QCOMPARE(ini.contains(section, key), expected != QLatin1String("<none>"));
}

void TestIniFile::typedValues_data()
{
    QTest::addColumn<QString>("raw");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<qlonglong>("def");
    QTest::addColumn<qlonglong>("expected");

    QTest::newRow("bool 0") << "0"
                            << "bool" << 1LL << 0LL;
    QTest::newRow("bool 1") << "1"
                            << "bool" << 0LL << 1LL;
    QTest::newRow("bool other number") << "-7"
                                       << "bool" << 0LL << 1LL;
    QTest::newRow("bool spaced") << " 0 "
                                 << "bool" << 1LL << 0LL;
    QTest::newRow("bool word") << "ano"
                               << "bool" << 1LL << 1LL;
    QTest::newRow("bool word, default off") << "true"
                                            << "bool" << 0LL << 0LL;
    QTest::newRow("bool empty") << ""
                                << "bool" << 1LL << 1LL;
    QTest::newRow("bool fraction") << "0.5"
                                   << "bool" << 1LL << 1LL;
    QTest::newRow("int") << "128"
                         << "int" << 0LL << 128LL;
    QTest::newRow("int negative") << "-3"
                                  << "int" << 0LL << -3LL;
    QTest::newRow("int garbled") << "12x"
                                 << "int" << 7LL << 7LL;
    QTest::newRow("int too big") << "99999999999"
                                 << "int" << 7LL << 7LL;
    QTest::newRow("colour") << "16744703"
                            << "color" << 0LL << 16744703LL;
    QTest::newRow("colour system (negative)") << "-2147483643"
                                              << "color" << 0LL << 0x80000005LL;
    QTest::newRow("colour garbled") << "#FF00FF"
                                    << "color" << 255LL << 255LL;
}

void TestIniFile::typedValues()
{
    QFETCH(QString, raw);
    QFETCH(QString, kind);
    QFETCH(qlonglong, def);
    QFETCH(qlonglong, expected);
    IniFile ini;
    ini.setText(QStringLiteral("[s]\r\nk=") + raw + QStringLiteral("\r\n"));
    if (kind == QLatin1String("bool"))
        QCOMPARE(qlonglong(ini.boolValue("s", "k", def != 0)), expected);
    else if (kind == QLatin1String("int"))
        QCOMPARE(qlonglong(ini.intValue("s", "k", int(def))), expected);
    else
        QCOMPARE(qlonglong(ini.colorValue("s", "k", unsigned(def))), expected);

    // What the program writes reads back the same.
    IniFile out;
    if (kind == QLatin1String("bool")) {
        out.setBool("s", "k", expected != 0);
        QCOMPARE(out.value("s", "k"), QString::number(expected));
    } else if (kind == QLatin1String("int")) {
        out.setInt("s", "k", int(expected));
        QCOMPARE(out.intValue("s", "k", 0), int(expected));
    } else {
        out.setColor("s", "k", unsigned(expected));
        QCOMPARE(qlonglong(out.colorValue("s", "k", 0)), expected);
    }
}

void TestIniFile::decimalNumbers_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("raw");
    QTest::addColumn<double>("expected"); // -1 = the default
    QTest::addColumn<double>("written");
    QTest::addColumn<QString>("writtenText");

    const QLocale cs(QLocale::Czech, QLocale::CzechRepublic);
    const QLocale en(QLocale::English, QLocale::UnitedStates);
    QTest::newRow("cs comma") << cs << "7,5" << 7.5 << 7.5 << "7,5";
    QTest::newRow("cs dot accepted") << cs << "7.5" << 7.5 << 30.0 << "30";
    QTest::newRow("cs whole") << cs << "30" << 30.0 << 0.25 << "0,25";
    QTest::newRow("en dot") << en << "7.5" << 7.5 << 7.5 << "7.5";
    QTest::newRow("en comma is not a fraction") << en << "1,5" << -1.0 << 1234.5 << "1234.5";
    QTest::newRow("cs garbled") << cs << "třicet" << -1.0 << 1e-3 << "0,001";
    QTest::newRow("not a number") << en << "nan" << -1.0 << 2.0 << "2";
    QTest::newRow("infinite") << cs << "inf" << -1.0 << 2.0 << "2";
}

void TestIniFile::decimalNumbers()
{
    QFETCH(QLocale, locale);
    QFETCH(QString, raw);
    QFETCH(double, expected);
    QFETCH(double, written);
    QFETCH(QString, writtenText);
    m_clock.setLocale(locale);
    IniFile ini;
    ini.setText(QStringLiteral("[s]\nk=") + raw);
    QCOMPARE(ini.doubleValue("s", "k", -1.0), expected);
    ini.setDouble("s", "k", written);
    QCOMPARE(ini.value("s", "k"), writtenText);
    QCOMPARE(ini.doubleValue("s", "k", -1.0), written);
}

void TestIniFile::newKeysAndSections()
{
    IniFile ini;
    ini.setText(QStringLiteral("[a]\r\nx=1\r\n\r\n\r\n[b]\r\ny=2\r\n"));
    ini.setValue("A", "z", "3");
    ini.setValue("c", "w", "4");
    ini.remove("b", "Y");
    QCOMPARE(ini.text(), QStringLiteral("[a]\r\nx=1\r\nz=3\r\n\r\n\r\n[b]\r\n[c]\r\nw=4\r\n"));
    QCOMPARE(ini.sections(), (QStringList{"a", "b", "c"}));
}

void TestIniFile::valueCannotAddLines()
{
    IniFile ini;
    ini.setValue("setup", "nazevfirmy", QStringLiteral("Firma\r\n[setup]\nlic=ano"));
    QVERIFY(!ini.contains("setup", "lic"));
    QCOMPARE(ini.value("setup", "nazevfirmy"), QStringLiteral("Firma [setup] lic=ano"));
    IniFile again;
    again.setText(ini.text());
    QCOMPARE(again.keys("setup"), QStringList{"nazevfirmy"});
}

void TestIniFile::missingFileAndFailedSave()
{
    const QString path = m_dir.filePath(QStringLiteral("missing.ini"));
    IniFile ini;
    QVERIFY(!ini.load(path));
    QVERIFY(ini.isEmpty());
    QCOMPARE(ini.boolValue("setup", "newverchb", true), true);
    ini.setBool("setup", "newverchb", false);
    QString error;
    QVERIFY(ini.save(path, &error));
    QCOMPARE(readAll(path), bom + "[setup]\r\nnewverchb=0\r\n");

    // Into a folder that is not there: reported, nothing half-written anywhere.
    const QString nowhere = m_dir.filePath(QStringLiteral("no/such/folder/vornik.ini"));
    QVERIFY(!ini.save(nowhere, &error));
    QVERIFY(!error.isEmpty());
    QVERIFY(!QFile::exists(nowhere));
}

void TestIniFile::colourHelpers()
{
    QCOMPARE(bgrToRgb(0x0000FFu), 0xFF0000u); // Windows red
    QCOMPARE(bgrToRgb(0x6CB6FFu), 0xFFB66Cu);
    QCOMPARE(rgbToBgr(bgrToRgb(0x5959FFu)), 0x5959FFu);
}

QTEST_GUILESS_MAIN(TestIniFile)
#include "tst_inifile.moc"
