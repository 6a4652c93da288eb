#include "OusinTensuProc.h"

#include "TensuText.h"
#include "common/CodeTableLoader.h"

namespace {
const QChar Kara = QChar(0xFF5E); // ～
}

int OusinTensuProc::yukiPoint(float kyori)
{
    if (kyori > 40)
        return 45;
    return kyori > 20 ? 23 : 11;
}

bool OusinTensuProc::matches(const QString& band, float d)
{
    if (d <= 0.5f)
        return band == QStringLiteral("0.5k以内") || band == QStringLiteral("0.5ｋ以内");
    const QStringList range = band.split(Kara);
    if (range.size() != 2)
        return false;
    const float lo = float(TensuText::value(range.at(0)));
    const float hi = float(TensuText::value(range.at(1)));
    return (lo <= d && d <= hi) || (d >= 100 && hi == 100);
}

OusinTensuProc::Result OusinTensuProc::run(const QStringList& lenCodeTable, const QString& kyori,
                                           const QString& kubun, bool sekisetu)
{
    Result r;
    r.Kubun = kubun.trimmed();
    const float d = float(TensuText::value(kyori));
    if (d <= 0)
        return r;
    const QString key = QStringLiteral("往診：") + r.Kubun;
    for (const QStringList& f : CodeTableLoader::tableFields(lenCodeTable)) {
        if (f.at(0) == key && matches(f.value(1), d)) {
            r.Band = f.value(1);
            r.BaseB = f.value(2);
            r.BaseA = f.value(3);
        }
    }
    r.Yuki = yukiPoint(d);
    r.YukiShown = sekisetu && d > 0.5f && !r.Band.isEmpty();
    r.FinalB = r.YukiShown ? TensuText::number(float(TensuText::value(r.BaseB)) + float(r.Yuki)) : r.BaseB;
    r.FinalA = r.YukiShown ? TensuText::number(float(TensuText::value(r.BaseA)) + float(r.Yuki)) : r.BaseA;
    return r;
}
