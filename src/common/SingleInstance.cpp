#include "SingleInstance.h"

#include "DataPath.h"

SingleInstance::SingleInstance(const QString& lockPath) : lockFile(std::make_unique<QLockFile>(lockPath))
{
    lockFile->setStaleLockTime(0);
}

QString SingleInstance::defaultLockPath()
{
    return DataPath::root() + QStringLiteral("/.nolvari.lock");
}

SingleInstance::Result SingleInstance::lock()
{
    if (lockFile->isLocked() || lockFile->tryLock(0))
        return Result::Locked;
    return lockFile->error() == QLockFile::LockFailedError ? Result::Running : Result::NotWritable;
}
