#include "FlexGrid.h"

#include "FontSetup.h"
#include "RowSort.h"
#include "TwipGeometry.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStyle>
#include <algorithm>

FlexGrid::FlexGrid(QWidget* parent) : QTableWidget(parent)
{
    horizontalHeader()->hide();
    verticalHeader()->hide();
    setFont(FontSetup::gridFont());
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::ContiguousSelection);
    setWordWrap(false);
    setMouseTracking(true);
    verticalHeader()->setMinimumSectionSize(1);
    horizontalHeader()->setMinimumSectionSize(1);
    verticalHeader()->setDefaultSectionSize(TwipGeometry::px(defaultRowHeight));
    initFrozen();
    setRows(2);
    setCols(2);
    connect(this, &QTableWidget::currentCellChanged, this,
            [this](int r, int c, int, int) { if (r >= 0 && c >= 0) emit enterCell(r, c); });
}

void FlexGrid::initFrozen()
{
    frozen = new QTableView(this);
    frozen->setModel(model());
    frozen->setSelectionModel(selectionModel());
    frozen->horizontalHeader()->hide();
    frozen->verticalHeader()->hide();
    frozen->horizontalHeader()->setMinimumSectionSize(1);
    frozen->verticalHeader()->setMinimumSectionSize(1);
    frozen->setFocusPolicy(Qt::NoFocus);
    frozen->setEditTriggers(QAbstractItemView::NoEditTriggers);
    frozen->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    frozen->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    frozen->setFrameShape(QFrame::NoFrame);
    frozen->setWordWrap(false);
    frozen->setAutoScroll(false);
    frozen->setMouseTracking(true);
    frozen->viewport()->installEventFilter(this);
    frozen->hide();
    connect(horizontalHeader(), &QHeaderView::sectionResized, frozen,
            [this](int c, int, int size) { frozen->setColumnWidth(c, size); });
    connect(horizontalScrollBar(), &QScrollBar::valueChanged, frozen->horizontalScrollBar(), &QScrollBar::setValue);
    // The current cell moving in the grid must not scroll the heading rows away.
    connect(frozen->verticalScrollBar(), &QScrollBar::valueChanged, frozen, [this](int value) {
        if (value != 0)
            frozen->verticalScrollBar()->setValue(0);
    });
}

int FlexGrid::fixedRowPx(int r) const
{
    return fixedRowHeights.value(r, verticalHeader()->defaultSectionSize());
}

void FlexGrid::updateFrozen()
{
    const int fixed = std::min(fixedRowCount, rowCount());
    for (int r = fixed; r < std::min(hiddenFixedRows, rowCount()); ++r)
        setRowHidden(r, false);
    int height = 0;
    for (int r = 0; r < fixed; ++r) {
        setRowHidden(r, true);
        frozen->setRowHeight(r, fixedRowPx(r));
        height += fixedRowPx(r);
    }
    hiddenFixedRows = fixed;
    for (int c = 0; c < columnCount(); ++c)
        frozen->setColumnWidth(c, columnWidth(c));
    setViewportMargins(0, height, 0, 0);
    frozen->setGeometry(frameWidth(), frameWidth(), viewport()->width(), height);
    frozen->setVisible(height > 0);
    frozen->verticalScrollBar()->setValue(0);
}

void FlexGrid::resizeEvent(QResizeEvent* event)
{
    QTableWidget::resizeEvent(event);
    updateFrozen();
}

bool FlexGrid::eventFilter(QObject* watched, QEvent* event)
{
    if (frozen && watched == frozen->viewport()) {
        const auto type = event->type();
        if (type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick || type == QEvent::MouseMove) {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            const QModelIndex index = frozen->indexAt(mouse->position().toPoint());
            lastMouseRow = index.isValid() ? index.row() : -1;
            lastMouseCol = index.isValid() ? index.column() : -1;
            if (index.isValid() && type == QEvent::MouseButtonPress && mouse->button() == Qt::LeftButton)
                emit gridClick(index.row(), index.column());
            if (index.isValid() && type == QEvent::MouseButtonDblClick)
                emit gridDblClick(index.row(), index.column());
            return type != QEvent::MouseMove;
        }
    }
    return QTableWidget::eventFilter(watched, event);
}

void FlexGrid::setRows(int n)
{
    const int old = rowCount();
    setRowCount(std::max(0, n));
    styleFreshCells(old, n, 0, columnCount());
    if (old < fixedRowCount || n < fixedRowCount)
        updateFrozen();
}

void FlexGrid::setCols(int n)
{
    const int old = columnCount();
    setColumnCount(std::max(0, n));
    while (colAlignments.size() < n) {
        colAlignments.append(AlignGeneral);
        fixedAlignments.append(AlignLeft);
    }
    styleFreshCells(0, rowCount(), old, n);
}

void FlexGrid::setFixedRows(int n)
{
    fixedRowCount = std::max(0, n);
    restyleAll();
    updateFrozen();
}

void FlexGrid::setFixedCols(int n)
{
    fixedColCount = n;
    restyleAll();
}

QTableWidgetItem* FlexGrid::cell(int row, int col)
{
    QTableWidgetItem* it = item(row, col);
    if (!it) {
        it = new QTableWidgetItem();
        styleItem(it, row, col);
        setItem(row, col, it);
    }
    return it;
}

const QTableWidgetItem* FlexGrid::cellAt(int row, int col) const
{
    return item(row, col);
}

QString FlexGrid::textMatrix(int row, int col) const
{
    const QTableWidgetItem* it = cellAt(row, col);
    return it ? it->text() : QString();
}

void FlexGrid::setTextMatrix(int row, int col, const QString& text)
{
    if (!inGrid(row, col))
        return;
    cell(row, col)->setText(text);
}

void FlexGrid::setRowTexts(int row, const QList<QStringList>& rows)
{
    int lastRow = -1;
    int lastCol = -1;
    {
        const QSignalBlocker quiet(model());
        for (int r = 0; r < rows.size(); ++r)
            for (int c = 0; c < rows.at(r).size(); ++c)
                if (inGrid(row + r, c)) {
                    cell(row + r, c)->setText(rows.at(r).at(c));
                    lastRow = std::max(lastRow, row + r);
                    lastCol = std::max(lastCol, c);
                }
    }
    if (lastRow >= 0)
        emit model()->dataChanged(model()->index(row, 0), model()->index(lastRow, lastCol));
}

Qt::Alignment FlexGrid::qtAlignment(Alignment alignment, bool fixed) const
{
    switch (alignment) {
    case AlignLeft: return Qt::AlignLeft | Qt::AlignVCenter;
    case AlignCenter: return Qt::AlignHCenter | Qt::AlignVCenter;
    case AlignRight: return Qt::AlignRight | Qt::AlignVCenter;
    case AlignGeneral: break;
    }
    Q_UNUSED(fixed);
    return Qt::AlignLeft | Qt::AlignVCenter;
}

void FlexGrid::styleCell(int row, int col)
{
    // The alignments outlive columns taken away; a cell outside the grid has no item to style (an
    // item set there would belong to no one).
    if (!inGrid(row, col))
        return;
    QTableWidgetItem* it = item(row, col);
    if (it) {
        styleItem(it, row, col);
    } else if (isFixed(row, col)) {
        // Styled before it joins the grid, so that the views hear of the new cell once.
        it = new QTableWidgetItem();
        styleItem(it, row, col);
        setItem(row, col, it);
    }
}

void FlexGrid::styleCells(int firstRow, int lastRow, int firstCol, int lastCol)
{
    firstRow = std::max(firstRow, 0);
    firstCol = std::max(firstCol, 0);
    lastRow = std::min(lastRow, rowCount());
    lastCol = std::min(lastCol, columnCount());
    if (firstRow >= lastRow || firstCol >= lastCol)
        return;
    {
        // Told cell by cell, the views would work out where each of thousands of cells shows.
        const QSignalBlocker quiet(model());
        for (int r = firstRow; r < lastRow; ++r)
            for (int c = firstCol; c < lastCol; ++c)
                styleCell(r, c);
    }
    emit model()->dataChanged(model()->index(firstRow, firstCol), model()->index(lastRow - 1, lastCol - 1));
}

void FlexGrid::styleFreshCells(int firstRow, int lastRow, int firstCol, int lastCol)
{
    styleCells(firstRow, std::min(lastRow, fixedRowCount), firstCol, lastCol);
    styleCells(std::max(firstRow, fixedRowCount), lastRow, firstCol, std::min(lastCol, fixedColCount));
}

void FlexGrid::styleItem(QTableWidgetItem* it, int row, int col) const
{
    const bool fixed = isFixed(row, col);
    it->setBackground(fixed ? backColorFixed : backColor);
    if (fixed)
        it->setFlags(Qt::ItemIsEnabled);
    else
        it->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    const bool fixedRow = row < fixedRowCount;
    const Alignment a = fixedRow ? fixedAlignments.value(col, AlignLeft) : colAlignments.value(col, AlignGeneral);
    it->setTextAlignment(qtAlignment(a, fixedRow));
}

void FlexGrid::restyleAll()
{
    styleCells(0, rowCount(), 0, columnCount());
}

void FlexGrid::setColWidthTwips(int col, int twips)
{
    setColumnWidth(col, TwipGeometry::px(twips));
}

int FlexGrid::colWidthTwips(int col) const
{
    return TwipGeometry::twips(columnWidth(col));
}

void FlexGrid::setRowHeightTwips(int row, int twips)
{
    if (row < fixedRowCount) {
        fixedRowHeights.insert(row, TwipGeometry::px(twips));
        updateFrozen();
        return;
    }
    setRowHeight(row, TwipGeometry::px(twips));
}

int FlexGrid::rowHeightTwips(int row) const
{
    return TwipGeometry::twips(row < fixedRowCount ? fixedRowPx(row) : rowHeight(row));
}

void FlexGrid::setDefaultRowHeightTwips(int twips)
{
    defaultRowHeight = twips;
    verticalHeader()->setDefaultSectionSize(TwipGeometry::px(twips));
    updateFrozen();
}

void FlexGrid::applyColAlignment(int col)
{
    styleCells(0, rowCount(), col, col + 1);
}

void FlexGrid::setColAlignment(int col, Alignment alignment)
{
    if (col < 0 || col >= colAlignments.size())
        return;
    colAlignments[col] = alignment;
    applyColAlignment(col);
}

void FlexGrid::setFixedAlignment(int col, Alignment alignment)
{
    for (int c = 0; c < fixedAlignments.size(); ++c)
        if (col < 0 || c == col) {
            fixedAlignments[c] = alignment;
            applyColAlignment(c);
        }
}

void FlexGrid::setCellAlignment(int row, int col, Alignment alignment)
{
    if (inGrid(row, col))
        cell(row, col)->setTextAlignment(qtAlignment(alignment, isFixed(row, col)));
}

void FlexGrid::setBackColor(const QColor& color)
{
    backColor = color;
    restyleAll();
}

void FlexGrid::setBackColorFixed(const QColor& color)
{
    backColorFixed = color;
    restyleAll();
}

void FlexGrid::setBackColorBkg(const QColor& color)
{
    QPalette p = palette();
    p.setColor(QPalette::Base, color);
    p.setColor(QPalette::Window, color);
    setPalette(p);
}

void FlexGrid::setBackColorSel(const QColor& color)
{
    QPalette p = palette();
    p.setColor(QPalette::Highlight, color);
    p.setColor(QPalette::Inactive, QPalette::Highlight, color);
    setPalette(p);
    // Selected text stays readable: black on a light selection colour, white on a dark one.
    setForeColorSel(color.lightnessF() > 0.5 ? QColor(Qt::black) : QColor(Qt::white));
}

void FlexGrid::setForeColorSel(const QColor& color)
{
    QPalette p = palette();
    p.setColor(QPalette::HighlightedText, color);
    p.setColor(QPalette::Inactive, QPalette::HighlightedText, color);
    setPalette(p);
}

void FlexGrid::setCellBackColor(int row, int col, const QColor& color)
{
    if (inGrid(row, col))
        cell(row, col)->setBackground(color);
}

QColor FlexGrid::cellBackColor(int row, int col) const
{
    const QTableWidgetItem* it = cellAt(row, col);
    return it ? it->background().color() : (isFixed(row, col) ? backColorFixed : backColor);
}

void FlexGrid::setCellForeColor(int row, int col, const QColor& color)
{
    if (inGrid(row, col))
        cell(row, col)->setForeground(color);
}

void FlexGrid::setHighLight(HighLightMode mode)
{
    setSelectionMode(mode == HighLightNever ? QAbstractItemView::NoSelection
                                            : QAbstractItemView::ContiguousSelection);
}

int FlexGrid::row() const
{
    return currentRow();
}

int FlexGrid::col() const
{
    return currentColumn();
}

void FlexGrid::setRow(int r)
{
    setCurrent(r, std::max(0, col()));
}

void FlexGrid::setCol(int c)
{
    setCurrent(std::max(0, row()), c);
}

void FlexGrid::setCurrent(int r, int c)
{
    if (r < 0 || c < 0 || r >= rowCount() || c >= columnCount())
        return;
    setCurrentCell(r, c, QItemSelectionModel::NoUpdate);
}

int FlexGrid::rowSel() const
{
    const QList<QTableWidgetSelectionRange> ranges = selectedRanges();
    return ranges.isEmpty() ? row() : ranges.first().bottomRow();
}

int FlexGrid::colSel() const
{
    const QList<QTableWidgetSelectionRange> ranges = selectedRanges();
    return ranges.isEmpty() ? col() : ranges.first().rightColumn();
}

void FlexGrid::select(int row1, int col1, int row2, int col2)
{
    clearSelection();
    setCurrent(row1, col1);
    if (row2 >= 0 && col2 >= 0)
        setRangeSelected(QTableWidgetSelectionRange(std::min(row1, row2), std::min(col1, col2),
                                                    std::max(row1, row2), std::max(col1, col2)), true);
}

int FlexGrid::topRow() const
{
    return std::max(0, rowAt(0));
}

void FlexGrid::setTopRow(int r)
{
    if (inGrid(r, 0))
        scrollToItem(cell(r, 0), QAbstractItemView::PositionAtTop);
}

void FlexGrid::widenToColumns()
{
    int needed = horizontalHeader()->length() + 2 * frameWidth();
    if (verticalScrollBarPolicy() != Qt::ScrollBarAlwaysOff)
        needed += style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, verticalScrollBar());
    if (width() < needed)
        resize(needed, height());
}

void FlexGrid::mergeEqualCells(int r)
{
    int start = 0;
    for (int c = 1; c <= columnCount(); ++c) {
        if (c < columnCount() && textMatrix(r, c) == textMatrix(r, start) && !textMatrix(r, c).isEmpty())
            continue;
        if (c - start > 1) {
            setSpan(r, start, 1, c - start);
            frozen->setSpan(r, start, 1, c - start);
        }
        start = c;
    }
}

void FlexGrid::sortRows(int firstRow, int lastRow, int col1, int col2, SortMode mode)
{
    if (firstRow < 0 || lastRow >= rowCount() || firstRow >= lastRow)
        return;
    QList<QStringList> rowsText;
    for (int r = firstRow; r <= lastRow; ++r) {
        QStringList cells;
        for (int c = 0; c < columnCount(); ++c)
            cells.append(textMatrix(r, c));
        rowsText.append(cells);
    }
    const RowSort::Mode rowMode = mode == SortNumericAscending ? RowSort::Numeric
        : mode == SortStringAscending ? RowSort::String : RowSort::Generic;
    RowSort::sort(rowsText, col1, col2, rowMode);
    for (int r = firstRow; r <= lastRow; ++r)
        for (int c = 0; c < columnCount(); ++c)
            setTextMatrix(r, c, rowsText.at(r - firstRow).at(c));
}

QString FlexGrid::clipText(int row1, int col1, int row2, int col2) const
{
    QStringList lines;
    for (int r = std::min(row1, row2); r <= std::max(row1, row2); ++r) {
        QStringList cells;
        for (int c = std::min(col1, col2); c <= std::max(col1, col2); ++c)
            cells.append(textMatrix(r, c));
        lines.append(cells.join(QLatin1Char('\t')));
    }
    return lines.join(QLatin1Char('\r'));
}

QString FlexGrid::allText(const QString& rowSeparator) const
{
    if (rowCount() == 0 || columnCount() == 0)
        return QString();
    return clipText(0, 0, rowCount() - 1, columnCount() - 1).replace(QLatin1Char('\r'), rowSeparator);
}

void FlexGrid::clearRange(int row1, int col1, int row2, int col2)
{
    row1 = std::max(0, row1);
    col1 = std::max(0, col1);
    row2 = std::min(row2, rowCount() - 1);
    col2 = std::min(col2, columnCount() - 1);
    if (row1 > row2 || col1 > col2)
        return;
    {
        const QSignalBlocker quiet(model());
        for (int r = row1; r <= row2; ++r)
            for (int c = col1; c <= col2; ++c)
                if (QTableWidgetItem* it = item(r, c))
                    it->setText(QString());
    }
    emit model()->dataChanged(model()->index(row1, col1), model()->index(row2, col2));
}

void FlexGrid::clearCells()
{
    clearRange(fixedRowCount, fixedColCount, rowCount() - 1, columnCount() - 1);
}

void FlexGrid::addItem(const QString& tabText, int index)
{
    const int at = index < 0 || index > rowCount() ? rowCount() : index;
    insertRow(at);
    if (at < fixedRowCount)
        updateFrozen();
    const QStringList cells = tabText.split(QLatin1Char('\t'));
    for (int c = 0; c < columnCount(); ++c) {
        cell(at, c)->setText(cells.value(c));
        styleCell(at, c);
    }
}

void FlexGrid::removeItem(int r)
{
    if (r >= 0 && r < rowCount()) {
        removeRow(r);
        if (r < fixedRowCount)
            updateFrozen();
    }
}

QRect FlexGrid::cellRect(int r, int c) const
{
    // The heading rows show in the view laid over the top margin, not in the grid's own viewport.
    const QAbstractItemView* view = r < hiddenFixedRows && !frozen->isHidden() ? frozen : this;
    const QRect inViewport = view->visualRect(model()->index(r, c));
    return inViewport.translated(view->viewport()->mapTo(this, QPoint()));
}

void FlexGrid::mousePressEvent(QMouseEvent* event)
{
    const QModelIndex index = indexAt(event->position().toPoint());
    lastMouseRow = index.isValid() ? index.row() : -1;
    lastMouseCol = index.isValid() ? index.column() : -1;
    QTableWidget::mousePressEvent(event);
    if (event->button() == Qt::LeftButton && index.isValid())
        emit gridClick(index.row(), index.column());
    emit gridMouseDown(lastMouseRow, lastMouseCol, event->button(), event->modifiers());
}

void FlexGrid::mouseMoveEvent(QMouseEvent* event)
{
    const QModelIndex index = indexAt(event->position().toPoint());
    lastMouseRow = index.isValid() ? index.row() : -1;
    lastMouseCol = index.isValid() ? index.column() : -1;
    QTableWidget::mouseMoveEvent(event);
}

void FlexGrid::mouseDoubleClickEvent(QMouseEvent* event)
{
    const QModelIndex index = indexAt(event->position().toPoint());
    QTableWidget::mouseDoubleClickEvent(event);
    if (index.isValid())
        emit gridDblClick(index.row(), index.column());
}

void FlexGrid::keyPressEvent(QKeyEvent* event)
{
    emit gridKeyDown(event->key(), event->modifiers());
    QTableWidget::keyPressEvent(event);
}
