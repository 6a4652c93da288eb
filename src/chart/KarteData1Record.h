#pragma once

#include <QString>

class KarteBlock;

// Block line 1: disease 2 and the breeding dates.
class KarteData1Record
{
public:
    QString ByoName2;       // 2
    QString ByoCode2;       // 3
    QString HatubyoDate2;   // 4
    QString SyosinDate2;    // 5
    QString SyusinDate2;    // 6
    QString TenkiDate2;     // 7
    QString TiryoKaisu2;    // 9 number of treatments of disease 2
    QString BunbenDate;     // 12 last calving
    QString JyuseiDate;     // 13 last insemination

    static KarteData1Record read(const KarteBlock& block);
    void write(KarteBlock& block) const;
};
