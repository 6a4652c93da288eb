#include "TiryoboGridView.h"

#include "TiryoboBook.h"
#include "TiryoboLayout.h"
#include "common/FlexGrid.h"
#include "common/FontSetup.h"
#include "common/SharedState.h"

namespace {
const QColor EndColor(100, 170, 33);
const QColor MarkColor(220, 255, 220);
const QColor White(255, 255, 255);
}

TiryoboGridView::TiryoboGridView(FlexGrid* grid, const TiryoboBook& book, bool partner)
    : gridValue(grid), book(book), partner(partner)
{
}

void TiryoboGridView::setUp()
{
    FlexGrid* g = gridValue;
    g->setFont(FontSetup::font(QStringLiteral("ＭＳ Ｐゴシック"), TiryoboLayout::GridFontPoints));
    g->setCols(TiryoboRow::ColCount);
    g->setRows(book.rowCount());
    g->setFixedRows(1);
    g->setFixedCols(1);
    g->setWordWrap(true);
    g->setBackColorFixed(ColorSetInfo::GridFixedBackColor());
    g->setBackColorBkg(SharedState::get().ColorSet.BaseBackColor);
    g->setBackColorSel(partner ? QColor(223, 235, 239) : QColor(255, 255, 192));
    g->setForeColorSel(Qt::black);
    g->setFixedAlignment(-1, FlexGrid::AlignCenter);
    g->setRowHeightTwips(0, partner ? TiryoboLayout::LineTwips : 270);
    g->setDefaultRowHeightTwips(270);
    for (int c = 0; c < TiryoboRow::ColCount; ++c) {
        const TiryoboLayout::Column& column = TiryoboLayout::columns().at(c);
        g->setColWidthTwips(c, column.width);
        g->setColAlignment(c, column.centred ? FlexGrid::AlignCenter : FlexGrid::AlignLeft);
        if (!partner)
            g->setTextMatrix(0, c, QString::fromUtf16(column.heading));
    }
}

void TiryoboGridView::showTexts()
{
    FlexGrid* g = gridValue;
    if (g->rows() != book.rowCount())
        g->setRows(book.rowCount());
    for (int r = 1; r < book.rowCount(); ++r) {
        for (int c = 0; c < TiryoboRow::ColCount; ++c) {
            const QString& text = book.row(r).at(c);
            if (g->textMatrix(r, c) != text)
                g->setTextMatrix(r, c, text);
        }
    }
}

void TiryoboGridView::setHeight(int r)
{
    if (book.validRow(r))
        gridValue->setRowHeightTwips(r, TiryoboLayout::rowHeightTwips(book.row(r)));
}

void TiryoboGridView::layout(Mode mode, int selRow)
{
    FlexGrid* g = gridValue;
    g->setUpdatesEnabled(false);
    showTexts();
    if (mode == Mode::SelectedRow)
        setHeight(selRow);
    if (mode == Mode::AllRows) {
        for (int r = 1; r < book.rowCount(); ++r)
            setHeight(r);
    }
    const int top = g->topRow();
    paint();
    select(selRow);
    if (mode == Mode::AllRows && book.lastDateRow() > 0)
        g->setTopRow(book.lastDateRow());
    else
        g->setTopRow(top);
    g->setUpdatesEnabled(true);
}

void TiryoboGridView::paint()
{
    for (int r = 1; r < book.rowCount(); ++r) {
        const TiryoboRow& row = book.row(r);
        for (int c = 1; c < TiryoboRow::ColCount; ++c) {
            const QColor color = row.isEnd() ? EndColor : row.marked && c <= TiryoboRow::Taion ? MarkColor : White;
            if (gridValue->cellBackColor(r, c) != color)
                gridValue->setCellBackColor(r, c, color);
        }
    }
}

void TiryoboGridView::select(int selRow)
{
    if (book.validRow(selRow))
        gridValue->select(selRow, 0, selRow, TiryoboRow::ColCount - 1);
    else
        gridValue->clearSelection();
}

int TiryoboGridView::RowFromYProc(int y) const
{
    return std::max(0, gridValue->rowAt(y));
}
