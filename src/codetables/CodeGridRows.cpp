#include "CodeGridRows.h"

#include "common/FlexGrid.h"

QStringList CodeGridRows::cells(const FlexGrid& grid, int row)
{
    QStringList out;
    for (int c = 0; c < grid.cols(); ++c)
        out.append(grid.textMatrix(row, c));
    return out;
}

QList<QStringList> CodeGridRows::rows(const FlexGrid& grid, int firstRow)
{
    QList<QStringList> out;
    for (int r = firstRow; r < grid.rows(); ++r)
        out.append(cells(grid, r));
    return out;
}

void CodeGridRows::fill(FlexGrid& grid, const QList<QStringList>& rows)
{
    grid.setRows(1);
    grid.setRows(int(rows.size()) + 1);
    for (int r = 0; r < rows.size(); ++r) {
        const QStringList& row = rows.at(r);
        for (int c = 0; c < grid.cols(); ++c)
            grid.setTextMatrix(r + 1, c, row.value(c));
    }
}
