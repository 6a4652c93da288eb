#pragma once

#include <QString>

class PrintDevice;

// The annotation picture of code n ("\Nolvari\pict\Pict2_<n-1>.bmp", n the code's leading number;
// a code of "0" prints nothing) at its own size with its top-left corner at (x, y) millimetres.
// In 宮崎県 the code is a picture pair "<swap>:<pair>": M_Left<pair>.bmp at x and M_Right<pair>.bmp
// 13 mm to its right, the other way round when swap is 1; any other code prints nothing. The
// stretch applies to y alone (the caller's y becomes y x stretch), the offsets are added
// unstretched.
//
// Returns false when a picture is missing or unreadable (a missing first picture of a pair leaves
// both undrawn, a missing second one leaves the first drawn), when the swap part of a pair is not
// a number, or when a corner lies outside the printer's 16-bit twip range.
bool Pict2PrintProc(PrintDevice& device, const QString& code, float x, float& y);
