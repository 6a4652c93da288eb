#include "KarteMaisuProc.h"

#include "common/SiteProfile.h"
#include "common/ValueReader.h"

#include <algorithm>

int KarteMaisuProc::perSheet(Ken ken, const SiteProfile& site)
{
    switch (ken) {
    case Ken::Saga: return 4;
    case Ken::Tottori: return 5;
    case Ken::Miyazaki: return 3;
    case Ken::Mie: return 6;
    case Ken::Aichi: return 7;
    case Ken::Kagoshima: return site.has(QStringLiteral("SiteKagoshimaDistrict")) ? 6 : 4;
    case Ken::Ibaraki: return 6;
    case Ken::Oita: return 7;
    default: return 4;
    }
}

int KarteMaisuProc::sheets(const QString& visits, int perSheet)
{
    const int v = std::max(0, ValueReader::leadingInt(visits));
    const int per = std::max(1, perSheet);
    return std::max(1, (v + per - 1) / per);
}
