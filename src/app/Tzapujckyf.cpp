#include "Tzapujckyf.h"

#include "AppInfo.h"
#include "AppPaths.h"
#include "Clock.h"
#include "DayNumber.h"
#include "LangFlagsCombo.h"
#include "LoanNumbering.h"
#include "LoansList.h"
#include "SettingsPages.h"
#include "SqlPage.h"
#include "Tdm.h"
#include "UsersPage.h"

#include <QAction>
#include <QCloseEvent>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QLayout>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QSaveFile>
#include <QSpinBox>
#include <QStatusBar>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

Tzapujckyf::Tzapujckyf(Tdm& dm, QWidget* parent) : QMainWindow(parent), m_dm(dm)
{
    setObjectName(QStringLiteral("zapujckyf"));
    // The caption comes from the lexicon when the window is shown and whenever the language changes.
    connect(&dm.language(), &LanguageEngine::languageChanged, this,
            [this] { setWindowTitle(m_dm.lex(69) + QLatin1Char(' ') + AppInfo::versionText()); });
    buildPages();
    createLoansList();
    createActions();
    statusBar()->setObjectName(QStringLiteral("zapujckysb"));
    statusBar()->setAccessibleName(tr("stavový řádek"));
    connectLoansList();
    resize(1100, 700);
}

Tzapujckyf::~Tzapujckyf() = default;

void Tzapujckyf::buildPages()
{
    m_pages = new QTabWidget(this);
    m_pages->setObjectName(QStringLiteral("zapujckypc"));
    m_pages->setTabPosition(QTabWidget::West);

    auto* list = new QWidget(m_pages);
    list->setObjectName(QStringLiteral("seznamzapujcekts"));
    m_grid = new QTableView(list);
    m_grid->setObjectName(QStringLiteral("zjvdbgrid"));
    m_grid->setAccessibleName(tr("seznam zápůjček"));
    m_grid->setAlternatingRowColors(false);
    m_grid->verticalHeader()->hide();
    m_progress = new QProgressBar(list);
    m_progress->setObjectName(QStringLiteral("zapujckypb"));
    m_progress->setAccessibleName(tr("průběh"));
    m_progress->setMaximumHeight(8);
    m_progress->setTextVisible(false);
    m_progress->setValue(0);
    auto* listLayout = new QVBoxLayout(list);
    listLayout->addWidget(m_grid);
    listLayout->addWidget(m_progress);
    m_pages->addTab(list, tr("seznam zápůjček"));

    auto* settingsPage = new QWidget(m_pages);
    settingsPage->setObjectName(QStringLiteral("znastavenits"));
    auto* settingsTabs = new QTabWidget(settingsPage);
    m_settings = new SettingsPages(settingsTabs);
    m_users = new UsersPage(m_dm, *m_settings, this);
    auto* languages = new LangFlagsCombo(m_dm.language(), &m_dm.dialogs(), m_settings->languagebox);
    m_settings->languagebox->layout()->addWidget(languages);
    if (auto* label = m_settings->languagets->findChild<QLabel*>(QStringLiteral("LangFlagsCombo1l")))
        label->setBuddy(languages);
    auto* settingsLayout = new QVBoxLayout(settingsPage);
    settingsLayout->addWidget(settingsTabs);
    m_pages->addTab(settingsPage, tr("nastavení"));

    m_sqlPage = new SqlPage(m_dm, m_pages);
    m_pages->addTab(m_sqlPage, tr("sql"));
    m_pages->setTabVisible(m_pages->indexOf(m_sqlPage), false);
    connect(m_sqlPage, &SqlPage::filterRequested, this, &Tzapujckyf::setLoansStatement);
    connect(m_sqlPage, &SqlPage::statementRun, this, &Tzapujckyf::refreshLoans);

    setCentralWidget(m_pages);

    // The own counter shows the counter of the newest loan whenever the settings are looked at.
    connect(m_pages, &QTabWidget::currentChanged, this, [this](int index) {
        if (m_pages->widget(index)->objectName() == QLatin1String("znastavenits"))
            refreshOwnCounter();
    });
    connect(settingsTabs, &QTabWidget::currentChanged, this, [this, settingsTabs](int index) {
        if (settingsTabs->widget(index) == m_settings->ciselneradts)
            refreshOwnCounter();
    });
}

void Tzapujckyf::refreshOwnCounter()
{
    if (!m_dm.db().isOpen())
        return;
    try {
        m_settings->vlastnipocitadlospine->setValue(LoanNumbering::counterval(m_dm.db()));
    } catch (const DbError& e) {
        m_dm.reportError(e.message());
    }
}

void Tzapujckyf::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (event->spontaneous())
        return;
    m_pages->setCurrentIndex(0);
    m_settings->tabs->setCurrentWidget(m_settings->zakladnits);
    setWindowTitle(m_dm.lex(69) + QLatin1Char(' ') + AppInfo::versionText());
    m_pages->setTabVisible(m_pages->indexOf(m_sqlPage), false);
    restoreLayouts();
    applyRights();
}

void Tzapujckyf::applyRights()
{
    const QString& type = m_dm.globals().typ;
    if (type != QLatin1String("user") && type != QLatin1String("user readonly"))
        return;
    action(QStringLiteral("zaptrvaleodstranita"))->setVisible(false);
    m_settings->tabs->setTabVisible(m_settings->tabs->indexOf(m_settings->usersts), false);
    m_settings->tabs->setTabVisible(m_settings->tabs->indexOf(m_settings->ciselneradts), false);
}

void Tzapujckyf::showsqlaExecute()
{
    const int index = m_pages->indexOf(m_sqlPage);
    const bool show = !m_pages->isTabVisible(index);
    m_pages->setTabVisible(index, show);
    if (show)
        m_pages->setCurrentIndex(index);
}

void Tzapujckyf::aboutaExecute()
{
    const QString text = m_dm.lex(69) + QStringLiteral(" : ") + AppInfo::versionText() + QLatin1Char('\n') +
                         AppInfo::makerLine() + QStringLiteral("\n\n") + m_dm.lex(76);
    m_dm.dialogs().information(m_dm.lex(Lexicon::Information), text);
}

void Tzapujckyf::logaExecute()
{
    if (m_list->rowCount() == 0)
        return;
    const QString log = m_list->currentValue(QStringLiteral("loanlog")).toString();
    // The moment as a day number in the user's number format, without group separators, names the file.
    const double now = DayNumber::fromDateTime(Clock::instance().now());
    QLocale locale = Clock::instance().locale();
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    const QString path = AppPaths::tempFolder() + locale.toString(now, 'g', 15) + QStringLiteral(".txt");
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        m_dm.reportError(file.errorString());
        return;
    }
    file.write(log.toUtf8());
    if (!file.commit()) {
        m_dm.reportError(file.errorString());
        return;
    }
    QString error;
    if (!m_dm.shell().openFile(path, &error))
        m_dm.reportError(error);
}

void Tzapujckyf::loadStaff()
{
    QFile file(m_dm.globals().nastavenicesta + QStringLiteral("pracovnici"));
    if (!file.exists()) {
        m_staffRead = true; // created at close
        return;
    }
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return;
    m_settings->pracovnicim->setPlainText(QString::fromUtf8(file.readAll()));
    m_staffRead = true;
}

void Tzapujckyf::saveStaff()
{
    QSaveFile file(m_dm.globals().nastavenicesta + QStringLiteral("pracovnici"));
    if (!file.open(QIODevice::WriteOnly) || file.write(m_settings->pracovnicim->toPlainText().toUtf8()) < 0 ||
        !file.commit())
        m_dm.reportError(file.errorString());
}

void Tzapujckyf::closeEvent(QCloseEvent* event)
{
    saveSession();
    QMainWindow::closeEvent(event);
    event->accept();
}
