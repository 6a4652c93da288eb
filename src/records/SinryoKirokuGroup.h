#pragma once

#include "common/SinryoKirokuRecord.h"

#include <QList>
#include <QStringList>

// The rows of the treatment-record result grid grouped into visit records. A row holds the
// grid's columns 0 to 14 and, where the tally knew it, the member code in column 15. Rows whose
// key fields are equal, each compared apart by exact text, join one record in grid order; the
// key fields are the member name, the member code, the month, the day, the start time (general
// tally only) and the animal id. Records keep the place of their first row. The rows are looked
// up by a hash of their key fields, so a large tally groups in one pass.
class SinryoKirokuGroup
{
public:
    enum Col {
        NumberCol = 0, NoukaCol = 1, ManthCol = 2, DayCol = 3, MimiCol = 4, BunruiCol = 5, SyotiCol = 6,
        YakuhinCol = 7, SuryoCol = 8, KyuyakuCol = 9, ByoCol = 10, TenkiCol = 11, StartCol = 12, EndCol = 13,
        DoctorCol = 14, CodeCol = 15
    };
    static constexpr int GridCols = 15;

    enum class Key { WithStartTime, WithoutStartTime };

    static QList<SinryoKirokuRecord> build(const QList<QStringList>& rows, Key key);

    // A record's line of a row: columns 5 to 13 joined by "'".
    static QString line(const QStringList& row);
    // The nine values of a line (missing ones empty).
    static QStringList values(const QString& line);
};
