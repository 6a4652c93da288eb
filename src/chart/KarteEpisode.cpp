#include "KarteEpisode.h"

#include "treatment/TensuText.h"
#include "treatment/TotalGrid.h"

#include <cmath>

KarteEpisode::SinsatuKaisu KarteEpisode::sinsatuKaisu(bool hinagataMode) const
{
    SinsatuKaisu result;
    for (int j = 0; j < KarteBlock::SinsatuCount; ++j) {
        const SinsatuBlock s = sinsatu(j);
        if (s.dated() && !s.chiyu()) {
            result.SyusinDate = s.SinsatuDate;
            ++result.Count;
        }
    }
    if (!hinagataMode)
        return result;
    for (int j = 0; j < KarteBlock::SinsatuCount; ++j) {
        const SinsatuBlock s = sinsatu(j);
        if (!s.Gensyo.isEmpty()) {
            result.SyusinDate = s.SinsatuDate;
            ++result.Count;
        }
    }
    return result;
}

void KarteEpisode::gatherDates(bool hinagataMode)
{
    const QString syosin = sinsatu(0).SinsatuDate;
    if (hinagataMode)
        block_.setTags();
    const SinsatuKaisu kaisu = sinsatuKaisu(hinagataMode);
    block_.setCell(0, 5, syosin);
    if (kaisu.SyusinDate)
        block_.setCell(0, 6, *kaisu.SyusinDate);
    block_.setCell(0, 9, QString::number(kaisu.Count));
}

bool KarteEpisode::kept() const
{
    return SinsatuBlock::dated(sinsatu(0).SinsatuDate);
}

void KarteEpisode::setTotals(const TotalGrid& grid)
{
    setData3(KarteData3Record::fromTotalGrid(grid));
}

bool KarteEpisode::pageIroGreen(int page, const QString& sinryoKaisu)
{
    return page < std::trunc(TensuText::value(sinryoKaisu));
}
