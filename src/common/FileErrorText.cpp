#include "FileErrorText.h"

#include <QFileDevice>
#include <QFileInfo>

#include <cerrno>
#include <sys/statvfs.h>
#include <unistd.h>

namespace {

const QString NoSpace = QStringLiteral("ディスクの空きが足りません");
const QString TooLarge = QStringLiteral("ファイルが大きすぎます");
const QString ReadOnlyDrive = QStringLiteral("読み取り専用のドライブです");
const QString ReadOnlyFile = QStringLiteral("読み取り専用のファイルです");
const QString NoFolder = QStringLiteral("フォルダがありません");
const QString FolderNotWritable = QStringLiteral("フォルダに書き込む権限がありません");
const QString NoWritePermission = QStringLiteral("書き込む権限がありません");

// The system codes of the common write failures (Qt keeps only the system's text of the code).
int writeErrno(const QFileDevice& file)
{
    const QString text = file.errorString();
    for (const int code : {ENOSPC, EDQUOT, EFBIG, EROFS, EACCES, EPERM}) {
        if (text.contains(qt_error_string(code), Qt::CaseInsensitive))
            return code;
    }
    return 0;
}

bool onReadOnlyDrive(const QString& localFolder)
{
    struct statvfs info {};
    return statvfs(QFile::encodeName(localFolder).constData(), &info) == 0 && (info.f_flag & ST_RDONLY);
}

bool folderWritable(const QString& localFolder)
{
    return access(QFile::encodeName(localFolder).constData(), W_OK) == 0;
}

} // namespace

QString FileErrorText::compose(const QString& what, const QString& localPath, const QString& reason)
{
    const QString head = QStringLiteral("%1: %2").arg(what, localPath);
    return reason.isEmpty() ? head : head + QStringLiteral("（%1）").arg(reason);
}

QString FileErrorText::errnoReason(int code)
{
    switch (code) {
    case ENOSPC:
    case EDQUOT:
        return NoSpace;
    case EFBIG:
        return TooLarge;
    case EROFS:
        return ReadOnlyDrive;
    case EACCES:
    case EPERM:
        return NoWritePermission;
    default:
        return QString();
    }
}

QString FileErrorText::writeReason(const QString& localPath, const QFileDevice& file, int code)
{
    if (code == 0)
        code = writeErrno(file);
    if (code == ENOSPC || code == EDQUOT || code == EFBIG)
        return errnoReason(code);
    const QFileInfo info(localPath);
    const QString folder = info.absolutePath();
    if (!QFileInfo(folder).isDir())
        return NoFolder;
    if (code == EROFS || onReadOnlyDrive(folder))
        return ReadOnlyDrive;
    if (!folderWritable(folder))
        return FolderNotWritable;
    if (info.exists() && !info.isWritable())
        return ReadOnlyFile;
    return errnoReason(code);
}

QString FileErrorText::readReason(const QString& localPath)
{
    const QFileInfo info(localPath);
    if (!info.exists())
        return QStringLiteral("ファイルがありません");
    if (info.isDir())
        return QStringLiteral("フォルダです");
    if (!info.isReadable())
        return QStringLiteral("読む権限がありません");
    return QString();
}

QString FileErrorText::readFailed(const QString& localPath)
{
    return compose(QStringLiteral("ファイルを読めません"), localPath, readReason(localPath));
}

QString FileErrorText::writeFailed(const QString& localPath, const QFileDevice& file, int code)
{
    return compose(QStringLiteral("ファイルを書き込めません"), localPath, writeReason(localPath, file, code));
}

QString FileErrorText::removeFailed(const QString& localPath, const QFileDevice& file)
{
    return compose(QStringLiteral("ファイルを削除できません"), localPath, writeReason(localPath, file));
}

QString FileErrorText::folderReason(const QString& localFolder)
{
    if (onReadOnlyDrive(localFolder))
        return ReadOnlyDrive;
    if (QFileInfo(localFolder).isDir() && !folderWritable(localFolder))
        return FolderNotWritable;
    return QString();
}

QString FileErrorText::folderFailed(const QString& localFolder)
{
    return compose(QStringLiteral("フォルダを作れません"), localFolder,
                   folderReason(QFileInfo(localFolder).absolutePath()));
}
