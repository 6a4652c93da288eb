#pragma once

#include <QLockFile>
#include <QString>
#include <memory>

// One running program per data folder: a lock file in the data root. A lock left by a program
// that was killed is taken over.
class SingleInstance
{
public:
    enum class Result { Locked, Running, NotWritable };

    explicit SingleInstance(const QString& lockPath);
    static QString defaultLockPath();
    // Locked when this process holds the lock, Running when another instance holds it,
    // NotWritable when the lock file cannot be made (a read-only or missing folder). The folder
    // is never created here.
    Result lock();
    // True when this process holds the lock.
    bool tryLock() { return lock() == Result::Locked; }

private:
    std::unique_ptr<QLockFile> lockFile;
};
