#pragma once

#include "IninjyoPrintData.h"
#include "PrintMiyazakiIninnjyoForm.h"

#include "common/SiteProfile.h"

class PrintDevice;

// The power of attorney of 宮崎県, drawn whole on blank A4 paper without print offsets: the title
// part (heading, addressee, date, signature lines, the authorisation of the site's designated
// veterinarian), the breakdown part (address, name, fee total and a ruled table of up to 20
// episodes a page with page subtotals), or both, as the options ask. The site row gives
// IninjyoKenAllowed (text "0": may not address the prefecture association), IninjyoVetName,
// IninjyoVetLine2 (the name opens the sentence's second line), IninjyoSeireki (Western years) and
// NoukaNameFixList ("variant>correction:..." replaced in member names).
class IninjyoMiyazakiPrint
{
public:
    struct Site
    {
        bool kenAllowed = true;
        QString vetName;
        bool vetLine2 = false;
        bool seireki = false;
        QList<std::pair<QString, QString>> nameFix;

        static Site of(const SiteProfile& row);
        QString fixName(const QString& name) const;
    };

    // The table's rows of a farmer: identification, disease, first exam, last exam, outcome,
    // fee, kind.
    static QStringList episodeRow(const QStringList& listRow, int nbPrint);

    // The farmers grouped by corrected name; heading "宮崎県" or "都城".
    static void IninjyoMiyazakiPrintProc(PrintDevice& device, const IninjyoPrintData& data,
                                         const PrintMiyazakiIninnjyoForm::Kioku& options, const Site& site,
                                         const QString& heading, IninjyoPrintNotes& notes);
    // The date line of the title part from the window's date.
    static QString dateLine(const QString& date, bool seireki);
};
