#include "Tzapujckaf.h"

#include "Clock.h"
#include "DayNumber.h"
#include "DayNumberEdit.h"
#include "LoanStatus.h"
#include "LocaleFormats.h"
#include "Tdm.h"
#include "Users.h"
#include "WindowPlacement.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSqlQueryModel>
#include <QSqlRecord>
#include <QStatusBar>
#include <QTableView>
#include <QToolButton>

Tzapujckaf::Tzapujckaf(Tdm& dm, QWidget* parent) : QDialog(parent), m_dm(dm)
{
    setObjectName(QStringLiteral("zapujckaf"));
    setWindowTitle(tr("detail zápůjčky"));
    build();
    vymazzapujckaf();
}

qint64 Tzapujckaf::loanId() const
{
    return skutecnecislozapujckyl->text().toLongLong();
}

void Tzapujckaf::vymazzapujckaf()
{
    cislozapujckyl->clear();
    skutecnecislozapujckyl->clear();
    const double now = DayNumber::fromDateTime(Clock::instance().now());
    datefromzdtp->setDayNumber(now);
    datetozdtp->setDayNumber(m_context.presetDueDate ? now + m_context.defaultDays : DayNumber::Empty);
    returnedzdtp->setDayNumber(DayNumber::Empty);
    customerzle->clear();
    customerzb->setText(QStringLiteral(".."));
    for (QDoubleSpinBox* box : {advancezjvs, pricezjvs, mileage0zjvs, mileagezjvs})
        box->setValue(0);
    accessorieszle->clear();
    for (QComboBox* box : {statusbeforezcb, statusafterzcb, person1zcb, person2zcb})
        box->setEditText(QString());
    notezm->clear();
    logre->clear();
}

qint64 Tzapujckaf::novazaExecute()
{
    vymazzapujckaf();
    const QString creation = LoanLog::entry(m_dm.lex(61), m_dm.globals().jmeno);
    LoanNumbering::NewLoan loan;
    try {
        loan = LoanNumbering::createLoan(m_dm.db(), m_context.numbering, creation);
    } catch (const DbError& e) {
        m_dm.reportError(e.message());
        return 0;
    }
    skutecnecislozapujckyl->setText(QString::number(loan.id));
    cislozapujckyl->setText(loan.label);
    const double now = DayNumber::fromDateTime(Clock::instance().now());
    datefromzdtp->setDayNumber(now);
    logre->setPlainText(creation);
    datetozdtp->setDayNumber(m_context.presetDueDate ? now + m_context.defaultDays : DayNumber::Empty);
    openItems(loan.id);
    return loan.id;
}

bool Tzapujckaf::openLoan(qint64 id)
{
    LoanRecord loan;
    if (!LoanRecord::load(m_dm.db(), id, &loan))
        return false;
    vymazzapujckaf();
    fill(loan);
    openItems(id);
    setNumberColour(getbarvazapujcky(loan.dateto, loan.returned, m_context.colours));
    return true;
}

void Tzapujckaf::fill(const LoanRecord& loan)
{
    cislozapujckyl->setText(LoanNumbering::labelFor(m_context.numbering, loan.id, loan.ownnumber));
    skutecnecislozapujckyl->setText(QString::number(loan.id));
    customerzb->setText(loan.customerid > 0 ? QString::number(loan.customerid) : QStringLiteral(".."));
    customerzle->setText(loan.customer);
    datefromzdtp->setDayNumber(loan.datefrom);
    datetozdtp->setDayNumber(loan.dateto);
    returnedzdtp->setDayNumber(loan.returned);
    advancezjvs->setValue(loan.advance);
    pricezjvs->setValue(loan.price);
    statusbeforezcb->setEditText(loan.statusbefore);
    statusafterzcb->setEditText(loan.statusafter);
    person1zcb->setEditText(loan.person1);
    person2zcb->setEditText(loan.person2);
    notezm->setPlainText(loan.note);
    accessorieszle->setText(loan.accessories);
    mileagezjvs->setValue(loan.mileage);
    mileage0zjvs->setValue(loan.mileage0);
    logre->setPlainText(loan.loanlog);
}

LoanRecord Tzapujckaf::fromControls() const
{
    LoanRecord r;
    r.id = loanId();
    r.datefrom = datefromzdtp->dayNumber();
    r.dateto = datetozdtp->dayNumber();
    r.returned = returnedzdtp->dayNumber();
    r.customer = customerzle->text();
    r.customerid = customerzb->text().toLongLong(); // ".." reads as 0
    r.advance = advancezjvs->value();
    r.price = pricezjvs->value();
    r.accessories = accessorieszle->text();
    r.statusbefore = statusbeforezcb->currentText();
    r.mileage0 = mileage0zjvs->value();
    r.person1 = person1zcb->currentText();
    r.statusafter = statusafterzcb->currentText();
    r.mileage = mileagezjvs->value();
    r.person2 = person2zcb->currentText();
    r.note = notezm->toPlainText();
    r.ownnumber = cislozapujckyl->text();
    r.loanlog = logre->toPlainText();
    return r;
}

bool Tzapujckaf::ulozitzapujcku()
{
    logre->setPlainText(LoanLog::append(logre->toPlainText(), LoanLog::entry(m_dm.lex(62), m_dm.globals().jmeno)));
    bool ok = true;
    try {
        const LoanRecord record = fromControls();
        LoanRecord::save(m_dm.db(), record, LoanRecord::itemsSummary(m_dm.db(), record.id));
    } catch (const DbError& e) {
        m_dm.dialogs().error(m_dm.lex(10), e.typeName() + QStringLiteral(": ") + e.message());
        ok = false;
    }
    return ok;
}

void Tzapujckaf::ulozitazavritzbClick()
{
    ulozitazavritzb->setFocus();
    if (!ulozitzapujcku()) {
        m_dm.dialogs().error(m_dm.lex(Lexicon::Error), m_dm.lex(138));
        return;
    }
    accept();
}

void Tzapujckaf::customerzbsbClick()
{
    if (customerzb->text() != QLatin1String("..") && m_dm.dialogs().ask(m_dm.lex(Lexicon::Question), m_dm.lex(29)))
        customerzb->setText(QStringLiteral(".."));
}

void Tzapujckaf::setCustomer(qint64 contactid, const QString& firm)
{
    customerzb->setText(QString::number(contactid));
    customerzle->setText(firm);
}

void Tzapujckaf::vymazat1Click()
{
    if (m_target)
        m_target->setDayNumber(DayNumber::Empty);
    applyDateRule();
}

void Tzapujckaf::nastavitaktuln1Click()
{
    if (m_target)
        m_target->setDayNumber(DayNumber::fromDateTime(Clock::instance().now()));
    applyDateRule();
}

void Tzapujckaf::zadatrun1Click()
{
    if (!m_target)
        return;
    const QLocale locale = Clock::instance().locale();
    const QString current =
        m_target->isEmptyDate() ? QString() : locale.toString(m_target->dateTime(), LocaleFormats::dateTime(locale));
    const auto text = m_dm.dialogs().inputText(m_dm.lex(135), m_dm.lex(Lexicon::Question), current);
    if (!text)
        return;
    QString error;
    const auto value = LocaleFormats::parseDateTime(*text, locale, &error);
    if (!value) {
        m_dm.dialogs().error(m_dm.lex(Lexicon::Error), m_dm.lex(104) + QLatin1Char(' ') + error);
        return;
    }
    m_target->setDayNumber(DayNumber::fromDateTime(*value));
    applyDateRule();
}

void Tzapujckaf::applyDateRule()
{
    for (DayNumberEdit* edit : {datefromzdtp, datetozdtp, returnedzdtp})
        edit->applyDisplayRule();
    updateStatus();
}

void Tzapujckaf::updateStatus()
{
    const auto text =
        loanStatusText(m_dm.lexicon(), datetozdtp->dayNumber(), returnedzdtp->dayNumber(), Clock::instance().now());
    if (text)
        zapujckasb->showMessage(*text);
}

void Tzapujckaf::openItems(qint64 id)
{
    if (!m_dm.db().isOpen())
        return;
    m_items->setQuery(QStringLiteral("select * from loanthings where borrowedid=%1 order by id").arg(id),
                      m_dm.db().connection());
    const QSqlRecord fields = m_items->record();
    for (int i = 0; i < fields.count(); ++i) {
        const QString name = fields.fieldName(i);
        borrowedthingsgrid->setColumnHidden(i, name == QLatin1String("id") || name == QLatin1String("borrowedid"));
        if (name == QLatin1String("devicenumber"))
            m_items->setHeaderData(i, Qt::Horizontal, tr("inv. číslo zařízení"));
        else if (name == QLatin1String("description"))
            m_items->setHeaderData(i, Qt::Horizontal, tr("název zapůjčené věci"));
    }
}

void Tzapujckaf::setNumberColour(const QColor& colour)
{
    QPalette palette = m_numberBox->palette();
    palette.setColor(QPalette::Window, colour);
    palette.setColor(QPalette::WindowText, colour.lightness() < 110 ? Qt::white : Qt::black);
    m_numberBox->setPalette(palette);
    cislozapujckyl->setPalette(palette);
}

bool Tzapujckaf::readOnly() const
{
    return Users::isReadOnly(m_dm.globals().typ);
}

void Tzapujckaf::applyReadOnly()
{
    if (!readOnly() || m_readOnlyApplied)
        return;
    m_readOnlyApplied = true; // the user type cannot change while the program runs
    const QList<QWidget*> inactive = {datefromzdtp,   datetozdtp,     returnedzdtp,      customerzle,  advancezjvs,
                                      pricezjvs,      accessorieszle, statusbeforezcb,   mileage0zjvs, person1zcb,
                                      statusafterzcb, mileagezjvs,    person2zcb,        notezm,       borrowedthingsb,
                                      customerzb,     customerzbsb,   borrowedthingsgrid};
    for (QWidget* w : inactive)
        w->setEnabled(false);
}

void Tzapujckaf::showEvent(QShowEvent* event)
{
    if (!m_placementRestored) {
        m_placementRestored = true;
        WindowPlacement::restore(this, objectName());
    }
    QDialog::showEvent(event);
    applyDateRule();
    for (QComboBox* box : {person1zcb, person2zcb}) {
        const QString text = box->currentText();
        box->clear();
        box->addItems(m_context.staff);
        box->setEditText(text);
    }
    if (DayNumber::isEmpty(returnedzdtp->dayNumber()))
        updateStatus();
    applyReadOnly();
}

void Tzapujckaf::hideEvent(QHideEvent* event)
{
    WindowPlacement::save(this, objectName());
    QDialog::hideEvent(event);
}

void Tzapujckaf::reject()
{
    // Closing by the window's button or Escape asks to save; the card closes whatever the save does.
    if (!readOnly() && !ulozitazavritzb->hasFocus() && m_dm.dialogs().ask(m_dm.lex(Lexicon::Question), m_dm.lex(139)))
        ulozitzapujcku();
    QDialog::reject();
}
