#pragma once

#include <QList>
#include <QStringList>

class PrintDevice;

// The extracted list on plain A4 landscape paper as a check list without headings or rules: one
// line per list row (the episodes and the totals row, in the order on the screen), 6 mm apart
// from 21 mm, 30 lines a page, columns 0 to 15 from their x ("ＭＳ Ｐ明朝" 9 pt, the list placement
// rule with y at the bottom of the text). The submission month and the chart file are not
// printed; texts are not clipped.
class SyukeiListPrintProc
{
public:
    static constexpr int LinesPerPage = 30;
    // rows: the list's rows from the first episode to the totals row (18 cells each).
    static void print(PrintDevice& device, const QList<QStringList>& rows);
};
