#pragma once

#include <QString>

// The date of the year-month-day picker as its digit groups hold it: the era, the tens and units
// of the era year, the month, the tens and units of the day; each the caption of the chosen label,
// empty while none is chosen.
//
// The era letter follows the year's tens where only one era has them: 0 Reiwa (R0 to R9), 3 Heisei
// (H30 to H39), 6 Showa (S60 to S69, offered for birth dates). The tens 1 and 2 belong to the era
// chosen in the era group, so that both R10 to R29 and H10 to H29 can be picked; choosing the tens
// 0 or 3 chooses its era there too. The year itself is kept without the era letter, as the charts
// store it.
class NenGappiState
{
public:
    QString Gengo;  // R or H
    QString Year1;  // 0, 1, 2, 3 or 6
    QString Year2;  // 0 to 9
    QString Manth;  // 1 to 12
    QString Day1;   // 0 to 3
    QString Day2;   // 0 to 9
    int todayReiwa = 0;

    static bool validYear1(const QString& caption);
    // The Reiwa year of today's date (year/month/day): the last two digits of the Western year
    // less 18; false when the text is not three parts joined by "/".
    static bool reiwaOf(const QString& todayDate, int& reiwa);

    // Today's era year: the last two digits of the Western year less 18 gives the Reiwa year, its
    // tens and units labels (Reiwa 12 chooses R, 1 and 2); H, 1 and 5 when the date is not
    // year/month/day.
    void presetToday(const QString& todayDate);
    // The date remembered in 茨城県 (year.month.day without era letter); a text without "."
    // presets nothing. A remembered year of tens 1 or 2 is Reiwa up to today's Reiwa year, else
    // Heisei.
    void presetKioku(const QString& remembered);
    // A click on the tens label: the tens 0 and 3 bring their era along.
    void chooseYear1(const QString& caption);

    QString year() const;
    QString day() const;
    QString eraLetter() const;
    // The date text: era letter, year, ".", month, ".", day.
    QString text() const;
    // The year result: empty when the month or the day is missing.
    QString yearOut() const;
    // The date text when a full date is chosen (month and day), else empty.
    QString fullText() const;
    // The outcome dialog's date text: the letter R below the year 30, H from 30.
    QString tenkiText() const;
};
