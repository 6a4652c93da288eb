#include "CsvTouroku.h"

#include "KotaiTable.h"
#include "common/DataPath.h"
#include "common/SharedUtil.h"

namespace {
const QString Unset = QStringLiteral("-");

QString orKept(const QString& value, const QString& kept)
{
    return value.isEmpty() || value == Unset ? kept : value;
}
} // namespace

QString CsvTouroku::folder()
{
    return DataPath::file(QStringLiteral("exceldata"));
}

std::optional<KotaiTouroku::Input> CsvTouroku::parse(const QString& line, const QString& firstSyurui)
{
    const QStringList f = line.split(QLatin1Char(','));
    if (f.size() < 6)
        return std::nullopt;
    for (int i = 0; i < 6; ++i)
        if (!TourokuCheck::quoteIn(f.at(i)).isEmpty())
            return std::nullopt;
    KotaiTouroku::Input in;
    in.Syurui = firstSyurui;
    in.Seibetu = QStringLiteral("雌");
    in.Hoken = QStringLiteral("包");
    in.BirthDay = f.at(2).isEmpty() ? Unset : f.at(2);
    in.Sekinin = f.at(4).isEmpty() ? Unset : f.at(4);
    in.Meigou = f.at(0);
    in.Mimi = f.at(1).size() == 9 ? QLatin1Char('0') + f.at(1) : f.at(1);
    in.KotaiNo = f.at(3);
    in.Keiro = f.at(5);
    QString bad;
    const QString era = f.at(2).left(1);
    if (in.Mimi.size() != 10 || !SharedUtil::FileNameCheckProc(in.Mimi, bad)
        || (in.Meigou.isEmpty() && in.KotaiNo.isEmpty())
        || (era != QStringLiteral("R") && era != QStringLiteral("H") && era != QStringLiteral("S")))
        return std::nullopt;
    return in;
}

KotaiTouroku::Input CsvTouroku::merge(const QStringList& row, const KotaiTouroku::Input& csv)
{
    using C = KotaiTable::Col;
    auto col = [&row](int c) { return row.value(c - 1); };
    const QString meigou = col(C::Meigou);
    KotaiTouroku::Input in = csv;
    in.Syurui = col(C::Syurui);
    in.Seibetu = col(C::Seibetu);
    in.Hoken = col(C::Hoken);
    in.Tokutyo = col(C::Tokutyo);
    in.Meigou = orKept(csv.Meigou, meigou.section(QLatin1Char(':'), 0, 0));
    in.KotaiNo = orKept(csv.KotaiNo, meigou.section(QLatin1Char(':'), 1, 1));
    in.Sekinin = orKept(csv.Sekinin, col(C::Sekinin));
    in.Keiro = orKept(csv.Keiro, col(C::Keiro));
    return in;
}
