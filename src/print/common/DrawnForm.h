#pragma once

#include "FormOffset.h"

#include <QList>
#include <QString>

class PrintDevice;

// A blank form drawn whole on plain paper: its printed captions and its ruled lines as tables in
// millimetres from the form's origin, drawn in table order (every caption, then every line).
struct DrawnForm
{
    // A caption through PrintTextAlignProc: its vertical middle on y; width only for align 1.
    struct Caption
    {
        QString text;
        QString face;
        float size = 6;
        int align = 2;
        float x = 0;
        float y = 0;
        float width = 0;
    };
    // A line from (x1, y1) to (x2, y2) in the printer's line width `width`, solid or dotted.
    struct Line
    {
        float x1 = 0;
        float y1 = 0;
        float x2 = 0;
        float y2 = 0;
        int width = 1;
        bool dotted = false;
    };
    // A caption through MojiPrintProc (alignment 0, mode 0) at the form's origin plus (x, y),
    // so that the print calibration and its stretch apply to it as to the data; font 0
    // "ＭＳ Ｐゴシック", 1 "ＭＳ Ｐ明朝".
    struct Label
    {
        QString text;
        float x = 0;
        float y = 0;
        float size = 10;
        int font = 1;
    };

    QList<Caption> captions;
    QList<Line> lines;
    QList<Label> labels;    // drawn by the caller (drawLabels), in the order it needs

    // A horizontal line running right, a vertical one running down, from (x, y).
    static Line horizontal(float x, float y, float length, int width) { return {x, y, x + length, y, width}; }
    static Line vertical(float x, float y, float length, int width) { return {x, y, x, y + length, width}; }
    // A rectangle from (x1, y1) to (x2, y2) as four lines: top, right, bottom, left.
    static QList<Line> box(float x1, float y1, float x2, float y2, int width)
    {
        return {{x1, y1, x2, y1, width}, {x2, y1, x2, y2, width}, {x2, y2, x1, y2, width}, {x1, y2, x1, y1, width}};
    }

    // Draws the captions, then the lines, at the offsets (no stretch, no rounding); the printer
    // keeps the last caption's face and size and the last line's width, and draws solid again.
    void draw(PrintDevice& device, const FormOffset& offset) const;
    // Prints labels in order at (x0, y0) plus their points.
    static void drawLabels(PrintDevice& device, const QList<Label>& labels, float x0, float y0);
};
