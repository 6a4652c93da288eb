#pragma once

#include <QList>
#include <QString>
#include <QStringList>

class FlexGrid;

// Row heights of a word-wrapping result grid: every character counts one em of the grid's font
// (points x 20 twips) whatever its width; a cell needs as many lines as its text's ems fill its
// column's width, rounded up; a row is as high as its tallest cell, 225 twips a line. Columns of
// 1 twip or less never count; an empty cell needs no line; every row has at least one line.
class GridHeightProc
{
public:
    static constexpr int LineTwips = 225;
    static int lines(const QString& text, int widthTwips, int points);
    static int height(const QStringList& cells, const QList<int>& widthsTwips, int points);
    // Sets the heights of every row below the heading row of the grid, the grid hidden meanwhile.
    static void apply(FlexGrid& grid);
};
