#include "GridHeightProc.h"

#include "common/FlexGrid.h"

#include <algorithm>

int GridHeightProc::lines(const QString& text, int widthTwips, int points)
{
    if (widthTwips <= 1)
        return 0;
    const int t = int(text.size()) * points * 20;
    return t / widthTwips + (t % widthTwips ? 1 : 0);
}

int GridHeightProc::height(const QStringList& cells, const QList<int>& widthsTwips, int points)
{
    int m = 1;
    for (qsizetype c = 0; c < widthsTwips.size(); ++c)
        m = std::max(m, lines(cells.value(c), widthsTwips.at(c), points));
    return m * LineTwips;
}

void GridHeightProc::apply(FlexGrid& grid)
{
    const bool shown = grid.isVisible();
    grid.hide();
    const int points = int(grid.font().pointSizeF());
    QList<int> widths;
    for (int c = 0; c < grid.cols(); ++c)
        widths.append(grid.colWidthTwips(c));
    for (int r = 1; r < grid.rows(); ++r) {
        QStringList cells;
        for (int c = 0; c < grid.cols(); ++c)
            cells.append(grid.textMatrix(r, c));
        grid.setRowHeightTwips(r, height(cells, widths, points));
    }
    grid.setVisible(shown);
}
