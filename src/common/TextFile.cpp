#include "TextFile.h"

#include "Cp932.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
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

QString unreadableFileText(const QString& localPath, const QString& reason)
{
    return QStringLiteral("ファイルを読めません: %1（%2）").arg(localPath, reason);
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
        *errorText = missing ? missingFileText(localPath) : unreadableFileText(localPath, qt_error_string(error));
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
            *errorText = unreadableFileText(localPath, file.errorString());
        return false;
    }
    rawLines = splitLines(file.readAll());
    return true;
}

QString TextFile::decodeErrorText(const QString& localPath, qsizetype offset)
{
    return QStringLiteral("ファイルの文字を読み取れません: %1（%2 バイト目）").arg(localPath).arg(offset);
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
        result.errorText = unreadableFileText(localPath, file.errorString());
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
            result.errorText = decodeErrorText(localPath, result.errorOffset);
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
    QList<TextLine> out;
    out.reserve(lines.size());
    for (const QString& line : lines)
        out.append(TextLine(line));
    return write(localPath, out, errorText);
}

bool TextFile::writeBytes(const QString& localPath, const QByteArray& content, QString* errorText)
{
    QSaveFile file(localPath);
    auto fail = [&](const QString& why) {
        file.cancelWriting();
        if (errorText)
            *errorText = QStringLiteral("ファイルを書き込めません: %1（%2）").arg(localPath, why);
        return false;
    };
    if (!file.open(QIODevice::WriteOnly))
        return fail(file.errorString());
    if (failAfterBytes >= 0) {
        const qint64 limit = failAfterBytes;
        failAfterBytes = -1;
        file.write(content.left(limit));
        return fail(QStringLiteral("書き込みが途中で失敗しました"));
    }
    if (file.write(content) != content.size())
        return fail(file.errorString());
    if (!file.commit()) {
        if (errorText)
            *errorText = QStringLiteral("ファイルを書き込めません: %1（%2）").arg(localPath, file.errorString());
        return false;
    }
    return true;
}

void TextFile::failNextWriteAfterBytes(qint64 bytes)
{
    failAfterBytes = bytes;
}
