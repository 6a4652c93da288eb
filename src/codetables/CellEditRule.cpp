#include "CellEditRule.h"

namespace {
const QString kPlus = QStringLiteral("+");

CellEditRule::Opening text(int col, bool selectAll = false)
{
    return {CellEditRule::Mode::Text, col, selectAll, CellEditRule::Align::Left};
}

CellEditRule::Opening number(int col, CellEditRule::Align align = CellEditRule::Align::Unchanged)
{
    return {CellEditRule::Mode::Number, col, true, align};
}

CellEditRule::Opening none(int col)
{
    return {CellEditRule::Mode::None, col, false, CellEditRule::Align::Unchanged};
}

CellEditRule::Opening locked(int col)
{
    return {CellEditRule::Mode::Locked, col, false, CellEditRule::Align::Unchanged};
}

CellEditRule::Opening drugOpening(bool miyazaki, int col)
{
    if (!miyazaki) {
        switch (col) {
        case 1: case 2: case 4: return text(col);
        case 3: case 6: return number(col);
        default: return none(col);
        }
    }
    switch (col) {
    case 1: return number(CellEditRule::YakkaMiyazakiPriceCol);
    case 2: case 5: case 8: return number(col);
    case 3: case 4: case 6: return text(col);
    case 7: return locked(col);
    default: return none(col);
    }
}

CellEditRule::Opening feeOpening(bool miyazaki, int col)
{
    if (!miyazaki) {
        switch (col) {
        case 1: return text(col);
        case 2: case 3: return number(col, CellEditRule::Align::Center);
        default: return none(col);
        }
    }
    switch (col) {
    case 1: case 5: return number(col);
    case 2: case 3: return text(col, true);
    case 4: return locked(col);
    default: return none(col);
    }
}

bool isEnter(int key)
{
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}
} // namespace

CellEditRule::Opening CellEditRule::opening(int page, bool miyazaki, int col)
{
    switch (page) {
    case 0: return drugOpening(miyazaki, col);
    case 1: return feeOpening(miyazaki, col);
    case 2: return col == 2 || col == 3 ? number(col) : none(col);
    default: return none(col);
    }
}

CellEditRule::Plus CellEditRule::drugPlus(const QString& text, const QStringList& above,
                                          const QStringList& current, int col, bool firstDataRow,
                                          bool lastRow)
{
    if (text != kPlus)
        return Plus::Write;
    const int compare = col - PlusCompareOffset;
    if (firstDataRow || lastRow || compare < 0)
        return Plus::Keep;
    return above.value(compare) == current.value(compare) ? Plus::CopyDown : Plus::Mismatch;
}

CellEditRule::Plus CellEditRule::feePlus(const QString& text, int col, bool firstDataRow, bool lastRow)
{
    if (text != kPlus)
        return Plus::Write;
    return col == FeePlusFirstCol && !firstDataRow && !lastRow ? Plus::CopyDown : Plus::Keep;
}

std::optional<CellEditRule::Cell> CellEditRule::keyMove(int page, bool miyazaki, int key, int row,
                                                        int col, int lastRow)
{
    const bool more = row < lastRow;
    if (page == 0) {
        if (key == Qt::Key_Down && more)
            return Cell{row + 1, col};
        const int price = miyazaki ? YakkaMiyazakiPriceCol : YakkaPriceCol;
        if (isEnter(key) && col == price && more)
            return Cell{row + 1, miyazaki ? 1 : price};
        return std::nullopt;
    }
    if (!isEnter(key))
        return std::nullopt;
    if (page == 1 && miyazaki)
        return col == 5 && more ? std::optional<Cell>(Cell{row + 1, 5}) : std::nullopt;
    if (col == 2)
        return Cell{row, 3};
    if (col == 3 && more)
        return Cell{row + 1, 2};
    return std::nullopt;
}

bool CellEditRule::f12Applies(int page, bool miyazaki, int col, const QString& col5Text)
{
    return page == 0 && !miyazaki && col == YakkaPriceCol && !col5Text.isEmpty();
}

bool CellEditRule::pricePrefill(int page, bool miyazaki, int col, const QString& price,
                                const QString& name, bool firstDataRow)
{
    return page == 0 && !miyazaki && col == YakkaPriceCol && price.isEmpty() && !name.isEmpty()
        && !firstDataRow;
}
