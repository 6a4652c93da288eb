#pragma once

#include "common/Ken.h"

#include <QSet>
#include <QString>
#include <QStringList>
#include <array>

// The registers and settings of the settings folder that the master register window keeps: the
// districts, the farmer register, the veterinarian, the clinic address, the designated choice,
// the print calibration, the three candidate lists, the points alarm and the provisional-number
// threshold. load() reads them as the window shows them; save() writes all eleven files in their
// order from the values the window holds.
class SetteiData
{
public:
    QStringList TikuList;                 // TikuName.ini, one district per line
    QStringList NameList;                 // NameCode.ini, one farmer line per line
    QString DoctorName;                   // DoctorName.ini value 1
    QString DoctorCode;                   // DoctorName.ini value 2
    QString YokoHosei;                    // PrintSet.ini, the three texts as typed
    QString TateHosei;
    QString NobiHosei;
    QString DocAd;                        // DocAd.ini
    bool DocBunruiSitei = false;          // DocBunrui.ini holds exactly "指定"
    std::array<QStringList, 3> KouhoList; // Gensyo.ini, Rinkoku.ini, Genin.ini
    int SpCh = 0;                         // InpSpt.ini line 1
    QString TensuLimitText;               // InpSpt.ini line 2 as the window shows it
    QString Kariban;                      // Kariban.ini

    // What InpSpt.ini gives the chart editor's points signal.
    int TensuAlarmFlag = 0;
    double TensuAlarmLimit = 0;

    // Files that exist but could not be read: they are reported and never written back, so a
    // file the program cannot read is not replaced by an empty one.
    QSet<QString> unreadable;
    QStringList readErrors;

    static SetteiData load(Ken ken);

    // Writes the eleven files in their order; DocBunrui.ini only in 茨城県. A file that cannot be
    // written is named in errors and the others are still written. True when all were written.
    bool save(Ken ken, QStringList* errors = nullptr) const;

    static QString path(const QString& fileName);
    // Writes lines through the atomic writer, creating the settings folder of a new installation.
    static bool writeLines(const QString& localPath, const QStringList& lines, QString* errorText);
    // The lines of a file read whole; a missing file gives no lines, an unreadable one its error.
    static QStringList readLines(const QString& localPath, bool* ok, QString* errorText);

    static const QStringList& kouhoFileNames();

private:
    QStringList readTracked(const QString& fileName);
    QStringList readValuesTracked(const QString& fileName);
    QString docAdText(const QStringList& lines) const;
};
