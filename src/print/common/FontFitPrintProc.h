#pragma once

#include "FormOffset.h"

#include <QString>

class PrintDevice;

// A text in a box of a form, left-aligned from x in "ＭＳ Ｐ明朝": at the largest trial size from
// firstSize (0.1-point steps in single precision while not above lastSize, so 8.5 to 10.5 ends at
// 10.4) at which it fits boxWidth, on one line centred on y. When it fits at no size it is
// wrapped at firstSize into lines h + 0.5 mm apart (h the text's height), placed by mode:
//   0  the first line's middle at y - boxHeight / 2 + 0.5 + h / 2 (from the top of the box),
//   1  the block of lines centred on y,
//   2  the first line on y;
// any other mode is read as 1. An empty line keeps its place; an empty text prints nothing.
// Measured by the printer in the face it has set; the face and size it printed with stay set.
void FontFitPrintProc(PrintDevice& device, float x, float y, float boxWidth, float boxHeight, const QString& text,
                      float firstSize, float lastSize, const FormOffset& offset, int mode);
