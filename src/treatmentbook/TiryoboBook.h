#pragma once

#include "TiryoboRow.h"

#include <QList>
#include <QString>

// An animal's treatment book as its window works on it: the rows of the grid (row 0 the heading
// row, which holds nothing; data rows from 1), the selected row, the grid's current row and the
// row-marking mode. Row numbers are sizes of the book, not bounded by the grid control.
class TiryoboBook
{
public:
    static constexpr int FreshRows = 200;   // rows of a grid before a book is read, heading included
    static constexpr int SpareRows = 100;   // empty rows after the rows read from a file

    QList<TiryoboRow> rows{TiryoboRow()};
    int SelRow = -1;        // the selected row; -1 none
    int Row = 0;            // the grid's current row, which the commands write into
    int GyoSiteiMode = 0;   // 1 while clicks mark rows

    // A book of n grid rows, all empty.
    static TiryoboBook fresh(int n = FreshRows);
    // The rows read from a file below the heading row, then spare empty rows.
    static TiryoboBook withRows(const QList<TiryoboRow>& data, int spare);

    int rowCount() const { return int(rows.size()); }
    int lastRow() const { return rowCount() - 1; }
    TiryoboRow& row(int r) { return rows[r]; }
    const TiryoboRow& row(int r) const { return rows.at(r); }
    TiryoboRow& current() { return rows[Row]; }
    const TiryoboRow& current() const { return rows.at(Row); }
    bool validRow(int r) const { return r >= 1 && r < rowCount(); }

    // Grows the book to n rows; never removes a row.
    void growTo(int n);
    // The non-blank rows from row 1 in order, as the book file keeps them.
    QList<TiryoboRow> filledRows() const;
    // True when some row from 1 holds the text in column 0.
    bool hasDate(const QString& date) const;
    // The last row from 1 whose column 0 is not empty; 0 when none.
    int lastDateRow() const;
    // The last marked row; -1 when none.
    int lastMarkedRow() const;
    bool anyMarked() const { return lastMarkedRow() >= 0; }
};
