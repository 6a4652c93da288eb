#pragma once

#include <QString>
#include <QStringList>

class KarteData3Record;
class KarteKotaiRecord;
class KarteNameRecord;

// The log of printed certificates of the 茨城県 installations, one file per submission month:
// "\Nolvari\tcb\<submission month>.ini" (the file of month 5･3 is "5･3.ini"). One line per
// printed certificate in the order of first printing, no two lines equal, 17 fields joined by
// "'" (no "'" after the last):
//     0 animal name (the part of the animal line's name field before ":")
//     1 individual number (the part after ":", Latin letters removed)
//     2 ear tag, 3 disease 1, 4 its code, 5 first-exam date, 6 last-exam date, 7 outcome date
//     8 drug-price total (yen), 9 fee (yen), 10 B total and 11 A total with drug-price points
//     12 number of exams, 13 the doctor printed on the certificate, 14 submission month
//     15 onset date, 16 outcome
// Lines of 15 fields (without 15 and 16), written by older versions, are read as well.
//
// The Ibaraki certificate printer records every certificate it prints with TcbKirokuProc; the
// certificate tally reads the log and deletes lines from it.
class TcbLogFile
{
public:
    static constexpr int FieldCount = 17;
    static constexpr int OldFieldCount = 15;

    static QString folder();
    static QString path(const QString& teisyutuTuki);
    static QString path(const QString& year, const QString& month);

    // The line of a printed certificate: the chart's animal line, the episode's name and totals
    // lines and the doctor printed.
    static QString kirokuLine(const KarteKotaiRecord& kotai, const KarteNameRecord& name,
                              const KarteData3Record& data3, const QString& doctorName);
    // Records a printed certificate in the log of the episode's submission month: the line is
    // appended unless an equal one is there; the folder and file are created when missing and
    // the file is rewritten through the atomic writer. False, with the reason, when it could not
    // be read or written.
    static bool TcbKirokuProc(const KarteKotaiRecord& kotai, const KarteNameRecord& name,
                              const KarteData3Record& data3, const QString& doctorName, QString* errorText);

    enum class Status { Read, Missing, Error };
    struct Log
    {
        Status status = Status::Missing;
        QStringList lines;   // every line holding "'", 15-field lines in the 17-field form
        QString errorText;
    };
    static Log read(const QString& localPath);
    // A 15-field line with its two empty fields appended; any other line unchanged.
    static QString normalized(const QString& line);
    // Rewrites the log whole through the atomic writer.
    static bool write(const QString& localPath, const QStringList& lines, QString* errorText);

    // The logged periods for the tally's period list: each file name of the folder without
    // ".ini", "･" shown as "年" and "月" appended ("5･3.ini" gives "5年3月"), in name order.
    static QStringList periods();
};
