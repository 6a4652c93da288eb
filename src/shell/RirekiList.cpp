#include "RirekiList.h"

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

QStringList plainRow(const QStringList& name, const QString& karteFile)
{
    const bool ended = name.value(8) != mi;
    return {QString(), name.value(2), name.value(12), name.value(5), name.value(6), name.value(9),
            ended ? name.value(7) : QString(), name.value(8), name.value(13), karteFile};
}

QStringList latestRow(const QStringList& name, const QStringList& data, const QString& karteFile)
{
    QStringList row = plainRow(name, karteFile);
    row[6].clear();
    row[7].clear();
    if (name.value(8) == mi)
        return row;
    row[6] = name.value(7);
    row[7] = name.value(8);
    const QString date2 = data.value(7);
    if (!date2.isEmpty() && RirekiList::HidukeHikakuProc(name.value(7), date2)) {
        row[6] = date2;
        row[7] = data.value(8);
    }
    return row;
}

} // namespace

QList<QStringList> RirekiList::build(const QStringList& lines, const QString& karteFile,
                                     bool latestOutcome)
{
    QList<QStringList> rows;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QStringList fields = lines.at(i).split(QLatin1Char('\''));
        if (fields.value(0) != QStringLiteral("Name"))
            continue;
        if (latestOutcome)
            rows.append(latestRow(fields, lines.value(i + 1).split(QLatin1Char('\'')), karteFile));
        else
            rows.append(plainRow(fields, karteFile));
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
