#include "MasterVariant.h"

namespace {
QStringList words(const char* text)
{
    return QString::fromUtf8(text).split(QLatin1Char(' '));
}
} // namespace

QStringList MasterVariant::tikusyuFor(const QString& ken)
{
    if (ken == QStringLiteral("群馬県"))
        return words("成乳牛 育成牛 乳用出子 乳用胎児 乳用子牛 肥育成牛 肥育子牛 他肉成牛 他肉出子 他肉胎児 "
                     "他肉子牛 種豚 一般馬 肉種牛 - -");
    if (ken == QStringLiteral("鳥取県") || ken == QStringLiteral("栃木県"))
        return words("成乳牛 育成乳牛 乳用子牛 乳用胎児 肥育用成牛 肥育用子牛 他肉成牛 他肉子牛 他肉胎児");
    if (ken == QStringLiteral("大分県"))
        return words("乳用牛(成) 乳用牛(育) 乳用牛(仔) 乳用牛(胎) 他肉牛(成) 他肉牛(仔) 他肉牛(胎) "
                     "種雄牛(乳) 種雄牛(肉)");
    if (ken == QStringLiteral("愛知県"))
        return words("成乳牛 育成乳牛 乳用子牛 乳用胎児 肥育成牛 肥育子牛 他肉成牛 他肉子牛 種豚");
    if (ken == QStringLiteral("三重県"))
        return words("成乳牛 育成乳牛 乳用子牛 乳用胎児 肥育成牛 肥育子牛 他肉成牛 他肉子牛 他肉胎児 種豚");
    if (ken == QStringLiteral("鹿児島県"))
        return words("成乳牛 育成乳牛 乳用子牛 乳胎出子 肥育成牛 肥育子牛 他肉成牛 他肉子牛 他胎出子 肥育牛 "
                     "母牛 子牛 出生子牛 一般馬 種豚 種雄牛");
    if (ken == QStringLiteral("茨城県"))
        return words("成 育 肥 肉 馬 豚");
    if (ken == QStringLiteral("沖縄県"))
        return words("成乳牛 肥育牛 他肉牛 肉用子牛 肉用成牛 育成乳牛 種豚");
    return words("成 育 肥 特 馬 豚 他");
}

MasterVariant MasterVariant::of(const QString& ken, int manryoFlag, const SiteProfile& site)
{
    MasterVariant v;
    v.KenName = ken;
    const QStringList shown = tikusyuFor(ken);
    for (int i = 0; i < TikusyuCount; ++i) {
        v.TikusyuCaptions.append(i < shown.size() ? shown.at(i) : QStringLiteral("-"));
        v.TikusyuVisible.append(i < 6 || i < shown.size());
    }
    static const QStringList kotaiBangou = words("鳥取県 宮崎県 三重県 茨城県 大分県 栃木県 愛知県 群馬県 沖縄県");
    v.KotaiBangouShown = kotaiBangou.contains(ken);
    v.Kagoshima = ken == QStringLiteral("鹿児島県");
    v.Ibaraki = ken == QStringLiteral("茨城県");
    v.Miyazaki = ken == QStringLiteral("宮崎県");
    v.Oita = ken == QStringLiteral("大分県");
    v.SekininShown = manryoFlag == 1 || v.Ibaraki || v.Miyazaki || ken == QStringLiteral("群馬県");
    v.SekininColumn = manryoFlag == 1 || v.Ibaraki;
    v.ManryoMenu = manryoFlag == 1;
    v.KyuYakuMenu = ken == QStringLiteral("鳥取県");
    v.DoctorLocked = v.Ibaraki || ken == QStringLiteral("愛知県") || ken == QStringLiteral("三重県");
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
