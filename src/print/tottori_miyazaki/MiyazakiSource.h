#pragma once

#include "common/SindansyoEpisode.h"
#include "print/common/PrintJobEntry.h"
#include "print/common/SindansyoPrintContext.h"

#include <QString>
#include <QStringList>

// What the items of one Miyazaki certificate print from: the episode, the print context, the
// register's values and the page being printed. earlier is the earlier layout of the form
// (SindansyoMiyazakiProc2), which prints era years, no codes and no totals.
struct MiyazakiSource
{
    MiyazakiSource(const SindansyoPrintContext& context, const SindansyoEpisode& episode, const PrintJobEntry& job,
                   bool earlierLayout)
        : c(context), e(episode), entry(job), earlier(earlierLayout)
    {
    }

    const SindansyoPrintContext& c;
    const SindansyoEpisode& e;
    const PrintJobEntry& entry;
    bool earlier = false;
    QString touName;        // the register's name and address of the member code
    QString touAddress;
    int pages = 0;
    int page = 0;
    QString previousBunrui; // earlier layout: the category of the previous treatment row

    QString cell(int row, int field) const { return e.cell(row, field); }
    // Print option i of the dialog (PrintCh(i)) ticked.
    bool ch(int i) const { return c.ch(QStringLiteral("PrintCh"), i) == 1; }
    bool site(const char* label) const { return c.Site.has(QString::fromLatin1(label)); }
    // Western years: the sites that want them, in the current layout only.
    bool seireki() const { return !earlier && c.SeirekiFlag == 1; }
    // The sites that print no veterinarian number, name or address.
    bool hidesDoctor() const
    {
        return site("SiteMiyazakiVetC") || site("SiteMiyazakiVetD") || site("SiteMiyazakiVetE");
    }
};
