#pragma once

#include "TiryoboMessage.h"

#include <QString>
#include <QStringList>

class KarteScan;
class TiryoboBook;

// The hand-over of marked treatment-book rows to the chart editor, "\Nolvari\set\ToridasiData.ini":
// lines 1 to 3 the first three diseases of the marked rows (name ":" code, an empty line for
// each missing one), then one record per marked row that holds text in columns 1 to 11, last
// "1" when any row of the book holds calving information, else "0".
//
// A record is 14 fields joined by "'": the day key "n:date" (n counting the date rows of the
// whole book from 0; "dm" above the first date), columns 1 to 11, the picture entry (17) and the
// findings (18). Each field is without line breaks and trimmed, with "'" written as "’".
class ToridasiFile
{
public:
    QStringList byoList;     // the disease cells of the contributing rows, in order
    QStringList records;
    QString firstDate;       // column 0 of the first marked row that has one
    QString bunbenFlag;      // "1" or "0"
    QString kiokuDate;       // the date of the last dated row with calving information

    static ToridasiFile build(const TiryoboBook& book);
    static QString path();

    // The episode key of disease 1 and the first date (its name trimmed), empty when disease 1
    // is not name ":" code.
    QString karteKey() const;
    // The chart's first episode with that key, compared ignoring case; nothing when none.
    TiryoboNotice duplicate(const KarteScan& chart) const;
    // Nothing contributed: the refusal.
    TiryoboNotice empty() const;

    QStringList lines() const;
    bool write(QString* errorText) const;
};
