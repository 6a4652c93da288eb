#pragma once

#include "ExchangeSide.h"
#include "VerifiedCopy.h"

#include <QList>
#include <QString>
#include <QStringList>

// What one run copies: each source file with its target path and whether it is copied every
// time or only when the target's content differs, the drive folder of the run, and the files left
// out (a cb file without an extension has no exported name). The sources are listed when the run
// starts, so a file saved since the window opened is not missed.
class BackUpPlan
{
public:
    enum Kind { Karte, Tiryobo, Kenan, Export, Import };
    struct Entry
    {
        QString source;
        QString target;
        VerifiedCopy::Mode mode = VerifiedCopy::Mode::WhenDiffers;
    };

    Kind kind = Karte;
    QString folder;        // the run's folder on the drive: created by a backup or export, read by an import
    QList<Entry> entries;
    QStringList skipped;
    int listed = 0;        // the files listed in the source folders, sent or not

    // The year's charts (KarteFileList, refreshed here) and every settings file into BackUp.
    static BackUpPlan karte(const QString& driveRoot);
    // The treatment books and lists of cb, or the post-mortem data of kdata, into BackUp2.
    static BackUpPlan tiryobo(const QString& driveRoot);
    static BackUpPlan kenan(const QString& driveRoot);
    // The side's cb files under their exported names into its export folder.
    static BackUpPlan exportTo(const QString& driveRoot, ExchangeSide::Side side);
    // The partner's export folder into inport and cb.
    static BackUpPlan importFrom(const QString& driveRoot, ExchangeSide::Side side);

    // The ordinary files of a folder (no folders, no hidden files, no leftover temporary copies),
    // sorted by name ignoring case; a missing folder gives none.
    static QStringList fileNames(const QString& localFolder);
    // A folder of the drive, matched ignoring case where it exists.
    static QString driveFolder(const QString& driveRoot, const QString& name);

private:
    static BackUpPlan folderCopy(Kind kind, const QString& driveRoot, const QString& dataFolder);
    void add(const QString& sourceFolder, const QStringList& names, VerifiedCopy::Mode mode);
};
