#pragma once

#include <QString>
#include <QStringList>

// The house-call points: the band of the distance table (LenCode.ini) that holds a distance for a
// visit class, with the snow-region surcharge. Lines: "往診：<class>'<band>'<B>'<A>'" where the
// band is "0.5k以内" (or "0.5ｋ以内") or two kilometre values joined by "～" (U+FF5E, CP932 81 60).
class OusinTensuProc
{
public:
    struct Result
    {
        QString Kubun;                         // the class
        QString Band;                          // the matched band, empty when none
        QString BaseB = QStringLiteral("0");
        QString BaseA = QStringLiteral("0");
        QString FinalB = QStringLiteral("0");  // with the snow surcharge where it applies
        QString FinalA = QStringLiteral("0");
        int Yuki = 0;                          // the snow surcharge of the distance: 11, 23 or 45
        bool YukiShown = false;                // added to the points (ticked and over 0.5 km)
    };

    // No positive distance gives the class with no band and no points; a positive distance that
    // no band holds gives no band and 0 points. Distances of 100 km and more take the band that
    // ends at 100; where bands share a boundary the later line wins.
    static Result run(const QStringList& lenCodeTable, const QString& kyori, const QString& kubun, bool sekisetu);

    // The surcharge of a snow region for a distance in km.
    static int yukiPoint(float kyori);

private:
    static bool matches(const QString& band, float d);
};
