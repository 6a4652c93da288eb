#include "NoukaTouroku.h"

#include "common/RowSort.h"
#include "common/SharedUtil.h"

namespace {
const QString Kakunin = QStringLiteral("確認");
const QString NyuryokuKakunin = QStringLiteral("入力確認");
} // namespace

TourokuCheck NoukaTouroku::check(const QStringList& boxes, const Input& input, Action action)
{
    for (int i = 0; i < boxes.size(); ++i) {
        const QString quote = TourokuCheck::quoteIn(boxes.at(i));
        if (!quote.isEmpty())
            return TourokuCheck::refuse(quote + QStringLiteral(" は使えません。"), Kakunin, i);
        if (boxes.at(i).contains(QLatin1Char(',')))
            return TourokuCheck::refuse(QStringLiteral(", は使えません。"), Kakunin, i);
    }
    if (input.Code.trimmed().size() != 8)
        return TourokuCheck::refuse(QStringLiteral("コードの文字数を確認してください。"), NyuryokuKakunin, 7);
    // The code names the farmer's chart files.
    QString bad;
    if (action == Action::Touroku && !SharedUtil::FileNameCheckProc(input.Code.trimmed(), bad))
        return TourokuCheck::refuse(QStringLiteral("使用できない文字 %1 が入力されています。").arg(bad), Kakunin, 7);
    if (action == Action::Touroku && input.Yobi.isEmpty())
        return TourokuCheck::refuse(QStringLiteral("呼出文字を入力してください。"), NyuryokuKakunin, 9);
    return TourokuCheck::pass();
}

QString NoukaTouroku::line(const QString& tiku, const Input& in)
{
    const QStringList values{tiku, in.Name, in.Code, in.Jyusyo, in.Yobi, in.Kumiai, in.Syuttyo,
                             in.Tiiki, in.TikuCode1 + QLatin1Char('-') + in.TikuCode2};
    QStringList fields;
    for (const QString& v : values)
        fields.append(SharedUtil::KaigyoDelProc(v));
    fields << QString() << QString();
    return fields.join(QLatin1Char(','));
}

int NoukaTouroku::find(const QStringList& nameList, const QString& name, const QString& code)
{
    const QString key = name.trimmed() + code.trimmed();
    for (int i = 0; i < nameList.size(); ++i) {
        const QStringList f = nameList.at(i).split(QLatin1Char(','));
        if (f.size() >= 3 && f.at(1) + f.at(2) == key)
            return i;
    }
    return -1;
}

bool NoukaTouroku::apply(QStringList& nameList, Action action, const QString& tiku, const Input& input)
{
    if (input.Name.isEmpty())
        return false;
    const int at = find(nameList, input.Name, input.Code);
    if (action == Action::Sakujo) {
        if (at < 0)
            return false;
        nameList.removeAt(at);
        return true;
    }
    if (at < 0)
        nameList.append(line(tiku, input));
    else
        nameList[at] = line(tiku, input);
    return true;
}

QList<QStringList> NoukaTouroku::gridRows(const QStringList& nameList, const QString& tiku,
                                          bool districtClick)
{
    QList<QStringList> rows;
    for (const QString& entry : nameList) {
        const QStringList f = entry.split(QLatin1Char(','));
        if (f.at(0) != tiku || (districtClick && f.size() != 11))
            continue;
        QStringList row;
        for (int c = 1; c <= 8; ++c) {
            const QString v = f.value(c);
            row.append(districtClick && c <= 7 ? v.trimmed() : v);
        }
        rows.append(row);
    }
    RowSort::sort(rows, 7, 7, RowSort::Generic);
    return rows;
}

NoukaTouroku::Input NoukaTouroku::fromRow(const QStringList& row)
{
    Input in;
    in.Name = row.value(0);
    in.Code = row.value(1);
    in.Jyusyo = row.value(2);
    in.Yobi = row.value(3);
    in.Kumiai = row.value(4);
    in.Syuttyo = row.value(5);
    in.Tiiki = row.value(6);
    const QStringList parts = row.value(7).trimmed().split(QLatin1Char('-'));
    if (parts.size() == 2) {
        in.TikuCode1 = parts.at(0);
        in.TikuCode2 = parts.at(1);
    }
    return in;
}
