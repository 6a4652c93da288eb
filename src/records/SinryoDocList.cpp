#include "SinryoDocList.h"

QList<SinryoDoc> SinryoDocList::parse(const QString& text)
{
    QList<SinryoDoc> docs;
    if (text.isEmpty())
        return docs;
    for (const QString& entry : text.split(QLatin1Char(':'))) {
        const QStringList f = entry.split(QLatin1Char('/'));
        docs.append({f.value(0), f.value(1), f.value(2)});
    }
    return docs;
}

QList<SinryoDoc> SinryoDocList::forSite(const SiteProfile& site, const QList<SiteProfile>& rows)
{
    const QString own = site.text(QStringLiteral("KirokuDocs"));
    if (!own.isEmpty())
        return parse(own);
    return parse(SiteProfile::kenRow(rows, site.prefecture == Ken::Sonota ? Ken::Ibaraki : site.prefecture)
                     .text(QStringLiteral("KirokuDocs")));
}
