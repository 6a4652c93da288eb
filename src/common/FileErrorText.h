#pragma once

#include <QString>

class QFileDevice;

// The messages about a file that could not be read, written or removed: what failed and the
// file's path, then, for the common causes (no space left, no permission, a read-only file or
// drive, a missing folder), the reason in Japanese. The system's own text is never shown: it is
// untranslated and names internals the user cannot act on.
class FileErrorText
{
public:
    static QString readFailed(const QString& localPath);
    // code: the system's error code when the caller has it (0: found from the device's error).
    static QString writeFailed(const QString& localPath, const QFileDevice& file, int code = 0);
    static QString removeFailed(const QString& localPath, const QFileDevice& file);
    static QString folderFailed(const QString& localFolder);

    // The reason of a failed write or removal, from the error and the state of the file and its
    // folder; empty when the cause is none of the common ones.
    static QString writeReason(const QString& localPath, const QFileDevice& file, int code = 0);
    static QString readReason(const QString& localPath);
    // Why files cannot be made in a folder: a read-only drive or no permission; empty otherwise.
    static QString folderReason(const QString& localFolder);
    // The reason of a system error code of the common kinds; empty for any other code.
    static QString errnoReason(int code);

    // "<what>: <path>", followed by "（<reason>）" when there is a reason.
    static QString compose(const QString& what, const QString& localPath, const QString& reason);
};
