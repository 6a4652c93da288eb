#pragma once

#include "print/common/DrawnForm.h"

#include <QString>

class PrintDevice;

// The blank Okinawa accident certificate (病傷事故診断書), drawn whole at the start of every page
// of A4 landscape paper: 92 ruled lines (the outline 8 wide, the main dividers 3, the rest 1,
// some dotted), 139 labels, two circles of the signature block and the page number, at the
// form's origin (21, 24) mm. The rules and circles take the calibration offsets but no stretch;
// the labels go through MojiPrintProc, so the stretch applies to them as well.
class SindansyoWakuOkinawaProc
{
public:
    static constexpr float OriginX = 21;
    static constexpr float OriginY = 24;

    static DrawnForm form();
    // "No. " alone on a one-page certificate, "No. 2/3" on page index 1 of 3.
    static QString pageNumber(int page, int pages);
    // Draws the form of page index page of pages.
    static void print(PrintDevice& device, int page, int pages);
};
