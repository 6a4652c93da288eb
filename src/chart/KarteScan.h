#pragma once

#include "KarteEpisode.h"
#include "KarteKotaiRecord.h"
#include "KarteNameRecord.h"
#include "KarteNoukaRecord.h"
#include "KarteText.h"
#include "common/TextFile.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <vector>

class KarteFolderList;

// A chart read for scanning. The file is read once and split into lines once; its structure is
// checked on the bytes (the two header lines, complete blocks of 224 lines, each block line with
// its tag and exactly 16 fields) and only the two header lines are decoded. Every other line is
// decoded when a reader asks for it, and a line that does not decode is reported then, with the
// file's name and the line. A chart whose structure or header lines are damaged is not ok() and
// offers no episodes.
//
// Whole-year scans (lists, extraction, tallies, notices, records, backup) walk the charts of a
// listing one at a time through forEachChart() or forEachEpisode() below: one chart is checked at
// a time, while the next one or two are read ahead, in a few buffers that every chart reuses.
class KarteScan
{
public:
    QString path;
    QString errorText;     // empty when the chart is sound
    int errorLine = -1;    // 0-based line of the damage (-1: the file as a whole)
    bool missing = false;

    // One chart, read on its own.
    static KarteScan read(const QString& localPath);
    // Checks a chart's bytes read elsewhere.
    static KarteScan check(const QString& localPath, const QByteArray& content);

    bool ok() const { return errorText.isEmpty(); }
    int lineCount() const { return int(lineCount_); }
    // Line i as read, without its line end.
    QByteArrayView rawLine(int i) const
    {
        Q_ASSERT(i >= 0 && i < lineCount_);
        return QByteArrayView(content_.constData() + lines_[size_t(i)].start, lines_[size_t(i)].length);
    }
    int blockCount() const { return ok() ? (lineCount() - 2) / KarteBlock::LineCount : 0; }
    // The file line on which block k starts.
    static int blockStart(int k);

    const KarteNoukaRecord& nouka() const { return nouka_; }
    const KarteKotaiRecord& kotai() const { return kotai_; }

    // The "Name" line of block k; nothing, with the report, when it does not decode.
    std::optional<KarteNameRecord> nameRecord(int k, QString* report = nullptr) const;
    // The first block (from the top) whose episode has the key; -1 when the chart has none or a
    // name line before it does not decode (then with the report).
    int findEpisode(const QString& byoName, const QString& syosinDate, QString* report = nullptr) const;
    // Line row of block k, split into its 16 trimmed fields; nothing, with the report, when the
    // line does not decode.
    std::optional<QStringList> blockLine(int k, int row, QString* report = nullptr) const;
    // All 224 lines of block k; nothing, with the report of the first line that does not decode.
    std::optional<KarteEpisode> episode(int k, QString* report = nullptr) const;
    // The "Name" lines of every block; nothing, with the report, when one does not decode.
    std::optional<QList<KarteNameRecord>> nameRecords(QString* report = nullptr) const;

    static QString damageText(const QString& localPath, int line, const QString& reason);
    static QString missingText(const QString& localPath);

    // ---- Whole-year scans ----
    //
    // A scan reads the named charts of one folder in the order given (a KarteFolderList gives
    // the data year's charts in the main window's order) and passes each sound chart to the
    // caller's function. A damaged or missing chart is passed over: its report (file name, line
    // and reason, or "missing") is appended to *reports when reports is given, in list order.
    //
    // The KarteScan passed to a function is valid during the call only: the next chart is read
    // into the same memory. Keep the values you need (records, texts), not the scan; a copy of
    // the scan keeps its own lines, at the cost of the memory the scan otherwise reuses.
    //
    // A visiting function returns true to go on and false to end the scan there; the scan then
    // returns false. It returns true when every chart was visited.

    struct Progress
    {
        int done = 0;       // charts read so far
        int total = 0;      // charts the scan reads
        QString fileName;   // the chart read last (empty before the first)
    };
    // Called before the first chart, again whenever progressIntervalMs have passed since the
    // last call, and after the last chart: the place to show a status caption, let the window
    // system run between charts and count what was scanned.
    using ProgressFn = std::function<void(const Progress& progress)>;
    static constexpr int progressIntervalMs = 100;

    // Called with each sound chart.
    using ChartFn = std::function<bool(const KarteScan& chart)>;
    // Called with each episode of each sound chart, in file order: k is the block (for
    // blockLine() and episode()), name its decoded "Name" line. A chart with a name line that
    // does not decode is reported as damaged and none of its episodes is passed on.
    using EpisodeFn = std::function<bool(const KarteScan& chart, int k, const KarteNameRecord& name)>;

    static bool forEachChart(const QString& localFolder, const QStringList& fileNames, const ChartFn& visit,
                             QStringList* reports = nullptr, const ProgressFn& progress = {});
    // Every chart of the list as read, sound or not (ok(), missing, errorText tell), for the
    // scans that pass over some damage in a way of their own.
    static bool forEachRead(const QString& localFolder, const QStringList& fileNames, const ChartFn& visit,
                            const ProgressFn& progress = {});
    static bool forEachChart(const KarteFolderList& list, const ChartFn& visit, QStringList* reports = nullptr,
                             const ProgressFn& progress = {});
    static bool forEachEpisode(const KarteFolderList& list, const EpisodeFn& visit, QStringList* reports = nullptr,
                               const ProgressFn& progress = {});
    static bool forEachEpisode(const QString& localFolder, const QStringList& fileNames, const EpisodeFn& visit,
                               QStringList* reports = nullptr, const ProgressFn& progress = {});

private:
    QByteArray content_;
    std::vector<KarteText::LineSpan> lines_;  // the first lineCount_ are this chart's
    qsizetype lineCount_ = 0;
    KarteNoukaRecord nouka_;
    KarteKotaiRecord kotai_;

    // Reads the file into this scan's buffer (reused from the chart read before) and checks it.
    void load(const QString& localPath);
    // Takes bytes read into content_ (or the failure to read them) and checks them.
    void take(const QString& localPath, TextFile::Status status, const QString& readError);
    void checkContent();
    void fail(int line, const QString& reason);
    std::optional<QString> decode(int line, QString* report) const;
    bool checkHeader();
    bool checkBlocks();
};
