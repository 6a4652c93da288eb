#pragma once

#include <QString>
#include <array>

// The fee totals of an episode, 3 rows by 7 columns of texts as the fee calculation fills them.
// Row 0, column 0 and columns 2 and 5 are not used; (2, 6) is never written.
//   (1, 1) drug-price total in yen      (2, 1) drug-price points
//   (1, 3) B sum                        (2, 3) B total
//   (1, 4) A sum                        (2, 4) A total (宮崎県: the drug-price total)
//   (1, 6) fee in yen, "###,###"        (2, 6) empty
class TotalGrid
{
public:
    static constexpr int Rows = 3;
    static constexpr int Cols = 7;

    const QString& text(int row, int col) const { return cells.at(row * Cols + col); }
    void setText(int row, int col, const QString& value) { cells.at(row * Cols + col) = value; }

    // What the chart header shows: the fee, "B=" and "A=" (宮崎県: the drug-price total).
    const QString& ryoukin() const { return text(1, 6); }
    const QString& bTotal() const { return text(2, 3); }
    const QString& aTotal() const { return text(2, 4); }

    bool operator==(const TotalGrid& other) const { return cells == other.cells; }

private:
    std::array<QString, Rows * Cols> cells;
};
