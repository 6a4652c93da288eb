#include "MasterSetup.h"

#include "common/SharedState.h"

namespace MasterSetup {
void startAs(const QString& ken, const QString& siteKey)
{
    SharedState& s = SharedState::get();
    s.setKen(ken);
    s.SiteKey = siteKey;
    s.KarteNendo = "7";
    s.TodayDate = "2025/6/12";
    s.TwipPerMm = 56.7f;
    s.ColorSet = {QColor(248, 248, 227), QColor(221, 239, 221), QColor(255, 0, 0), QColor(238, 255, 181)};
    SiteProfile::load(SiteProfile::filePath(), s.SiteRows, nullptr);
    s.Site = SiteProfile::lookup(s.SiteRows, s.ken, siteKey, QString());
    s.ManryoFlag = s.Site.ManryoSite() ? 1 : 0;
}
}
