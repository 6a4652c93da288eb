#pragma once

#include "FormOffset.h"

#include <QString>

class PrintDevice;

// A text of a drawn form at a millimetre point, with its vertical middle on y, measured by the
// printer in the face and size given (which stay set afterwards):
//   align 2: the text starts at x; 3: centred on x; 4: ends at x;
//   align 1: the letters spread evenly over width from x: blanks (half- and full-width) are
//     dropped, each character is its own group except "。", which is glued to the group before it
//     (a leading "。" is a group of its own), and equal gaps go between the groups, so a text
//     without "。" ends at x + width. A text with fewer than two characters left after the blanks
//     are dropped prints as align 2.
//   any other align prints nothing.
// The offsets are added to the point; there is no stretch and no rounding to whole twips. An
// empty text prints nothing.
void PrintTextAlignProc(PrintDevice& device, const QString& fontName, float fontSize, int align, float width,
                        const QString& text, float x, float y, const FormOffset& offset);
