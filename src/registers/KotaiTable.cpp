#include "KotaiTable.h"

#include "common/RowSort.h"

#include <algorithm>

namespace {
const QString Del = QStringLiteral("Del");
constexpr int NamePart = 10; // index of the sort key appended in 大分県

bool allEmpty(const QStringList& cols)
{
    return std::all_of(cols.begin(), cols.end(), [](const QString& c) { return c.isEmpty(); });
}

bool deadOrShipped(const QStringList& cols)
{
    const QString t = cols.at(KotaiTable::Tokutyo - 1);
    return t.contains(QStringLiteral("死亡")) || t.contains(QStringLiteral("出荷"));
}

QList<int> idx(std::initializer_list<int> cols)
{
    QList<int> out;
    for (const int c : cols)
        out.append(c - 1);
    return out;
}
} // namespace

KotaiTable::KotaiTable(int capacity) : rowsData(capacity, QStringList(ColCount - 1)) {}

QString KotaiTable::cell(int row, int col) const
{
    if (row < 1 || row > capacity() || col < 1 || col >= ColCount)
        return QString();
    return rowsData.at(row - 1).at(col - 1);
}

void KotaiTable::setCell(int row, int col, const QString& text)
{
    if (row < 1 || row > capacity() || col < 1 || col >= ColCount)
        return;
    rowsData[row - 1][col - 1] = text;
    used = std::max(used, row);
}

QStringList KotaiTable::row(int r) const
{
    return r >= 1 && r <= capacity() ? rowsData.at(r - 1) : QStringList(ColCount - 1);
}

void KotaiTable::setRow(int r, const QStringList& cols)
{
    for (int c = 1; c < ColCount; ++c)
        setCell(r, c, cols.value(c - 1));
}

void KotaiTable::painted()
{
    while (used > 0 && allEmpty(rowsData.at(used - 1)))
        --used;
}

void KotaiTable::clear()
{
    for (int r = 0; r < used; ++r)
        rowsData[r] = QStringList(ColCount - 1);
}

int KotaiTable::akiRow() const
{
    for (int r = 1; r <= capacity(); ++r)
        if (cell(r, Syurui).isEmpty())
            return r;
    return -1;
}

int KotaiTable::countUntilEmpty(int col) const
{
    int n = 0;
    while (n < capacity() && !cell(n + 1, col).isEmpty())
        ++n;
    return n;
}

int KotaiTable::findKey(const QString& key) const
{
    for (int r = 1; r <= capacity(); ++r)
        if (cell(r, KarteKey).trimmed() == key)
            return r;
    return -1;
}

KotaiTable::Kizon KotaiTable::kizonRow(const QString& k0, const QString& k1, const QString& nbCheck,
                                       int akiRow) const
{
    int r0 = -1;
    int r1 = -1;
    const int listedRows = countUntilEmpty(KarteKey);
    for (int r = 1; r <= listedRows; ++r) {
        const QString key = cell(r, KarteKey).trimmed();
        if (r0 < 0 && key == k0)
            r0 = r;
        if (r1 < 0 && key == k1)
            r1 = r;
    }
    if (r1 >= 0 && nbCheck == k1)
        return {true, r1, k1};
    if (r0 >= 0)
        return {true, r0, k0};
    return {false, akiRow, k0};
}

void KotaiTable::copyMarks(const QStringList& dellInfoList, const std::function<void(int, int)>& progress)
{
    const int n = countUntilEmpty(Syurui);
    for (int r = 1; r <= n; ++r) {
        for (const QString& entry : dellInfoList) {
            if (!entry.isEmpty() && entry.section(QLatin1Char(','), 0, 0) == cell(r, KarteKey)) {
                setCell(r, Tokutyo, entry.section(QLatin1Char(','), 1));
                break;
            }
        }
        if (progress)
            progress(r, n);
    }
}

QList<QStringList> KotaiTable::listed(bool dropDead) const
{
    QList<QStringList> out;
    for (const QStringList& cols : rowsData) {
        if (allEmpty(cols))
            break;
        if (cols.at(Syurui - 1) == Del || (dropDead && deadOrShipped(cols)))
            continue;
        out.append(cols);
    }
    return out;
}

void KotaiTable::refill(const QList<QStringList>& rows)
{
    clear();
    for (int i = 0; i < rows.size() && i < capacity(); ++i)
        setRow(i + 1, rows.at(i).mid(0, ColCount - 1));
}

void KotaiTable::gridSet(const Order& order)
{
    QList<QStringList> rows = listed(false);
    if (order.Oita) {
        for (QStringList& cols : rows)
            cols.append(cols.at(Meigou - 1).section(QLatin1Char(':'), 0, 0));
        if (order.SortCh)
            RowSort::sort(rows, QList<int>{Syurui - 1, NamePart, Mimi - 1}, RowSort::Generic);
        else
            RowSort::sort(rows, QList<int>{NamePart, Mimi - 1}, RowSort::LeadingNumber);
    } else if (order.SortCh) {
        RowSort::sort(rows, idx({Syurui, Mimi, Birth}), RowSort::Generic);
    } else {
        RowSort::sort(rows, idx({Mimi, Birth}), RowSort::LeadingNumber);
        if (order.Ibaraki && order.IbaragiSortCh)
            RowSort::sort(rows, idx({Meigou, Hoken}), RowSort::LeadingNumber);
    }
    refill(rows);
}

void KotaiTable::sibouSyukkaHyoji(int mode, const Order& order)
{
    QList<QStringList> rows = listed(mode != 6);
    if (order.SortCh)
        RowSort::sort(rows, idx({Syurui, Mimi, Birth}), RowSort::Generic);
    else if (order.IbaragiSortCh)
        RowSort::sort(rows, idx({Meigou, Hoken}), RowSort::LeadingNumber);
    refill(rows);
}
