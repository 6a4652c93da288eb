#include "VerifiedCopy.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
VerifiedCopy::Hook& hookRef()
{
    static VerifiedCopy::Hook hook;
    return hook;
}

QByteArray localName(const QString& path)
{
    return QFile::encodeName(path);
}

// Reads the whole file; dropCache first drops its cached pages, so that the bytes come from the
// device. Returns the error code, 0 when read.
int readAll(const QString& path, QByteArray& out, bool dropCache)
{
    const int fd = ::open(localName(path).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return errno;
    if (dropCache)
        ::posix_fadvise(fd, 0, 0, POSIX_FADV_DONTNEED);
    out.clear();
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            const int code = errno;
            ::close(fd);
            return code;
        }
        if (n == 0)
            break;
        out.append(buffer, n);
    }
    ::close(fd);
    return 0;
}

int writeAll(int fd, const char* data, qsizetype size)
{
    for (qsizetype done = 0; done < size;) {
        const ssize_t n = ::write(fd, data + done, size_t(size - done));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
        done += n;
    }
    return 0;
}

int syncFolder(const QString& folder)
{
    const int fd = ::open(localName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return errno;
    const int code = ::fsync(fd) == 0 || errno == EINVAL ? 0 : errno;
    ::close(fd);
    return code;
}

VerifiedCopy::Result failure(int code, const QString& path)
{
    return {VerifiedCopy::classify(code), code, path};
}
} // namespace

void VerifiedCopy::setHook(Hook hook)
{
    hookRef() = std::move(hook);
}

VerifiedCopy::Status VerifiedCopy::classify(int code)
{
    return code == ENOMEDIUM || code == ENODEV || code == ENXIO ? Status::DeviceUnavailable : Status::Failed;
}

QString VerifiedCopy::temporaryName(const QString& targetName)
{
    return QLatin1Char('.') + targetName + QStringLiteral(".copying");
}

bool VerifiedCopy::isTemporaryName(const QString& name)
{
    return name.startsWith(QLatin1Char('.')) && name.endsWith(QStringLiteral(".copying"));
}

bool VerifiedCopy::holds(const QString& path, const QByteArray& content)
{
    const QFileInfo info(path);
    if (!info.isFile() || info.size() != content.size())
        return false;
    QByteArray bytes;
    return readAll(path, bytes, true) == 0 && bytes == content;
}

VerifiedCopy::Result VerifiedCopy::copy(const QString& source, const QString& target, Mode mode)
{
    QByteArray content;
    if (const int code = readAll(source, content, false); code != 0)
        return code == ENOENT ? Result{Status::Gone, code, source} : Result{Status::Failed, code, source};
    if (mode == Mode::WhenDiffers && holds(target, content))
        return {Status::Unchanged, 0, target};
    return write(target, content);
}

VerifiedCopy::Result VerifiedCopy::write(const QString& target, const QByteArray& content)
{
    const QFileInfo info(target);
    const QString temporary = info.absolutePath() + QLatin1Char('/') + temporaryName(info.fileName());
    Result result = writeTemporary(temporary, content);
    if (result.ok() && ::rename(localName(temporary).constData(), localName(target).constData()) != 0)
        result = failure(errno, target);
    if (!result.ok()) {
        ::unlink(localName(temporary).constData());
        return result;
    }
    if (const int code = syncFolder(info.absolutePath()); code != 0)
        return failure(code, target);
    return {Status::Copied, 0, target};
}

// Writes, flushes and reads back the temporary file; the caller removes it on failure.
VerifiedCopy::Result VerifiedCopy::writeTemporary(const QString& temporary, const QByteArray& content)
{
    const int fd = ::open(localName(temporary).constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0)
        return failure(errno, temporary);
    QByteArray bytes = content;
    int code = hookRef() ? hookRef()(Stage::Write, temporary, bytes) : 0;
    if (code != 0)
        writeAll(fd, content.constData(), content.size() / 2);
    else if ((code = writeAll(fd, content.constData(), content.size())) == 0 && ::fsync(fd) != 0)
        code = errno;
    if (code == 0)
        ::posix_fadvise(fd, 0, 0, POSIX_FADV_DONTNEED);
    if (::close(fd) != 0 && code == 0)
        code = errno;
    if (code != 0)
        return failure(code, temporary);

    if ((code = readAll(temporary, bytes, true)) == 0 && hookRef())
        code = hookRef()(Stage::ReadBack, temporary, bytes);
    if (code != 0)
        return failure(code, temporary);
    if (bytes != content)
        return {Status::Failed, 0, temporary};
    return {Status::Copied, 0, temporary};
}
