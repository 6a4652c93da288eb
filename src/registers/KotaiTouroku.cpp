#include "KotaiTouroku.h"

#include "KotaiTable.h"
#include "chart/KarteFile.h"
#include "chart/KarteFileName.h"
#include "chart/KarteKotaiRecord.h"
#include "chart/KarteNoukaRecord.h"
#include "chart/KarteText.h"
#include "common/DataPath.h"
#include "common/SharedUtil.h"

namespace {
const QString Kakunin = QStringLiteral("確認");
} // namespace

TourokuCheck KotaiTouroku::check(const QStringList& boxes, const Input& in, Ken ken,
                                 const NoukaInfo& nouka, const QString& nameHyoji)
{
    const QString mimi = in.Mimi.trimmed();
    if (ken != Ken::Kagoshima) {
        if (in.Mimi.isEmpty())
            return TourokuCheck::refuse(QStringLiteral("耳標番号は必ず必要です。"), Kakunin, 3);
        if (!in.Mimi.contains(QLatin1Char('-')) && mimi.size() != 4 && mimi.size() != 10)
            return TourokuCheck::refuse(QStringLiteral("耳標番号は4桁又は10桁を入力してください。"), Kakunin, 3);
    }
    for (int i = 0; i < boxes.size(); ++i) {
        const QString quote = TourokuCheck::quoteIn(boxes.at(i));
        if (!quote.isEmpty())
            return TourokuCheck::refuse(QStringLiteral(" %1 は使用できません。").arg(quote), Kakunin, i);
    }
    QString bad;
    if (!SharedUtil::FileNameCheckProc(in.Mimi, bad))
        return TourokuCheck::refuse(QStringLiteral("使用できない文字 %1 が入力されています。").arg(bad), Kakunin, 3);
    if (in.Syurui.isEmpty())
        return TourokuCheck::refuse(QStringLiteral("畜種を選択してください。"), Kakunin);
    if (nameHyoji.isEmpty() || nameHyoji == QStringLiteral("-") || !nouka.chosen() || nouka.NoukaCode.trimmed().isEmpty())
        return TourokuCheck::refuse(QStringLiteral("地域・氏名が入力されていません。"), QStringLiteral("入力確認"));
    return noukaCodeCheck(nouka);
}

// The farmer code comes from the register, which an older version may have written with any
// character: it is checked where it becomes part of a chart's name.
TourokuCheck KotaiTouroku::noukaCodeCheck(const NoukaInfo& nouka)
{
    QString bad;
    if (SharedUtil::FileNameCheckProc(KarteText::trim(nouka.NoukaCode), bad))
        return TourokuCheck::pass();
    return TourokuCheck::refuse(QStringLiteral("農家番号に使用できない文字 %1 があります。").arg(bad), Kakunin);
}

QString KotaiTouroku::key(const QString& nendo, const QString& code, const QString& mimi, bool calf)
{
    return KarteFileName(nendo, code, mimi, calf).baseName();
}

QString KotaiTouroku::keyEda(const QString& key)
{
    const QString last = key.section(QLatin1Char('_'), -1);
    return key.contains(QLatin1Char('_')) && last == QStringLiteral("1") ? last : QStringLiteral("0");
}

QStringList KotaiTouroku::gridRow(const Input& in, const QString& key)
{
    const QString meigou = in.KotaiNo.trimmed().isEmpty() ? in.Meigou.trimmed()
                                                          : in.Meigou.trimmed() + QLatin1Char(':') + in.KotaiNo.trimmed();
    const QString seibetu = in.Seibetu.isEmpty() ? QStringLiteral("雄") : in.Seibetu;
    const QString hoken = in.Hoken.isEmpty() ? QStringLiteral("包") : in.Hoken;
    return {in.Syurui.trimmed(), in.Mimi.trimmed(), in.BirthDay.trimmed(), seibetu.trimmed(), meigou,
            hoken.trimmed(), in.Keiro.trimmed(), in.Tokutyo.trimmed(), key.trimmed(), in.Sekinin.trimmed()};
}

QString KotaiTouroku::sakujoTarget(const QStringList& toridasi, const QString& k0, const QString& k1,
                                   const QString& nbCheck, const QString& mimi)
{
    const QString first = nbCheck == k1 ? k1 : k0;
    for (const QString& key : {first, k1})
        if (toridasi.contains(key + QStringLiteral(".sxd")))
            return key + QStringLiteral(".sxd");
    for (const QString& item : toridasi)
        if (QLatin1Char('0') + item.section(QLatin1Char('_'), 2, 2) == mimi.trimmed())
            return item;
    return QString();
}

QString KotaiTouroku::noukaLine(const NoukaInfo& n)
{
    return KarteNoukaRecord::of(n).line(KarteNoukaRecord::RegisterFields);
}

QString KotaiTouroku::kotaiLine(const QStringList& row)
{
    using C = KotaiTable::Col;
    auto col = [&row](int c) { return row.value(c - 1); };
    KarteKotaiRecord record;
    record.Syurui = col(C::Syurui);
    record.BirthDay = col(C::Birth);
    record.Seibetu = col(C::Seibetu);
    record.Meigou = col(C::Meigou);
    record.Kyosai = col(C::Hoken);
    record.Mimiban = col(C::Mimi);
    record.Keiro = col(C::Keiro);
    record.Tokutyo = col(C::Tokutyo);
    record.KarteName = col(C::KarteKey);
    record.SekininDay = col(C::Sekinin);
    return record.line(KarteKotaiRecord::RegisterFields);
}

// A chart that exists, in any letter case, is read and only its header lines are replaced; a
// chart that cannot be read soundly is reported and left as it is.
bool KotaiTouroku::KarteHeaderSaveProc(const QString& folder, const QString& key, const NoukaInfo& nouka,
                                       const QStringList& row, QString* errorText)
{
    const QString fileName = key + QStringLiteral(".sxd");
    if (!KarteFile::exists(folder, fileName))
        return KarteFile::create(folder, fileName, noukaLine(nouka), kotaiLine(row), errorText)
            == KarteFile::CreateResult::Created;
    const KarteFile karte = KarteFile::read(DataPath::resolve(folder + QLatin1Char('/') + fileName));
    return karte.saveHeader(noukaLine(nouka), kotaiLine(row), errorText);
}
