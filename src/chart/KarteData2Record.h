#pragma once

#include "common/Ken.h"

#include <QString>

class KarteBlock;

// Block line 2: the owner's report, the cause and the switches of the episode.
class KarteData2Record
{
public:
    QString Rinkoku;          // 2 owner's report
    QString Genin;            // 5 cause
    QString Chuusi;           // 8 stop reason beside the outcome (鳥取県)
    QString TikusyuSeibetu;   // 9 species "･" sex of the episode (鳥取県)
    QString DateCh;           // 11 "1": the last examination date is disease 2's
    QString BunsyoCh;         // 13 "1": no document fee (茨城県)

    static KarteData2Record read(const KarteBlock& block);
    // Writes the named fields: the report and the cause without line breaks or "'"; fields 8
    // and 9 only in 鳥取県, field 13 only in 茨城県.
    void write(KarteBlock& block, Ken ken) const;

    static QString tikusyuSeibetu(const QString& tikusyu, const QString& seibetu);
};
