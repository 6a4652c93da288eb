#pragma once

#include "print/common/SindansyoPrintRun.h"

#include <QString>

class PrintDevice;

// The Tottori disease and injury accident certificate (病傷事故診断書) of one episode, printed as
// data onto the association's pre-printed A4 portrait form, old paper or new (Reiwa) paper.
//
// The episode is read again from its chart; its pages follow from the last examination with a
// date or a course text (five a page, four pages at most). Each page prints the every-page
// items, on the first page the animal and episode items (on the others the individual number
// only), the five examination slots, and on the last page the document fee and the totals.
// Positions are millimetres from the form origin (X0, Y0) plus the table's offset; the disease
// names, the history report, the cause and the examination slots use paper y positions that the
// origin does not shift.
class SindansyoTottoriProc
{
public:
    static constexpr float X0 = 12 + 1.2f;
    static constexpr float Y0 = -3.0f;
    static constexpr int SinsatuPerPage = 5;
    static constexpr int MaxPages = 4;

    // Prints the certificate of entry into the open job: A4 portrait, the calibration of
    // PrintSetFile, a new page after every page. paperFlag 1: the new paper (it changes only
    // the species marks). The pages printed, or the refusal of an episode that was not read.
    static SindansyoPrintRun::Result print(PrintDevice& device, const SindansyoPrintContext& context,
                                           const PrintJobEntry& entry, int paperFlag);

    // The treatment category as its column prints it: 筋肉内注射 → 筋肉注, 静脈内注射 → 静脈注,
    // 皮下注射 → 皮下注, 調剤不要 → 調剤無; others as they are.
    static QString bunruiText(const QString& category);
    // A time "h:m" with a two-digit minute (8:5 → 8:05, 13:0 → 13:00); others as they are.
    static QString jikanText(const QString& time);
};
