#include "KarteFolderList.h"

#include "DataPath.h"

#include <QFile>
#include <algorithm>
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

void KarteFolderList::refresh(const QString& localFolder)
{
    const QString folder = DataPath::resolve(localFolder);
    const qint64 time = folderTime(folder);
    if (folder == folder_ && !racy_ && time == folderTime_)
        return;
    folder_ = folder;
    folderTime_ = time;
    racy_ = time < 0 || now() - time < racyNs;
    keys_.clear();
    names_ = time < 0 ? QStringList() : DataPath::list(folder, QStringLiteral("*.sxd"), &keys_);
}

QStringList KarteFolderList::withPrefix(const QString& prefix) const
{
    const QString key = prefix.toCaseFolded();
    QStringList out;
    for (auto it = std::lower_bound(keys_.cbegin(), keys_.cend(), key); it != keys_.cend() && it->startsWith(key); ++it) {
        const QString& name = names_.at(it - keys_.cbegin());
        if (name.startsWith(prefix))
            out.append(name);
    }
    return out;
}

QString KarteFolderList::path(const QString& fileName) const
{
    return folder_ + QLatin1Char('/') + fileName;
}
