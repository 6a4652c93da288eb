#pragma once

#include "SinryoPrintData.h"

class PrintDevice;

// The record cards of 鳥取県: per member, one card per visit record, four cards to an A4 sheet
// (top left, top right, bottom left, bottom right), a member never sharing a sheet with another.
// A card gives the date (with AM/PM where another record of the list falls on the same day), the
// owner, the animal, its house-call lines first and then its other lines (those of a "PL"
// category left out), each drug with its withdrawal text, and the veterinarian. A card of more
// than nine lines goes on in the next quarter under its heading again.
class SinryoTottoriPrint
{
public:
    static void SinryoTottoriPrintProc(PrintDevice& device, const SinryoPrintData& data);
    // "    AM" or "    PM" when another record of the list has the same day and the record has a
    // start time "h:m" (PM from 12 o'clock); otherwise empty.
    static QString AmPmMarkProc(const QList<SinryoKirokuRecord>& records, qsizetype index);
    // The detail of a house-call line: content[:quantity], then "  start～" and the end time
    // (each time "h:0" written "h:00").
    static QString oufukuText(const QStringList& values);
};
