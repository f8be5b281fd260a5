#pragma once

#include <QDateTime>
#include <QLocale>

// The one source of "now" and of the user's locale, so date rules and number formats can be tested at a
// fixed time and under a chosen locale.
class Clock
{
public:
    virtual ~Clock() = default;
    virtual QDateTime now() const { return QDateTime::currentDateTime(); }
    virtual QLocale locale() const { return QLocale::system(); }

    static Clock& instance();
    // Tests install their own clock; nullptr restores the system clock. The caller keeps ownership.
    static void install(Clock* clock);
};

// A clock standing still at a given moment under a given locale.
class FixedClock : public Clock
{
public:
    FixedClock(QDateTime now, QLocale locale) : m_now(std::move(now)), m_locale(std::move(locale)) {}
    QDateTime now() const override { return m_now; }
    QLocale locale() const override { return m_locale; }
    void setNow(const QDateTime& now) { m_now = now; }
    void setLocale(const QLocale& locale) { m_locale = locale; }

private:
    QDateTime m_now;
    QLocale m_locale;
};
