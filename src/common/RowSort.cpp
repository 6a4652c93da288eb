#include "RowSort.h"

#include "ValueReader.h"

#include <algorithm>
#include <cmath>

namespace {
bool numeric(const QString& s, double& value)
{
    bool ok = false;
    value = s.trimmed().toDouble(&ok);
    // "nan" and "inf" read as numbers but compare with nothing: the order would not be one.
    return ok && std::isfinite(value);
}
} // namespace

int RowSort::compare(const QString& a, const QString& b, Mode mode)
{
    double x = 0, y = 0;
    if (mode == LeadingNumber) {
        x = ValueReader::leadingNumber(a);
        y = ValueReader::leadingNumber(b);
        return x < y ? -1 : x > y ? 1 : a.compare(b, Qt::CaseInsensitive);
    }
    const bool nx = numeric(a, x);
    const bool ny = numeric(b, y);
    if (mode == Numeric) {
        x = nx ? x : 0;
        y = ny ? y : 0;
        return x < y ? -1 : x > y ? 1 : 0;
    }
    if (mode == Generic && nx && ny)
        return x < y ? -1 : x > y ? 1 : 0;
    if (mode == Generic && nx != ny)
        return nx ? -1 : 1;
    return a.compare(b, Qt::CaseInsensitive);
}

void RowSort::sort(QList<QStringList>& rows, int col1, int col2, Mode mode)
{
    QList<int> cols;
    for (int c = col1; c <= col2; ++c)
        cols.append(c);
    sort(rows, cols, mode);
}

void RowSort::sort(QList<QStringList>& rows, const QList<int>& keyCols, Mode mode)
{
    std::stable_sort(rows.begin(), rows.end(), [&](const QStringList& a, const QStringList& b) {
        for (const int c : keyCols) {
            const int cmp = compare(a.value(c), b.value(c), mode);
            if (cmp != 0)
                return cmp < 0;
        }
        return false;
    });
}
