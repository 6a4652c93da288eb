#include "KenanIdentity.h"

#include <QStringList>

KenanIdentity KenanIdentity::find(const QList<SiteProfile>& rows, const QString& doctorName)
{
    KenanIdentity identity;
    const QList<SiteProfile> matching = SiteProfile::lookupAll(rows, Ken::Tottori, QString(), doctorName);
    for (const QChar site : QStringLiteral("ABCDE")) {
        const QString label = QStringLiteral("SiteTottoriVet") + site;
        for (const SiteProfile& row : matching) {
            if (!row.has(label))
                continue;
            identity.clinic = row.text(QStringLiteral("KenanClinic"));
            identity.doctor = spaced(row.text(QStringLiteral("KenanDoctor")));
        }
    }
    return identity;
}

QString KenanIdentity::spaced(const QString& name)
{
    QStringList characters;
    for (const QChar c : name) {
        if (!c.isSpace())
            characters.append(QString(c));
    }
    return characters.join(QLatin1Char(' '));
}
