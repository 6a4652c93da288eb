#pragma once

#include "common/RecordingPrintDevice.h"

#include <QPointF>
#include <QString>

// Where the print primitives were asked to put a recorded text, for the layout tests.

// Where MojiPrintProc was asked to put a recorded text: its top-left corner moved back by the
// shift of its alignment (1 left, 2 right, 3 centred, 0 a digit box).
QPointF itemPointMm(const RecordingPrintDevice::Op& op, int align);
// True when some text op on the page has the text, the size and the item point within tol mm.
bool hasItem(const RecordingPrintDevice& device, const QString& text, int page, double size, int align, double x,
             double y, double tol = 0.05);
// The text ops of a page that hold text, for failure messages.
QString itemsOf(const RecordingPrintDevice& device, const QString& text);

// True when the list rules (ListPrintRule, no user offsets) were asked to put the text on the
// page at (x, y) mm: align 0 centre, 1 start, 2 end (shifted by the text's characters times the
// height h that places y); y the middle of the em box when middle, else its bottom; within 0.05 mm.
bool hasListText(const RecordingPrintDevice& device, const QString& text, int page, int size, int align, double x,
                 double y, bool middle);
// True when a line from (x1, y1) to (x2, y2) mm as the list rules place it is on the page.
bool hasListLine(const RecordingPrintDevice& device, int page, double x1, double y1, double x2, double y2, int width);
