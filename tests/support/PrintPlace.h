#pragma once

#include "common/RecordingPrintDevice.h"

#include <QString>

// Where a recording device put its texts and lines, in millimetres, for the layout tests.

// The text operations of a text, for failure messages: "p1 (x, y) 10.5pt".
QString whereIs(const RecordingPrintDevice& device, const QString& text);
// True when the device printed the text on the page with its vertical middle at (x, y) mm and,
// by align 2 left, 3 centre or 4 right at x, within 0.05 mm (size 0: any size).
bool printedAt(const RecordingPrintDevice& device, const QString& text, int page, double x, double y, int align = 2,
               double size = 0);
// A text placed by the rule of the forms drawn whole: the foot of its em box at y, 3.5 mm left and
// 2 mm up, its width estimated from its bytes (align 0 start, 1 centre, 2 end), whole twips.
bool ruledAt(const RecordingPrintDevice& device, const QString& text, int page, double x, double y, int size,
             int align = 0, double offX = 0, double offY = 0);
// A line drawn on the page from (x1, y1) to (x2, y2) mm within 0.05 mm (width -1: any width).
bool lineAt(const RecordingPrintDevice& device, int page, double x1, double y1, double x2, double y2, int width = -1);
