#pragma once

#include "SinryoPrintData.h"

class PrintDevice;

// The treatment-record list of 三重県 on A4 portrait: per member a ruled table headed by his
// name and the period, one row per line of his visit records (date, animal, treatment, quantity,
// disease, start, end, outcome), 30 rows to a page; a full page is followed by the next page's
// frame at once. Every member after the first starts a new page.
class SinryoMiePrint
{
public:
    static void SinryoMiePrintProc(PrintDevice& device, const SinryoPrintData& data);
    // A quantity as printed: ".5" as "0.5".
    static QString suryoText(const QString& suryo);
};
