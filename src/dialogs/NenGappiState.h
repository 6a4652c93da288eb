#pragma once

#include <QString>

// The date of the year-month-day picker as its five digit groups hold it: the tens and units of
// the era year, the month, the tens and units of the day; each the caption of the chosen label,
// empty while none is chosen. The era follows from the year's tens: 0 Reiwa, 6 Showa, any other
// (1 to 3, or none) Heisei.
class NenGappiState
{
public:
    QString Year1;  // 0, 1, 2, 3 or 6
    QString Year2;  // 0 to 9
    QString Manth;  // 1 to 12
    QString Day1;   // 0 to 3
    QString Day2;   // 0 to 9

    static bool validYear1(const QString& caption);

    // Today's era year: the last two digits of the Western year less 18, its tens label 0 and
    // the units label of its last digit; tens 1 and units 5 when the date is not year/month/day.
    void presetToday(const QString& todayDate);
    // The date remembered in 茨城県 (year.month.day without era letter); a text without "."
    // presets nothing.
    void presetKioku(const QString& remembered);

    QString year() const;
    QString day() const;
    QString eraLetter() const;
    // The date text: era letter, year, ".", month, ".", day.
    QString text() const;
    // The year result: empty when the month or the day is missing.
    QString yearOut() const;
};
