#pragma once

#include "BackUpPlan.h"
#include "VerifiedCopy.h"

#include "common/RemovableDrives.h"

#include <QDateTime>
#include <QString>
#include <functional>

// Carries out a copy plan on the chosen drive. The drive must still be listed and mounted before
// anything is written and before every file; a backup or export creates its folder, copies each
// file through the verified copy and, when every file is good, writes and checks the stamp. A
// failure stops the run: what was verified stays, nothing half-written replaces a good copy, and
// the previous stamp stays.
class BackUpRun
{
public:
    enum class Outcome { Done, DeviceUnavailable, Failed };
    struct Result
    {
        Outcome outcome = Outcome::Done;
        VerifiedCopy::Result failure;   // the failing file, when a copy failed
        int copied = 0;
    };

    BackUpRun(const RemovableDrives::Drive& drive, bool withFixed = false);

    // Called after every file with the number done and the number planned.
    std::function<void(int done, int total)> progress;
    // The clock of the stamp (tests set it).
    std::function<QDateTime()> clock = [] { return QDateTime::currentDateTime(); };

    // Checks the drive; false when it is no longer there.
    bool driveReady() const;
    // Backup or export: the drive folder is created when missing, an empty plan fails after
    // that, and the stamp ends a run that got through every file.
    Result backUp(const BackUpPlan& plan);
    // Import: every file of the plan into its data folder (created when missing); no stamp.
    Result bringIn(const BackUpPlan& plan);

    // The message of a result for the kind of run, and its title.
    static QString message(BackUpPlan::Kind kind, Outcome outcome);
    static QString title(BackUpPlan::Kind kind, Outcome outcome);
    // The message with the failing file named on a second line.
    static QString report(BackUpPlan::Kind kind, const Result& result);

private:
    Result copyAll(const BackUpPlan& plan);
    static Result failed(Outcome outcome, const VerifiedCopy::Result& failure = {});
    static int makeFolder(const QString& localFolder);

    RemovableDrives::Drive drive;
    bool withFixed = false;
};
