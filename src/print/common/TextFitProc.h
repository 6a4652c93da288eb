#pragma once

#include "FormOffset.h"

#include <QString>
#include <optional>

class PrintDevice;

// The largest trial size from minSize upwards (0.1-point steps added in single precision while
// not above maxSize) at which the text is no wider than width millimetres in the printer's
// current face; nothing when none fits. The printer keeps the last size tried.
std::optional<float> TextFitSize(PrintDevice& device, float width, const QString& text, float minSize, float maxSize);

// A text fitted into a cell of a drawn form, left-aligned from x, in "ＭＳ Ｐ明朝": the largest
// size from minSize upwards, in steps of 0.1 point added in single precision while not above
// maxSize (so 8 to 10 tries 8.0 to 9.9), at which the text is no wider than width, measured in
// the face the printer has set. When no size fits, two lines at the size that half the cell's
// height gives ((height - 0.3) / 2 / 0.3527 pt), at y - height / 4 and y + height / 4; a third
// line's worth is left out. An empty text prints nothing.
void TextFitProc(PrintDevice& device, float x, float y, float width, float height, const QString& text,
                 float minSize, float maxSize, const FormOffset& offset);
