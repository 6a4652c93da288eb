#include "TextFile.h"

#include "Cp932.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

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
    const char* data = content.constData();
    const qsizetype n = content.size();
    qsizetype start = 0;
    for (qsizetype i = 0; i < n; ++i) {
        const char c = data[i];
        if (c != '\r' && c != '\n')
            continue;
        out.append(QByteArrayView(data + start, i - start));
        if (c == '\r' && i + 1 < n && data[i + 1] == '\n')
            ++i;
        start = i + 1;
    }
    if (start < n)
        out.append(QByteArrayView(data + start, n - start));
    return out;
}

bool TextFile::readRawViews(const QString& localPath, QByteArray& content, QList<QByteArrayView>& views,
                            QString* errorText)
{
    QFile file(localPath);
    if (!file.open(QIODevice::ReadOnly)) {
        if (errorText)
            *errorText = file.exists() ? QStringLiteral("ファイルを読めません: %1（%2）").arg(localPath, file.errorString())
                                       : QStringLiteral("ファイルがありません: %1").arg(localPath);
        return false;
    }
    content = file.readAll();
    views = lineViews(content);
    return true;
}

bool TextFile::readRaw(const QString& localPath, QList<QByteArray>& rawLines, QString* errorText)
{
    QFile file(localPath);
    if (!file.exists()) {
        if (errorText)
            *errorText = QStringLiteral("ファイルがありません: %1").arg(localPath);
        return false;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        if (errorText)
            *errorText = QStringLiteral("ファイルを読めません: %1（%2）").arg(localPath, file.errorString());
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
        result.errorText = QStringLiteral("ファイルがありません: %1").arg(localPath);
        return result;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        result.status = Status::ReadError;
        result.errorText = QStringLiteral("ファイルを読めません: %1（%2）").arg(localPath, file.errorString());
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
