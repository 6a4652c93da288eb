#pragma once

#include "SiteProfile.h"

#include <QString>
#include <QStringList>

// The site of an installation in 茨城県 as the certificate printer and its dialog tell them apart,
// from the switches of its SiteProfile row: the farm group's sites (SiteIbarakiFarm0,
// SiteIbarakiFarm1A, SiteIbarakiFarm1B, SiteIbarakiFarm2A, SiteIbarakiFarm2B, SiteIbarakiFarm3A,
// SiteIbarakiFarm3B, SiteIbarakiFarm4), the ranch SiteIbarakiRanch, SiteOkayamaFarm and the
// clinic SiteIbarakiClinic. Every name, number and address a site prints is a text of its row:
//   farm group: DoctorName1, DoctorName2, DoctorName3 (the three veterinarians of the doctor
//     options), ClinicLine and NewClinicLine (the address line, and the one with the new clinic
//     name), OwnerName, OwnerAddress ("municipality/district/house number"), AreaNumber,
//     KumiaiNumber; SiteIbarakiFarm3A and 3B also FarmerCode (printed on blank paper);
//   SiteIbarakiRanch: DoctorName, ClinicLine, OwnerName, OwnerAddress;
//   SiteOkayamaFarm: DoctorName, ClinicLine, FarmerCode, Town, Street, OwnerLine;
//   SiteIbarakiClinic: NameFragment1, NameFragment2, SubstituteName.
// The row keyed "*" may hold FarmerCodeHenkan ("from>to"), the one farmer code every site prints
// as another.
class IbarakiSite
{
public:
    enum class Kind { Other, Farm, Ranch, Okayama, Clinic };

    explicit IbarakiSite(const SiteProfile& site);

    Kind kind = Kind::Other;
    QString label;   // the site switch found ("SiteIbarakiFarm2A"); empty for another site

    bool farm() const { return kind == Kind::Farm; }
    bool is(const char* siteLabel) const { return label == QLatin1String(siteLabel); }
    // The veterinarian of doctor option index (0 to 2; any other index the first).
    QString doctorName(int index) const;
    // The caption of doctor option index: the veterinarian's surname (the name up to its first
    // blank) followed by "医師".
    QString doctorCaption(int index) const;
    QString text(const char* column) const;
    // OwnerAddress cut at "/" (three parts; fewer when the row holds fewer).
    QStringList ownerAddress() const;

private:
    SiteProfile row;
};
