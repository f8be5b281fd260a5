#include "SettingsPages.h"
#include "Tzapujckyf.h"

#include "DatabaseStartup.h"
#include "LanguageCreatorDialog.h"
#include "LanguageEditorDialog.h"
#include "Tdm.h"

#include <QAction>
#include <QApplication>
#include <QMenuBar>
#include <QPushButton>
#include <QStyle>
#include <QTableView>
#include <QToolBar>

namespace {

struct ActionRow
{
    const char* name;
    const char* caption;
    const char* menu;            // object name of the menu, empty for none
    QStyle::StandardPixmap icon; // shown on the tool bar when not NoIcon
    const char* shortcut;
    bool ready; // false: the function comes with a later version and stays disabled
};

constexpr QStyle::StandardPixmap NoIcon = QStyle::SP_CustomBase;

// Order within each menu is the order of this table.
const ActionRow actionRows[] = {
    {"novaza", "nová zápůjčka", "zapujckyg", QStyle::SP_FileIcon, "Ctrl+N", true},
    {"otevritza", "otevřít", "zapujckyg", QStyle::SP_DialogOpenButton, "Ctrl+O", true},
    {"zapobnovitdfiltra", "obnovit výchozí filtr", "zapujckyg", QStyle::SP_BrowserReload, "", true},
    {"zapobnovitafiltra", "obnovit aktuální filtr", "zapujckyg", NoIcon, "F5", true},
    {"zaptrvaleodstranita", "trvale odstranit zápůjčku", "zapujckyg", NoIcon, "", true},
    {"exportcsvza", "csv", "exportg", NoIcon, "", false},
    {"exportxmlza", "xml", "exportg", NoIcon, "", false},
    {"zapprilohya", "přílohy", "zapujckyg", QStyle::SP_DirIcon, "", false},
    {"konecza", "zavřít", "zapujckyg", QStyle::SP_DialogCloseButton, "", true},
    {"upravitfiltryza", "upravit, přidat filtry", "nastrojeg", NoIcon, "", true},
    {"upravitsestavyza", "upravit, přidat tiskové sestavy", "nastrojeg", QStyle::SP_FileDialogDetailedView, "", false},
    {"editlanguagea", "upravit jazyk", "nastrojeg", NoIcon, "", true},
    {"createlanguagea", "vytvořit jazyk", "nastrojeg", NoIcon, "", true},
    {"nastavenidba", "nastavení připojení a výběr databáze", "databazeg", NoIcon, "", true},
    {"novaprazdnadba", "nová prázdná databáze", "databazeg", NoIcon, "", false},
    {"copydatabasea", "kopie databáze do nové", "databazeg", NoIcon, "", false},
    {"loga", "zobrazit log", "nastrojeg", NoIcon, "", true},
    {"showsqla", "zobrazit skryté funkce", "", NoIcon, "Ctrl+F12", true},
    {"podlezapujcekza", "podle zápůjček", "vyhledavanig", QStyle::SP_FileDialogContentsView, "F3", true},
    {"podleveciza", "podle zapůjčených věcí", "vyhledavanig", QStyle::SP_FileDialogInfoView, "F4", true},
    {"adresarzapa", "adresář", "modulyg", QStyle::SP_DirHomeIcon, "", false},
    {"zarizenizapa", "evidence zařízení", "modulyg", QStyle::SP_ComputerIcon, "", false},
    {"updatea", "aktualizace", "napovedag", NoIcon, "", false},
    {"helpa", "nápověda", "napovedag", NoIcon, "", true},
    {"abouta", "O programu", "napovedag", QStyle::SP_MessageBoxInformation, "", true},
};

} // namespace

void Tzapujckyf::editLanguage(const QString& language)
{
    LanguageEngine& engine = m_dm.language();
    // The current language when it has a file, else the first language that has one.
    QString name = language;
    if (name.isEmpty() && !engine.languageFile(engine.currentName()).isEmpty())
        name = engine.currentName();
    for (const auto& available : engine.languages()) {
        if (name.isEmpty() && !available.file.isEmpty())
            name = available.name;
    }
    LanguageEditorDialog editor(engine, m_dm.dialogs(), this);
    if (name.isEmpty() || !editor.openLanguage(name)) {
        m_dm.dialogs().information(m_dm.lex(Lexicon::Information),
                                   tr("Není k dispozici žádný jazykový soubor; vytvořte nejprve nový jazyk."));
        return;
    }
    editor.exec();
}

QAction* Tzapujckyf::addAction(const QString& name, const QString& caption)
{
    auto* a = new QAction(caption, this);
    a->setObjectName(name);
    m_actions.insert(name, a);
    QMainWindow::addAction(a); // shortcuts work even for actions in no visible menu
    return a;
}

void Tzapujckyf::createActions()
{
    struct MenuRow
    {
        const char* name;
        const char* title;
        const char* parent;
    };
    static const MenuRow menus[] = {
        {"zapujckyg", "&zápůjčky", ""}, {"exportg", "export", "zapujckyg"},
        {"nastrojeg", "&nástroje", ""}, {"databazeg", "databáze", "nastrojeg"},
        {"filtryg", "&filtry", ""},     {"vyhledavanig", "&vyhledávání", ""},
        {"sestavyg", "&sestavy", ""},   {"modulyg", "&moduly", ""},
        {"napovedag", "nápově&da", ""},
    };
    QHash<QString, QMenu*> menuByName;
    for (const MenuRow& m : menus) {
        const QString title = QCoreApplication::translate("Tzapujckyf", m.title);
        QMenu* menu = *m.parent ? menuByName.value(QLatin1String(m.parent))->addMenu(title) : menuBar()->addMenu(title);
        menu->setObjectName(QLatin1String(m.name));
        menuByName.insert(QLatin1String(m.name), menu);
    }
    m_filtersMenu = menuByName.value(QStringLiteral("filtryg"));
    m_reportsMenu = menuByName.value(QStringLiteral("sestavyg"));

    auto* toolbar = addToolBar(tr("nástroje"));
    toolbar->setObjectName(QStringLiteral("zapujckytb"));
    toolbar->setMovable(false);
    QMenu* exportMenu = menuByName.value(QStringLiteral("exportg"));
    QMenu* loansMenu = menuByName.value(QStringLiteral("zapujckyg"));
    // The export submenu sits before "přílohy" in the loans menu.
    loansMenu->removeAction(exportMenu->menuAction());
    for (const ActionRow& row : actionRows) {
        QAction* a = addAction(QLatin1String(row.name), QCoreApplication::translate("Tzapujckyf", row.caption));
        if (*row.shortcut)
            a->setShortcut(QKeySequence(QLatin1String(row.shortcut)));
        a->setEnabled(row.ready);
        if (*row.menu) {
            QMenu* menu = menuByName.value(QLatin1String(row.menu));
            if (qstrcmp(row.name, "zapprilohya") == 0)
                loansMenu->addMenu(exportMenu);
            menu->addAction(a);
        }
        if (row.icon != NoIcon) {
            a->setIcon(style()->standardIcon(row.icon));
            toolbar->addAction(a);
        }
    }
    action(QStringLiteral("showsqla"))->setShortcutContext(Qt::ApplicationShortcut);

    connect(action(QStringLiteral("konecza")), &QAction::triggered, this, &QWidget::close);
    connect(action(QStringLiteral("novaza")), &QAction::triggered, this, &Tzapujckyf::novazaExecute);
    connect(action(QStringLiteral("otevritza")), &QAction::triggered, this, &Tzapujckyf::otevritzaExecute);
    connect(m_grid, &QAbstractItemView::doubleClicked, this, &Tzapujckyf::otevritzaExecute);
    connect(m_settings->vlastnipocitadlob, &QPushButton::clicked, this, &Tzapujckyf::vlastnipocitadlobClick);

    // The list's pop-up menu; changing a loan's own number is offered only with own numbering.
    QAction* ownNumber = addAction(QStringLiteral("upravitlvlcislozapa"), tr("upravit vlastní číslo zápůjčky"));
    connect(ownNumber, &QAction::triggered, this, &Tzapujckyf::upravitlvlcislozapaClick);
    m_grid->setContextMenuPolicy(Qt::ActionsContextMenu);
    m_grid->addAction(ownNumber);
    connect(action(QStringLiteral("abouta")), &QAction::triggered, this, &Tzapujckyf::aboutaExecute);
    connect(action(QStringLiteral("loga")), &QAction::triggered, this, &Tzapujckyf::logaExecute);
    connect(action(QStringLiteral("showsqla")), &QAction::triggered, this, &Tzapujckyf::showsqlaExecute);
    connect(action(QStringLiteral("helpa")), &QAction::triggered, this, [] { QApplication::processEvents(); });
    connect(action(QStringLiteral("nastavenidba")), &QAction::triggered, this,
            [this] { DatabaseStartup::nastavenidba(m_dm); });
    connect(action(QStringLiteral("editlanguagea")), &QAction::triggered, this, [this] { editLanguage(QString()); });
    connect(action(QStringLiteral("createlanguagea")), &QAction::triggered, this, [this] {
        const QString created = LanguageCreatorDialog::run(m_dm.language(), m_dm.dialogs(), this);
        if (!created.isEmpty())
            editLanguage(created);
    });
    connect(m_settings->nastavenidbb, &QPushButton::clicked, action(QStringLiteral("nastavenidba")), &QAction::trigger);
}
