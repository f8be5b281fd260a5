#include "LoansList.h"

#include "Clock.h"
#include "ColumnChooser.h"
#include "GridLayout.h"
#include "LoanDeletion.h"
#include "LoanStatus.h"
#include "LoansModel.h"
#include "LocaleFormats.h"
#include "Tdm.h"
#include "TitleSort.h"
#include "Users.h"

#include <QAction>
#include <QApplication>
#include <QHeaderView>
#include <QLabel>
#include <QStyle>
#include <QTableView>
#include <QTimer>

namespace {
// While the mouse drags a title, moves and resizes arrive many times a second; the layout is written when the
// button is let go (or the drag rests), not for every step.
constexpr int LayoutSaveDelayMs = 300;
constexpr int RowHeight = 17;
constexpr int DefaultColumnWidth = 100;
} // namespace

LoansList::LoansList(Tdm& dm, QTableView* grid, const QString& windowName, QObject* parent)
    : QObject(parent), m_dm(dm), m_grid(grid), m_windowName(windowName), m_model(new LoansModel(dm.db(), this))
{
    m_model->setObjectName(QStringLiteral("zjvquery"));
    m_model->setLexicon(&dm.lexicon());
    connect(&dm.language(), &LanguageEngine::languageChanged, m_model, &LoansModel::languageChanged);
    connect(m_model, &ListQueryModel::fetchFailed, this, [this](const QString& message) { m_dm.reportError(message); });

    m_grid->setModel(m_model);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grid->setSortingEnabled(false); // a title click rewrites the statement instead
    m_grid->verticalHeader()->setMinimumSectionSize(RowHeight);
    m_grid->verticalHeader()->setDefaultSectionSize(RowHeight);
    QHeaderView* header = m_grid->horizontalHeader();
    header->setSectionsMovable(true);
    header->setSectionsClickable(true);
    header->setHighlightSections(false);

    connect(m_grid->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) {
                if (current.isValid())
                    zapikonyasbstatus();
            });
    connect(m_grid, &QAbstractItemView::clicked, this, [this] { zapikonyasbstatus(); });
    connect(header, &QHeaderView::sectionClicked, this, &LoansList::zjvdbgridTitleClick);

    m_layoutTimer = new QTimer(this);
    m_layoutTimer->setSingleShot(true);
    m_layoutTimer->setInterval(LayoutSaveDelayMs);
    connect(m_layoutTimer, &QTimer::timeout, this, &LoansList::saveLayout);
    connect(header, &QHeaderView::sectionMoved, this, &LoansList::scheduleLayoutSave);
    connect(header, &QHeaderView::sectionResized, this, &LoansList::scheduleLayoutSave);
    header->viewport()->installEventFilter(this);

    m_widthsAction = new QAction(tr("výchozí šířka sloupců"), m_grid);
    m_widthsAction->setObjectName(QStringLiteral("vchozkasloupc1"));
    connect(m_widthsAction, &QAction::triggered, this, &LoansList::vchozkasloupc1Click);
    m_chooseAction = new QAction(tr("výběr sloupců"), m_grid);
    m_chooseAction->setObjectName(QStringLiteral("vbrsloupc1"));
    connect(m_chooseAction, &QAction::triggered, this, &LoansList::vbrsloupc1Click);
    // The titles offer the column commands too: that is where a user looks for them.
    header->setContextMenuPolicy(Qt::ActionsContextMenu);
    header->addAction(m_widthsAction);
    header->addAction(m_chooseAction);
}

void LoansList::setAttachmentsAction(QAction* action)
{
    m_attachments = action;
}

QString LoansList::statement() const
{
    return m_model->statement();
}

bool LoansList::open(const QString& sql)
{
    const bool ok = m_model->setStatement(sql);
    if (!ok) {
        reportRefusal();
        return false;
    }
    if (m_model->rowCount() > 0)
        setCurrentRow(0);
    return true;
}

bool LoansList::refresh()
{
    const qint64 id = currentLoanId();
    const int row = currentRow();
    if (!m_model->refresh()) {
        reportRefusal();
        return false;
    }
    if (m_model->rowCount() == 0)
        return true;
    if (id == 0 || !positionOn(id))
        setCurrentRow(qBound(0, row, m_model->rowCount() - 1));
    return true;
}

void LoansList::reportRefusal()
{
    // Without a connection there is nothing the user could mend here; the start-up has said why already.
    if (m_dm.db().isOpen())
        m_dm.reportError(m_model->errorString());
}

void LoansList::clear()
{
    m_model->clear();
}

int LoansList::rowCount() const
{
    return m_model->rowCount();
}

int LoansList::currentRow() const
{
    const QModelIndex current = m_grid->currentIndex();
    if (current.isValid() && current.row() < m_model->rowCount())
        return current.row();
    return m_model->rowCount() > 0 ? 0 : -1;
}

qint64 LoansList::currentLoanId() const
{
    const int row = currentRow();
    return row < 0 ? 0 : m_model->idAt(row);
}

QVariant LoansList::currentValue(const QString& field) const
{
    const int row = currentRow();
    return row < 0 ? QVariant() : m_model->value(row, field);
}

bool LoansList::positionOn(qint64 id)
{
    const int row = m_model->findRow(QStringLiteral("id"), id);
    if (row < 0)
        return false;
    setCurrentRow(row);
    return true;
}

void LoansList::setCurrentRow(int row)
{
    if (row < 0 || row >= m_model->rowCount())
        return;
    // The first column the user sees, so the view does not scroll sideways to a hidden one.
    const QHeaderView* header = m_grid->horizontalHeader();
    int column = 0;
    for (int visual = 0; visual < header->count(); ++visual) {
        const int logical = header->logicalIndex(visual);
        if (!header->isSectionHidden(logical)) {
            column = logical;
            break;
        }
    }
    const QModelIndex index = m_model->index(row, column);
    m_grid->setCurrentIndex(index);
    m_grid->scrollTo(index);
}

void LoansList::setFirstColumnField(const QString& field)
{
    m_model->setFirstColumnField(field);
}

void LoansList::setColours(const LoanColours& colours)
{
    m_model->setColours(colours);
}

void LoansList::zapikonyasbstatus()
{
    const int row = currentRow();
    if (row < 0)
        return;
    LoanRowStatus status;
    try {
        status = ::zapikonyasbstatus(m_dm.db(), m_dm.lexicon(), m_model->idAt(row),
                                     m_model->dayAt(row, QStringLiteral("dateto")),
                                     m_model->dayAt(row, QStringLiteral("returned")));
    } catch (const DbError& e) {
        m_dm.reportError(e.message());
        return;
    }
    m_attachmentsShown = status.hasAttachments;
    if (m_attachments) {
        const QStyle* style = QApplication::style();
        m_attachments->setIcon(
            style->standardIcon(status.hasAttachments ? QStyle::SP_DirOpenIcon : QStyle::SP_DirIcon));
        m_attachments->setProperty("hasAttachments", status.hasAttachments);
    }
    // A returned loan has no time left to tell: the line is cleared rather than left describing another loan.
    showStatus(status.text.value_or(QString()));
}

void LoansList::showStatus(const QString& text)
{
    if (m_status)
        m_status->setText(text);
}

QString LoansList::statusText() const
{
    return m_status ? m_status->text() : QString();
}

void LoansList::zjvdbgridTitleClick(int column)
{
    const QString field = m_model->headerData(column, Qt::Horizontal, ListQueryModel::FieldNameRole).toString();
    if (field.isEmpty() || statement().trimmed().isEmpty())
        return;
    open(sortedStatement(statement(), field));
}

void LoansList::zaptrvaleodstranitaExecute()
{
    if (Users::isRestricted(m_dm.globals().typ) || m_model->rowCount() == 0)
        return;
    const int row = currentRow();
    const qint64 id = m_model->idAt(row);
    const QString ownnumber = m_model->value(row, QStringLiteral("ownnumber")).toString();
    if (!LoanDeletion::zaptrvaleodstranitaExecute(m_dm.db(), m_dm.dialogs(), m_dm.lexicon(), id, ownnumber))
        return;
    if (!m_model->refresh()) {
        reportRefusal();
        return;
    }
    // The row that took the deleted loan's place becomes current.
    if (m_model->rowCount() > 0)
        setCurrentRow(qMin(row, m_model->rowCount() - 1));
}

void LoansList::vchozkasloupc1Click()
{
    m_layoutTimer->stop();
    m_applyingLayout = true;
    QHeaderView* header = m_grid->horizontalHeader();
    for (int i = 0; i < header->count(); ++i)
        header->resizeSection(i, DefaultColumnWidth);
    m_applyingLayout = false;
    saveLayout();
}

void LoansList::vbrsloupc1Click()
{
    ColumnChooser chooser(m_grid, m_dm.dialogs(), {m_dm.lex(124), m_dm.lex(Lexicon::Warning), m_dm.lex(125)},
                          m_grid->window());
    if (chooser.exec() == QDialog::Accepted)
        saveLayout();
}

bool LoansList::restoreLayout()
{
    m_applyingLayout = true;
    const bool restored = GridLayout::restore(m_grid, m_windowName, m_grid->objectName());
    // A first start has no layout yet: dates with their times would not fit the default width, and titles of
    // an empty list are no measure of what comes.
    if (!restored) {
        m_grid->resizeColumnsToContents();
        QHeaderView* header = m_grid->horizontalHeader();
        const QLocale locale = Clock::instance().locale();
        const QString sampleDate =
            locale.toString(QDateTime(QDate(2028, 12, 28), QTime(23, 58, 58)), LocaleFormats::dateTime(locale));
        const int dateWidth = m_grid->fontMetrics().horizontalAdvance(sampleDate) + 16;
        for (int i = 0; i < header->count(); ++i) {
            const QString field = m_grid->model()->headerData(i, Qt::Horizontal, Qt::UserRole).toString();
            const bool date = field == QLatin1String("datefrom") || field == QLatin1String("dateto") ||
                              field == QLatin1String("returned");
            header->resizeSection(i, qMax(header->sectionSize(i), date ? dateWidth : DefaultColumnWidth));
        }
    }
    m_applyingLayout = false;
    m_layoutRestored = true;
    return restored;
}

void LoansList::scheduleLayoutSave()
{
    // Before the stored layout is applied, the grid's own defaults must not overwrite it.
    if (m_applyingLayout || !m_layoutRestored)
        return;
    if (QApplication::mouseButtons() != Qt::NoButton)
        m_layoutTimer->start();
    else
        saveLayout();
}

bool LoansList::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonRelease && m_layoutTimer->isActive())
        QTimer::singleShot(0, this, &LoansList::saveLayout); // after the header has taken the release
    return QObject::eventFilter(watched, event);
}

void LoansList::saveLayout()
{
    m_layoutTimer->stop();
    if (!m_layoutRestored)
        return;
    QString error;
    if (!GridLayout::save(m_grid, m_windowName, m_grid->objectName(), &error))
        m_dm.reportError(error);
}
