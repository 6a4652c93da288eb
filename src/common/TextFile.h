#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// One line of a text file: its text and, when it was read from a file, the bytes it was read
// with (without the line end). A writer puts back the bytes of a line whose text is unchanged, so
// duplicate codes of the code page survive a rewrite byte for byte.
struct TextLine
{
    QString text;
    QByteArray bytes;
    bool fromFile = false;

    TextLine() = default;
    TextLine(const QString& t) : text(t) {}
    static TextLine read(const QByteArray& raw, const QString& decoded);

    // The bytes to write: the bytes as read while the text is unchanged, else the text encoded.
    // Returns false when the text holds a character the code page cannot hold.
    bool encoded(QByteArray& out, qsizetype* badIndex = nullptr) const;
};

// Whole-file text in the Japanese Windows code page: read as lines (CR LF, LF or CR; a last line
// without a line end is still a line), written whole with CR LF after every line through a
// temporary file that replaces the target only when complete.
class TextFile
{
public:
    enum class Status { Ok, Missing, ReadError, DecodeError };

    Status status = Status::Missing;
    QString path;
    QList<TextLine> lines;
    QString errorText;     // set unless ok(): names the file (and the line and byte offset of a bad byte)
    int errorLine = -1;    // 0-based line of a decoding error
    qsizetype errorOffset = -1;

    bool ok() const { return status == Status::Ok; }
    bool missing() const { return status == Status::Missing; }
    QStringList texts() const;

    static TextFile read(const QString& localPath);

    // The raw lines without decoding, for scans that need a few fields of a few lines.
    // Returns false (with errorText) when the file is missing or unreadable.
    static bool readRaw(const QString& localPath, QList<QByteArray>& rawLines, QString* errorText = nullptr);
    // The file's bytes (at most maxBytes of them when maxBytes >= 0) read into buffer, whose memory
    // is reused while nothing else shares it: scans read thousands of files through one buffer.
    // Missing when there is no file of that name (a folder counts as none), ReadError when it
    // cannot be read; errorText names the file in both cases.
    static Status readBytes(const QString& localPath, QByteArray& buffer, QString* errorText = nullptr,
                            qint64 maxBytes = -1);
    static QList<QByteArray> splitLines(const QByteArray& content, QList<qsizetype>* starts = nullptr);
    static QList<QByteArrayView> lineViews(const QByteArray& content);
    // The same into out, whose memory is reused; with maxLines >= 0 only the first maxLines.
    static void lineViews(QByteArrayView content, QList<QByteArrayView>& out, qsizetype maxLines = -1);

    static bool write(const QString& localPath, const QList<TextLine>& lines, QString* errorText = nullptr);
    // Writes lines of text over the file: a line whose text equals a line of the file it replaces
    // goes back with that line's bytes, so the duplicate codes of the code page (NEC and IBM rows)
    // in lines a save does not change survive byte for byte.
    static bool write(const QString& localPath, const QStringList& lines, QString* errorText = nullptr);
    // The lines to write: each text with the bytes of an equal line of previous when it has one.
    static QList<TextLine> keepingBytesOf(const TextFile& previous, const QStringList& lines);
    // Writes bytes whole through the same atomic path (used for copies).
    static bool writeBytes(const QString& localPath, const QByteArray& content, QString* errorText = nullptr);

    // Test hook: the next write fails after this many bytes have gone to the temporary file, as
    // on a full disk.
    static void failNextWriteAfterBytes(qint64 bytes);

    // Names the file, the line (0-based here, shown from 1) and the byte offset in the file.
    static QString decodeErrorText(const QString& localPath, int line, qsizetype offset);
};
