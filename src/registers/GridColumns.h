#pragma once

#include "common/FlexGrid.h"

#include <QList>
#include <QString>

// The columns of a grid of the master register windows: heading in row 0, width in twips and the
// alignment of the cells; the headings centred, the heading row 300 twips high.
class GridColumns
{
public:
    struct Column
    {
        QString heading;
        int width;
        FlexGrid::Alignment align = FlexGrid::AlignCenter;
    };

    static void apply(FlexGrid* grid, const QList<Column>& columns);
};
