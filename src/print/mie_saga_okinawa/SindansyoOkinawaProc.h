#pragma once

#include "print/common/SindansyoPrintRun.h"

class PrintDevice;

// The Okinawa disease and injury accident certificate (病傷事故診断書) of one episode on A4
// landscape paper, form and data together: every page draws the blank form
// (SindansyoWakuOkinawaProc), then the heading data, then five visit boxes (OkinawaSinsatuProc),
// and the last page the totals. Positions are offsets from the layout origin (21, 24) mm.
//
// The pages follow from the last visit that is dated or has a course text, five a page, four
// pages at most. In the SiteOkinawaClinic installation the printed veterinarian is the site
// row's (DoctorName, DoctorCode, DoctorAd, ClinicName, VetNameSpaced), which also becomes the
// shared identity; elsewhere the certificate carries no veterinarian identity.
class SindansyoOkinawaProc
{
public:
    static constexpr int SinsatuPerPage = 5;
    static constexpr int MaxPages = 4;

    // Mode 0 prints; any other mode reads and stages the episode and sets the identity only.
    static SindansyoPrintRun::Result print(PrintDevice& device, const SindansyoPrintContext& context,
                                           const PrintJobEntry& entry, int mode = 0);
};
