#pragma once

#include <QList>
#include <QString>

// The removable drives of the machine (mounted removable media). A test or a script names folders
// that stand for drives with setOverride() or the environment variable NOLVARI_REMOVABLE_DRIVES
// (folders separated by ":"); the named folders then stand for every drive of the machine.
class RemovableDrives
{
public:
    struct Drive
    {
        QString rootPath;  // the mount point (or the named folder)
        QString name;      // the volume's label, or the folder's name
        bool folder = false;  // a named folder standing for a drive, not a mount point

        // What a drive list shows in place of a drive letter: the label and the mount point.
        QString caption() const;
        bool operator==(const Drive& other) const { return rootPath == other.rootPath; }
    };

    // withFixed adds the other mounted, writable volumes (disks that stay in the machine), the
    // volume of the data folder among them.
    static QList<Drive> list(bool withFixed = false);
    // True while the drive is still listed and mounted at its mount point (a named folder: while
    // it exists), so that nothing is written into an empty mount folder on the system disk.
    static bool isAvailable(const Drive& drive, bool withFixed = false);
    static void setOverride(const QStringList& folders);
    static void clearOverride();

private:
    static bool isRemovableDevice(const QString& device);
    static bool isDiskVolume(const class QStorageInfo& volume);
};
