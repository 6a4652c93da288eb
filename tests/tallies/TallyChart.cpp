#include "TallyChart.h"

#include "TestFixture.h"

#include "chart/KarteKotaiRecord.h"
#include "chart/KarteNoukaRecord.h"

KarteBlock& TallyChart::episode(const QString& byo, const QString& syosin, const QString& teisyutu)
{
    KarteBlock block;
    block.setCell(0, 2, byo);
    block.setCell(0, 5, syosin);
    block.setCell(0, 13, teisyutu);
    blocks.append(block);
    return blocks.last();
}

void TallyChart::exam(KarteBlock& block, int j, const QString& date, const QString& course)
{
    block.setCell(KarteBlock::sinsatuRow(j), 2, date);
    block.setCell(KarteBlock::sinsatuRow(j) + 1, 2, course);
}

void TallyChart::tiryo(KarteBlock& block, int j, int k, const QStringList& cells)
{
    for (int c = 0; c < cells.size(); ++c)
        block.setCell(KarteBlock::sinsatuRow(j) + k, 3 + c, cells.at(c));
}

QStringList TallyChart::lines() const
{
    KarteNoukaRecord nouka;
    nouka.NoukaTiku = tiku;
    nouka.NoukaName = farmer;
    nouka.NoukaCode = code;
    KarteKotaiRecord kotai;
    kotai.Syurui = QStringLiteral("成乳牛");
    kotai.Meigou = QStringLiteral("はなこ");
    kotai.Mimiban = mimiban;
    kotai.KarteName = QStringLiteral("H7_") + code + QStringLiteral("_") + mimiban + QStringLiteral("_0");
    QStringList out{nouka.line(), kotai.line()};
    if (curly) {
        for (int i = 0; i < 2; ++i)
            out[i].replace(QLatin1Char('\''), QStringLiteral("’"));
    }
    for (const KarteBlock& block : blocks)
        out += block.lines();
    return out;
}

QString TallyChart::write(const QString& root, const QString& fileName) const
{
    TestFixture::writeCp932(root + QStringLiteral("/H7/") + fileName, lines());
    return fileName;
}
