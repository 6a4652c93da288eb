#pragma once

#include <QList>
#include <QString>

// The removable drives of the machine (mounted removable media). A test or a script names folders
// that stand for drives with setOverride() or the environment variable NOLVARI_REMOVABLE_DRIVES
// (folders separated by ":").
class RemovableDrives
{
public:
    struct Drive
    {
        QString rootPath;  // the mount point (or the named folder)
        QString name;      // the volume's label, or the folder's name
    };

    static QList<Drive> list();
    static void setOverride(const QStringList& folders);
    static void clearOverride();

private:
    static bool isRemovableDevice(const QString& device);
};
