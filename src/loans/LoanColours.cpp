#include "LoanColours.h"

#include "Clock.h"
#include "DayNumber.h"

QColor LoanColours::toColor(quint32 windowsColor)
{
    return QColor(int(windowsColor & 0xFF), int((windowsColor >> 8) & 0xFF), int((windowsColor >> 16) & 0xFF));
}

quint32 LoanColours::fromColor(const QColor& color)
{
    return quint32(color.red()) | (quint32(color.green()) << 8) | (quint32(color.blue()) << 16);
}

int loanBand(double dateto, double returned, const std::array<int, LoanColours::ThresholdCount>& thresholds,
             const QDateTime& now)
{
    if (returned > DayNumber::NoDateLimit)
        return LoanBand::Returned;
    const double x = dateto - DayNumber::fromDateTime(now);
    int band = LoanBand::None;
    if (x <= thresholds[0])
        band = 0;
    for (int i = 1; i < LoanColours::ThresholdCount; ++i) {
        if (x > thresholds[i - 1] && x <= thresholds[i])
            band = i;
    }
    if (x > thresholds[LoanColours::ThresholdCount - 1])
        band = LoanColours::BandCount - 1;
    return band;
}

QColor getbarvazapujcky(double dateto, double returned, const LoanColours& colours, const QDateTime& now)
{
    const int band = loanBand(dateto, returned, colours.thresholds, now);
    if (band == LoanBand::Returned)
        return LoanColours::toColor(colours.returned);
    if (band == LoanBand::None)
        return LoanColours::toColor(LoanColours::White);
    return LoanColours::toColor(colours.bands[band]);
}

QColor getbarvazapujcky(double dateto, double returned, const LoanColours& colours)
{
    return getbarvazapujcky(dateto, returned, colours, Clock::instance().now());
}
