#pragma once

#include "SharedState.h"

// The veterinarian identity the certificates print: the first value of DocAdFile
// ("\Nolvari\set\DocAd.ini") as the address, the first two values of DoctorFile
// ("\Nolvari\set\DoctorName.ini") as the name and the number (in the list form the master
// registers write, the name and number of the first veterinarian). Every certificate print
// dialog reloads it when it opens, so a change in the registers takes effect at the next opening.
class DoctorInfoFile
{
public:
    // Reads both files into info. A file that is missing or cannot be read leaves its values as
    // they were; a file with fewer values gives empty ones.
    static void load(DoctorInfoData& info);
    // The same for the dialogs that report their settings files: a file that is missing, cannot
    // be read or holds fewer values than are read gives empty values; returns the problems, one
    // line a file naming it (none when both were read whole).
    static QStringList loadChecked(DoctorInfoData& info);
    static QString docAdPath();
    static QString doctorPath();
};
