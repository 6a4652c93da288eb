#pragma once

#include "TiryoboRow.h"

#include <QString>
#include <array>

// The book grid's columns and the sizes of the book window: column headings, widths (twips; a
// width of 1 hides a column) and alignments, the height of a row from its text, and the heights
// the display size gives the book grid and the partner's frame.
class TiryoboLayout
{
public:
    struct Column
    {
        const char16_t* heading;
        int width;
        bool centred;
    };
    static const std::array<Column, TiryoboRow::ColCount>& columns();

    static constexpr int LineTwips = 225;
    static constexpr int GridFontPoints = 9;
    // The row's height: one line at least, five when it holds calving information, and as many
    // as the text of any shown column among 0 to 15 needs (characters x points x 20 twips over
    // the column's width, rounded up).
    static int rowHeightTwips(const TiryoboRow& row);

    static constexpr int DataTop = 1950;
    static constexpr int DataWidth = 14920;
    static constexpr int DataHeightAlone = 12450;   // without the partner's frame
    enum Size { Dai, Tyu, Syo };
    struct Sizes
    {
        int dataHeight;
        int frameHeight;
        int inportHeight;
        int frameTop() const { return DataTop + dataHeight + 50; }
    };
    static Sizes sizes(Size size);
};
