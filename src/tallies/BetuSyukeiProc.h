#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// The per-member totals of the extracted list: one row per member (told apart by name and
// member code, in the order of first appearance), then the totals row "計". Cells:
//   0 row number, 1 member name (with the code where two members share the name),
//   2 sheets ":" charts, 3 fee "###,###" (empty for 0), 4 submission month of the member's
//   last row in list order.
// Every data row of the list counts.
class BetuSyukeiProc
{
public:
    static constexpr int ColCount = 5;
    // rows: the list's data rows (18 cells each); perSheet: visits per chart sheet.
    static QList<QStringList> rows(const QList<QStringList>& listRows, int perSheet);
};
