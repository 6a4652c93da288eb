#include "KarteData1Record.h"

#include "KarteBlock.h"

KarteData1Record KarteData1Record::read(const KarteBlock& block)
{
    KarteData1Record r;
    r.ByoName2 = block.cell(1, 2);
    r.ByoCode2 = block.cell(1, 3);
    r.HatubyoDate2 = block.cell(1, 4);
    r.SyosinDate2 = block.cell(1, 5);
    r.SyusinDate2 = block.cell(1, 6);
    r.TenkiDate2 = block.cell(1, 7);
    r.TiryoKaisu2 = block.cell(1, 9);
    r.BunbenDate = block.cell(1, 12);
    r.JyuseiDate = block.cell(1, 13);
    return r;
}

void KarteData1Record::write(KarteBlock& block) const
{
    block.setCell(1, 2, ByoName2);
    block.setCell(1, 3, ByoCode2);
    block.setCell(1, 4, HatubyoDate2);
    block.setCell(1, 5, SyosinDate2);
    block.setCell(1, 6, SyusinDate2);
    block.setCell(1, 7, TenkiDate2);
    block.setCell(1, 9, TiryoKaisu2);
    block.setCell(1, 12, BunbenDate);
    block.setCell(1, 13, JyuseiDate);
}
