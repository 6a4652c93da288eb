#pragma once

#include <QString>
#include <QStringList>
#include <array>

// The episode copy's rules: the search for the other animal's chart (same farmer, data year and
// calf suffix as the open chart) and the write of the copy, appended to that chart or as a new
// chart. The chart folder is tested when the copy is written, ignoring letter case: a chart that
// exists is never replaced by a new one, and a target that already holds the episode's disease
// and first-examination date is refused.
class KarteCopy
{
public:
    struct Kensaku
    {
        enum Kind { Refused, Found, NotFound };
        Kind kind = Refused;
        QString Message;                    // Refused: what to show (title "確認")
        QString FileName;                   // the target chart's file name
        std::array<QString, 4> KotaiGd;     // Found: name, species, sex, birth date
        std::array<QString, 2> Header;      // Found: the target's lines 0 and 1
    };

    // The open episode: its chart, its ear tag as shown and its key (disease-1 name and
    // first-examination date as shown).
    struct Moto
    {
        QString KarteFile;
        QString Mimiban;
        QString ByoName;
        QString SyosinDate;
    };

    static Kensaku KarteCopyProc(const Moto& moto, const QString& typed);

    // Writes the copy into the chart fileName: appended to the chart when it exists, else a new
    // chart of the two header lines and the block (only when newKarte). False with the message.
    static bool write(const Moto& moto, const QString& fileName, const std::array<QString, 2>& header, bool newKarte,
                      const QStringList& copyLines, QString* message);

private:
    static QString existingName(const QString& fileName);
    static QString duplicateRefusal(const QString& localPath, const Moto& moto);
};
