#include "DayNumberEdit.h"

#include "Clock.h"
#include "DayNumber.h"
#include "LocaleFormats.h"

DayNumberEdit::DayNumberEdit(const QString& objectName, QWidget* parent) : QDateTimeEdit(parent)
{
    setObjectName(objectName);
    setCalendarPopup(true);
    setLocale(Clock::instance().locale());
    // The empty date is the lowest value the field takes, and the field shows it blank.
    setMinimumDateTime(DayNumber::toDateTime(DayNumber::Empty));
    setSpecialValueText(QStringLiteral(" "));
    connect(this, &QDateTimeEdit::dateTimeChanged, this, [this] {
        if (m_settingValue)
            return;
        m_empty = DayNumber::isEmpty(DayNumber::fromDateTime(dateTime()));
        applyDisplayRule();
    });
    setDayNumber(DayNumber::Empty);
}

double DayNumberEdit::dayNumber() const
{
    return m_empty ? DayNumber::Empty : DayNumber::fromDateTime(dateTime());
}

void DayNumberEdit::setDayNumber(double day)
{
    m_settingValue = true;
    m_empty = DayNumber::isEmpty(day);
    setDateTime(DayNumber::toDateTime(m_empty ? DayNumber::Empty : day));
    m_settingValue = false;
    applyDisplayRule();
}

void DayNumberEdit::applyDisplayRule()
{
    const QString format = LocaleFormats::shortDate(Clock::instance().locale());
    if (displayFormat() != format)
        setDisplayFormat(format);
    if (m_empty && dateTime() != minimumDateTime()) {
        m_settingValue = true;
        setDateTime(minimumDateTime());
        m_settingValue = false;
    }
}

void DayNumberEdit::enterEvent(QEnterEvent* event)
{
    QDateTimeEdit::enterEvent(event);
    emit entered(this);
}

void DayNumberEdit::focusInEvent(QFocusEvent* event)
{
    QDateTimeEdit::focusInEvent(event);
    emit entered(this);
}
