#pragma once

#include <QList>
#include <QStringList>

class FlexGrid;

// Moves the data rows of a grid (the rows below its heading row) to and from plain rows of texts.
class CodeGridRows
{
public:
    // Rows firstRow to the last, every column.
    static QList<QStringList> rows(const FlexGrid& grid, int firstRow = 1);
    static QStringList cells(const FlexGrid& grid, int row);
    // Replaces every row below the heading row by the given rows.
    static void fill(FlexGrid& grid, const QList<QStringList>& rows);
};
