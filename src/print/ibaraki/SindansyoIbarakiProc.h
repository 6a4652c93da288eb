#pragma once

#include "print/common/PrintJobEntry.h"
#include "print/common/SindansyoPrintContext.h"
#include "print/common/SindansyoPrintRun.h"
#include "treatmentbook/TcbLogFile.h"

#include <QList>

class PrintDevice;

// The accident certificate of 茨城県 (死廃・病傷事故診断（検案）書), one to four A4 landscape pages
// of six examination boxes, in four layouts:
//   Kyu    the old pre-printed form (PrintKyuYousiProc),
//   New    the new pre-printed form (PrintNewYousiProc),
//   Hakusi blank paper, the whole form drawn under every page first (PrintHakusiProc),
//   New2   a variant of the new form that no window prints (PrintNewYousiProc2).
// Every item is placed from the form origin (16.5, 21) mm; the item tables hold one position
// column per layout, so a layout reads down its column and the drawing code is shared.
//
// Every page prints the owner, the farmer code and numbers, the veterinarian, the animal, its
// dates, the page number (certificates of several pages), the sex, species, outcome, insurance,
// 保険関係 and coat-colour marks; the first page the report and cause, last calving, disease names,
// codes, numbers of examinations, dates and the title circle; every page its examination boxes;
// the last page the certificate date, the totals and the document fee.
//
// The printed veterinarian comes from the site row (IbarakiSite) for the farm group, the ranch
// and, on blank paper, SiteOkayamaFarm; the others print the identity the dialog loaded. The
// printed name is handed to the chart editor (IbaragiDocNameOut). For the farm group a
// certificate that printed pages adds its log record to `log`, which the dialog writes once the
// document has ended without error.
class SindansyoIbarakiProc
{
public:
    enum class Layout { Kyu = 0, New = 1, Hakusi = 2, New2 = 3 };
    static constexpr int SinsatuPerPage = 6;
    static constexpr int MaxPages = 4;
    static constexpr float BaseX = 16.5f;  // 19 - 2.5
    static constexpr float BaseY = 21;

    static SindansyoPrintRun::Result print(PrintDevice& device, const SindansyoPrintContext& context,
                                           const PrintJobEntry& entry, Layout layout,
                                           QList<TcbLogFile::Kiroku>* log = nullptr);

    // The layout the dialog's paper boxes choose for a site: the old form without YousiCh, blank
    // paper with both boxes, the new form with YousiCh alone; the clinic prints on blank paper
    // only (no layout otherwise).
    static std::optional<Layout> chosen(bool yousiCh, bool hakusiCh, bool clinic);
};
