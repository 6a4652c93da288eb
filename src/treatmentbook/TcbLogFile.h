#pragma once

#include <QString>
#include <QStringList>

// The log of printed certificates of the 茨城県 installations, one file per submission month:
// "\Nolvari\tcb\<submission month>.ini" (the file of month 5･3 is "5･3.ini"). One line per
// printed certificate in the order of first printing, no two lines equal, 17 fields joined by
// "'" (no "'" after the last):
//     0 animal name and 1 individual number (the animal line's name field split by
//       SindansyoText::meigouNumber: "はなこ:JP12" gives "はなこ" and "12"; a field without
//       exactly one ":" is the name whole, with no number)
//     2 ear tag, 3 disease 1, 4 its code, 5 first-exam date, 6 last-exam date, 7 outcome date
//     8 drug-price total (yen), 9 fee (yen), 10 B total and 11 A total with drug-price points
//     12 number of exams, 13 the doctor printed on the certificate, 14 submission month
//     15 onset date, 16 outcome
// The fields are copied as the chart stores them; a "'" in one (a doctor's name) is written "’"
// so that no field shifts. Lines of 15 fields (without 15 and 16), written by older versions,
// are read as well.
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

    // One printed certificate: its log line, the submission month naming its file and the
    // episode (disease 1 and first-exam date) that messages name.
    struct Kiroku
    {
        QString month;
        QString line;
        QString episode;
    };
    // The record of a certificate from the fields of the chart's animal line and of the
    // episode's name line (block row 0) and totals line (row 3), as stored, and the doctor
    // printed.
    static Kiroku kiroku(const QStringList& kotai, const QStringList& name, const QStringList& data3,
                         const QString& doctorName);
    // Records a printed certificate in the log of its submission month: the line is appended
    // unless an equal one is there, every line already there stays as read, and the file is
    // rewritten whole through the atomic writer (the folder and the file are created when
    // missing; a file whose name differs only in letter case is the same file). False with a
    // message naming the episode when the month is empty or cannot be a file name, or the log
    // cannot be read or written; the log is then left as it was.
    static bool TcbKirokuProc(const Kiroku& kiroku, QString* errorText);

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
