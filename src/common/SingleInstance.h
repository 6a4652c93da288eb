#pragma once

#include <QLockFile>
#include <QString>
#include <memory>

// One running program per data folder: a lock file in the data root. A lock left by a program
// that was killed is taken over.
class SingleInstance
{
public:
    explicit SingleInstance(const QString& lockPath);
    static QString defaultLockPath();
    // True when this process holds the lock (no other instance runs).
    bool tryLock();

private:
    std::unique_ptr<QLockFile> lock;
};
