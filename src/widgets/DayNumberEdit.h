#pragma once

#include <QDateTimeEdit>

// A date-time field over a day number. The empty date (below 10) is shown blank; the field shows the date
// in the user's short format and keeps the time of day it was given.
class DayNumberEdit : public QDateTimeEdit
{
    Q_OBJECT
public:
    explicit DayNumberEdit(const QString& objectName, QWidget* parent = nullptr);

    double dayNumber() const;
    void setDayNumber(double day);
    bool isEmptyDate() const { return m_empty; }
    // The user's short date format; an empty date stands on the field's lowest value, which shows blank.
    void applyDisplayRule();

signals:
    void entered(DayNumberEdit* edit); // the pointer or the keyboard focus came in

protected:
    void enterEvent(QEnterEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;

private:
    bool m_empty = true;
    bool m_settingValue = false;
};
