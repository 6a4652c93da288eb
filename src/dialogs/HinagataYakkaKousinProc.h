#pragma once

#include <QString>

// Brings the drug prices of a chart template up to date by the rule the chart editor's "薬価更新"
// applies to an open episode (YakkaKousinProc), with the standard's unit words compared as they
// stand. Only the price field of the drug lines changes; the file is written back whole, and a
// template that is missing or damaged is refused and left as it is.
class HinagataYakkaKousinProc
{
public:
    enum Result {
        Refused,  // nothing written: no such template, a damaged file, unreadable names, a write error
        Updated,  // every drug line priced
        Missing,  // a drug the table no longer holds kept its price and was named; the others were priced
    };

    // Re-prices the template of that name, showing the dialog's messages (title "確認").
    static Result run(const QString& name);
};
