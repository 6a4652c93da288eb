#pragma once

#include "print/common/SindansyoPrintRun.h"

#include <QString>
#include <QStringList>

class PrintDevice;
class SiteProfile;

// The Saga disease and injury accident certificate (病傷事故診断書) of one episode, data only, on
// the association's pre-printed B4 form laid landscape. Every x is an offset from the layout's
// left base PrintBaseX (12 mm, set at each call); y is millimetres from the top of the paper.
//
// The pages follow from the last dated examination, six a page, four pages at most. Every page
// prints the farmer, the certificate date, the year and the clinic's identity (by the site row:
// SiteSagaClinicA with the veterinarians ticked in "DocCh(0)".."DocCh(2)" and the association
// office of the farmer's municipality, SiteSagaClinicB, SiteSagaClinicC, or the registered
// veterinarian); the first page the animal, the diseases, the outcome, the report and cause, the
// dates and the fee totals; every page its examination boxes (SagaSinsatuProc).
class SindansyoSagaProc
{
public:
    static constexpr int SinsatuPerPage = 6;
    static constexpr int MaxPages = 4;
    static constexpr float BaseX = 12;

    static SindansyoPrintRun::Result print(PrintDevice& device, const SindansyoPrintContext& context,
                                           const PrintJobEntry& entry);

    // The association office's address for the farmer of the chart (line 0 field 4, the
    // farmer's address): the site's table KyosaiOffice ("municipality>office:...") is searched in
    // its order, each municipality a plain substring of the address, the last hit winning; the
    // office's address is the site's text KyosaiAd<office>. Empty when no municipality matches.
    static QString KyosaiAdSagaProc(const QStringList& PrintReadList, const SiteProfile& site);
};
