#pragma once

#include "common/RecordingPrintDevice.h"

#include <QString>
#include <QStringList>

// The drawing operations of a recording device compared one by one with expectations written as
// short lines, positions in twips:
//   "T <text> <x> <y> [<size>]"     a text ("" for an empty text), top-left corner, font size
//   "L <x1> <y1> <x2> <y2> <width>"  a line and its width in printer pixels
//   "C <cx> <cy> <radius> <width>"   a circle
//   "P <file name> <x> <y>"          a picture
// Page breaks and the end of the document are not compared.
class RecordedOps
{
public:
    // Empty when every operation matches within the tolerance; otherwise both lists, to read.
    static QString mismatch(const RecordingPrintDevice& device, const QStringList& expected,
                            double tolerance = 0.01);
    static QString describe(const RecordingPrintDevice::Op& op);
};
