#pragma once

#include "print/common/SindansyoPrintRun.h"

#include <QString>
#include <QStringList>

class PrintDevice;
class SiteProfile;

// The Miyazaki disease and injury accident certificate (病傷事故診断書) of one episode, printed as
// data onto the association's pre-printed machine-read (OCR) A4 portrait form: texts, circles
// around pre-printed choices, and digits drawn as OCR strokes into the reading boxes
// (MiyazakiOcr). Positions are millimetres on the paper.
//
// The episode is read again from its chart; its pages follow from the last dated examination
// (three a page, seven pages at most). Each page prints, on the first page the header items
// (Table H), on every page the identification block (Table I, with option 0), the page's three
// examinations (MiyazakiSinsatuProc) and on the last page the closing items (Table L). The
// dialog's options (PrintCh 0 to 8) and page choice (PageTx) come from the print context.
//
// SindansyoMiyazakiProc2 is the earlier layout of the same form: the same tables with that
// layout's differences applied (era years, the chart's farmer name and address, no codes,
// quantities or totals, its own species codes and site variants). No window prints it.
class SindansyoMiyazakiProc
{
public:
    static constexpr int SinsatuPerPage = 3;
    static constexpr int MaxPages = 7;

    static SindansyoPrintRun::Result print(PrintDevice& device, const SindansyoPrintContext& context,
                                           const PrintJobEntry& entry);
    static SindansyoPrintRun::Result SindansyoMiyazakiProc2(PrintDevice& device, const SindansyoPrintContext& context,
                                                            const PrintJobEntry& entry);

    // The year part of a split date made a Western year's last two digits: a year below 20 (a
    // Reiwa year) becomes the year + 18, in parts itself; 20 and above and an empty year stay.
    // Returns a copy of the parts.
    static QStringList HenkanSeirekiProc(QStringList& parts);
    // SeirekiFlag of a site: 1 for the two sites whose certificates carry Western years.
    static int SeirekiFlag(const SiteProfile& site);
};
