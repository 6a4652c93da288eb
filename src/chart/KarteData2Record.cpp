#include "KarteData2Record.h"

#include "KarteBlock.h"
#include "KarteText.h"

KarteData2Record KarteData2Record::read(const KarteBlock& block)
{
    KarteData2Record r;
    r.Rinkoku = block.cell(2, 2);
    r.Genin = block.cell(2, 5);
    r.Chuusi = block.cell(2, 8);
    r.TikusyuSeibetu = block.cell(2, 9);
    r.DateCh = block.cell(2, 11);
    r.BunsyoCh = block.cell(2, 13);
    return r;
}

void KarteData2Record::write(KarteBlock& block, Ken ken) const
{
    const bool tottori = ken == Ken::Tottori;
    if (tottori)
        block.setCell(2, 9, TikusyuSeibetu);
    block.setCell(2, 11, DateCh);
    if (ken == Ken::Ibaraki)
        block.setCell(2, 13, BunsyoCh);
    block.setCell(2, 2, KarteText::removeBreaks(Rinkoku));
    block.setCell(2, 5, KarteText::removeBreaks(Genin));
    if (tottori)
        block.setCell(2, 8, Chuusi);
}

QString KarteData2Record::tikusyuSeibetu(const QString& tikusyu, const QString& seibetu)
{
    return tikusyu + QStringLiteral("･") + seibetu;
}
