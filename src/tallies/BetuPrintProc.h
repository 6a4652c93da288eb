#pragma once

#include <QList>
#include <QStringList>

class PrintDevice;

// The per-member totals on plain A4 portrait paper, a check list without headings or rules: one
// line per member row and the totals row, 6 mm apart from 21 mm, 35 lines a page; name from
// x 10, sheets centred on 50, fee ending at 80, submission month ending at 90 ("ＭＳ Ｐ明朝"
// 11 pt, the line's middle on y). The row numbers are not printed.
class BetuPrintProc
{
public:
    static constexpr int LinesPerPage = 35;
    // rows: the totals table without its heading row (5 cells each).
    static void print(PrintDevice& device, const QList<QStringList>& rows);
};
