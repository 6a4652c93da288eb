#pragma once

#include "SharedState.h"

#include <QDate>
#include <QString>

// The configuration the program reads when it starts and the shared values it sets once: the
// prefecture and site key (InfoFile), the data year (KiokuNendoFile), today's date and Reiwa year,
// the site row, the colours, the print scale, the picture paths, the flags, the chart file list and,
// at farm sites, the list of dead or shipped animals. No window is involved, so every step can be
// checked on its own.
class StartupConfig
{
public:
    static QString infoFilePath();
    static QString kiokuNendoFilePath();
    static QString dellInfoFilePath();
    static QString doctorFilePath();

    // The prefecture and site key: the first two values of InfoFile, on one line or on two.
    // False, with a message naming the file, when it is missing or cannot be read.
    static bool readInfoFile(const QString& localPath, QString& kenName, QString& siteKey,
                             QString* errorText);
    // The data year: the one value of KiokuNendoFile. An empty value is an error too, because the
    // chart folder cannot be named without it, and so is a value that is not all digits.
    static bool readKiokuNendo(const QString& localPath, QString& karteNendo, QString* errorText);
    // The lines of DellInfoFile in file order, then one empty element.
    static bool readDellInfo(const QString& localPath, QStringList& list, QString* errorText);
    // The settings files that start-up does not need but that the program reads later without a
    // report of its own (DoctorName.ini, which also picks the 鳥取県 site row, ManryoDay.ini and
    // CodeHenkan.ini): false, with the error naming the file and the line, when one exists but
    // cannot be read, so that no reader silently falls back to an empty file.
    static bool checkSettingsFiles(QString* errorText);
    // The veterinarian's name: the first value of DoctorFile (empty when there is none).
    static QString readDoctorName();

    static QString todayDate(const QDate& today);   // year/month/day, four-digit year
    static QString reiwaNen(const QString& todayDate);
    static ColorSetInfo colorSet();
    static constexpr float twipPerMm = 56.7f;

    // The picture path tables: "\Nolvari\pict\pict_<i>.bmp" (0 to 50) and
    // "\Nolvari\pict\pict2_<i>.bmp" (0 to 70). Readers map them with DataPath::map.
    static void ListLoadProc(SharedState& state);

    // The farm variant: a 茨城県 installation whose site row has FarmType.
    static bool isFarmSite(Ken ken, const SiteProfile& site);

    // Sets every shared value the program fixes at start-up, in order. False, with a message
    // naming the file, when a file the program cannot run without is missing or unreadable.
    static bool load(SharedState& state, const QDate& today, QString* errorText);

private:
    // The lines of a file; false with the file's error text when it cannot be read.
    static bool readLines(const QString& localPath, QStringList& lines, QString* errorText);
};
