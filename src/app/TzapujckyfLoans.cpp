// The main window's loan operations: new loan, open, own counter and own number.
#include "SettingsPages.h"
#include "Tzapujckyf.h"

#include "ColorSwatch.h"
#include "LoanNumbering.h"
#include "Tdm.h"
#include "Tzapujckaf.h"

#include <QAction>
#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSpinBox>
#include <QSqlQueryModel>
#include <QSqlRecord>
#include <QTableView>

Tzapujckaf::Context Tzapujckyf::loanCardContext() const
{
    Tzapujckaf::Context context;
    context.numbering = {m_settings->ciselnaradale->text(), m_settings->vlastnipocitadlochb->isChecked()};
    context.presetDueDate = m_settings->defaultborrowdayschb->isChecked();
    context.defaultDays = m_settings->defaultborrowdaysjvs->value();
    for (const QString& line : m_settings->pracovnicim->toPlainText().split(QLatin1Char('\n'))) {
        if (!line.trimmed().isEmpty())
            context.staff << line.trimmed();
    }
    for (int i = 0; i < 6; ++i)
        context.colours.thresholds[i] = m_settings->zapdnuspine[i]->value();
    for (int i = 0; i < 7; ++i)
        context.colours.bands[i] = m_settings->swatches[i]->bgr();
    context.colours.returned = m_settings->swatches[7]->bgr();
    return context;
}

qint64 Tzapujckyf::currentLoanId() const
{
    const QModelIndex current = m_grid->currentIndex();
    if (!current.isValid())
        return 0;
    return m_loans->record(current.row()).value(QStringLiteral("id")).toLongLong();
}

void Tzapujckyf::novazaExecute()
{
    if (!m_card)
        return;
    m_card->setContext(loanCardContext());
    const qint64 id = m_card->novazaExecute();
    if (id == 0)
        return;
    m_card->exec();
    afterCard(id);
}

void Tzapujckyf::otevritzaExecute()
{
    if (!m_card || m_loans->rowCount() == 0)
        return;
    const qint64 id = currentLoanId() ? currentLoanId() : m_loans->record(0).value(QStringLiteral("id")).toLongLong();
    m_card->setContext(loanCardContext());
    if (!m_card->openLoan(id))
        return;
    m_card->exec();
    afterCard(id);
}

void Tzapujckyf::afterCard(qint64 id)
{
    refreshLoans();
    positionOn(id);
}

void Tzapujckyf::positionOn(qint64 id)
{
    // Rows are fetched as the view needs them; keep fetching until the loan turns up or the list ends.
    for (int row = 0;; ++row) {
        if (row >= m_loans->rowCount()) {
            if (!m_loans->canFetchMore())
                return;
            m_loans->fetchMore();
            if (row >= m_loans->rowCount())
                return;
        }
        if (m_loans->record(row).value(QStringLiteral("id")).toLongLong() == id) {
            m_grid->setCurrentIndex(m_loans->index(row, 0));
            m_grid->scrollTo(m_grid->currentIndex());
            return;
        }
    }
}

void Tzapujckyf::vlastnipocitadlobClick()
{
    if (!m_dm.dialogs().ask(m_dm.lex(Lexicon::Question), m_dm.lex(157)))
        return;
    if (!LoanNumbering::nastavcounterval(m_dm.db(), m_settings->vlastnipocitadlospine->value()))
        m_dm.dialogs().error(m_dm.lex(Lexicon::Error), m_dm.lex(158));
}

void Tzapujckyf::upravitlvlcislozapaClick()
{
    const qint64 id = currentLoanId();
    if (id == 0)
        return;
    if (!m_dm.dialogs().ask(m_dm.lex(Lexicon::Question), m_dm.lex(159), Dialogs::Icon::Warning))
        return;
    const QString current = m_loans->record(m_grid->currentIndex().row()).value(QStringLiteral("ownnumber")).toString();
    const auto text = m_dm.dialogs().inputText(m_dm.lex(160), m_dm.lex(111), current);
    if (!text)
        return;
    try {
        if (LoanNumbering::changeOwnNumber(m_dm.db(), id, *text)) {
            refreshLoans();
            positionOn(id);
        }
    } catch (const DbError& e) {
        m_dm.reportError(e.message());
    }
}
