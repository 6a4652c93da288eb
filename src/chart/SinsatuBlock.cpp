#include "SinsatuBlock.h"

#include "KarteBlock.h"
#include "KarteText.h"

TiryoLine SinsatuBlock::readTiryo(const KarteBlock& block, int j, int slot)
{
    const int row = KarteBlock::sinsatuRow(j) + 1 + slot;
    TiryoLine line;
    for (int c = 1; c <= TiryoLine::ColumnCount; ++c)
        line.setText(c, block.cell(row, c + 2));
    return line;
}

void SinsatuBlock::writeTiryo(KarteBlock& block, int j, int slot, const TiryoLine& line)
{
    const int row = KarteBlock::sinsatuRow(j) + 1 + slot;
    for (int c = 1; c <= TiryoLine::ColumnCount; ++c)
        block.setCell(row, c + 2, line.text(c));
}

SinsatuBlock SinsatuBlock::read(const KarteBlock& block, int j)
{
    const int b = KarteBlock::sinsatuRow(j);
    SinsatuBlock s;
    s.SinsatuDate = block.cell(b, 2);
    s.Tpr = block.cell(b, 3);
    s.StartTime = block.cell(b, 5);
    s.EndTime = block.cell(b, 6);
    s.Tantou = block.cell(b, 9);
    s.KyuTime = block.cell(b, 10);
    s.Gensyo = block.cell(b + 1, 2);
    for (int slot = 0; slot < TiryoCount; ++slot)
        s.Tiryo.at(slot) = readTiryo(block, j, slot);
    s.PictNb = block.cell(b + 8, 2);
    for (int i = 0; i < SyokenCount; ++i)
        s.Syoken.at(i) = block.cell(b + 8, 3 + i);
    return s;
}

void SinsatuBlock::write(KarteBlock& block, int j, bool tantouShown, bool kyuTimeShown) const
{
    const int b = KarteBlock::sinsatuRow(j);
    block.setCell(b, 2, SinsatuDate);
    block.setCell(b, 5, StartTime);
    block.setCell(b, 6, EndTime);
    if (kyuTimeShown)
        block.setCell(b, 10, KyuTime);
    if (tantouShown)
        block.setCell(b, 9, Tantou);
    block.setCell(b, 3, Tpr);
    block.setCell(b + 1, 2, KarteText::trim(Gensyo));
    block.setCell(b + 8, 2, PictNb);
    for (int i = 0; i < SyokenCount; ++i)
        block.setCell(b + 8, 3 + i, Syoken.at(i));
    for (int slot = 0; slot < TiryoCount; ++slot)
        writeTiryo(block, j, slot, Tiryo.at(slot));
}

bool SinsatuBlock::dated(const QString& date)
{
    return !date.isEmpty() && date != QStringLiteral("-");
}

bool SinsatuBlock::chiyu() const
{
    return KarteText::trim(Gensyo).startsWith(QStringLiteral("治癒"));
}
