#pragma once

#include <QString>

// One entry of PrintJobList as the chart editor's print button stores it: the chart file name,
// the disease-1 name and the first-examination date joined by "'". Fields an entry lacks are
// empty (such an entry finds no episode).
struct PrintJobEntry
{
    QString karteFile;
    QString byoName;
    QString syosinDate;

    static PrintJobEntry split(const QString& entry);
    QString joined() const;
};
