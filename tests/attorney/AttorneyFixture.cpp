#include "AttorneyFixture.h"

#include "attorney/IninjyoList.h"
#include "common/FlexGrid.h"

namespace {
const QStringList siteRows = {
    "佐藤,鳥取県",
    "GM,群馬県",
    "KG,鹿児島県",
    "MZA,宮崎県,SiteMiyazakiVetA,IninjyoVetName=日向 太郎,IninjyoVetLine2,NoukaNameFixList=髙>高",
    "MZC,宮崎県,SiteMiyazakiVetC,IninjyoSinryohiMarume,IninjyoKenAllowed=0,IninjyoSeireki,IninjyoVetName=霧島 次郎",
};
}

std::unique_ptr<FlexGrid> syukeiGrid(const QList<Episode>& list)
{
    auto grid = std::make_unique<FlexGrid>();
    grid->setCols(18);
    grid->setFixedRows(0);
    grid->setFixedCols(0);
    grid->setRows(int(list.size()) + 3);
    grid->setTextMatrix(0, 2, "氏名");
    for (int i = 0; i < list.size(); ++i) {
        const Episode& e = list.at(i);
        const QList<std::pair<int, QString>> cells{{2, e.name},   {3, e.code},    {4, e.kind},    {5, e.meigou},
                                                   {6, e.mimi},   {7, e.byo},     {9, e.syosin},  {10, e.syusin},
                                                   {11, e.tenki}, {15, e.fee}};
        for (const auto& [c, text] : cells)
            grid->setTextMatrix(i + 2, c, text);
    }
    grid->setTextMatrix(grid->rows() - 1, 13, "合計");
    return grid;
}

QList<Episode> episodes(int n, const Episode& base)
{
    QList<Episode> out;
    for (int i = 1; i <= n; ++i) {
        Episode e = base;
        e.syosin = QStringLiteral("5.4.%1").arg(i);
        e.byo = QStringLiteral("病%1").arg(i);
        out.append(e);
    }
    return out;
}

IninjyoPrintData attorneyData(const QList<Episode>& list, const QString& date)
{
    IninjyoPrintData d;
    d.farmers = IninjyoPrintData::farmersOf(IninjyoList::IninjyoListSetProc(*syukeiGrid(list), false));
    d.date = date;
    d.dateKioku = date;
    d.doctorName = "佐藤 誠";
    d.address = [](const QString& code) { return QStringLiteral("住所") + code; };
    return d;
}

AttorneyInstallation::AttorneyInstallation(const QString& info)
{
    root.useInstallation(info, siteRows);
}
