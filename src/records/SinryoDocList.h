#pragma once

#include "common/SiteProfile.h"

#include <QList>
#include <QString>

// The three veterinarians of an Ibaraki installation whom the treatment records can be tallied
// for: the caption of the choice ("鈴木医師"), the surname that the episode's doctor field must
// hold and the full name that the spreadsheet transfer writes. A site row's text KirokuDocs
// ("caption/surname/full name:..."), or where the row has none the one of the prefecture's "*" row.
struct SinryoDoc
{
    QString caption;
    QString surname;
    QString fullName;
};

class SinryoDocList
{
public:
    static QList<SinryoDoc> parse(const QString& text);
    static QList<SinryoDoc> forSite(const SiteProfile& site, const QList<SiteProfile>& rows);
};
