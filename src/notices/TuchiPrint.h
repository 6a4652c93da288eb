#pragma once

#include "common/Ken.h"

#include <QString>

class PrintDevice;
class SiteProfile;
class TuchiLayout;
struct TuchiPrintData;

// The notification layouts printed on a device: each sets A4 paper (portrait, the Okinawa
// notice landscape), prints the page frame before the first row, also when there is none,
// prints the rows until the first whose ending column is empty, starts a new page (and frame)
// only when a row is left for it, and ends the document. False, with the reason, when the
// printer could not produce the pages.
class TuchiPrint
{
public:
    // The Kagoshima notice (site SiteKagoshimaVetA): farmer, kind, ear tag, disease.
    static bool TuchiKagosimaPrintProc(PrintDevice& device, const TuchiPrintData& data, QString* errorText = nullptr);
    // The Kagoshima book (site SiteKagoshimaVetB).
    static bool TuchiboKagosimaPrintProc(PrintDevice& device, const TuchiPrintData& data, QString* errorText = nullptr);
    // The book of the prefectures without a layout of their own.
    static bool TuchiboPrintProc(PrintDevice& device, const TuchiPrintData& data, QString* errorText = nullptr);
    static bool TuchiOkinawaPrintProc(PrintDevice& device, const TuchiPrintData& data, QString* errorText = nullptr);
    // The Gunma list, from the shown list's rows (its column 7 "code:outcome date:outcome").
    static bool TuchiboGunmaPrintProc(PrintDevice& device, const TuchiPrintData& data, QString* errorText = nullptr);

    using Proc = bool (*)(PrintDevice& device, const TuchiPrintData& data, QString* errorText);
    // The layout of the installation: 群馬県 the list, 鹿児島県 the notice (SiteKagoshimaVetA) or the
    // book (SiteKagoshimaVetB) of the site, none for another site, 沖縄県 the notice, elsewhere the
    // book.
    static Proc procFor(Ken ken, const SiteProfile& site);

    // The pages of a layout, without ending the document.
    static void print(PrintDevice& device, const TuchiLayout& layout, const TuchiPrintData& data);
};
