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
    // A line from (x1, y1) to (x2, y2) in the printer's line width `width` and line style
    // (PrintDevice::Solid unless a dotted rule asks for PrintDevice::Dot).
    struct Line
    {
        float x1 = 0;
        float y1 = 0;
        float x2 = 0;
        float y2 = 0;
        int width = 1;
        int style = 0;
    };

    QList<Caption> captions;
    QList<Line> lines;

    // A horizontal line running right, a vertical one running down, from (x, y).
    static Line horizontal(float x, float y, float length, int width) { return {x, y, x + length, y, width}; }
    static Line vertical(float x, float y, float length, int width) { return {x, y, x, y + length, width}; }

    // Draws the captions, then the lines, at the offsets (no stretch, no rounding); the printer
    // keeps the last caption's face and size and the last line's width; the style is set back to
    // solid after a dotted line.
    void draw(PrintDevice& device, const FormOffset& offset) const;
};
