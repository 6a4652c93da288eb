#include "IbarakiSite.h"

namespace {

const char* const FarmLabels[] = {"SiteIbarakiFarm0",  "SiteIbarakiFarm1A", "SiteIbarakiFarm1B",
                                  "SiteIbarakiFarm2A", "SiteIbarakiFarm2B", "SiteIbarakiFarm3A",
                                  "SiteIbarakiFarm3B", "SiteIbarakiFarm4"};

} // namespace

IbarakiSite::IbarakiSite(const SiteProfile& site)
    : row(site)
{
    for (const char* farm : FarmLabels) {
        if (site.has(QString::fromLatin1(farm))) {
            kind = Kind::Farm;
            label = QString::fromLatin1(farm);
            return;
        }
    }
    const struct { const char* label; Kind kind; } others[] = {
        {"SiteIbarakiRanch", Kind::Ranch}, {"SiteOkayamaFarm", Kind::Okayama}, {"SiteIbarakiClinic", Kind::Clinic}};
    for (const auto& other : others) {
        if (site.has(QString::fromLatin1(other.label))) {
            kind = other.kind;
            label = QString::fromLatin1(other.label);
            return;
        }
    }
}

QString IbarakiSite::text(const char* column) const
{
    return row.text(QString::fromLatin1(column));
}

QString IbarakiSite::doctorName(int index) const
{
    static const char* const columns[] = {"DoctorName1", "DoctorName2", "DoctorName3"};
    return text(columns[index == 1 || index == 2 ? index : 0]);
}

QString IbarakiSite::doctorCaption(int index) const
{
    const QString name = doctorName(index).trimmed();
    qsizetype end = name.size();
    for (const QChar blank : {QChar(u' '), QChar(u'\u3000')}) {
        const qsizetype at = name.indexOf(blank);
        if (at >= 0 && at < end)
            end = at;
    }
    return name.isEmpty() ? QString() : name.left(end) + QStringLiteral("医師");
}

QStringList IbarakiSite::ownerAddress() const
{
    return text("OwnerAddress").split(QLatin1Char('/'));
}
