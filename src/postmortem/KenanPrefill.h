#pragma once

#include "KenanData.h"

#include <QString>

// A new post-mortem certificate filled from its chart: the member and animal headers from the
// chart's two header lines, and, when the chart holds the episode of the key (disease-1 name and
// first-examination date), its disease, dates, outcome, number of visits, owner's report and
// cause. The year, the certificate date, the disposal reason and the symptoms stay empty.
class KenanPrefill
{
public:
    // The header values of a saved certificate are those of the file, so only a new one calls
    // this. False with a message naming the chart when the chart is missing or damaged.
    static bool fill(const QString& localKartePath, const QString& byoName, const QString& syosinDate,
                     KenanData& data, QString* errorText);

    // The individual number of a name field "name:number": the piece after its first ":" up to
    // the next ":"; empty without ":".
    static QString kotaiBangou(const QString& meigou);
    // The outcome option of an episode's outcome: 法令殺 法, 廃用 廃, anything else 死.
    static int sihai(const QString& tenki);
};
