#pragma once

#include <QString>

class PrintDevice;

// The uterus and ovary picture number n of an examination ("\Nolvari\pict\Pict_<n-1>.bmp") at its
// own size with its top-left corner at (x, y) millimetres; n of 0 or less prints nothing. The
// stretch applies to y alone (the caller's y becomes y x stretch), the offsets are added
// unstretched.
//
// Returns false when the picture is missing or unreadable, or its corner lies outside the
// printer's 16-bit twip range: nothing is drawn.
bool PictPrintProc(PrintDevice& device, int n, float x, float& y);
