#pragma once

#include "SinryoPrintData.h"

class PrintDevice;

// The treatment ledger "診療台帳" of 茨城県 on A4 landscape: per member, one ruled row per line of
// his visit records, 24 rows to a sheet in two halves of twelve; each row gives the date, the
// animal, the ledger class and the treatment (category, content and quantity joined by ":").
// Every member starts a new sheet; a full sheet is followed by the next one's frame at once.
class SinryoIbaragiPrint
{
public:
    static void SinryoIbaragiPrintProc(PrintDevice& device, const SinryoPrintData& data);
    // Category, then ":" and the content where there is one, then ":" and the quantity.
    static QString tiryoText(const QStringList& values);
};
