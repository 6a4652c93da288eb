#include "MasterVariant.h"

namespace {
QStringList words(const char* text)
{
    return QString::fromUtf8(text).split(QLatin1Char(' '));
}
} // namespace

QStringList MasterVariant::tikusyuFor(Ken ken)
{
    if (ken == Ken::Gunma)
        return words("成乳牛 育成牛 乳用出子 乳用胎児 乳用子牛 肥育成牛 肥育子牛 他肉成牛 他肉出子 他肉胎児 "
                     "他肉子牛 種豚 一般馬 肉種牛 - -");
    if (ken == Ken::Tottori || ken == Ken::Tochigi)
        return words("成乳牛 育成乳牛 乳用子牛 乳用胎児 肥育用成牛 肥育用子牛 他肉成牛 他肉子牛 他肉胎児");
    if (ken == Ken::Oita)
        return words("乳用牛(成) 乳用牛(育) 乳用牛(仔) 乳用牛(胎) 他肉牛(成) 他肉牛(仔) 他肉牛(胎) "
                     "種雄牛(乳) 種雄牛(肉)");
    if (ken == Ken::Aichi)
        return words("成乳牛 育成乳牛 乳用子牛 乳用胎児 肥育成牛 肥育子牛 他肉成牛 他肉子牛 種豚");
    if (ken == Ken::Mie)
        return words("成乳牛 育成乳牛 乳用子牛 乳用胎児 肥育成牛 肥育子牛 他肉成牛 他肉子牛 他肉胎児 種豚");
    if (ken == Ken::Kagoshima)
        return words("成乳牛 育成乳牛 乳用子牛 乳胎出子 肥育成牛 肥育子牛 他肉成牛 他肉子牛 他胎出子 肥育牛 "
                     "母牛 子牛 出生子牛 一般馬 種豚 種雄牛");
    if (ken == Ken::Ibaraki)
        return words("成 育 肥 肉 馬 豚");
    if (ken == Ken::Okinawa)
        return words("成乳牛 肥育牛 他肉牛 肉用子牛 肉用成牛 育成乳牛 種豚");
    return words("成 育 肥 特 馬 豚 他");
}

MasterVariant MasterVariant::of(Ken ken, int manryoFlag, const SiteProfile& site)
{
    MasterVariant v;
    v.ken = ken;
    const QStringList shown = tikusyuFor(ken);
    for (int i = 0; i < TikusyuCount; ++i) {
        v.TikusyuCaptions.append(i < shown.size() ? shown.at(i) : QStringLiteral("-"));
        v.TikusyuVisible.append(i < 6 || i < shown.size());
    }
    v.KotaiBangouShown = ken != Ken::Sonota && ken != Ken::Kagoshima && ken != Ken::Saga;
    v.Kagoshima = ken == Ken::Kagoshima;
    v.Ibaraki = ken == Ken::Ibaraki;
    v.Miyazaki = ken == Ken::Miyazaki;
    v.Oita = ken == Ken::Oita;
    v.SekininShown = manryoFlag == 1 || v.Ibaraki || v.Miyazaki || ken == Ken::Gunma;
    v.SekininColumn = manryoFlag == 1 || v.Ibaraki;
    v.ManryoMenu = manryoFlag == 1;
    v.KyuYakuMenu = ken == Ken::Tottori;
    v.DoctorLocked = v.Ibaraki || ken == Ken::Aichi || ken == Ken::Mie;
    v.DeadDisplay = v.Ibaraki && site.has(QStringLiteral("ShowDeadDisplay"));
    v.AddressHint = v.Ibaraki && site.has(QStringLiteral("ShowAddressHint"));
    v.KotaiRows = v.Ibaraki ? 8000 : 5000;
    return v;
}

QString MasterVariant::mimiCaption() const
{
    return Kagoshima ? QStringLiteral("[個体番号]") : QStringLiteral("[耳標番号]");
}

QString MasterVariant::mimiHeading() const
{
    return Kagoshima ? QStringLiteral("個体番号") : QStringLiteral("耳標番号");
}

QString MasterVariant::renameCaption() const
{
    return Kagoshima ? QStringLiteral("個体番号変更") : QStringLiteral("耳標番号変更");
}

QString MasterVariant::meigouHeading() const
{
    return KotaiBangouShown ? QStringLiteral("名号:個体番号") : QStringLiteral("名号");
}

QString MasterVariant::kumiaiCaption() const
{
    return Miyazaki ? QStringLiteral("[区分]") : QStringLiteral("[組合番号]");
}

QString MasterVariant::kumiaiHeading() const
{
    return Miyazaki ? QStringLiteral("区分") : QStringLiteral("組合");
}
