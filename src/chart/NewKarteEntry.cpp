#include "NewKarteEntry.h"

#include "KarteFileName.h"
#include "KarteKotaiRecord.h"
#include "KarteNoukaRecord.h"
#include "KarteText.h"

#include "common/SharedState.h"
#include "common/SharedUtil.h"
#include "registers/TourokuCheck.h"

namespace {

QStringList withDashes(std::initializer_list<const char16_t*> captions)
{
    QStringList out;
    for (const char16_t* c : captions)
        out.append(QString::fromUtf16(c));
    while (out.size() < NewKarteEntry::SyuruiCount)
        out.append(QStringLiteral("-"));
    return out;
}

} // namespace

QStringList NewKarteEntry::syuruiCaptions(Ken ken)
{
    switch (ken) {
    case Ken::Gunma:
        return withDashes({u"成乳牛", u"育成牛", u"乳用出子", u"乳用胎児", u"乳用子牛", u"肥育成牛", u"肥育子牛",
                           u"他肉成牛", u"他肉出子", u"他肉胎児", u"他肉子牛", u"種豚", u"一般馬", u"肉種牛"});
    case Ken::Tochigi:
    case Ken::Tottori:
        return withDashes({u"成乳牛", u"育成乳牛", u"乳用子牛", u"乳用胎児", u"肥育用成牛", u"肥育用子牛", u"他肉成牛",
                           u"他肉子牛", u"他肉胎児"});
    case Ken::Aichi:
    case Ken::Mie:
        return withDashes({u"成乳牛", u"育成乳牛", u"乳用子牛", u"乳用胎児", u"肥育成牛", u"肥育子牛", u"他肉成牛",
                           u"他肉子牛", u"種豚"});
    case Ken::Oita:
        return withDashes({u"乳用牛(成)", u"乳用牛(育)", u"乳用牛(仔)", u"乳用牛(胎)", u"他肉牛(成)", u"他肉牛(仔)",
                           u"他肉牛(胎)", u"種雄牛(乳)", u"種雄牛(肉)"});
    case Ken::Ibaraki:
        return withDashes({u"成", u"育", u"肥", u"肉", u"馬", u"豚"});
    case Ken::Kagoshima:
        return withDashes({u"成乳牛", u"育成乳牛", u"乳用子牛", u"乳胎出子", u"肥育成牛", u"肥育子牛", u"他肉成牛",
                           u"他肉子牛", u"他胎出子", u"肥育牛", u"母牛", u"子牛", u"出生子牛", u"一般馬", u"種豚",
                           u"種雄牛"});
    case Ken::Okinawa:
        return withDashes({u"成乳牛", u"肥育牛", u"他肉牛", u"肉用子牛", u"肉用成牛", u"育成乳牛", u"種豚"});
    default:
        return withDashes({u"成", u"育", u"肥", u"特", u"馬", u"豚", u"他"});
    }
}

int NewKarteEntry::syuruiShown(Ken ken)
{
    switch (ken) {
    case Ken::Gunma:
    case Ken::Kagoshima:
        return 16;
    case Ken::Tochigi:
    case Ken::Tottori:
    case Ken::Aichi:
    case Ken::Mie:
    case Ken::Oita:
        return 9;
    case Ken::Ibaraki:
        return 6;
    default:
        return 7;
    }
}

bool NewKarteEntry::kotaiBangouShown(Ken ken)
{
    switch (ken) {
    case Ken::Tottori:
    case Ken::Miyazaki:
    case Ken::Mie:
    case Ken::Ibaraki:
    case Ken::Oita:
    case Ken::Tochigi:
    case Ken::Aichi:
    case Ken::Gunma:
    case Ken::Okinawa:
        return true;
    default:
        return false;
    }
}

TourokuCheck NewKarteEntry::mimibanCheck(const QString& mimiban)
{
    QString bad;
    if (SharedUtil::FileNameCheckProc(mimiban, bad))
        return TourokuCheck::pass();
    return TourokuCheck::refuse(QStringLiteral("使用できない文字 %1 が入力されています。").arg(bad),
                                QStringLiteral("確認"), 0);
}

TourokuCheck NewKarteEntry::check(const Input& input, const QString& noukaCode, Ken ken)
{
    const QString kakunin = QStringLiteral("確認");
    if (noukaCode.isEmpty() || noukaCode == QStringLiteral("-"))
        return TourokuCheck::refuse(QStringLiteral("組合員（農家）が選択されていません。"), QStringLiteral("入力確認"));
    const int length = int(KarteText::trim(input.Mimiban).size());
    if (ken != Ken::Kagoshima && !input.Mimiban.contains(QLatin1Char('-')) && length != 4 && length != 10)
        return TourokuCheck::refuse(QStringLiteral("耳標は4桁か10桁を入力してください。"), kakunin, 0);
    const QString boxes[] = {input.Mimiban, input.Meigou, input.KotaiBangou};
    for (int i = 0; i < 3; ++i) {
        const QString quote = TourokuCheck::quoteIn(boxes[i]);
        if (!quote.isEmpty())
            return TourokuCheck::refuse(QStringLiteral(" %1 は使用できません。").arg(quote), kakunin, i);
    }
    return mimibanCheck(KarteText::trim(input.Mimiban));
}

QString NewKarteEntry::fileName(const QString& nendo, const QString& noukaCode, const QString& mimiban, bool kousi)
{
    return KarteFileName(nendo, noukaCode, mimiban, kousi).text();
}

QString NewKarteEntry::noukaLine(const NoukaInfo& nouka)
{
    return KarteNoukaRecord::of(nouka).line(KarteNoukaRecord::NewKarteFields);
}

QString NewKarteEntry::kotaiLine(const Input& input, const QString& nendo, const QString& noukaCode)
{
    KarteKotaiRecord r;
    r.Syurui = input.Syurui;
    r.BirthDay = input.BirthDay;
    r.Seibetu = input.Seibetu;
    r.Meigou = KarteKotaiRecord::joinMeigou(KarteText::trim(input.Meigou), KarteText::trim(input.KotaiBangou));
    r.Kyosai = input.Kyosai;
    r.Mimiban = input.Mimiban;
    r.Keiro = input.Keiro;
    r.Tokutyo = input.Tokutyo;
    r.KarteName = KarteFileName(nendo, noukaCode, input.Mimiban, input.Kousi).baseName();
    return r.line(KarteKotaiRecord::NewKarteFields);
}
