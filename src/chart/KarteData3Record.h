#pragma once

#include <QString>
#include <array>

class KarteBlock;
class TotalGrid;

// Block line 3: the episode's fee totals, fields 2 to 9 taken from the totals grid cells (1, 1),
// (2, 1), (1, 3), (1, 4), (2, 3), (2, 4), (1, 6), (2, 6).
class KarteData3Record
{
public:
    QString YakkaGoukei;   // 2 drug-price total in yen
    QString YakkaTensu;    // 3 drug-price points (宮崎県: empty)
    QString BGoukei;       // 4 B sum
    QString AGoukei;       // 5 A sum (宮崎県: empty)
    QString BTotal;        // 6 B total, shown after "B="
    QString ATotal;        // 7 A total, shown after "A=" (宮崎県: the drug-price total)
    QString Ryoukin;       // 8 fee in yen, "###,###"
    QString Field9;        // 9 always empty

    static KarteData3Record read(const KarteBlock& block);
    void write(KarteBlock& block) const;

    static KarteData3Record fromTotalGrid(const TotalGrid& grid);

private:
    // Fields 2 to 9 in order.
    std::array<QString*, 8> fields();
};
