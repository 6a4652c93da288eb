#pragma once

#include <QString>

class PrintDevice;

// The PL test mark: a cross for the four quarters of the udder with an arrowhead towards the
// front, and the result of each quarter printed in its quadrant. text is the PL test text, four
// parts "<quarter> <result>" separated by two blanks, placed by their position in the text (upper
// left, upper right, lower left, lower right); any other number of parts draws the cross alone.
// (x, y) is the mark's top-left corner in millimetres.
//
// The mark is 12 mm square (8 mm in 鳥取県 and in 三重県 while its certificate prints on A4).
// The stretch applies to y alone and the offsets are added unstretched: the caller's y becomes
// y x stretch. With four parts the caller's x and y then receive each quadrant's anchor in twips
// in turn and end holding the last one. The line width is 5 and the font the result font after
// the call.
//
// Returns false when the mark's corner lies outside the printer's 16-bit twip range: nothing is
// drawn.
bool MarkPrintProc(PrintDevice& device, const QString& text, float& x, float& y);
