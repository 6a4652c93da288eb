#pragma once

#include "common/SiteProfile.h"

#include <QList>
#include <QString>

// The clinic and the veterinarian printed at the foot of the post-mortem certificate: the texts
// KenanClinic and KenanDoctor of the site row labelled SiteTottoriVetA to SiteTottoriVetE whose
// key the veterinarian's name holds. The labels are tried in the order A to E and a later match
// replaces an earlier one; with none both lines stay blank.
struct KenanIdentity
{
    QString clinic;
    QString doctor;  // printed with one blank between its characters

    static KenanIdentity find(const QList<SiteProfile>& rows, const QString& doctorName);
    // The name with one blank between its characters, its own blanks dropped ("佐藤 誠" →
    // "佐 藤 誠").
    static QString spaced(const QString& name);
};
