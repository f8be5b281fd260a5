// The main window's loan operations: new loan, open, own counter and own number.
#include "SettingsPages.h"
#include "Tzapujckyf.h"

#include "ColorSwatch.h"
#include "LoanNumbering.h"
#include "LoansList.h"
#include "Tdm.h"
#include "Tzapujckaf.h"

#include <QAction>
#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSpinBox>
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
    context.colours = currentColours();
    return context;
}

qint64 Tzapujckyf::currentLoanId() const
{
    // Nothing chosen yet counts as no loan, not as the first row.
    return m_grid->currentIndex().isValid() ? m_list->currentLoanId() : 0;
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
    if (!m_card || m_list->rowCount() == 0)
        return;
    const qint64 id = m_list->currentLoanId();
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
    m_list->zapikonyasbstatus();
}

void Tzapujckyf::positionOn(qint64 id)
{
    m_list->positionOn(id);
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
    const QString current = m_list->currentValue(QStringLiteral("ownnumber")).toString();
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
