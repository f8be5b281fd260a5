// The main window's side of the loans list: the list and its filters wired to the window's actions, status
// line and colour settings.
#include "SettingsPages.h"
#include "Tzapujckyf.h"

#include "ColorSwatch.h"
#include "LoansFilters.h"
#include "LoansList.h"
#include "Tdm.h"

#include <QAction>
#include <QLabel>
#include <QSpinBox>
#include <QStatusBar>
#include <QTableView>

void Tzapujckyf::createLoansList()
{
    m_list = new LoansList(m_dm, m_grid, objectName(), this);
}

void Tzapujckyf::connectLoansList()
{
    m_statusPanel = new QLabel(statusBar());
    m_statusPanel->setObjectName(QStringLiteral("zapujckysbl"));
    m_statusPanel->setAccessibleName(tr("stav zápůjčky"));
    statusBar()->addWidget(m_statusPanel, 1);
    m_list->setStatusLabel(m_statusPanel);
    m_list->setAttachmentsAction(action(QStringLiteral("zapprilohya")));

    m_filters = new LoansFilters(m_dm, *m_list, m_filtersMenu, this);
    const auto on = [this](const char* name, auto handler) {
        connect(action(QLatin1String(name)), &QAction::triggered, this, handler);
    };
    on("zapobnovitdfiltra", [this] { m_filters->zapobnovitdfiltraExecute(); });
    on("zapobnovitafiltra", [this] { m_filters->zapobnovitafiltraExecute(); });
    on("upravitfiltryza", [this] { m_filters->upravitfiltryzaExecute(); });
    on("podlezapujcekza", [this] { m_filters->podlezapujcekzaExecute(); });
    on("podleveciza", [this] { m_filters->podlevecizaExecute(); });
    on("zaptrvaleodstranita", [this] { m_list->zaptrvaleodstranitaExecute(); });

    // The grid's pop-up menu: the loan commands, then the column commands.
    auto* separator = new QAction(m_grid);
    separator->setSeparator(true);
    m_grid->addAction(separator);
    m_grid->addAction(m_list->columnWidthsAction());
    m_grid->addAction(m_list->chooseColumnsAction());

    // A changed threshold or colour shows on the list at once.
    const auto recolour = [this] { m_list->setColours(currentColours()); };
    for (QSpinBox* spin : m_settings->zapdnuspine)
        connect(spin, &QSpinBox::valueChanged, this, recolour);
    for (ColorSwatch* swatch : m_settings->swatches)
        connect(swatch, &ColorSwatch::colorChanged, this, recolour);
}

LoanColours Tzapujckyf::currentColours() const
{
    LoanColours colours;
    for (int i = 0; i < LoanColours::ThresholdCount; ++i)
        colours.thresholds[i] = m_settings->zapdnuspine[i]->value();
    for (int i = 0; i < LoanColours::BandCount; ++i)
        colours.bands[i] = m_settings->swatches[i]->bgr();
    colours.returned = m_settings->swatches[LoanColours::BandCount]->bgr();
    return colours;
}

void Tzapujckyf::setLoansStatement(const QString& sql)
{
    m_list->open(sql);
}

void Tzapujckyf::refreshLoans()
{
    m_list->refresh();
}

QString Tzapujckyf::loansStatement() const
{
    return m_list->statement();
}
