#include "SyukeiSortProc.h"

#include "SyukeiHidukeKeyProc.h"
#include "SyukeiList.h"

#include "common/RowSort.h"

namespace {

struct SortKey
{
    const char16_t* caption;
    int column;    // list column sorted on and grouped by
    bool date;     // sorted on the date's key as a number
};
const SortKey keys[SyukeiSortProc::KeyCount] = {
    {u"転帰別", SyukeiList::Tenki, false},      {u"組合員別", SyukeiList::Name, false},
    {u"畜種別", SyukeiList::Syu, false},        {u"地区別", SyukeiList::Tiku, false},
    {u"初診日順", SyukeiList::Syosin, true},    {u"終診日順", SyukeiList::Syusin, true},
    {u"転帰日順", SyukeiList::TenkiDate, true},
};

const SortKey& keyOf(int key)
{
    return keys[key >= 0 && key < SyukeiSortProc::KeyCount ? key : 1];
}

} // namespace

QString SyukeiSortProc::caption(int key)
{
    return QString::fromUtf16(keyOf(key).caption);
}

int SyukeiSortProc::bandColumn(int key)
{
    return keyOf(key).column;
}

void SyukeiSortProc::sort(QList<QStringList>& rows, int key)
{
    const SortKey& k = keyOf(key);
    if (k.date) {
        for (QStringList& row : rows)
            row.append(SyukeiHidukeKeyProc(row.value(k.column)));
        RowSort::sort(rows, SyukeiList::ColCount, SyukeiList::ColCount, RowSort::Numeric);
        for (QStringList& row : rows)
            row.removeLast();
    } else {
        RowSort::sort(rows, k.column, k.column, RowSort::Generic);
    }
    for (qsizetype r = 0; r < rows.size(); ++r)
        rows[r][SyukeiList::Number] = QString::number(r + 1);
}

QList<bool> SyukeiSortProc::bands(const QList<QStringList>& rows, int key)
{
    const int column = bandColumn(key);
    QList<bool> out;
    bool second = false;
    for (qsizetype r = 0; r < rows.size(); ++r) {
        if (r > 0 && rows.at(r).value(column) != rows.at(r - 1).value(column))
            second = !second;
        out.append(second);
    }
    return out;
}
