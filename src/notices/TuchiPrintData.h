#pragma once

#include "common/SiteProfile.h"

#include <QList>
#include <QString>
#include <QStringList>

// What a notification layout prints from, read from the window when the print starts: the case
// rows (SortGrid, or the shown list's rows for the Gunma list), the offsets typed beside 横= and
// 縦= (their leading numbers), the tally's year and month, the veterinarian of DoctorFile, the
// site's row (its printed identity, and the member numbers of the Gunma list by farmer code).
struct TuchiPrintData
{
    QList<QStringList> rows;
    float offX = 0;
    float offY = 0;
    QString nen;
    QString tuki;
    QString docName;
    SiteProfile site;
    float twipPerMm = 56.7f;
};
