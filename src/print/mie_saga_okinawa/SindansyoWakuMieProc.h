#pragma once

#include "print/common/DrawnForm.h"

class PrintDevice;

// The blank Mie accident certificate (病傷事故診断書) drawn whole on plain A4 paper, under the data
// of every page of the A4 certificate: its captions in "ＭＳ Ｐ明朝" and its rules (thick 9, thin
// 3, the six diagonal date dividers last), in millimetres from the form's top-left corner plus
// the offsets. No calibration applies.
class SindansyoWakuMieProc
{
public:
    static const DrawnForm& form();
    static void print(PrintDevice& device, const FormOffset& offset);
};
