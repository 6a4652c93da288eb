#pragma once

#include <QByteArray>
#include <QString>
#include <functional>

// Copies one file onto a drive so that a copy reported good is good: the content goes to a
// temporary name in the target folder, is flushed to the medium and its cached pages dropped, is
// read back from the device and compared byte for byte with the source, and only then replaces
// the target by a rename. On any failure the target stays as it was and the temporary file is
// removed. Backup, export and import copy through here.
class VerifiedCopy
{
public:
    enum class Mode { Always, WhenDiffers };
    enum class Status { Copied, Unchanged, Gone, DeviceUnavailable, Failed };
    struct Result
    {
        Status status = Status::Copied;
        int code = 0;          // the system's error code of a failure (0: a read-back mismatch)
        QString path;          // the file the failure concerns

        bool ok() const { return status == Status::Copied || status == Status::Unchanged || status == Status::Gone; }
    };

    // Copies source to target. WhenDiffers leaves a target of equal content alone (length first,
    // then bytes). A source that no longer exists gives Gone and writes nothing.
    static Result copy(const QString& source, const QString& target, Mode mode);
    // Writes content to target through the same temporary name, flush and read-back check.
    static Result write(const QString& target, const QByteArray& content);
    // True when the file at path holds exactly content, read from the device.
    static bool holds(const QString& path, const QByteArray& content);

    // The temporary name beside a target: hidden, and ending in neither "ixb" nor "ini", so that
    // a leftover is never listed nor taken for a book or a list.
    static QString temporaryName(const QString& targetName);
    static bool isTemporaryName(const QString& name);

    // A lost medium (no medium, no device) is the device-unavailable failure; anything else is a
    // failure of the run.
    static Status classify(int code);

    // Test hook, called with the target's path and the bytes at each stage: before writing
    // (a non-zero result: the write stops half way with that error code) and after reading back
    // (the bytes may be changed; a non-zero result: the read fails with that code).
    enum class Stage { Write, ReadBack };
    using Hook = std::function<int(Stage, const QString& target, QByteArray& bytes)>;
    static void setHook(Hook hook);

private:
    static Result writeTemporary(const QString& target, const QByteArray& content);
};
