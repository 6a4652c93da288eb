#pragma once

#include "common/SindansyoEpisode.h"
#include "print/common/SindansyoPrintContext.h"

#include <QString>

// What the second Oita layout prints from: the print context (the dialog's DocOp and the site row
// of SiteOitaClinicB) and the episode.
struct KenanOitaSource
{
    const SindansyoPrintContext& c;
    const SindansyoEpisode& e;

    // "医師1" chosen.
    bool doc1() const { return c.ch(QStringLiteral("DocOp"), 0) == 1; }
    bool clinicB() const { return c.Site.has(QStringLiteral("SiteOitaClinicB")); }
    QString site(const char* text) const { return c.Site.text(QString::fromLatin1(text)); }
    // The first veterinarian's values or the second's, by the choice.
    QString doctor(const char* first, const char* second) const { return site(doc1() ? first : second); }
    QString g(int row, int field) const { return e.cell(row, field); }
    // The ear tag prints on an adult's chart (its file name ends in "0" before the extension),
    // when the tag is not a provisional "k" or "K" number.
    bool mimibanPrinted() const
    {
        const QString tag = e.kotai(10);
        return c.CurrentKarteFile.section(QLatin1Char('.'), 0, 0).endsWith(QLatin1Char('0'))
               && !tag.startsWith(QLatin1Char('k')) && !tag.startsWith(QLatin1Char('K'));
    }
};
