#include "Clock.h"
#include "ExtraSettings.h"
#include "MainSettings.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QByteArray readAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Writes the settings of a fresh start into the file as the close does (load, write, save).
void closeWith(const MainSettings& settings, const QString& path)
{
    IniFile ini;
    ini.load(path);
    settings.write(ini);
    QString error;
    QVERIFY2(ini.save(path, &error), qPrintable(error));
}

} // namespace

class TestSettingsFiles : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        Clock::install(&m_clock);
        QVERIFY(m_dir.isValid());
    }
    void cleanup() { Clock::install(nullptr); }

    void mainDefaultsAfterFirstClose();
    void mainRoundTrip();
    void mainKeepsOtherKeysAndDamagedValues();
    void acceptLicenceKeepsOtherKeys_data();
    void acceptLicenceKeepsOtherKeys();
    void extraDefaultsAndLogin();

private:
    QString path(const char* name) const { return m_dir.filePath(QLatin1String(name)); }
    QTemporaryDir m_dir;
    FixedClock m_clock{QDateTime(QDate(2024, 5, 1), QTime(10, 0)), QLocale(QLocale::Czech)};
};

void TestSettingsFiles::mainDefaultsAfterFirstClose()
{
    const QString file = path("first.ini");
    IniFile missing;
    QVERIFY(!missing.load(file));
    MainSettings settings;
    settings.read(missing);
    closeWith(settings, file);

    const QString expected = QString::fromUtf8("\xEF\xBB\xBF"
                                               "[barvy]\r\n"
                                               "zapnuladnus=16744703\r\n"
                                               "zapjednadnus=255\r\n"
                                               "zapdvadnus=5855743\r\n"
                                               "zaptridnus=7124735\r\n"
                                               "zapctyridnus=65535\r\n"
                                               "zappetdnus=8454143\r\n"
                                               "zapsestdnus=16777215\r\n"
                                               "zapvracenes=16777215\r\n"
                                               "[setup]\r\n"
                                               "zapdnu0spine=0\r\n"
                                               "zapdnu1spine=7\r\n"
                                               "zapdnu2spine=14\r\n"
                                               "zapdnu3spine=32\r\n"
                                               "zapdnu4spine=64\r\n"
                                               "zapdnu5spine=128\r\n"
                                               "defaultborrowdaysjvs=30\r\n"
                                               "defaultborrowdayschb=1\r\n"
                                               "statusbeforezchb=0\r\n"
                                               "statusafterzchb=0\r\n"
                                               "newverchb=1\r\n"
                                               "users=0\r\n"
                                               "nazevfirmy=\r\n"
                                               "adresafirmy=\r\n"
                                               "provozovnale=\r\n"
                                               "ciselnaradale=\r\n"
                                               "vlastnipocitadlochb=0\r\n"
                                               "pamatovatloginchb=0\r\n");
    QCOMPARE(QString::fromUtf8(readAll(file)), expected);

    // What was never written still reads as its default.
    QCOMPARE(settings.lic, QStringLiteral("ne"));
    QVERIFY(!settings.licenceAccepted());
    QVERIFY(settings.bugsqlsrv2012);
    QCOMPARE(settings.zapdnu(), (std::array<int, 6>{0, 7, 14, 32, 64, 128}));
}

void TestSettingsFiles::mainRoundTrip()
{
    const QString file = path("roundtrip.ini");
    MainSettings out;
    out.users = true;
    out.newverchb = false;
    out.zapdnu3spine = 40;
    out.defaultborrowdaysjvs = 7.5;
    out.defaultborrowdayschb = false;
    out.statusafterzchb = true;
    out.ciselnaradale = QStringLiteral("2024/");
    out.vlastnipocitadlochb = true;
    out.nazevfirmy = QStringLiteral("Půjčovna Žluťoučký kůň");
    out.adresafirmy = QStringLiteral("Brno; IČO 123");
    out.provozovnale = QStringLiteral("= sklad =");
    out.pamatovatloginchb = true;
    out.zapvracenes = 0x00C0C0u;
    closeWith(out, file);
    QVERIFY(QString::fromUtf8(readAll(file)).contains(QStringLiteral("defaultborrowdaysjvs=7,5\r\n")));

    IniFile ini;
    QVERIFY(ini.load(file));
    MainSettings in;
    in.read(ini);
    for (const auto& key : MainSettings::table()) {
        std::visit([&](auto member) { QVERIFY2(in.*member == out.*member, key.key); }, key.field);
    }
}

void TestSettingsFiles::mainKeepsOtherKeysAndDamagedValues()
{
    // Keys of the devices window and the address book live in the same file and must survive the close.
    const QString file = path("shared.ini");
    QFile f(file);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("[setup]\r\nlic=ano\r\nbugsqlsrv2012=0\r\nezdnu0spine=9\r\nzapdnu2spine=čtrnáct\r\nusers=1\r\n"
            "[adresar]\r\nfiltr=2\r\n");
    f.close();

    IniFile ini;
    QVERIFY(ini.load(file));
    MainSettings settings;
    settings.read(ini);
    QVERIFY(settings.licenceAccepted());
    QVERIFY(!settings.bugsqlsrv2012);
    QVERIFY(settings.users);
    QCOMPARE(settings.zapdnu2spine, 14); // damaged value: the default
    settings.bugsqlsrv2012 = true;       // never written back
    settings.lic = QStringLiteral("ne"); // only acceptLicence writes it
    closeWith(settings, file);

    IniFile after;
    QVERIFY(after.load(file));
    QCOMPARE(after.value("setup", "lic"), QStringLiteral("ano"));
    QCOMPARE(after.value("setup", "bugsqlsrv2012"), QStringLiteral("0"));
    QCOMPARE(after.value("setup", "ezdnu0spine"), QStringLiteral("9"));
    QCOMPARE(after.value("setup", "zapdnu2spine"), QStringLiteral("14"));
    QCOMPARE(after.value("adresar", "filtr"), QStringLiteral("2"));
    QCOMPARE(after.sections(), (QStringList{"setup", "adresar", "barvy"}));
}

void TestSettingsFiles::acceptLicenceKeepsOtherKeys_data()
{
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QByteArray>("after");
    const QByteArray bom("\xEF\xBB\xBF");
    QTest::newRow("missing file") << QByteArray() << bom + "[setup]\r\nlic=ano\r\n";
    QTest::newRow("not accepted yet") << QByteArray("[barvy]\nzapnuladnus=1\n[setup]\nlic=ne\nusers=1\n; pozn.\n")
                                      << bom +
                                             "[barvy]\r\nzapnuladnus=1\r\n[setup]\r\nlic=ano\r\nusers=1\r\n; pozn.\r\n";
    QTest::newRow("no lic key") << QByteArray("[setup]\r\nusers=1\r\n\r\n[jiné]\r\nx=y\r\n")
                                << bom + "[setup]\r\nusers=1\r\nlic=ano\r\n\r\n[jiné]\r\nx=y\r\n";
}

void TestSettingsFiles::acceptLicenceKeepsOtherKeys()
{
    QFETCH(QByteArray, before);
    QFETCH(QByteArray, after);
    const QString file = path("lic.ini");
    QFile::remove(file);
    if (!before.isEmpty()) {
        QFile f(file);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(before);
    }
    QString error;
    QVERIFY2(MainSettings::acceptLicence(file, &error), qPrintable(error));
    QCOMPARE(readAll(file), after);

    QVERIFY(!MainSettings::acceptLicence(path("no/such/folder/vornik.ini"), &error));
    QVERIFY(!error.isEmpty());
}

void TestSettingsFiles::extraDefaultsAndLogin()
{
    const QString file = path("extra.ini");
    ExtraSettings settings;
    QVERIFY(!settings.setuptodbchb && !settings.setupfromdbchb && !settings.reportstodbchb &&
            !settings.reportsfromdbchb);
    QVERIFY(settings.currentlanguage.isEmpty());

    QString error;
    QVERIFY(ExtraSettings::rememberLogin(file, QStringLiteral("admin"), QStringLiteral("tajné"), &error));
    settings.reportsfromdbchb = true;
    settings.currentlanguage = QStringLiteral("English");
    settings.jmenole = QStringLiteral("someone else"); // the close does not write the login
    QVERIFY(IniFile::modify(
        file, [&](IniFile& ini) { settings.write(ini); }, &error));

    QCOMPARE(QString::fromUtf8(readAll(file)), QString::fromUtf8("\xEF\xBB\xBF[setup]\r\n"
                                                                 "jmenole=admin\r\n"
                                                                 "heslole=tajné\r\n"
                                                                 "setupfromdbchb=0\r\n"
                                                                 "setuptodbchb=0\r\n"
                                                                 "reportstodbchb=0\r\n"
                                                                 "reportsfromdbchb=1\r\n"
                                                                 "currentlanguage=English\r\n"));
    IniFile ini;
    QVERIFY(ini.load(file));
    ExtraSettings back;
    back.read(ini);
    QCOMPARE(back.jmenole, QStringLiteral("admin"));
    QCOMPARE(back.heslole, QStringLiteral("tajné"));
    QVERIFY(back.reportsfromdbchb);
    QCOMPARE(back.currentlanguage, QStringLiteral("English"));
}

QTEST_GUILESS_MAIN(TestSettingsFiles)
#include "tst_settingsfiles.moc"
