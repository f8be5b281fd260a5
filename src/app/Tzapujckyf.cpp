#include "Tzapujckyf.h"

#include "DatabaseStartup.h"
#include "Tdm.h"

#include <QAction>
#include <QHeaderView>
#include <QMenuBar>
#include <QSqlError>
#include <QSqlQueryModel>
#include <QStatusBar>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

Tzapujckyf::Tzapujckyf(Tdm& dm, QWidget* parent) : QMainWindow(parent), m_dm(dm)
{
    setObjectName(QStringLiteral("zapujckyf"));
    setWindowTitle(dm.lex(69) + QLatin1Char(' ') + QStringLiteral(VORNIK_VERSION));

    auto* tabs = new QTabWidget(this);
    tabs->setObjectName(QStringLiteral("zapujckypc"));
    tabs->setTabPosition(QTabWidget::West);
    auto* page = new QWidget(tabs);
    page->setObjectName(QStringLiteral("seznamzapujcekts"));
    m_grid = new QTableView(page);
    m_grid->setObjectName(QStringLiteral("zjvdbgrid"));
    m_grid->setAccessibleName(tr("seznam zápůjček"));
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->verticalHeader()->hide();
    m_loans = new QSqlQueryModel(this);
    m_loans->setObjectName(QStringLiteral("zjvquery"));
    m_grid->setModel(m_loans);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(m_grid);
    tabs->addTab(page, tr("seznam zápůjček"));
    setCentralWidget(tabs);

    statusBar()->setObjectName(QStringLiteral("zapujckysb"));
    createActions();
    m_dm.globals().zapdefaultfiltr = QStringLiteral("select * from loans where returned<10 order by dateto asc");
    refreshLoans();
    resize(1000, 640);
}

void Tzapujckyf::createActions()
{
    QMenu* loans = menuBar()->addMenu(tr("zápůjčky"));
    auto* close = loans->addAction(tr("zavřít"), this, &QWidget::close);
    close->setObjectName(QStringLiteral("konecza"));
    QMenu* tools = menuBar()->addMenu(tr("nástroje"));
    QMenu* database = tools->addMenu(tr("databáze"));
    auto* connection = database->addAction(tr("nastavení připojení a výběr databáze"), this,
                                           [this] { DatabaseStartup::nastavenidba(m_dm); });
    connection->setObjectName(QStringLiteral("nastavenidba"));
}

void Tzapujckyf::refreshLoans()
{
    m_loans->setQuery(m_dm.globals().zapdefaultfiltr, m_dm.db().connection());
    if (m_loans->lastError().isValid())
        m_dm.reportError(m_loans->lastError().text());
}
