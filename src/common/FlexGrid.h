#pragma once

#include "SharedState.h"

#include <QColor>
#include <QHash>
#include <QTableWidget>

// The grid control of the system over QTableWidget. Row and column numbers are those of the
// system: the fixed (heading) rows and columns are rows 0.. and columns 0.. of the grid itself,
// painted in the heading colour and never selected. Widths and heights are given in twips.
class FlexGrid : public QTableWidget
{
    Q_OBJECT

public:
    enum Alignment { AlignGeneral, AlignLeft, AlignCenter, AlignRight };
    enum SortMode { SortGenericAscending, SortNumericAscending, SortStringAscending };
    enum HighLightMode { HighLightNever, HighLightAlways };

    explicit FlexGrid(QWidget* parent = nullptr);

    int rows() const { return rowCount(); }
    int cols() const { return columnCount(); }
    void setRows(int n);
    void setCols(int n);
    int fixedRows() const { return fixedRowCount; }
    int fixedCols() const { return fixedColCount; }
    void setFixedRows(int n);
    void setFixedCols(int n);

    QString textMatrix(int row, int col) const;
    void setTextMatrix(int row, int col, const QString& text);
    // Sets the texts of whole rows from row on, each list's texts from column 0 on (cells outside
    // the grid are left out), announced to the views once: a list of thousands of cells fills at
    // the cost of its cells alone.
    void setRowTexts(int row, const QList<QStringList>& rows);
    // The text of the current cell.
    QString text() const { return textMatrix(row(), col()); }
    void setText(const QString& value) { setTextMatrix(row(), col(), value); }

    void setColWidthTwips(int col, int twips);
    int colWidthTwips(int col) const;
    void setRowHeightTwips(int row, int twips);
    int rowHeightTwips(int row) const;
    // Every row's height (the grid's default row height) in twips.
    void setDefaultRowHeightTwips(int twips);

    void setColAlignment(int col, Alignment alignment);
    // Alignment of the fixed cells of a column (all columns when col is -1).
    void setFixedAlignment(int col, Alignment alignment);
    void setCellAlignment(int row, int col, Alignment alignment);

    void setBackColor(const QColor& color);      // cells
    void setBackColorFixed(const QColor& color); // heading cells
    void setBackColorBkg(const QColor& color);   // the area beyond the cells
    // The selection colour; the selected text turns black or white, whichever reads on it.
    void setBackColorSel(const QColor& color);
    void setForeColorSel(const QColor& color);
    void setCellBackColor(int row, int col, const QColor& color);
    QColor cellBackColor(int row, int col) const;
    void setCellForeColor(int row, int col, const QColor& color);
    void setHighLight(HighLightMode mode);

    // The current cell and the selection rectangle (row/col to rowSel/colSel).
    int row() const;
    int col() const;
    void setRow(int row);
    void setCol(int col);
    void setCurrent(int row, int col);
    int rowSel() const;
    int colSel() const;
    void select(int row1, int col1, int row2, int col2);
    // The row and column under the mouse at the last mouse event.
    int mouseRow() const { return lastMouseRow; }
    int mouseCol() const { return lastMouseCol; }

    int topRow() const;
    void setTopRow(int row);

    // Widens the grid where it is too narrow for its visible columns beside its vertical scroll
    // bar, so that the last column shows whole and no horizontal scroll bar appears.
    void widenToColumns();

    // Merges equal neighbouring cells of a row (the heading row's equal captions).
    void mergeEqualCells(int row);

    // Sorts the rows from firstRow to lastRow on the columns col1 to col2, compared left to right.
    void sortRows(int firstRow, int lastRow, int col1, int col2, SortMode mode = SortGenericAscending);

    // Text of a rectangle: cells separated by tabs, rows by CR (the grid's clip text).
    QString clipText(int row1, int col1, int row2, int col2) const;
    // The whole grid's clip text with rows separated by rowSeparator.
    QString allText(const QString& rowSeparator = QStringLiteral("\r")) const;
    // Sets every cell of the rectangle to the empty text.
    void clearRange(int row1, int col1, int row2, int col2);
    // Empties every non-fixed cell, keeping the heading rows and columns.
    void clearCells();

    // Adds a row (cells given by tab-separated text) at the end or before index.
    void addItem(const QString& tabText, int index = -1);
    void removeItem(int row);

    // Geometry of a cell relative to the grid widget, in pixels.
    QRect cellRect(int row, int col) const;

signals:
    void gridClick(int row, int col);
    // Any mouse button pressed on a cell, with the modifier keys held (row and col -1 off the cells).
    void gridMouseDown(int row, int col, Qt::MouseButton button, Qt::KeyboardModifiers modifiers);
    void gridDblClick(int row, int col);
    void enterCell(int row, int col);
    void gridKeyDown(int key, Qt::KeyboardModifiers modifiers);

protected:
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void initFrozen();
    // The fixed rows stay in view: they are hidden in the grid itself and shown by a view of the
    // same cells laid over the top margin, which never scrolls vertically.
    void updateFrozen();
    int fixedRowPx(int row) const;

    QTableWidgetItem* cell(int row, int col);
    const QTableWidgetItem* cellAt(int row, int col) const;
    bool isFixed(int row, int col) const { return row < fixedRowCount || col < fixedColCount; }
    bool inGrid(int row, int col) const { return row >= 0 && col >= 0 && row < rowCount() && col < columnCount(); }
    // Gives a cell the look of its place (heading or not, column alignment); a cell without an
    // item gets one only in the heading rows and columns.
    void styleCell(int row, int col);
    // The same for a range of rows and columns (ends excluded), announced to the views at once.
    void styleCells(int firstRow, int lastRow, int firstCol, int lastCol);
    // The same for cells just added, which hold no item yet: only their heading cells need one.
    void styleFreshCells(int firstRow, int lastRow, int firstCol, int lastCol);
    void styleItem(QTableWidgetItem* item, int row, int col) const;
    void restyleAll();
    void applyColAlignment(int col);
    Qt::Alignment qtAlignment(Alignment alignment, bool fixed) const;

    int fixedRowCount = 1;
    int fixedColCount = 1;
    int defaultRowHeight = 240;
    QColor backColor = Qt::white;
    QColor backColorFixed = ColorSetInfo::GridFixedBackColor();
    QList<Alignment> colAlignments;
    QList<Alignment> fixedAlignments;
    int lastMouseRow = -1;
    int lastMouseCol = -1;
    QTableView* frozen = nullptr;
    QHash<int, int> fixedRowHeights;  // pixels, by row
    int hiddenFixedRows = 0;
};
