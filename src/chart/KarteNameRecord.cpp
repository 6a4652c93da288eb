#include "KarteNameRecord.h"

#include "KarteBlock.h"
#include "KarteText.h"

KarteNameRecord KarteNameRecord::read(const KarteBlock& block)
{
    return fromFields(block.row(0));
}

KarteNameRecord KarteNameRecord::fromFields(const QStringList& f)
{
    KarteNameRecord r;
    r.ByoName = f.value(2);
    r.ByoCode = f.value(3);
    r.HatubyoDate = f.value(4);
    r.SyosinDate = f.value(5);
    r.SyusinDate = f.value(6);
    r.TenkiDate = f.value(7);
    r.Tenki = f.value(8);
    r.SinryoKaisu = f.value(9);
    r.IbaragiDocName = f.value(10);
    r.SinryoSyurui = f.value(12);
    r.TeisyutuTuki = f.value(13);
    r.ByoName3 = f.value(14);
    r.ByoCode3 = f.value(15);
    return r;
}

void KarteNameRecord::write(KarteBlock& block, Ken ken) const
{
    block.setCell(0, 2, ByoName);
    block.setCell(0, 3, ByoCode);
    if (ken == Ken::Ibaraki && !IbaragiDocName.isEmpty())
        block.setCell(0, 10, IbaragiDocName);
    block.setCell(0, 14, ByoName3);
    block.setCell(0, 15, ByoCode3);
    block.setCell(0, 9, SinryoKaisu);
    block.setCell(0, 12, SinryoSyurui);
    block.setCell(0, 4, HatubyoDate);
    block.setCell(0, 5, SyosinDate);
    block.setCell(0, 6, SyusinDate);
    block.setCell(0, 7, TenkiDate);
    block.setCell(0, 8, Tenki);
    block.setCell(0, 13, TeisyutuTuki);
}

bool KarteNameRecord::isEpisode(const QString& byoName, const QString& syosinDate) const
{
    return ByoName == byoName && SyosinDate == syosinDate;
}
