#pragma once

#include "print/common/SindansyoPrintRun.h"

#include <QList>
#include <QString>

class PrintDevice;

// The Mie disease and injury accident certificate (病傷事故診断書) of one episode, portrait, on
// one of two papers: the association's pre-printed JIS B4 form (old or new edition), on which
// only the data is printed, or plain A4 paper, on which the blank form is drawn first on every
// page. The paper, the edition and the options come from the print dialog's controls in the
// context: "SizeOp(0)" (1: A4), "YousiCh" (1: the new edition), "KaiCh" (1: an examination day
// counted once), "DocCh" (1: no veterinarian number) and "HinsyuOp(0)".."HinsyuOp(4)" (the breed
// printed on A4; 4 prints none).
//
// The pages follow from the last dated examination, six a page, four pages at most. Each page
// prints the veterinarian identity and the chart date; the first page the farmer and animal
// header and the episode's sections; every page its six visit rows; the last page the fee
// totals. Positions are millimetres on the paper, as the item tables give them per paper.
class SindansyoMieProc
{
public:
    static constexpr int SinsatuPerPage = 6;
    static constexpr int MaxPages = 4;

    static SindansyoPrintRun::Result print(PrintDevice& device, const SindansyoPrintContext& context,
                                           const PrintJobEntry& entry);

    // One printed line of a long treatment text fitted into its row: the text, its y offset from
    // the row's y and its size.
    struct FitLine
    {
        QString text;
        float dy = 0;
        float size = 9;
    };
    // The fitting of a treatment text into a row of width full-width characters at the rows'
    // pitch: up to width characters one line at 9 pt, up to twice that one line at 8.5 pt, a
    // longer one cut every width characters into lines 0.4 pitch apart, the first 1.25 mm up, at
    // most ten lines.
    static QList<FitLine> fitLines(const QString& text, int width, float pitch);
    // A time as the visit rows print it: a minute of exactly "0" as ":00", others as stored.
    static QString jikanText(const QString& time);
};
