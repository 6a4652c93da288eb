#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// The searches of the code-table register over a grid's data rows (element 0 is grid row 1).
// Hits are grid row numbers, one per matching cell, in the order the grid is walked; the
// comparison is exact (case, width and kana all count).
class CodeTableSearch
{
public:
    using Rows = QList<QStringList>;

    // "検索": every column of every row when allColumns; otherwise column 1 of every row, and
    // column 6 only when column 1 matched nowhere. A cell matches when it contains the text.
    static QList<int> kensakuHits(const Rows& rows, bool allColumns, const QString& text);
    // The message for a number of hits: "3個あります" or "検索文字は見つかりません。".
    static QString kensakuMessage(int count);

    // Enter in the search box: the rows whose cell in col equals the text.
    static QList<int> exactHits(const Rows& rows, int col, const QString& text);

private:
    static QList<int> columnHits(const Rows& rows, int col, const QString& text);
};
