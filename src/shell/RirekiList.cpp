#include "RirekiList.h"

#include "chart/KarteNameRecord.h"
#include "chart/KarteScan.h"

namespace {

const QString mi = QStringLiteral("未");

// The number a date part starts with; 0 when it does not start with a digit.
int leadingDigits(const QString& part)
{
    int value = 0;
    for (const QChar c : part) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            break;
        value = value * 10 + (c.unicode() - '0');
        if (value > 99999)
            break;
    }
    return value;
}

} // namespace

QStringList RirekiList::plainRow(const KarteNameRecord& name, const QString& karteFile)
{
    const bool ended = name.Tenki != mi;
    return {QString(), name.ByoName, name.SinryoSyurui, name.SyosinDate, name.SyusinDate, name.SinryoKaisu,
            ended ? name.TenkiDate : QString(), name.Tenki, name.TeisyutuTuki, karteFile};
}

QStringList RirekiList::latestRow(const KarteNameRecord& name, const QStringList& data1, const QString& karteFile)
{
    QStringList row = plainRow(name, karteFile);
    row[6].clear();
    row[7].clear();
    if (name.Tenki == mi)
        return row;
    row[6] = name.TenkiDate;
    row[7] = name.Tenki;
    const QString date2 = data1.value(7);
    if (!date2.isEmpty() && HidukeHikakuProc(name.TenkiDate, date2)) {
        row[6] = date2;
        row[7] = data1.value(8);
    }
    return row;
}

QList<QStringList> RirekiList::build(const KarteScan& scan, const QString& karteFile, bool latestOutcome,
                                     QString* report)
{
    QList<QStringList> rows;
    const std::optional<QList<KarteNameRecord>> names = scan.nameRecords(report);
    if (!names)
        return rows;
    for (int k = 0; k < names->size(); ++k) {
        const KarteNameRecord& name = names->at(k);
        if (!latestOutcome) {
            rows.append(plainRow(name, karteFile));
            continue;
        }
        const std::optional<QStringList> data1 = scan.blockLine(k, 1, report);
        rows.append(latestRow(name, data1.value_or(QStringList()), karteFile));
    }
    return rows;
}

bool RirekiList::HidukeHikakuProc(const QString& a, const QString& b)
{
    if (!a.contains(QLatin1Char('.')) || !b.contains(QLatin1Char('.')))
        return false;
    const QStringList pa = a.split(QLatin1Char('.'));
    const QStringList pb = b.split(QLatin1Char('.'));
    for (int i = 0; i < 3; ++i) {
        const int x = leadingDigits(pa.value(i));
        const int y = leadingDigits(pb.value(i));
        if (x != y)
            return y > x;
    }
    return false;
}
