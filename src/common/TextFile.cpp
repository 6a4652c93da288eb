#include "TextFile.h"

#include "Cp932.h"
#include "FileErrorText.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSaveFile>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <limits>
#include <fcntl.h>
#include <unistd.h>

namespace {
qint64 failAfterBytes = -1;
}

TextLine TextLine::read(const QByteArray& raw, const QString& decoded)
{
    TextLine line(decoded);
    line.bytes = raw;
    line.fromFile = true;
    return line;
}

bool TextLine::encoded(QByteArray& out, qsizetype* badIndex) const
{
    if (fromFile) {
        const std::optional<QString> original = Cp932::decode(bytes);
        if (original && *original == text) {
            out = bytes;
            return true;
        }
    }
    const std::optional<QByteArray> enc = Cp932::encode(text, badIndex);
    if (!enc)
        return false;
    out = *enc;
    return true;
}

QStringList TextFile::texts() const
{
    QStringList out;
    out.reserve(lines.size());
    for (const TextLine& line : lines)
        out.append(line.text);
    return out;
}

QList<QByteArray> TextFile::splitLines(const QByteArray& content, QList<qsizetype>* starts)
{
    QList<QByteArray> out;
    qsizetype start = 0;
    const qsizetype n = content.size();
    for (qsizetype i = 0; i < n; ++i) {
        const char c = content.at(i);
        if (c != '\r' && c != '\n')
            continue;
        out.append(content.mid(start, i - start));
        if (starts)
            starts->append(start);
        if (c == '\r' && i + 1 < n && content.at(i + 1) == '\n')
            ++i;
        start = i + 1;
    }
    if (start < n) {
        out.append(content.mid(start));
        if (starts)
            starts->append(start);
    }
    return out;
}

QList<QByteArrayView> TextFile::lineViews(const QByteArray& content)
{
    QList<QByteArrayView> out;
    lineViews(content, out);
    return out;
}

void TextFile::lineViews(QByteArrayView content, QList<QByteArrayView>& out, qsizetype maxLines)
{
    out.clear();
    const char* p = content.data();
    const char* const end = p + content.size();
    while (p < end && out.size() != maxLines) {
        const char* lf = static_cast<const char*>(std::memchr(p, '\n', size_t(end - p)));
        if (!lf)
            lf = end;
        const char* cr = static_cast<const char*>(std::memchr(p, '\r', size_t(lf - p)));
        out.append(QByteArrayView(p, (cr ? cr : lf) - p));
        if (cr && cr + 1 != lf)
            p = cr + 1;  // a line ended by CR alone
        else
            p = lf == end ? end : lf + 1;
    }
}

namespace {
QString missingFileText(const QString& localPath)
{
    return QStringLiteral("ファイルがありません: %1").arg(localPath);
}

// Reads what the descriptor holds into buffer, up to maxBytes when maxBytes >= 0. The buffer's
// memory from the file read before serves as long as it is large enough.
bool readAll(int fd, QByteArray& buffer, qint64 maxBytes)
{
    // A reader still holding the last file's bytes keeps them; this file gets memory of its own.
    if (!buffer.isDetached())
        buffer = QByteArray();
    const qint64 limit = maxBytes >= 0 ? maxBytes : std::numeric_limits<qint64>::max();
    buffer.resize(std::min<qint64>(std::max<qint64>(buffer.capacity(), 4096), limit));
    qint64 size = 0;
    while (size < limit) {
        if (size == buffer.size())
            buffer.resize(std::min(size * 2, limit));
        const ssize_t got = ::read(fd, buffer.data() + size, size_t(buffer.size() - size));
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0 && errno == EAGAIN)
            break;
        if (got < 0)
            return false;
        if (got == 0)
            break;
        size += got;
    }
    buffer.resize(size);
    return true;
}
} // namespace

TextFile::Status TextFile::readBytes(const QString& localPath, QByteArray& buffer, QString* errorText,
                                     qint64 maxBytes)
{
    // Not blocking: a pipe of that name must not stop the program; it reads as empty.
    const int fd = ::open(QFile::encodeName(localPath).constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    const bool read = fd >= 0 && readAll(fd, buffer, maxBytes);
    const int error = errno;
    if (fd >= 0)
        ::close(fd);
    if (read)
        return Status::Ok;
    const bool missing = error == ENOENT || error == ENOTDIR || error == EISDIR;
    if (errorText)
        *errorText = missing ? missingFileText(localPath) : FileErrorText::readFailed(localPath);
    return missing ? Status::Missing : Status::ReadError;
}

bool TextFile::readRaw(const QString& localPath, QList<QByteArray>& rawLines, QString* errorText)
{
    QFile file(localPath);
    if (!file.exists()) {
        if (errorText)
            *errorText = missingFileText(localPath);
        return false;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        if (errorText)
            *errorText = FileErrorText::readFailed(localPath);
        return false;
    }
    rawLines = splitLines(file.readAll());
    return true;
}

QString TextFile::decodeErrorText(const QString& localPath, int line, qsizetype offset)
{
    return QStringLiteral("ファイルの文字を読み取れません: %1（%2 行目、%3 バイト目）")
        .arg(localPath).arg(line + 1).arg(offset);
}

TextFile TextFile::read(const QString& localPath)
{
    TextFile result;
    result.path = localPath;
    QFile file(localPath);
    if (!QFileInfo(localPath).isFile()) {
        result.status = Status::Missing;
        result.errorText = missingFileText(localPath);
        return result;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        result.status = Status::ReadError;
        result.errorText = FileErrorText::readFailed(localPath);
        return result;
    }
    const QByteArray content = file.readAll();
    QList<qsizetype> starts;
    const QList<QByteArray> raw = splitLines(content, &starts);
    result.lines.reserve(raw.size());
    for (qsizetype i = 0; i < raw.size(); ++i) {
        const QByteArray& bytes = raw.at(i);
        qsizetype bad = 0;
        const std::optional<QString> text = Cp932::decode(bytes, &bad);
        if (!text) {
            result.status = Status::DecodeError;
            result.errorLine = int(i);
            result.errorOffset = starts.at(i) + bad;
            result.errorText = decodeErrorText(localPath, result.errorLine, result.errorOffset);
            result.lines.clear();
            return result;
        }
        result.lines.append(TextLine::read(bytes, *text));
    }
    result.status = Status::Ok;
    return result;
}

bool TextFile::write(const QString& localPath, const QList<TextLine>& lines, QString* errorText)
{
    QByteArray content;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        QByteArray bytes;
        qsizetype bad = -1;
        if (!lines.at(i).encoded(bytes, &bad)) {
            if (errorText)
                *errorText = QStringLiteral("書き込めない文字があります: %1（%2 行目の「%3」）")
                                 .arg(localPath).arg(i + 1).arg(lines.at(i).text.mid(bad, 1));
            return false;
        }
        content += bytes;
        content += "\r\n";
    }
    return writeBytes(localPath, content, errorText);
}

bool TextFile::write(const QString& localPath, const QStringList& lines, QString* errorText)
{
    return write(localPath, keepingBytesOf(read(localPath), lines), errorText);
}

// The line at the same place is preferred, so that two lines whose bytes differ but read the same
// each keep their own; otherwise the first line of that text.
QList<TextLine> TextFile::keepingBytesOf(const TextFile& previous, const QStringList& lines)
{
    QHash<QString, qsizetype> firstOf;
    for (qsizetype i = previous.lines.size() - 1; i >= 0; --i)
        firstOf.insert(previous.lines.at(i).text, i);
    QList<TextLine> out;
    out.reserve(lines.size());
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString& text = lines.at(i);
        if (i < previous.lines.size() && previous.lines.at(i).text == text)
            out.append(previous.lines.at(i));
        else if (const auto it = firstOf.constFind(text); it != firstOf.cend())
            out.append(previous.lines.at(*it));
        else
            out.append(TextLine(text));
    }
    return out;
}

// The temporary file is written unbuffered and synced before it replaces the target, so that a
// short write or a failed flush (a full disk, a size limit) is seen before the commit and the old
// file stays as it was.
bool TextFile::writeBytes(const QString& localPath, const QByteArray& content, QString* errorText)
{
    QSaveFile file(localPath);
    auto fail = [&](int code) {
        if (errorText)
            *errorText = FileErrorText::writeFailed(localPath, file, code);
        file.cancelWriting();
        return false;
    };
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return fail(0);
    if (failAfterBytes >= 0) {
        const qint64 limit = failAfterBytes;
        failAfterBytes = -1;
        file.write(content.left(limit));
        return fail(ENOSPC);
    }
    // A short write is retried with the rest, so that the device reports why it stopped.
    for (qsizetype done = 0; done < content.size();) {
        const qint64 n = file.write(content.constData() + done, content.size() - done);
        if (n <= 0)
            return fail(0);
        done += n;
    }
    if (::fsync(file.handle()) != 0)
        return fail(errno);
    if (!file.commit())
        return fail(0);
    return true;
}

void TextFile::failNextWriteAfterBytes(qint64 bytes)
{
    failAfterBytes = bytes;
}
