#pragma once

#include <QString>

class SindansyoEpisode;

// The log of printed certificates of the farm-group sites: one file per submission month,
// "\Nolvari\tcb\<submission month>.ini" (5･6.ini), CP932, one record a line. A record is 17 fields
// joined by "'" without a trailing "'": animal name, individual number, ear tag, disease-1 name and
// code, first-exam, last-exam and outcome dates, drug-price total, fee, B total, A total, number of
// examinations, veterinarian, submission month, onset date, outcome; copied as the chart holds
// them. A record already in the file, character for character, is not added again.
class TcbKirokuProc
{
public:
    struct Entry
    {
        QString month;     // the submission month, the file's name without ".ini"
        QString record;
        QString episode;   // the disease and first-exam date, for messages
    };

    static Entry entry(const SindansyoEpisode& episode, const QString& doctorName);
    static QString record(const SindansyoEpisode& episode, const QString& doctorName);

    // Adds the entry's record to its month's file (created when missing; a file whose name
    // differs only in letter case is the same file). Every line already there stays as read;
    // the file is written whole through a temporary file. False with a message naming the
    // episode when the month is empty or cannot be a file name, or the file cannot be read or
    // written (the tcb folder missing among them).
    static bool write(const Entry& entry, QString* errorText);
};
