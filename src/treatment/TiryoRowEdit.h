#pragma once

#include "TiryoLine.h"

#include <QString>
#include <array>

// The row commands of an examination's seven treatment lines (rows 1 to 7). A row is occupied
// when any of its cells holds text, so a line whose price was corrected by hand is never dropped
// or overwritten by a shift.
class TiryoRowEdit
{
public:
    static constexpr int RowCount = 7;
    using Rows = std::array<TiryoLine, RowCount>;

    // Row r (1 to 7) emptied in place.
    static void deleteRow(Rows& rows, int r);
    // An empty row at r, the rows from r down moved one further; false (nothing changed) when
    // row 7 is occupied.
    static bool insertRow(Rows& rows, int r);
    // The occupied rows moved up in their order, the empty ones after them.
    static void closeUp(Rows& rows);
    static void clear(Rows& rows);

    // The clipboard text of row r as the grid copies a selected row: its number and its eight
    // cells, separated by tabs.
    static QString clipText(const Rows& rows, int r);
    // A clipboard text pasted onto row r: the first line's tab-separated pieces fill the row from
    // its number column on (the number is not taken); cells beyond the pieces keep their text.
    static void paste(Rows& rows, int r, const QString& text);
};
