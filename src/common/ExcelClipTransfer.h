#pragma once

class FlexGrid;

// Hands a grid to a spreadsheet through the clipboard: columns 0 to lastCol of the rows firstRow
// to the grid's last row, cells joined by TAB and rows by CR, placed on the clipboard as text;
// the range is left selected and the user is told to paste. Returns false (and says so) when the
// clipboard did not take the text.
bool ExcelClipTransfer(FlexGrid& grid, int firstRow, int lastCol);
