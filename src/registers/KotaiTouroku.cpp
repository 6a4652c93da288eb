#include "KotaiTouroku.h"

#include "KotaiTable.h"
#include "registers/pending/PendingKarte.h"
#include "registers/pending/PendingUtil.h"

namespace {
const QString Kakunin = QStringLiteral("確認");
const QChar Sep = QLatin1Char('\'');

QString fieldsLine(const QStringList& fields)
{
    QString line;
    for (const QString& f : fields)
        line += f + Sep;
    return line;
}
} // namespace

TourokuCheck KotaiTouroku::check(const QStringList& boxes, const Input& in, const QString& ken,
                                 const NoukaInfo& nouka, const QString& nameHyoji)
{
    const QString mimi = in.Mimi.trimmed();
    if (ken != QStringLiteral("鹿児島県")) {
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
    if (!Pending::FileNameCheckProc(in.Mimi, bad))
        return TourokuCheck::refuse(QStringLiteral("使用できない文字 %1 が入力されています。").arg(bad), Kakunin, 3);
    if (in.Syurui.isEmpty())
        return TourokuCheck::refuse(QStringLiteral("畜種を選択してください。"), Kakunin);
    if (nameHyoji.isEmpty() || nameHyoji == QStringLiteral("-") || !nouka.chosen() || nouka.NoukaCode.trimmed().isEmpty())
        return TourokuCheck::refuse(QStringLiteral("地域・氏名が入力されていません。"), QStringLiteral("入力確認"));
    return TourokuCheck::pass();
}

QString KotaiTouroku::key(const QString& nendo, const QString& code, const QString& mimi, bool calf)
{
    return QStringLiteral("H") + nendo.trimmed() + QLatin1Char('_') + code.trimmed() + QLatin1Char('_')
        + mimi.trimmed() + (calf ? QStringLiteral("_1") : QStringLiteral("_0"));
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
    QStringList fields{QStringLiteral("Main"), n.NoukaTiku, n.NoukaName, n.NoukaCode, n.NoukaJyusyo};
    while (fields.size() < 15)
        fields.append(QString());
    return fieldsLine(fields);
}

QString KotaiTouroku::kotaiLine(const QStringList& row)
{
    using C = KotaiTable::Col;
    auto col = [&row](int c) { return row.value(c - 1); };
    const QStringList fields{QStringLiteral("Main"), col(C::Syurui), QString(), QString(), col(C::Birth),
                             col(C::Seibetu), col(C::Meigou), QString(), col(C::Hoken), QString(), col(C::Mimi),
                             col(C::Keiro), col(C::Tokutyo), col(C::KarteKey), QString(), col(C::Sekinin), QString()};
    return Pending::KaigyoDelProc(fieldsLine(fields));
}

bool KotaiTouroku::KarteHeaderSaveProc(const QString& folder, const QString& key, const NoukaInfo& nouka,
                                       const QStringList& row, QString* errorText)
{
    return Pending::writeKarteHeader(folder, key + QStringLiteral(".sxd"), noukaLine(nouka), kotaiLine(row), errorText);
}
