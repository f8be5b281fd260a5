#include "LanguageFileFormat.h"
#include "LanguageMerge.h"
#include "SourceTextScanner.h"

#include <QStringEncoder>
#include <QTemporaryDir>
#include <QtTest>

class TestLanguageFile : public QObject
{
    Q_OBJECT

private slots:
    void roundTripKeepsEveryText();
    void readsToleratingBadInput_data();
    void readsToleratingBadInput();
    void savedFileIsRecognised();
    void scannerFindsTranslatableTexts_data();
    void scannerFindsTranslatableTexts();
    void mergeAddsMissingItemsAndKeepsTranslations();
    void fileNameForLanguage_data();
    void fileNameForLanguage();
};

void TestLanguageFile::roundTripKeepsEveryText()
{
    LanguageData data;
    data.name = QStringLiteral("English");
    data.code = QStringLiteral("en");
    data.lexicon = {{0, QStringLiteral("error")},
                    {20, QString()},
                    {32, QStringLiteral("Really delete the attachment ? ")},
                    {40, QStringLiteral("  next service in ")},
                    {41, QStringLiteral("line one\nline two\ttabbed \\ backslash = equals | bar")}};
    data.captions = {{QStringLiteral("zapujckyf.novaza.text"), QStringLiteral("&new loan")},
                     {QStringLiteral("zapujckyf.zapujckypc.tab3"), QStringLiteral("#not a comment")},
                     {QStringLiteral("w.weird=key|with[stuff]"), QStringLiteral("[not a section]")}};
    data.designs = {{QStringLiteral("zapujckyf.novaza.text"), QStringLiteral("&nová zápůjčka")}};
    data.setText(QStringLiteral("Database"), QStringLiteral("Schéma %1 je prázdné."),
                 QStringLiteral("The schema %1 is empty."));
    data.setText(QStringLiteral("Ctx"), QStringLiteral("#a=b|c\nd "), QStringLiteral(" x "));
    data.setText(QStringLiteral("Ctx"), QStringLiteral("[bracket"), QString());

    const QByteArray bytes = LanguageFileFormat::serialize(data);
    QVERIFY(bytes.startsWith("LANGUAGE_FILE\n"));
    QStringList problems;
    const auto read = LanguageFileFormat::parse(bytes, &problems);
    QVERIFY(read);
    QCOMPARE(problems, QStringList());
    QCOMPARE(read->lexicon, data.lexicon);
    QCOMPARE(read->captions, data.captions);
    QCOMPARE(read->texts, data.texts);
    QVERIFY(*read == data);
    QCOMPARE(LanguageFileFormat::serialize(*read), bytes); // deterministic
}

void TestLanguageFile::readsToleratingBadInput_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("isLanguage");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("item5");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<int>("problems");

    const QByteArray good = "LANGUAGE_FILE\n[language]\nname=English\ncode=en\n[lexicon]\n5=device attachments\n"
                            "[captions]\nw.b.text=save\n";
    QTest::newRow("plain") << good << true << "English"
                           << "device attachments"
                           << "save" << 0;
    QTest::newRow("no signature") << QByteArray("[language]\nname=English\n") << false << ""
                                  << ""
                                  << "" << 0;
    QTest::newRow("signature not first") << "\n" + good << false << ""
                                         << ""
                                         << "" << 0;
    QTest::newRow("other signature") << QByteArray("LANGUAGE_FILES\n5=x\n") << false << ""
                                     << ""
                                     << "" << 0;
    QTest::newRow("utf-8 bom") << "\xEF\xBB\xBF" + good << true << "English"
                               << "device attachments"
                               << "save" << 0;
    QStringEncoder utf16(QStringConverter::Utf16LE, QStringEncoder::Flag::WriteBom);
    QTest::newRow("utf-16 bom") << QByteArray(utf16.encode(QString::fromUtf8(good))) << true << "English"
                                << "device attachments"
                                << "save" << 0;
    QByteArray crlf = good;
    crlf.replace("\n", "\r\n");
    QTest::newRow("crlf") << crlf << true << "English"
                          << "device attachments"
                          << "save" << 0;
    QTest::newRow("spaces around =") << QByteArray("LANGUAGE_FILE \n name = English \n[ lexicon ]\n 5 = a b \n") << true
                                     << "English"
                                     << "a b"
                                     << "" << 0;
    QTest::newRow("bad lines skipped")
        << QByteArray("LANGUAGE_FILE\nname=English\n[lexicon]\nno equals sign\nabc=x\n-1=y\n5=kept\n=empty key\n"
                      "[whatever]\nw.b.text=ignored\n[texts]\nnobar=x\n[captions]\nw.b.text=save\n# comment\n"
                      "; comment\n")
        << true << "English"
        << "kept"
        << "save" << 6;
    QTest::newRow("later duplicate wins") << QByteArray("LANGUAGE_FILE\n[lexicon]\n5=first\n5=second\n") << true << ""
                                          << "second"
                                          << "" << 0;
    QTest::newRow("invalid utf-8 still reads") << QByteArray("LANGUAGE_FILE\nname=Eng\xFF\n[lexicon]\n5=ok\n") << true
                                               << QString::fromUtf8("Eng\xEF\xBF\xBD") << "ok"
                                               << "" << 0;
}

void TestLanguageFile::readsToleratingBadInput()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, isLanguage);
    QStringList problems;
    const auto data = LanguageFileFormat::parse(bytes, &problems);
    QCOMPARE(bool(data), isLanguage);
    if (!data)
        return;
    QTEST(data->name, "name");
    QTEST(data->lexicon.value(5), "item5");
    QTEST(data->captions.value(QStringLiteral("w.b.text")), "caption");
    QTEST(int(problems.size()), "problems");
}

void TestLanguageFile::savedFileIsRecognised()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("sub/english.lng"));
    LanguageData data;
    data.name = QStringLiteral("English");
    data.code = QStringLiteral("en");
    QString error;
    QVERIFY2(LanguageFileFormat::save(path, data, &error), qPrintable(error));
    QVERIFY(LanguageFileFormat::isLanguageFile(path));
    QCOMPARE(LanguageFileFormat::load(path, &error)->name, QStringLiteral("English"));

    QFile other(dir.filePath(QStringLiteral("notes.lng")));
    QVERIFY(other.open(QIODevice::WriteOnly));
    other.write("name=English\n");
    other.close();
    QVERIFY(!LanguageFileFormat::isLanguageFile(other.fileName()));
    QVERIFY(!LanguageFileFormat::load(other.fileName(), &error));
    QVERIFY(error.contains(QStringLiteral("notes.lng")));
    QVERIFY(!LanguageFileFormat::load(dir.filePath(QStringLiteral("missing.lng")), &error));
    QVERIFY(!error.isEmpty());
}

void TestLanguageFile::scannerFindsTranslatableTexts_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QStringList>("found");

    QTest::newRow("member function") << QStringLiteral("void Foo::bar()\n{\n    x = tr(\"uložit\");\n}\n")
                                     << QStringList{"Foo|uložit"};
    QTest::newRow("constructor and later function")
        << QStringLiteral("Foo::Foo(QWidget* p) : QWidget(p)\n{\n    tr(\"a\");\n}\n\nint Bar::baz() const\n{\n"
                          "    return tr(\"b\" \"c\").size();\n}\n")
        << QStringList{"Foo|a", "Bar|bc"};
    QTest::newRow("translate and noop")
        << QStringLiteral("x = QCoreApplication::translate(\"Database\", \"Schéma %1 je prázdné.\").arg(f);\n"
                          "const char* t[] = {QT_TRANSLATE_NOOP(\"Tzapujckyf\", \"nová zápůjčka\")};\n")
        << QStringList{"Database|Schéma %1 je prázdné.", "Tzapujckyf|nová zápůjčka"};
    QTest::newRow("file with its own tr")
        << QStringLiteral("namespace {\nQString tr(const char* text)\n{\n    return QCoreApplication::translate("
                          "\"SettingsPages\", text);\n}\n}\nvoid SettingsPages::build()\n{\n    tr(\"barvy\");\n}\n")
        << QStringList{"SettingsPages|barvy"};
    QTest::newRow("escapes, comments and non-literals")
        << QStringLiteral("void A::b()\n{\n    // tr(\"commented\")\n    /* tr(\"block\") */\n    tr(text);\n"
                          "    tr(\"say \\\"hi\\\"\\n\");\n    QObject::tr(\"q\");\n    char c = '\"';\n"
                          "    tr(\"after char\");\n}\n")
        << QStringList{"A|say \"hi\"\n", "QObject|q", "A|after char"};
    QTest::newRow("calls inside a function are no definitions")
        << QStringLiteral("void A::b()\n{\n    Other::call(tr(\"x\"));\n}\n") << QStringList{"A|x"};
    QTest::newRow("header class body")
        << QStringLiteral("class Dlg : public QDialog\n{\n    QString t() { return tr(\"v hlavičce\"); }\n};\n")
        << QStringList{"Dlg|v hlavičce"};
}

void TestLanguageFile::scannerFindsTranslatableTexts()
{
    QFETCH(QString, code);
    QStringList found;
    for (const auto& text : SourceTextScanner::scan(code, QStringLiteral("src/x/File.cpp")))
        found << text.context + QLatin1Char('|') + text.source;
    QTEST(found, "found");
}

void TestLanguageFile::mergeAddsMissingItemsAndKeepsTranslations()
{
    LanguageData target;
    target.lexicon = {{0, QStringLiteral("error")}};
    target.captions = {{QStringLiteral("w.a.text"), QStringLiteral("save")},
                       {QStringLiteral("w.gone.text"), QStringLiteral("kept although no window has it")}};
    target.designs = {{QStringLiteral("w.a.text"), QStringLiteral("uložit")}};
    target.setText(QStringLiteral("Ctx"), QStringLiteral("nastavení"), QStringLiteral("settings"));

    const LanguageData dump =
        LanguageMerge::designDump({QStringLiteral("chyba"), QStringLiteral("informace")},
                                  {{QStringLiteral("w.a.text"), QStringLiteral("uložit záznam")},
                                   {QStringLiteral("w.tabs.tab1"), QStringLiteral("nastavení")},
                                   {QStringLiteral("w.b.text"), QStringLiteral("zavřít")}},
                                  {{QStringLiteral("Ctx"), {{QStringLiteral("nový"), QStringLiteral("nový")}}}});

    LanguageData empty = target;
    const auto result = LanguageMerge::merge(empty, dump, LanguageMerge::Fill::Empty);
    QCOMPARE(result.lexicon, 1);
    QCOMPARE(result.captions, 2);
    QCOMPARE(result.texts, 1);
    QCOMPARE(result.changedDesigns, QStringList{QStringLiteral("w.a.text")});
    QCOMPARE(empty.lexicon.value(0), QStringLiteral("error"));
    QCOMPARE(empty.lexicon.value(1), QString());
    QVERIFY(empty.lexicon.contains(1));
    QCOMPARE(empty.captions.value(QStringLiteral("w.a.text")), QStringLiteral("save"));
    QCOMPARE(empty.designs.value(QStringLiteral("w.a.text")), QStringLiteral("uložit záznam"));
    QCOMPARE(empty.captions.value(QStringLiteral("w.tabs.tab1")), QStringLiteral("settings")); // from the texts
    QCOMPARE(empty.captions.value(QStringLiteral("w.b.text")), QString());
    QVERIFY(empty.captions.contains(QStringLiteral("w.gone.text")));
    QCOMPARE(empty.text(QStringLiteral("Ctx"), QStringLiteral("nový")), QString());

    LanguageData prefilled = target;
    LanguageMerge::merge(prefilled, dump, LanguageMerge::Fill::Design);
    QCOMPARE(prefilled.lexicon.value(1), QStringLiteral("informace"));
    QCOMPARE(prefilled.captions.value(QStringLiteral("w.b.text")), QStringLiteral("zavřít"));
    QCOMPARE(prefilled.text(QStringLiteral("Ctx"), QStringLiteral("nový")), QStringLiteral("nový"));

    QCOMPARE(LanguageMerge::merge(prefilled, dump, LanguageMerge::Fill::Design).added(), 0);
}

void TestLanguageFile::fileNameForLanguage_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("file");
    QTest::newRow("plain") << "English"
                           << "english.lng";
    QTest::newRow("accents") << "Français"
                             << "francais.lng";
    QTest::newRow("words") << "Brazilian  Portuguese (BR)"
                           << "brazilian_portuguese_br.lng";
    QTest::newRow("other script") << "русский"
                                  << "русский.lng";
    QTest::newRow("nothing usable") << "?!"
                                    << "language.lng";
}

void TestLanguageFile::fileNameForLanguage()
{
    QFETCH(QString, name);
    QTEST(LanguageMerge::fileNameFor(name), "file");
}

QTEST_GUILESS_MAIN(TestLanguageFile)
#include "tst_languagefile.moc"
