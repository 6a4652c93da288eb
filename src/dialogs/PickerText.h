#pragma once

#include <QString>

// The texts the digit pickers compose from the digits chosen in their columns.
class PickerText
{
public:
    // The tens followed by the units; the units alone when the tens are "0". A column without a
    // choice adds nothing.
    static QString digits(const QString& tens, const QString& units);
    // A time as the chart keeps it: hour ":" minute, neither with a leading zero (8:5, 13:0,
    // 0:30); a partial pick shows what is picked (":5", "1:").
    static QString jikan(const QString& hourTens, const QString& hourUnits, const QString& minuteTens,
                         const QString& minuteUnits);
};
