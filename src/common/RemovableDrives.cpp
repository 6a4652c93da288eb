#include "RemovableDrives.h"

#include "DataPath.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStorageInfo>
#include <optional>

namespace {
std::optional<QStringList>& overrideRef()
{
    static std::optional<QStringList> folders;
    return folders;
}

QList<RemovableDrives::Drive> drivesOf(const QStringList& folders)
{
    QList<RemovableDrives::Drive> out;
    for (const QString& folder : folders)
        if (!folder.isEmpty())
            out.append({QDir::cleanPath(folder), QFileInfo(folder).fileName(), true});
    return out;
}
} // namespace

void RemovableDrives::setOverride(const QStringList& folders)
{
    overrideRef() = folders;
}

void RemovableDrives::clearOverride()
{
    overrideRef().reset();
}

// /sys/block/<disk>/removable is 1 for removable media; a partition sda1 belongs to disk sda.
bool RemovableDrives::isRemovableDevice(const QString& device)
{
    QString name = QFileInfo(device).fileName();
    if (name.isEmpty())
        return false;
    for (int tries = 0; tries < 3 && !name.isEmpty(); ++tries) {
        QFile flag(QStringLiteral("/sys/block/%1/removable").arg(name));
        if (flag.open(QIODevice::ReadOnly))
            return flag.readAll().trimmed() == "1";
        name.chop(1);
        if (name.endsWith(QLatin1Char('p')))
            name.chop(1);
    }
    return false;
}

QString RemovableDrives::Drive::caption() const
{
    return name.isEmpty() || name == rootPath ? rootPath : name + QStringLiteral(" (") + rootPath + QLatin1Char(')');
}

// A disk that stays in the machine: a real block device, mounted writable, not under /boot.
bool RemovableDrives::isDiskVolume(const QStorageInfo& volume)
{
    const QString device = QString::fromLocal8Bit(volume.device());
    return device.startsWith(QLatin1String("/dev/")) && !volume.isReadOnly()
           && !volume.rootPath().startsWith(QLatin1String("/boot")) && !isRemovableDevice(device);
}

QList<RemovableDrives::Drive> RemovableDrives::list(bool withFixed)
{
    if (overrideRef())
        return drivesOf(*overrideRef());
    const QByteArray env = qgetenv("NOLVARI_REMOVABLE_DRIVES");
    if (!env.isEmpty())
        return drivesOf(QString::fromLocal8Bit(env).split(QLatin1Char(':')));
    QList<Drive> out;
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
        if (!volume.isValid() || !volume.isReady())
            continue;
        const QString device = QString::fromLocal8Bit(volume.device());
        if (device.startsWith(QLatin1String("/dev/")) && isRemovableDevice(device))
            out.append({volume.rootPath(), volume.displayName()});
        else if (withFixed && isDiskVolume(volume))
            out.append({volume.rootPath(), volume.displayName()});
    }
    if (withFixed) {
        const QStorageInfo data(DataPath::root());
        const Drive dataDrive{data.rootPath(), data.displayName()};
        if (data.isValid() && data.isReady() && !data.isReadOnly() && !out.contains(dataDrive))
            out.append(dataDrive);
    }
    return out;
}

bool RemovableDrives::isAvailable(const Drive& drive, bool withFixed)
{
    if (!list(withFixed).contains(drive))
        return false;
    if (drive.folder)
        return QFileInfo(drive.rootPath).isDir();
    const QStorageInfo volume(drive.rootPath);
    return volume.isValid() && volume.isReady() && volume.rootPath() == drive.rootPath;
}
