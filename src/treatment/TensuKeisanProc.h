#pragma once

#include "common/Ken.h"

#include "MiyazakiDataGrid.h"
#include "TotalGrid.h"

#include <QString>

class KarteEpisode;

// The fee totals of an episode from its treatment lines. Sums are single-precision, each
// addition rounded to single precision, as the totals have always been computed; the
// drug-price points are a wide integer (the text is the same digits at any size).
// Common installations: drug-price total, B and A sums, drug-price points = total / 10 rounded
// halves away from zero, B and A totals including them, fee = B total x 10.
// 宮崎県: the lines carry codes; the drug and fee-code tables price them, the empty unit-price
// and B cells of the lines are filled, and only coded lines count.
class TensuKeisanProc
{
public:
    TensuKeisanProc() = default;
    explicit TensuKeisanProc(Ken ken, const MiyazakiDataGrid& dataGrid = MiyazakiDataGrid());

    TotalGrid run(KarteEpisode& episode) const;

    static TotalGrid common(const KarteEpisode& episode);
    static TotalGrid miyazaki(KarteEpisode& episode, const MiyazakiDataGrid& dataGrid);

    // Drug-price points of a yen total: the total / 10 in single precision, halves away from 0.
    static qint64 yakkaTensu(float yakkaGoukei);

private:
    Ken ken_;
    MiyazakiDataGrid dataGrid_;

    static QString sumText(float sum);
    static float add(float sum, double value);
};
