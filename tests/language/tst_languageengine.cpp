#include "Clock.h"
#include "LanguageEngine.h"
#include "LanguageFileFormat.h"
#include "Lexicon.h"
#include "TestEnv.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QtTest>

// A program folder with the shipped English language file in "setup/lng/".
class LanguageFolder : public TestProgramFolder
{
public:
    LanguageFolder()
    {
        QDir().mkpath(lngFolder());
        QFile::copy(TestEnv::resourcesDir() + QStringLiteral("setup/lng/english.lng"), englishFile());
    }
    QString lngFolder() const { return path() + QStringLiteral("setup/lng/"); }
    QString englishFile() const { return lngFolder() + QStringLiteral("english.lng"); }
};

class TestLanguageEngine : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { Clock::install(nullptr); }
    void listsDesignLanguageAndFiles();
    void startLanguage_data();
    void startLanguage();
    void lexiconFollowsLanguage();
    void codeTextsFollowLanguage();
    void unknownLanguageLeavesCurrent();
    void shippedEnglishIsComplete();
};

void TestLanguageEngine::listsDesignLanguageAndFiles()
{
    LanguageFolder folder;
    folder.writeText(QStringLiteral("setup/lng/notes.lng"), "just some notes\n");
    LanguageData twin;
    twin.name = QStringLiteral("English");
    twin.code = QStringLiteral("en");
    QVERIFY(LanguageFileFormat::save(folder.lngFolder() + QStringLiteral("zz_english_copy.lng"), twin));

    LanguageEngine engine;
    const auto languages = engine.languages();
    QCOMPARE(languages.size(), 2); // a file without the signature and a second "English" are not listed
    QCOMPARE(languages[0].name, QStringLiteral("čeština"));
    QVERIFY(languages[0].isDesign());
    QCOMPARE(languages[1].name, QStringLiteral("English"));
    QCOMPARE(languages[1].code, QStringLiteral("en"));

    QCOMPARE(engine.languageFile(QStringLiteral("English")), folder.englishFile());
    QCOMPARE(engine.languageFile(QStringLiteral("EN")), folder.englishFile());
    QCOMPARE(engine.languageFile(QStringLiteral("cs")), QString());
    QCOMPARE(engine.languageFile(QStringLiteral("de")), QString());
    QVERIFY(engine.find(QStringLiteral("Czech"))->isDesign());
    QCOMPARE(engine.currentName(), QStringLiteral("čeština"));
    QCOMPARE(engine.currentCode(), QStringLiteral("cs"));
    QCOMPARE(engine.flagFile(QStringLiteral("en")), QString());
    QDir().mkpath(folder.lngFolder() + QStringLiteral("flags"));
    folder.writeText(QStringLiteral("setup/lng/flags/en.png"), "png");
    QCOMPARE(engine.flagFile(QStringLiteral("en")), folder.lngFolder() + QStringLiteral("flags/en.png"));
}

void TestLanguageEngine::startLanguage_data()
{
    QTest::addColumn<QString>("saved");
    QTest::addColumn<QString>("locale");
    QTest::addColumn<bool>("englishFile");
    QTest::addColumn<QString>("expected");

    QTest::newRow("saved language present") << "English"
                                            << "cs_CZ" << true << "English";
    QTest::newRow("saved language file deleted") << "English"
                                                 << "en_GB" << false << "čeština";
    QTest::newRow("saved unknown language, not the locale") << "Klingon"
                                                            << "en_US" << true << "čeština";
    QTest::newRow("saved design language") << "čeština"
                                           << "en_US" << true << "čeština";
    QTest::newRow("nothing saved, English locale") << ""
                                                   << "en_GB" << true << "English";
    QTest::newRow("nothing saved, Czech locale") << ""
                                                 << "cs_CZ" << true << "čeština";
    QTest::newRow("nothing saved, English locale, no file") << ""
                                                            << "en_US" << false << "čeština";
    QTest::newRow("nothing saved, German locale") << ""
                                                  << "de_DE" << true << "čeština";
}

void TestLanguageEngine::startLanguage()
{
    QFETCH(QString, saved);
    QFETCH(QString, locale);
    QFETCH(bool, englishFile);
    LanguageFolder folder;
    if (!englishFile)
        QVERIFY(QFile::remove(folder.englishFile()));
    FixedClock clock(QDateTime(QDate(2024, 5, 1), QTime(8, 0)), QLocale(locale));
    Clock::install(&clock);

    LanguageEngine engine;
    const QString chosen = engine.startLanguage(saved);
    QTEST(chosen, "expected");
    QVERIFY(engine.setLanguage(chosen));
    QTEST(engine.currentName(), "expected");
}

void TestLanguageEngine::lexiconFollowsLanguage()
{
    LanguageFolder folder;
    Lexicon lexicon;
    LanguageEngine engine;
    engine.attachLexicon(lexicon);
    QSignalSpy changed(&engine, &LanguageEngine::languageChanged);

    QVERIFY(engine.setLanguage(QStringLiteral("en")));
    QCOMPARE(changed.count(), 1);
    QCOMPARE(engine.currentName(), QStringLiteral("English"));
    QCOMPARE(engine.currentCode(), QStringLiteral("en"));
    QCOMPARE(lexicon.text(Lexicon::Error), QStringLiteral("error"));
    QCOMPARE(lexicon.text(101), QStringLiteral("The changes take full effect after the program is restarted."));
    QCOMPARE(lexicon.text(40), QStringLiteral("next service in ")); // the trailing space survives the file
    QCOMPARE(lexicon.text(20), QString());
    QCOMPARE(engine.lexiconText(3), QStringLiteral("question"));

    QVERIFY(engine.setLanguage(QStringLiteral("čeština")));
    QCOMPARE(changed.count(), 2);
    QCOMPARE(lexicon.text(Lexicon::Error), QStringLiteral("chyba"));
    QCOMPARE(lexicon.text(101), QStringLiteral("Změny se plně projeví po restartování programu."));
    QCOMPARE(engine.lexiconText(3), QStringLiteral("otázka"));

    // An item the language leaves untranslated shows the design text rather than nothing.
    LanguageData partial;
    partial.name = QStringLiteral("Partial");
    partial.code = QStringLiteral("pt");
    partial.lexicon = {{0, QStringLiteral("erro")}, {1, QString()}};
    QVERIFY(LanguageFileFormat::save(folder.lngFolder() + QStringLiteral("partial.lng"), partial));
    QVERIFY(engine.setLanguage(QStringLiteral("pt")));
    QCOMPARE(lexicon.text(0), QStringLiteral("erro"));
    QCOMPARE(lexicon.text(1), QStringLiteral("informace"));
}

void TestLanguageEngine::codeTextsFollowLanguage()
{
    LanguageFolder folder;
    LanguageEngine engine;
    const QString source = QStringLiteral("Schéma neexistuje.");
    QCOMPARE(QCoreApplication::translate("Database", "Schéma neexistuje."), source);

    QVERIFY(engine.setLanguage(QStringLiteral("English")));
    QCOMPARE(QCoreApplication::translate("Database", "Schéma neexistuje."),
             QStringLiteral("The schema does not exist."));
    QCOMPARE(QCoreApplication::translate("NoSuchContext", "Schéma neexistuje."), source);
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Cancel"));

    QVERIFY(engine.setLanguage(QStringLiteral("cs")));
    QCOMPARE(QCoreApplication::translate("Database", "Schéma neexistuje."), source);
    // Qt's own buttons speak Czech in the design language.
    const QString qtCzech = QLibraryInfo::path(QLibraryInfo::TranslationsPath) + QStringLiteral("/qtbase_cs.qm");
    if (!QFile::exists(qtCzech))
        QSKIP("Qt's Czech translations are not installed");
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Zrušit"));
}

void TestLanguageEngine::unknownLanguageLeavesCurrent()
{
    LanguageFolder folder;
    LanguageEngine engine;
    QVERIFY(engine.setLanguage(QStringLiteral("English")));
    QSignalSpy changed(&engine, &LanguageEngine::languageChanged);
    QString error;
    QVERIFY(!engine.setLanguage(QStringLiteral("Deutsch"), &error));
    QVERIFY(error.contains(QStringLiteral("Deutsch")));
    QCOMPARE(engine.currentName(), QStringLiteral("English"));
    QCOMPARE(changed.count(), 0);
}

void TestLanguageEngine::shippedEnglishIsComplete()
{
    QStringList problems;
    const auto english =
        LanguageFileFormat::load(TestEnv::resourcesDir() + QStringLiteral("setup/lng/english.lng"), nullptr, &problems);
    QVERIFY(english);
    QCOMPARE(problems, QStringList());
    QCOMPARE(english->name, QStringLiteral("English"));
    QCOMPARE(english->code, QStringLiteral("en"));
    QCOMPARE(english->lexicon.size(), Lexicon::Count);
    for (int i = 0; i < Lexicon::Count; ++i) {
        QVERIFY2(english->lexicon.contains(i), qPrintable(QString::number(i)));
        QVERIFY2(english->lexicon.value(i).isEmpty() == Lexicon::designText(i).isEmpty(),
                 qPrintable(QString::number(i)));
    }
    for (auto context = english->texts.cbegin(); context != english->texts.cend(); ++context) {
        for (auto it = context->cbegin(); it != context->cend(); ++it) {
            QVERIFY2(!it.value().isEmpty(), qPrintable(context.key() + QLatin1Char('|') + it.key()));
            QCOMPARE(it.key().count(QLatin1Char('%')), it.value().count(QLatin1Char('%')));
        }
    }
}

QTEST_GUILESS_MAIN(TestLanguageEngine)
#include "tst_languageengine.moc"
