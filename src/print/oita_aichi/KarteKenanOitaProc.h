#pragma once

#include "print/common/SindansyoPrintRun.h"

#include <QString>

class PrintDevice;
class SindansyoEpisode;

// The second Oita layout (site SiteOitaClinicB): mode 1 prints the chart of the episode as drawn
// B5 sheets (KarteSheetOitaProc), mode 4 the certificate data onto the association's prescribed
// A4 landscape sheet, one page that the print run's end of document closes; any other mode
// prints nothing.
//
// The site row gives the two veterinarians ("DoctorName1", "DoctorAd1", "DoctorName2",
// "DoctorAd2"), the clinic's name ("ClinicName") and telephone text ("ClinicTel"); the first
// veterinarian, written without blanks, with the number "****", becomes the shared DoctorInfo.
// The dialog's DocOp chooses the veterinarian printed, ByoCh puts disease 2 in the first disease
// row, inpTx(0) and (1) are the B5 line widths and inpTx(2) and (3) the offsets in mm of the
// prescribed-sheet print, which take the place of the calibration's offsets for that print only.
class KarteKenanOitaProc
{
public:
    static constexpr float X0 = 18;
    static constexpr float Y0 = 28;

    static SindansyoPrintRun::Result print(PrintDevice& device, const SindansyoPrintContext& context,
                                           const PrintJobEntry& entry, int mode);
    // Mode 4 on an episode already read.
    static void kenanSheet(PrintDevice& device, const SindansyoPrintContext& context, const SindansyoEpisode& e);
};
