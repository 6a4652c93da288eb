#include "GridColumns.h"

void GridColumns::apply(FlexGrid* grid, const QList<Column>& columns)
{
    grid->setCols(int(columns.size()));
    grid->setRowHeightTwips(0, 300);
    for (int c = 0; c < columns.size(); ++c) {
        grid->setTextMatrix(0, c, columns.at(c).heading);
        grid->setColWidthTwips(c, columns.at(c).width);
        grid->setColAlignment(c, columns.at(c).align);
    }
    grid->setFixedAlignment(-1, FlexGrid::AlignCenter);
}
