#include "KarteScan.h"

#include "KarteSakiyomi.h"
#include "KarteText.h"
#include "common/Cp932.h"
#include "common/KarteFolderList.h"
#include "common/TextFile.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <cstring>

namespace {

// The tag, with its separator, that starts each line of a block ("Name'", "Data'", "Sinsatu'"),
// compared as one word: a scan checks it on every line of every chart.
class BlockTag
{
public:
    explicit BlockTag(const QByteArray& tag) : bytes(tag)
    {
        Q_ASSERT(tag.size() <= 8);
        char head[8] = {};
        char ones[8] = {};
        std::memcpy(head, tag.constData(), size_t(tag.size()));
        std::memset(ones, 0xFF, size_t(tag.size()));
        std::memcpy(&word, head, 8);
        std::memcpy(&mask, ones, 8);
    }
    bool starts(QByteArrayView line) const
    {
        if (line.size() < 8)
            return line.startsWith(bytes);
        quint64 head;
        std::memcpy(&head, line.data(), 8);
        return (head & mask) == word;
    }

private:
    QByteArray bytes;
    quint64 word = 0;
    quint64 mask = 0;
};

const QList<BlockTag>& blockTags()
{
    static const QList<BlockTag> tags = [] {
        QList<BlockTag> out;
        for (int r = 0; r < KarteBlock::LineCount; ++r)
            out.append(BlockTag(KarteBlock::tag(r).toLatin1() + '\''));
        return out;
    }();
    return tags;
}

// Reports the progress of a whole-year scan at its start, at most every interval while it runs,
// and at its end.
class ProgressReport
{
public:
    ProgressReport(const KarteScan::ProgressFn& report, int total) : report(report)
    {
        progress.total = total;
        if (report)
            report(progress);
        timer.start();
    }
    void chartRead(const QString& fileName)
    {
        ++progress.done;
        if (!report || (progress.done < progress.total && timer.elapsed() < KarteScan::progressIntervalMs))
            return;
        progress.fileName = fileName;
        report(progress);
        timer.restart();
    }

private:
    const KarteScan::ProgressFn& report;
    KarteScan::Progress progress;
    QElapsedTimer timer;
};

} // namespace

int KarteScan::blockStart(int k)
{
    return 2 + KarteBlock::LineCount * k;
}

QString KarteScan::damageText(const QString& localPath, int line, const QString& reason)
{
    const QString name = QFileInfo(localPath).fileName();
    if (line < 0)
        return QStringLiteral("カルテが壊れています: %1（%2）").arg(name, reason);
    return QStringLiteral("カルテが壊れています: %1（%2 行目: %3）").arg(name).arg(line + 1).arg(reason);
}

QString KarteScan::missingText(const QString& localPath)
{
    return QStringLiteral("カルテがありません: %1").arg(QFileInfo(localPath).fileName());
}

void KarteScan::fail(int line, const QString& reason)
{
    errorLine = line;
    errorText = damageText(path, line, reason);
}

std::optional<QString> KarteScan::decode(int line, QString* report) const
{
    std::optional<QString> text = Cp932::decode(rawLine(line));
    if (!text && report)
        *report = damageText(path, line, QStringLiteral("読み取れない文字があります"));
    return text;
}

KarteScan KarteScan::read(const QString& localPath)
{
    KarteScan scan;
    scan.load(localPath);
    return scan;
}

KarteScan KarteScan::check(const QString& localPath, const QByteArray& content)
{
    KarteScan scan;
    scan.path = localPath;
    scan.content_ = content;
    scan.checkContent();
    return scan;
}

void KarteScan::load(const QString& localPath)
{
    QString readError;
    const TextFile::Status status = TextFile::readBytes(localPath, content_, &readError);
    take(localPath, status, readError);
}

void KarteScan::take(const QString& localPath, TextFile::Status status, const QString& readError)
{
    path = localPath;
    errorText = readError;
    errorLine = -1;
    missing = false;
    lineCount_ = 0;
    if (status == TextFile::Status::Missing) {
        missing = true;
        errorText = missingText(localPath);
    }
    if (status == TextFile::Status::Ok)
        checkContent();
}

void KarteScan::checkContent()
{
    lineCount_ = KarteText::splitCounting(content_, lines_);
    if (checkHeader())
        checkBlocks();
}

bool KarteScan::checkHeader()
{
    if (lineCount_ < 2) {
        fail(int(lineCount_), QStringLiteral("農家と個体の行がありません"));
        return false;
    }
    QString report;
    for (int line = 0; line < 2; ++line) {
        const std::optional<QString> text = decode(line, &report);
        QString reason;
        if (text && line == 0) {
            if (const std::optional<KarteNoukaRecord> nouka = KarteNoukaRecord::parse(*text, &reason)) {
                nouka_ = *nouka;
                continue;
            }
        } else if (text) {
            if (const std::optional<KarteKotaiRecord> kotai = KarteKotaiRecord::parse(*text, &reason)) {
                kotai_ = *kotai;
                continue;
            }
        }
        errorLine = line;
        errorText = text ? damageText(path, line, reason) : report;
        return false;
    }
    return true;
}

bool KarteScan::checkBlocks()
{
    const int lines = lineCount();
    if ((lines - 2) % KarteBlock::LineCount != 0) {
        const int start = blockStart((lines - 2) / KarteBlock::LineCount);
        fail(start, QStringLiteral("病歴が途中で切れています（%1 行しかありません）").arg(lines - start));
        return false;
    }
    const QList<BlockTag>& tags = blockTags();
    for (int start = 2; start < lines; start += KarteBlock::LineCount) {
        for (int r = 0; r < KarteBlock::LineCount; ++r) {
            const QByteArrayView line = rawLine(start + r);
            if (!tags.at(r).starts(line)) {
                fail(start + r, QStringLiteral("行の種類が違います（%1 の行のはずです）").arg(KarteBlock::tag(r)));
                return false;
            }
            // A field more, or text after the last one, would be lost when the episode is saved.
            const int fields = lines_[size_t(start + r)].fields;
            if (fields != KarteBlock::FieldCount) {
                fail(start + r, QStringLiteral("項目が16個ではありません（%1 個）").arg(fields));
                return false;
            }
            if (KarteText::textAfterLastField(line)) {
                fail(start + r, QStringLiteral("最後の項目の後に文字があります"));
                return false;
            }
        }
    }
    return true;
}

std::optional<KarteNameRecord> KarteScan::nameRecord(int k, QString* report) const
{
    const std::optional<QStringList> fields = blockLine(k, 0, report);
    if (!fields)
        return std::nullopt;
    return KarteNameRecord::fromFields(*fields);
}

std::optional<QList<KarteNameRecord>> KarteScan::nameRecords(QString* report) const
{
    QList<KarteNameRecord> names;
    names.reserve(blockCount());
    for (int k = 0; k < blockCount(); ++k) {
        std::optional<KarteNameRecord> name = nameRecord(k, report);
        if (!name)
            return std::nullopt;
        names.append(std::move(*name));
    }
    return names;
}

int KarteScan::findEpisode(const QString& byoName, const QString& syosinDate, QString* report) const
{
    for (int k = 0; k < blockCount(); ++k) {
        const std::optional<KarteNameRecord> name = nameRecord(k, report);
        if (!name)
            return -1;
        if (name->isEpisode(byoName, syosinDate))
            return k;
    }
    return -1;
}

std::optional<QStringList> KarteScan::blockLine(int k, int row, QString* report) const
{
    const int line = blockStart(k) + row;
    if (k < 0 || k >= blockCount() || row < 0 || row >= KarteBlock::LineCount) {
        if (report)
            *report = damageText(path, line, QStringLiteral("その行はありません"));
        return std::nullopt;
    }
    const std::optional<QString> text = decode(line, report);
    if (!text)
        return std::nullopt;
    return KarteText::fields(*text, KarteBlock::FieldCount);
}

std::optional<KarteEpisode> KarteScan::episode(int k, QString* report) const
{
    KarteEpisode episode;
    for (int r = 0; r < KarteBlock::LineCount; ++r) {
        const std::optional<QStringList> fields = blockLine(k, r, report);
        if (!fields)
            return std::nullopt;
        episode.block().setRow(r, *fields);
    }
    return episode;
}

bool KarteScan::forEachRead(const QString& localFolder, const QStringList& fileNames, const ChartFn& visit,
                            const ProgressFn& progress)
{
    ProgressReport report(progress, int(fileNames.size()));
    KarteSakiyomi ahead(localFolder, fileNames);
    KarteScan scan;
    QString localPath;
    TextFile::Status status;
    QString readError;
    for (const QString& name : fileNames) {
        ahead.next(localPath, scan.content_, status, readError);
        scan.take(localPath, status, readError);
        report.chartRead(name);
        if (!visit(scan))
            return false;
    }
    return true;
}

bool KarteScan::forEachChart(const QString& localFolder, const QStringList& fileNames, const ChartFn& visit,
                             QStringList* reports, const ProgressFn& progress)
{
    const auto sound = [&](const KarteScan& scan) {
        if (scan.ok())
            return visit(scan);
        if (reports)
            reports->append(scan.errorText);
        return true;
    };
    return forEachRead(localFolder, fileNames, sound, progress);
}

bool KarteScan::forEachChart(const KarteFolderList& list, const ChartFn& visit, QStringList* reports,
                             const ProgressFn& progress)
{
    return forEachChart(list.folder(), list.names(), visit, reports, progress);
}

bool KarteScan::forEachEpisode(const QString& localFolder, const QStringList& fileNames, const EpisodeFn& visit,
                               QStringList* reports, const ProgressFn& progress)
{
    const auto chart = [&](const KarteScan& scan) {
        QString report;
        const std::optional<QList<KarteNameRecord>> names = scan.nameRecords(&report);
        if (!names) {
            if (reports)
                reports->append(report);
            return true;
        }
        for (int k = 0; k < names->size(); ++k)
            if (!visit(scan, k, names->at(k)))
                return false;
        return true;
    };
    return forEachChart(localFolder, fileNames, chart, reports, progress);
}

bool KarteScan::forEachEpisode(const KarteFolderList& list, const EpisodeFn& visit, QStringList* reports,
                               const ProgressFn& progress)
{
    return forEachEpisode(list.folder(), list.names(), visit, reports, progress);
}
