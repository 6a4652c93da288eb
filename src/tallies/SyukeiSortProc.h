#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// The seven orders of the extracted list (the sort labels, by index):
//   0 転帰別 outcome, 1 組合員別 farmer, 2 畜種別 species, 3 地区別 district (numbers as numbers,
//   texts as texts), 4 初診日順, 5 終診日順, 6 転帰日順 (the dates' keys as numbers, an empty
//   date first). Every order is ascending and keeps the earlier order of equal rows.
// Bands: consecutive rows of equal text in the order's band column form a group; the first group
// is white, the next one the band colour, and so on.
class SyukeiSortProc
{
public:
    static constexpr int KeyCount = 7;
    static QString caption(int key);
    // The list column whose text groups the rows into bands.
    static int bandColumn(int key);

    // Sorts the data rows (18 cells each) and numbers them from the top again.
    static void sort(QList<QStringList>& rows, int key);
    // Per row whether it stands in the second colour of the pair.
    static QList<bool> bands(const QList<QStringList>& rows, int key);
};
