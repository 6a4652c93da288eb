#pragma once

#include "KarteEpisode.h"
#include "KarteKotaiRecord.h"
#include "KarteNameRecord.h"
#include "KarteNoukaRecord.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

// A chart read for scanning: the raw lines, the structure checked on the bytes, and only the
// header lines and the name lines of the episodes decoded. Lists, tallies and printers that need
// a few fields of a few lines of many charts read through this; a damaged chart is reported
// with its file name and line and not used.
class KarteScan
{
public:
    QString path;
    QString errorText;     // empty when the chart is sound
    int errorLine = -1;    // 0-based line of the damage (-1: the file as a whole)
    bool missing = false;
    // A view of each line into the file's bytes, which the scan holds and never changes.
    QList<QByteArrayView> raw;

    static KarteScan read(const QString& localPath);
    // Checks lines read elsewhere: at least the two header lines, complete blocks of 224 lines,
    // each line with its tag and 16 fields, the header and name lines decodable.
    static KarteScan check(const QString& localPath, const QByteArray& content);

    // The charts of a folder that read soundly, in the order of fileNames; each damaged or
    // missing one is left out and its report appended to reports.
    static QList<KarteScan> readList(const QString& localFolder, const QStringList& fileNames, QStringList* reports);

    bool ok() const { return errorText.isEmpty(); }
    int lineCount() const { return int(raw.size()); }
    int blockCount() const { return int(names_.size()); }
    static int blockStart(int k);

    const KarteNoukaRecord& nouka() const { return nouka_; }
    const KarteKotaiRecord& kotai() const { return kotai_; }
    const KarteNameRecord& nameRecord(int k) const { return names_.at(k); }
    const QList<KarteNameRecord>& nameRecords() const { return names_; }

    // The first episode (from the top) with the key; -1 when the chart has none.
    int findEpisode(const QString& byoName, const QString& syosinDate) const;

    // Line row of block k, split into its trimmed fields (16 at least); nothing, with the
    // report, when the line does not decode.
    std::optional<QStringList> blockLine(int k, int row, QString* report = nullptr) const;
    std::optional<KarteEpisode> episode(int k, QString* report = nullptr) const;

    static QString damageText(const QString& localPath, int line, const QString& reason);
    static QString missingText(const QString& localPath);

private:
    QByteArray content_;
    KarteNoukaRecord nouka_;
    KarteKotaiRecord kotai_;
    QList<KarteNameRecord> names_;

    void fail(int line, const QString& reason);
    std::optional<QString> decode(int line);
    bool checkHeader();
    bool checkBlocks();
};
