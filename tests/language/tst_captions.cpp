#include "CaptionApplier.h"
#include "LangFlagsCombo.h"
#include "LanguageCreatorDialog.h"
#include "LanguageEditorDialog.h"
#include "LanguageEngine.h"
#include "LanguageFileFormat.h"
#include "Lexicon.h"
#include "LngToolWindows.h"
#include "ScriptedDialogs.h"
#include "Tdm.h"
#include "TestEnv.h"

#include <QAction>
#include <QDialog>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>
#include <QtTest>

namespace {

// A small window captioned in Czech the way the program's windows are: by object name, and one button by tr().
class TestWindow : public QMainWindow
{
public:
    TestWindow()
    {
        setObjectName(QStringLiteral("testf"));
        setWindowTitle(QStringLiteral("zkušební okno"));
        auto* central = new QWidget(this);
        save = add<QPushButton>(central, "ulozitb");
        save->setText(QStringLiteral("&uložit"));
        save->setToolTip(QStringLiteral("uložit záznam"));
        description = add<QLabel>(central, "popisl");
        description->setText(QStringLiteral("popis:"));
        data = add<QLabel>(central, "datal");
        data->setText(QStringLiteral("Novák"));
        group = add<QGroupBox>(central, "skupinag");
        group->setTitle(QStringLiteral("skupina"));
        name = add<QLineEdit>(central, "jmenole");
        name->setText(QStringLiteral("štítek"));
        name->setPlaceholderText(QStringLiteral("jméno"));
        tabs = add<QTabWidget>(central, "stranky");
        tabs->addTab(new QWidget, QStringLiteral("první"));
        tabs->addTab(new QWidget, QStringLiteral("druhá"));
        table = add<QTableWidget>(central, "tabulka");
        table->setColumnCount(2);
        table->setHorizontalHeaderLabels({QStringLiteral("sloupec A"), QStringLiteral("sloupec B")});
        refresh = add<QPushButton>(central, "obnovitb");
        refresh->setText(QCoreApplication::translate("TestWindow", "obnovit"));
        auto* layout = new QVBoxLayout(central);
        for (QWidget* w : std::initializer_list<QWidget*>{save, description, data, group, name, tabs, table, refresh})
            layout->addWidget(w);
        setCentralWidget(central);

        menu = menuBar()->addMenu(QStringLiteral("&soubor"));
        menu->setObjectName(QStringLiteral("souborg"));
        action = new QAction(QStringLiteral("nový"), this);
        action->setObjectName(QStringLiteral("novaa"));
        menu->addAction(action);

        detail = new QDialog(this);
        detail->setObjectName(QStringLiteral("detailf"));
        detail->setWindowTitle(QStringLiteral("detail"));
        detailLabel = add<QLabel>(detail, "detaill");
        detailLabel->setText(QStringLiteral("podrobnosti"));
    }

    template <typename T> T* add(QWidget* parent, const char* objectName)
    {
        auto* w = new T(parent);
        w->setObjectName(QLatin1String(objectName));
        return w;
    }

    QPushButton* save;
    QLabel* description;
    QLabel* data;
    QGroupBox* group;
    QLineEdit* name;
    QTabWidget* tabs;
    QTableWidget* table;
    QPushButton* refresh;
    QMenu* menu;
    QAction* action;
    QDialog* detail;
    QLabel* detailLabel;
};

LanguageData testEnglish()
{
    LanguageData english;
    english.name = QStringLiteral("English");
    english.code = QStringLiteral("en");
    english.lexicon = {{0, QStringLiteral("error")},
                       {1, QStringLiteral("information")},
                       {101, QStringLiteral("The changes take full effect after the program is restarted.")}};
    const QMap<QString, QPair<QString, QString>> captions{
        {"testf.windowTitle", {"zkušební okno", "test window"}},
        {"testf.ulozitb.text", {"&uložit", "&save"}},
        {"testf.ulozitb.toolTip", {"uložit záznam", "save the record"}},
        {"testf.popisl.text", {"popis:", "description:"}},
        {"testf.datal.text", {"štítek", "label"}}, // the program shows data there instead
        {"testf.skupinag.title", {"skupina", "group"}},
        {"testf.jmenole.placeholderText", {"jméno", "name"}},
        {"testf.stranky.tab0", {"první", "first"}},
        {"testf.stranky.tab1", {"druhá", "second"}},
        {"testf.tabulka.header1", {"sloupec B", "column B"}},
        {"testf.souborg.title", {"&soubor", "&file"}},
        {"testf.novaa.text", {"nový", "new"}},
        {"detailf.windowTitle", {"detail", "details"}},
        {"detailf.detaill.text", {"podrobnosti", "more details"}},
    };
    for (auto it = captions.cbegin(); it != captions.cend(); ++it) {
        english.designs.insert(it.key(), it.value().first);
        english.captions.insert(it.key(), it.value().second);
    }
    english.setText(QStringLiteral("TestWindow"), QStringLiteral("obnovit"), QStringLiteral("refresh"));
    return english;
}

} // namespace

class TestCaptions : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void windowSwitchesToEnglishAndBack();
    void windowBuiltInEnglishKnowsItsDesignTexts();
    void collectsEveryCaptionWithItsDesignText();
    void flagsComboSwitchesLanguage();
    void creatorWritesStartingFile();
    void editorSavesTranslations();
    void shippedEnglishCaptionsEveryKnownWindow();

private:
    std::unique_ptr<TestProgramFolder> m_folder;
    std::unique_ptr<Lexicon> m_lexicon;
    std::unique_ptr<LanguageEngine> m_engine;
    std::unique_ptr<CaptionApplier> m_applier;
    QString lngFolder() const { return m_folder->path() + QStringLiteral("setup/lng/"); }
};

void TestCaptions::init()
{
    m_folder = std::make_unique<TestProgramFolder>();
    QVERIFY(LanguageFileFormat::save(lngFolder() + QStringLiteral("english.lng"), testEnglish()));
    m_lexicon = std::make_unique<Lexicon>();
    m_engine = std::make_unique<LanguageEngine>();
    m_engine->attachLexicon(*m_lexicon);
    m_applier = std::make_unique<CaptionApplier>(*m_engine);
    m_applier->setAutoApply(true);
}

void TestCaptions::cleanup()
{
    m_applier.reset();
    m_engine.reset();
    m_lexicon.reset();
    m_folder.reset();
}

void TestCaptions::windowSwitchesToEnglishAndBack()
{
    TestWindow w;
    QVERIFY(m_engine->setLanguage(QStringLiteral("English")));

    QCOMPARE(w.windowTitle(), QStringLiteral("test window"));
    QCOMPARE(w.save->text(), QStringLiteral("&save"));
    QCOMPARE(w.save->toolTip(), QStringLiteral("save the record"));
    QCOMPARE(w.description->text(), QStringLiteral("description:"));
    QCOMPARE(w.data->text(), QStringLiteral("Novák")); // data, not the caption the file knows for it
    QCOMPARE(w.group->title(), QStringLiteral("group"));
    QCOMPARE(w.name->text(), QStringLiteral("štítek")); // the user's text is never translated
    QCOMPARE(w.name->placeholderText(), QStringLiteral("name"));
    QCOMPARE(w.tabs->tabText(0), QStringLiteral("first"));
    QCOMPARE(w.tabs->tabText(1), QStringLiteral("second"));
    QCOMPARE(w.table->horizontalHeaderItem(0)->text(), QStringLiteral("sloupec A"));
    QCOMPARE(w.table->horizontalHeaderItem(1)->text(), QStringLiteral("column B"));
    QCOMPARE(w.refresh->text(), QStringLiteral("refresh")); // through the texts of the code
    QCOMPARE(w.menu->title(), QStringLiteral("&file"));
    QCOMPARE(w.action->text(), QStringLiteral("new"));
    QCOMPARE(w.detail->windowTitle(), QStringLiteral("details"));
    QCOMPARE(w.detailLabel->text(), QStringLiteral("more details"));

    // The program fills a label while English is on; that text is its own from then on.
    w.description->setText(QStringLiteral("popis: 3 položky"));

    QVERIFY(m_engine->setLanguage(QStringLiteral("cs")));
    QCOMPARE(w.windowTitle(), QStringLiteral("zkušební okno"));
    QCOMPARE(w.save->text(), QStringLiteral("&uložit"));
    QCOMPARE(w.save->toolTip(), QStringLiteral("uložit záznam"));
    QCOMPARE(w.description->text(), QStringLiteral("popis: 3 položky"));
    QCOMPARE(w.data->text(), QStringLiteral("Novák"));
    QCOMPARE(w.group->title(), QStringLiteral("skupina"));
    QCOMPARE(w.name->placeholderText(), QStringLiteral("jméno"));
    QCOMPARE(w.tabs->tabText(1), QStringLiteral("druhá"));
    QCOMPARE(w.table->horizontalHeaderItem(1)->text(), QStringLiteral("sloupec B"));
    QCOMPARE(w.refresh->text(), QStringLiteral("obnovit"));
    QCOMPARE(w.menu->title(), QStringLiteral("&soubor"));
    QCOMPARE(w.action->text(), QStringLiteral("nový"));
    QCOMPARE(w.detailLabel->text(), QStringLiteral("podrobnosti"));

    QVERIFY(m_engine->setLanguage(QStringLiteral("en")));
    QCOMPARE(w.save->text(), QStringLiteral("&save"));
}

void TestCaptions::windowBuiltInEnglishKnowsItsDesignTexts()
{
    QVERIFY(m_engine->setLanguage(QStringLiteral("English")));
    TestWindow w; // its tr() caption comes out in English
    QCOMPARE(w.refresh->text(), QStringLiteral("refresh"));
    QCOMPARE(w.save->text(), QStringLiteral("&uložit"));
    w.show(); // windows made after the change are captioned when first shown
    QCOMPARE(w.save->text(), QStringLiteral("&save"));

    const auto captions = m_applier->collectCaptions(&w);
    QCOMPARE(captions.value(QStringLiteral("testf.obnovitb.text")), QStringLiteral("obnovit"));
    QCOMPARE(captions.value(QStringLiteral("testf.ulozitb.text")), QStringLiteral("&uložit"));

    QVERIFY(m_engine->setLanguage(QStringLiteral("cs")));
    QCOMPARE(w.refresh->text(), QStringLiteral("obnovit"));
    QCOMPARE(w.save->text(), QStringLiteral("&uložit"));
}

void TestCaptions::collectsEveryCaptionWithItsDesignText()
{
    TestWindow w;
    const auto captions = m_applier->collectCaptions(&w);
    const QMap<QString, QString> expected{
        {"testf.windowTitle", "zkušební okno"},
        {"testf.ulozitb.text", "&uložit"},
        {"testf.ulozitb.toolTip", "uložit záznam"},
        {"testf.popisl.text", "popis:"},
        {"testf.datal.text", "Novák"},
        {"testf.skupinag.title", "skupina"},
        {"testf.jmenole.placeholderText", "jméno"},
        {"testf.stranky.tab0", "první"},
        {"testf.stranky.tab1", "druhá"},
        {"testf.tabulka.header0", "sloupec A"},
        {"testf.tabulka.header1", "sloupec B"},
        {"testf.obnovitb.text", "obnovit"},
        {"testf.souborg.title", "&soubor"},
        {"testf.novaa.text", "nový"},
    };
    QCOMPARE(captions, expected); // no line edit text, no action tool tip that only repeats the text
    QCOMPARE(m_applier->collectCaptions(w.detail),
             (QMap<QString, QString>{{"detailf.windowTitle", "detail"}, {"detailf.detaill.text", "podrobnosti"}}));
    QVERIFY(m_applier->collectAll().contains(QStringLiteral("detailf.detaill.text")));
}

void TestCaptions::flagsComboSwitchesLanguage()
{
    ScriptedDialogs dialogs;
    QWidget page;
    page.setObjectName(QStringLiteral("pagef"));
    auto* combo = new LangFlagsCombo(*m_engine, &dialogs, &page);
    QSignalSpy switched(combo, &LangFlagsCombo::languageSwitched);
    QCOMPARE(combo->objectName(), QStringLiteral("LangFlagsCombo1"));
    QCOMPARE(combo->count(), 2);
    QCOMPARE(combo->itemText(0), QStringLiteral("čeština"));
    QCOMPARE(combo->itemText(1), QStringLiteral("English"));
    QVERIFY(!combo->itemIcon(1).isNull()); // the ISO code stands in for the missing flag
    QCOMPARE(combo->currentIndex(), 0);

    page.show();
    combo->setFocus();
    QTest::keyClick(combo, Qt::Key_Down);
    QCOMPARE(m_engine->currentName(), QStringLiteral("English"));
    QCOMPARE(switched.count(), 1);
    QCOMPARE(dialogs.shown.size(), 1);
    QCOMPARE(dialogs.shown[0].caption, QStringLiteral("information"));
    QCOMPARE(dialogs.shown[0].text, QStringLiteral("The changes take full effect after the program is restarted."));
    QCOMPARE(dialogs.shown[0].icon, Dialogs::Icon::Information);

    // A change made elsewhere moves the list without switching again.
    QVERIFY(m_engine->setLanguage(QStringLiteral("cs")));
    QCOMPARE(combo->currentIndex(), 0);
    QCOMPARE(switched.count(), 1);
    QCOMPARE(dialogs.shown.size(), 1);
}

void TestCaptions::creatorWritesStartingFile()
{
    TestWindow w;
    ScriptedDialogs dialogs;
    LanguageCreatorDialog creator(*m_engine, dialogs);

    creator.setLanguage(QStringLiteral("english"), QStringLiteral("de"));
    QVERIFY(!creator.create());
    creator.setLanguage(QStringLiteral("Deutsch"), QStringLiteral("d1"));
    QVERIFY(!creator.create());
    creator.setLanguage(QStringLiteral("Deutsch"), QStringLiteral("cs"));
    QVERIFY(!creator.create());
    QCOMPARE(dialogs.shown.size(), 3);
    QCOMPARE(dialogs.shown[0].icon, Dialogs::Icon::Error);
    QVERIFY(!QFile::exists(lngFolder() + QStringLiteral("deutsch.lng")));

    creator.setLanguage(QStringLiteral("Deutsch"), QStringLiteral("DE"));
    QVERIFY(creator.create());
    QCOMPARE(creator.createdFile(), lngFolder() + QStringLiteral("deutsch.lng"));
    const auto created = LanguageFileFormat::load(creator.createdFile());
    QVERIFY(created);
    QCOMPARE(created->name, QStringLiteral("Deutsch"));
    QCOMPARE(created->code, QStringLiteral("de"));
    QCOMPARE(created->lexicon.size(), Lexicon::Count);
    QCOMPARE(created->lexicon.value(0), QStringLiteral("chyba"));
    QCOMPARE(created->captions.value(QStringLiteral("testf.ulozitb.text")), QStringLiteral("&uložit"));
    QCOMPARE(created->designs.value(QStringLiteral("testf.ulozitb.text")), QStringLiteral("&uložit"));
    QCOMPARE(created->captions.value(QStringLiteral("detailf.detaill.text")), QStringLiteral("podrobnosti"));
    QCOMPARE(created->text(QStringLiteral("TestWindow"), QStringLiteral("obnovit")), QStringLiteral("obnovit"));
    QVERIFY(m_engine->find(QStringLiteral("Deutsch")));
}

void TestCaptions::editorSavesTranslations()
{
    TestWindow w;
    w.add<QLabel>(w.centralWidget(), "novyl")->setText(QStringLiteral("nový popisek"));
    QVERIFY(m_engine->setLanguage(QStringLiteral("en")));
    ScriptedDialogs dialogs;
    LanguageEditorDialog editor(*m_engine, dialogs);
    QVERIFY(editor.openLanguage(QStringLiteral("English")));

    QStandardItemModel* model = editor.model();
    const int error = editor.rowOf(LanguageEntry::Kind::Lexicon, QStringLiteral("0"));
    QVERIFY(error >= 0);
    QCOMPARE(model->item(error, LanguageEditorDialog::DesignColumn)->text(), QStringLiteral("chyba"));
    QCOMPARE(model->item(error, LanguageEditorDialog::TranslationColumn)->text(), QStringLiteral("error"));
    QVERIFY(editor.rowOf(LanguageEntry::Kind::Lexicon, QStringLiteral("168")) >= 0);
    // A caption of an open window the file does not know yet.
    const int added = editor.rowOf(LanguageEntry::Kind::Caption, QStringLiteral("testf.novyl.text"));
    QVERIFY(added >= 0);
    QCOMPARE(model->item(added, LanguageEditorDialog::DesignColumn)->text(), QStringLiteral("nový popisek"));
    QVERIFY(model->item(added, LanguageEditorDialog::TranslationColumn)->text().isEmpty());
    QVERIFY(editor.rowOf(LanguageEntry::Kind::Text, QStringLiteral("obnovit"), QStringLiteral("TestWindow")) >= 0);

    const int save = editor.rowOf(LanguageEntry::Kind::Caption, QStringLiteral("testf.ulozitb.text"));
    model->item(save, LanguageEditorDialog::TranslationColumn)->setText(QStringLiteral("&store"));
    model->item(added, LanguageEditorDialog::TranslationColumn)->setText(QStringLiteral("new label"));
    QVERIFY(editor.isModified());
    QVERIFY(editor.save());
    QVERIFY(!editor.isModified());
    QCOMPARE(w.save->text(), QStringLiteral("&store")); // the current language was read again
    QCOMPARE(w.findChild<QLabel*>(QStringLiteral("novyl"))->text(), QStringLiteral("new label"));
    const auto saved = LanguageFileFormat::load(lngFolder() + QStringLiteral("english.lng"));
    QCOMPARE(saved->captions.value(QStringLiteral("testf.ulozitb.text")), QStringLiteral("&store"));
    QCOMPARE(saved->designs.value(QStringLiteral("testf.novyl.text")), QStringLiteral("nový popisek"));
    QCOMPARE(saved->lexicon.size(), Lexicon::Count);

    // Closing with unsaved changes asks; No leaves the file as it was.
    model->item(save, LanguageEditorDialog::TranslationColumn)->setText(QStringLiteral("&keep"));
    dialogs.answers.enqueue(Dialogs::No);
    editor.reject();
    QCOMPARE(dialogs.shown.size(), 1);
    QCOMPARE(dialogs.shown[0].icon, Dialogs::Icon::Question);
    QCOMPARE(dialogs.shown[0].text, m_lexicon->text(139));
    QCOMPARE(LanguageFileFormat::load(lngFolder() + QStringLiteral("english.lng"))
                 ->captions.value(QStringLiteral("testf.ulozitb.text")),
             QStringLiteral("&store"));
}

// A caption whose Czech text changed since it was translated shows in Czech, so it counts as untranslated too.
void TestCaptions::shippedEnglishCaptionsEveryKnownWindow()
{
    const auto english = LanguageFileFormat::load(TestEnv::resourcesDir() + QStringLiteral("setup/lng/english.lng"));
    QVERIFY(english);
    Tdm dm;
    std::vector<std::unique_ptr<QWidget>> windows;
    for (const ToolWindow& known : lngToolWindows())
        windows.emplace_back(known.create(dm));
    LanguageEngine design;
    const QMap<QString, QString> captions = CaptionApplier(design).collectAll();
    QVERIFY(captions.contains(QStringLiteral("zapujckaf.windowTitle")));
    for (auto it = captions.cbegin(); it != captions.cend(); ++it) {
        const bool translated =
            !english->captions.value(it.key()).isEmpty() && english->designs.value(it.key()) == it.value();
        QVERIFY2(translated, qPrintable(it.key() + QStringLiteral(" \"") + it.value() +
                                        QStringLiteral("\" is not translated; see lngtool update and todo")));
    }
}

QTEST_MAIN(TestCaptions)
#include "tst_captions.moc"
