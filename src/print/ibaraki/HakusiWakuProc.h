#pragma once

#include "print/common/DrawnForm.h"
#include "print/common/FormOffset.h"

class PrintDevice;

// The whole Ibaraki certificate form drawn on blank A4 landscape paper under the data of every
// page: 190 captions in "ＭＳ Ｐ明朝" with the three short marks of the code cell (pen 4), then 96
// solid rules (pens 5 and 2), 2 dotted rules and 6 slants. Positions are millimetres from the
// form origin plus the calibration offsets (FormOffset); the vertical stretch is not applied.
// SiteOkayamaFarm's form has its own title and leaves out the first captions of the two top
// bands (182 captions). The older layout of the form (form2) differs in the insured-animal band
// and has no box above the frame; nothing prints it.
class HakusiWakuProc
{
public:
    static DrawnForm form(bool okayama);
    static DrawnForm form2();
    // Draws form(okayama) and leaves the printer in "ＭＳ Ｐ明朝" 8 pt, solid, width 2.
    static void print(PrintDevice& device, bool okayama, const FormOffset& offset);
};
