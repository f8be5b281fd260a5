#pragma once

#include <QColor>
#include <QDateTime>
#include <array>

// The colours of the loans list: seven bands by days left until `dateto`, bounded by six thresholds, and
// the colour of returned loans. Colours are kept as the settings file stores them: Windows colour values
// with red in the lowest byte (0x00BBGGRR).
struct LoanColours
{
    static constexpr int BandCount = 7;
    static constexpr int ThresholdCount = 6;
    static constexpr quint32 White = 0xFFFFFF;

    std::array<int, ThresholdCount> thresholds{0, 7, 14, 32, 64, 128};
    std::array<quint32, BandCount> bands{16744703, 255, 5855743, 7124735, 65535, 8454143, 16777215};
    quint32 returned = White;

    static QColor toColor(quint32 windowsColor);
    static quint32 fromColor(const QColor& color);
};

namespace LoanBand {
constexpr int None = -1;    // no test matched (thresholds out of order): white
constexpr int Returned = 7; // `returned` holds a real date
} // namespace LoanBand

// The band of a loan at the given moment: 0..6, LoanBand::Returned or LoanBand::None. Days left are
// fractional; the tests run in band order and the last one that holds wins, so thresholds out of order
// still give a defined answer.
int loanBand(double dateto, double returned, const std::array<int, LoanColours::ThresholdCount>& thresholds,
             const QDateTime& now);

// The colour of a loan's row, now by the program's clock.
QColor getbarvazapujcky(double dateto, double returned, const LoanColours& colours);
QColor getbarvazapujcky(double dateto, double returned, const LoanColours& colours, const QDateTime& now);
