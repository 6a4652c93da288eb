#pragma once

#include "print/common/DrawnForm.h"

#include <QList>
#include <QString>

class PrintDevice;
struct FormOffset;

// The chart sheets of 大分県 drawn on B5 portrait paper, in millimetres from the sheet origin: the
// first sheet (KarteWaku1), which carries the captions of the accident certificate above the
// treatment table, and the continuation sheet (KarteWaku2). Outer lines are drawn in the frame
// thickness, inner rules in the rule thickness (a width below 1 draws with 1); the captions go
// through MojiPrintProc in "ＭＳ Ｐ明朝" at their point on the page (origin plus position), so the
// calibration and the stretch of the print apply to them, while the lines take the offsets alone
// (WakuLine).
class KarteWaku
{
public:
    // A caption at its point from the sheet origin, in "ＭＳ Ｐ明朝" (font 1).
    using Caption = DrawnForm::Label;

    // The lines (frame lines first, then rules) and the captions of a sheet. newSpecies chooses
    // the first sheet's species captions of the newer species texts ("乳用牛(成)" ...).
    static DrawnForm lines1(int frameWidth, int ruleWidth);
    static DrawnForm lines2(int frameWidth, int ruleWidth);
    static QList<Caption> captions1(bool newSpecies);
    static QList<Caption> captions2();

    // Whether an animal's species text selects the newer species captions.
    static bool newSpecies(const QString& tikushu);

    // Draws a sheet: its lines at the offsets (origin and calibration), then its captions at
    // origin plus position.
    static void KarteWaku1(PrintDevice& device, const FormOffset& offset, int frameWidth, int ruleWidth,
                           bool newSpecies);
    static void KarteWaku2(PrintDevice& device, const FormOffset& offset, int frameWidth, int ruleWidth);
};
