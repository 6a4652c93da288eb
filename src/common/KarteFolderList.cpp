#include "KarteFolderList.h"

#include "DataPath.h"

#include <QFile>
#include <algorithm>
#include <system_error>
#include <sys/stat.h>
#include <time.h>

namespace {

// A listing taken this soon after the folder's last change is not trusted to be current: a
// further change within the resolution of the file system's times (two seconds on FAT media)
// would leave the time where it was.
constexpr qint64 racyNs = 3'000'000'000;

qint64 nanoseconds(const timespec& t)
{
    return qint64(t.tv_sec) * 1'000'000'000 + t.tv_nsec;
}

// The folder's modification time in nanoseconds; -1 when it cannot be read.
qint64 folderTime(const QString& localFolder)
{
    struct stat info;
    if (::stat(QFile::encodeName(localFolder).constData(), &info) != 0 || !S_ISDIR(info.st_mode))
        return -1;
    return nanoseconds(info.st_mtim);
}

qint64 now()
{
    timespec t;
    clock_gettime(CLOCK_REALTIME, &t);
    return nanoseconds(t);
}

} // namespace

KarteFolderList::Listing KarteFolderList::list(const QString& resolvedFolder, qint64 folderTime)
{
    Listing out;
    out.folder = resolvedFolder;
    out.folderTime = folderTime;
    out.racy = folderTime < 0 || now() - folderTime < racyNs;
    if (folderTime >= 0)
        out.names = DataPath::list(resolvedFolder, QStringLiteral("*.sxd"), &out.keys);
    return out;
}

void KarteFolderList::refresh(const QString& localFolder)
{
    settle();
    const QString folder = DataPath::resolve(localFolder);
    const qint64 time = folderTime(folder);
    if (folder == current_.folder && !current_.racy && time == current_.folderTime)
        return;
    current_ = list(folder, time);
}

void KarteFolderList::refreshInBackground(const QString& localFolder)
{
    settle();
    try {
        // Only the path goes to the other thread: it looks up nothing that this one may change.
        pending_ = std::async(std::launch::async, [folder = localFolder] {
            const QString resolved = DataPath::resolve(folder);
            return list(resolved, folderTime(resolved));
        });
    } catch (const std::system_error&) {
        refresh(localFolder);  // no thread to be had: listed here and now
    }
}

QStringList KarteFolderList::withPrefix(const QString& prefix) const
{
    settle();
    const QStringList& keys = current_.keys;
    const QString key = prefix.toCaseFolded();
    QStringList out;
    for (auto it = std::lower_bound(keys.cbegin(), keys.cend(), key); it != keys.cend() && it->startsWith(key); ++it) {
        const QString& name = current_.names.at(it - keys.cbegin());
        if (name.startsWith(prefix))
            out.append(name);
    }
    return out;
}

QString KarteFolderList::path(const QString& fileName) const
{
    settle();
    return current_.folder + QLatin1Char('/') + fileName;
}
