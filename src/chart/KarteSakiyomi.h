#pragma once

#include "common/TextFile.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <array>
#include <condition_variable>
#include <mutex>
#include <thread>

// Reads the files of a list in order on a thread of its own, ahead of the caller, so that reading
// the next charts from the disk overlaps checking and visiting the one before: a whole-year scan
// then takes about as long as the slower of the two instead of both. It holds at most 16 files,
// and no more than 8 MB of them, besides the caller's; their memory passes back and forth between
// the caller and the thread, so that a scan of any length keeps the same few buffers (a buffer
// grown by an outsize file is given back at its next use). Each side that has to wait waits
// until half the buffers are ready for it, so that they wake each other rarely.
class KarteSakiyomi
{
public:
    KarteSakiyomi(const QString& localFolder, const QStringList& fileNames);
    ~KarteSakiyomi();  // stops the reading, also part way through the list
    KarteSakiyomi(const KarteSakiyomi&) = delete;
    KarteSakiyomi& operator=(const KarteSakiyomi&) = delete;

    // The next file of the list: its path, its bytes (swapped into bytes, whose old memory the
    // reading reuses) and how its reading went, as TextFile::readBytes tells. False after the last.
    bool next(QString& path, QByteArray& bytes, TextFile::Status& status, QString& errorText);

private:
    struct Slot
    {
        QByteArray bytes;
        TextFile::Status status = TextFile::Status::Ok;
        QString errorText;
    };
    static constexpr int ringSize = 16;
    static constexpr qsizetype aheadBytes = 8 << 20;

    const QString folder;
    const QStringList names;
    std::array<Slot, ringSize> ring;
    qsizetype taken = 0;
    std::mutex mutex;
    int full = 0;              // buffers read and not yet taken
    qsizetype fullBytes = 0;   // the bytes they hold
    bool stopping = false;
    bool readerWaits = false;
    bool callerWaits = false;
    std::condition_variable readerWakes;
    std::condition_variable callerWakes;
    std::thread reader;  // not started when the system has no thread to give: next() then reads itself

    QString pathOf(qsizetype i) const;
    void read(qsizetype i, Slot& slot) const;
    void readAll();
    bool readerMayGoOn() const { return full <= ringSize / 2 && fullBytes < aheadBytes / 2; }
};
