#include "SingleInstance.h"

#include "DataPath.h"

#include <QDir>
#include <QFileInfo>

SingleInstance::SingleInstance(const QString& lockPath) : lock(std::make_unique<QLockFile>(lockPath))
{
    lock->setStaleLockTime(0);
}

QString SingleInstance::defaultLockPath()
{
    return DataPath::root() + QStringLiteral("/.nolvari.lock");
}

bool SingleInstance::tryLock()
{
    if (lock->isLocked())
        return true;
    QDir().mkpath(QFileInfo(lock->fileName()).absolutePath());
    return lock->tryLock(0);
}
