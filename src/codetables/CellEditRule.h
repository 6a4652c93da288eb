#pragma once

#include <QString>
#include <QStringList>
#include <optional>

// The rules of editing a cell of the code-table register's grids: which editor a column opens,
// what a lone "+" does, where Enter, Down and F12 move the editor. Pages: 0 drug prices, 1 fee
// points, 2 house calls; miyazaki selects the Miyazaki layouts of pages 0 and 1.
class CellEditRule
{
public:
    enum class Mode { None, Text, Number, Locked };   // Locked: a column that says it cannot change
    enum class Align { Unchanged, Left, Center };
    struct Opening
    {
        Mode mode = Mode::None;
        int col = -1;            // the column the editor opens on (the Miyazaki 分類 opens the price)
        bool selectAll = false;  // whole text selected, else the caret only
        Align align = Align::Unchanged;
    };
    static Opening opening(int page, bool miyazaki, int col);

    enum class Plus {
        Write,     // not a fill-down request: the text goes into the cell
        CopyDown,  // copy from the row above and move one row down
        Mismatch,  // drug page: the row above is of another 規格 ("適用が違う")
        Keep       // no copy possible here: the cell keeps its text
    };
    // A text typed on the drug page; above and current are the two rows' cells. Neither the first
    // data row (the row above is the heading) nor the last row (no row to move down to) copies.
    static Plus drugPlus(const QString& text, const QStringList& above, const QStringList& current,
                         int col, bool firstDataRow, bool lastRow = false);
    // A text typed on the fee page.
    static Plus feePlus(const QString& text, int col, bool firstDataRow, bool lastRow = false);
    // The columns the fee page's "+" copies from the row above.
    static constexpr int FeePlusFirstCol = 2;
    static constexpr int FeePlusLastCol = 3;

    // The cell a released key moves the editor to, if any.
    struct Cell
    {
        int row;
        int col;
        bool operator==(const Cell&) const = default;
    };
    static std::optional<Cell> keyMove(int page, bool miyazaki, int key, int row, int col, int lastRow);

    // Drug page, common layout: F12 in the price takes the text of column 5, when it holds one.
    static bool f12Applies(int page, bool miyazaki, int col, const QString& col5Text);
    // Drug page, common layout: an empty price of a named row below the first data row opens
    // with the price of the row above.
    static bool pricePrefill(int page, bool miyazaki, int col, const QString& price,
                             const QString& name, bool firstDataRow);

    static constexpr int YakkaPriceCol = 6;
    static constexpr int YakkaMiyazakiPriceCol = 8;
    static constexpr int PlusCompareOffset = 4;
};
