#include "KarteSakiyomi.h"

#include <system_error>

KarteSakiyomi::KarteSakiyomi(const QString& localFolder, const QStringList& fileNames)
    : folder(localFolder), names(fileNames)
{
    if (names.isEmpty())
        return;
    try {
        reader = std::thread([this] { readAll(); });
    } catch (const std::system_error&) {
        // Without a thread of its own every file is read when it is asked for.
    }
}

KarteSakiyomi::~KarteSakiyomi()
{
    if (!reader.joinable())
        return;
    {
        const std::lock_guard<std::mutex> lock(mutex);
        stopping = true;
    }
    readerWakes.notify_one();
    reader.join();
}

QString KarteSakiyomi::pathOf(qsizetype i) const
{
    return folder + QLatin1Char('/') + names.at(i);
}

void KarteSakiyomi::read(qsizetype i, Slot& slot) const
{
    slot.errorText.clear();
    if (slot.bytes.capacity() > (1 << 20))
        slot.bytes = QByteArray();  // the memory of an outsize file goes back
    slot.status = TextFile::readBytes(pathOf(i), slot.bytes, &slot.errorText);
}

void KarteSakiyomi::readAll()
{
    for (qsizetype i = 0; i < names.size(); ++i) {
        {
            std::unique_lock<std::mutex> lock(mutex);
            if (full == ringSize || fullBytes >= aheadBytes) {
                readerWaits = true;
                readerWakes.wait(lock, [&] { return stopping || readerMayGoOn(); });
                readerWaits = false;
            }
            if (stopping)
                return;
        }
        Slot& slot = ring[size_t(i % ringSize)];
        read(i, slot);  // a buffer not yet full is the reader's alone
        const std::lock_guard<std::mutex> lock(mutex);
        ++full;
        fullBytes += slot.bytes.size();
        if (callerWaits && (full >= ringSize / 2 || fullBytes >= aheadBytes || i + 1 == names.size()))
            callerWakes.notify_one();
    }
}

bool KarteSakiyomi::next(QString& path, QByteArray& bytes, TextFile::Status& status, QString& errorText)
{
    if (taken >= names.size())
        return false;
    Slot& slot = ring[size_t(taken % ringSize)];
    if (reader.joinable()) {
        std::unique_lock<std::mutex> lock(mutex);
        if (full == 0) {
            const qsizetype left = names.size() - taken;
            callerWaits = true;
            callerWakes.wait(lock, [&] { return full >= std::min<qsizetype>(ringSize / 2, left) || fullBytes >= aheadBytes; });
            callerWaits = false;
        }
    } else {
        read(taken, slot);
    }
    path = pathOf(taken);
    const qsizetype size = slot.bytes.size();
    bytes.swap(slot.bytes);
    status = slot.status;
    errorText = slot.errorText;
    ++taken;
    if (reader.joinable()) {
        const std::lock_guard<std::mutex> lock(mutex);
        --full;
        fullBytes -= size;
        if (readerWaits && readerMayGoOn())
            readerWakes.notify_one();
    }
    return true;
}
