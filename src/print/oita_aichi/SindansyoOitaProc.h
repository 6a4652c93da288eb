#pragma once

#include "print/common/SindansyoPrintRun.h"

#include <QString>

class PrintDevice;

// The accident certificate (病傷事故診断書) of 大分県 and of 愛知県, drawn whole on plain A4 portrait
// paper: on every page the blank form (SindansyoWaku) and then the episode's data, relative to
// the form's origin plus the calibration of PrintSetFile.
//
// One body serves both; a table of the differences (Layout) holds what the prefectures print
// otherwise: the origin (Oita 13/18, Aichi 17/20), the visits per page and the pages (5 and 4,
// 7 and 3), the band height and the positions inside a band, the species marks, the clinic's
// name, the animal's features (Oita only) and the page of the totals (Oita the first, Aichi the
// last). The veterinarian printed is the site row's (SiteOitaClinicA, SiteAichiVet: texts
// "DoctorName" and "DoctorAd", in Aichi also "ClinicName", "KumiaiNumber" and "FixedCode"); it
// becomes the shared DoctorInfo, with the number "****".
class SindansyoOitaProc
{
public:
    enum class Layout { Oita, Aichi };

    // Prints the certificate of entry into the open job, a new page after every page. The pages
    // printed, or the refusal of an episode that was not read.
    static SindansyoPrintRun::Result print(PrintDevice& device, const SindansyoPrintContext& context,
                                           const PrintJobEntry& entry, Layout layout);

    // The band's texts: the category shortened (筋肉内注射 → 筋肉注射, 静脈内注射 → 静脈注射,
    // 点数外入力 → 点数外); the times "9:00～10:30" (a minute "0" as "00"); the standard and the
    // quantity "1B×2" (バイアル and パイアル as B, 処方単位 as T, half-width).
    static QString bunruiText(const QString& category);
    static QString jikanText(const QString& start, const QString& end);
    static QString kikakuText(const QString& standard, const QString& quantity);
};
