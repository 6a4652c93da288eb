#pragma once

#include "common/MojiPrintProc.h"

#include <QList>
#include <QString>

class PrintDevice;

// The alignments of MojiPrintProc as the item tables name them.
namespace PrintAlign {
constexpr int Box = 0;     // a digit of the machine-read boxes
constexpr int Left = 1;    // the text starts at x
constexpr int Right = 2;   // the text ends at x
constexpr int Centre = 3;  // the text is centred on x
}

// One fixed item of a printed form, a row of the form's item table:
//   {item, source, size, font, align, x, y, condition, draw}
// item names the item as the form does; source gives its text from the layout's data (a struct
// of the layout: the episode, the print context and what the layout worked out); size in points,
// font the MojiPrintProc font number (0 "ＭＳ Ｐゴシック", 1 "ＭＳ Ｐ明朝"), align as PrintAlign; x
// and y in millimetres, added to the origin the walker is given; condition (none: always) decides
// whether the item prints at all. An item without draw prints its text through MojiPrintProc (an
// empty text prints nothing); draw replaces that for the items that print otherwise (digits in
// machine-read boxes, wrapped texts, a text on two lines), with the row and the resolved point.
//
// A layout writes its fixed items as such a table, in the order of the form, and walks it with
// PrintItemProc; a wrong millimetre is then one cell to fix. The repeating bands (examinations,
// treatment rows, pages) are code that calls the same primitives.
template <class Source>
struct PrintItem
{
    using Text = QString (*)(const Source&);
    using Condition = bool (*)(const Source&);
    using Draw = void (*)(PrintDevice&, const Source&, const PrintItem&, const QString& text, float x, float y);

    QString item;
    Text source = nullptr;
    float size = 10;
    int font = 1;
    int align = PrintAlign::Left;
    float x = 0;
    float y = 0;
    Condition condition = nullptr;
    Draw draw = nullptr;

    bool printed(const Source& data) const { return !condition || condition(data); }
};

template <class Source>
using PrintItemTable = QList<PrintItem<Source>>;

// Prints the rows of a table in order, each at (x0 + x, y0 + y).
template <class Source>
void PrintItemProc(PrintDevice& device, const PrintItemTable<Source>& table, const Source& data, float x0 = 0,
                   float y0 = 0)
{
    for (const PrintItem<Source>& row : table) {
        if (!row.printed(data))
            continue;
        const QString text = row.source ? row.source(data) : QString();
        const float x = x0 + row.x;
        const float y = y0 + row.y;
        if (row.draw)
            row.draw(device, data, row, text, x, y);
        else
            MojiPrintProc(device, text, row.size, row.font, x, y, row.align, 0);
    }
}

// A draw of an item that circles a pre-printed choice at its point (MojiPrintProc mode 1) when
// its condition holds; the source is not needed.
template <class Source>
void PrintItemCircle(PrintDevice& device, const Source&, const PrintItem<Source>& row, const QString&, float x, float y)
{
    MojiPrintProc(device, QString(), row.size, row.font, x, y, PrintAlign::Box, 1);
}

// The row of a table named item, or null; layouts that vary a table (an earlier layout of the
// same form) change the rows they differ in and keep the rest.
template <class Source>
PrintItem<Source>* findPrintItem(PrintItemTable<Source>& table, const QString& item)
{
    for (PrintItem<Source>& row : table) {
        if (row.item == item)
            return &row;
    }
    return nullptr;
}
