#pragma once

#include "print/common/DrawnForm.h"

#include <QString>

class PrintDevice;

// The blank accident certificate (病傷事故診断書) of 大分県 and 愛知県, drawn whole on A4 portrait
// paper: captions in "ＭＳ Ｐゴシック" (6 pt, the title 14 pt, the totals' brackets 12 pt) and
// ruled lines, thick 7 and thin 2, in millimetres from the top-left corner of the main frame.
//
// The Aichi form is the Oita form with its differences: "３" in the region field and "愛知県" at
// the start of the member's address, its own species captions, seven visit bands of 21 mm in
// place of five of 29.4 mm, a dash in the farmer-number field, and the site's association number
// and fixed code.
class SindansyoWaku
{
public:
    struct Bands
    {
        int count = 5;
        float height = 29.4f;
        float tprDy = 27.7f;   // the "ＴＰＲ" caption below the band's top
    };

    static DrawnForm oita();
    static DrawnForm aichi(const QString& kumiaiNumber, const QString& fixedCode);

    // Draws the form at the origin plus the calibration: SindansyoWakuOitaProc and
    // SindansyoWakuAichiProc. The printer is left with the last caption's face and size and
    // line width 2.
    static void SindansyoWakuOitaProc(PrintDevice& device, float originX, float originY, float calibX, float calibY);
    static void SindansyoWakuAichiProc(PrintDevice& device, float originX, float originY, float calibX,
                                       float calibY, const QString& kumiaiNumber, const QString& fixedCode);

private:
    struct Parts;
    static Parts oitaParts();
    static DrawnForm joined(const Parts& parts);
};
