#pragma once

#include "KarteEpisode.h"
#include "KarteKotaiRecord.h"
#include "KarteNoukaRecord.h"

#include "common/TextFile.h"

#include <QList>
#include <QString>
#include <optional>

class TensuKeisanProc;

// A chart file read whole for editing: its lines as read (each keeps its bytes), the farmer and
// animal lines, the episodes. A save writes the lines as read with one episode's block replaced,
// appended or dropped; every line the save does not change goes back with the bytes it was read
// with. A chart that is damaged or does not decode is reported and never written.
class KarteFile
{
public:
    QString path;
    QString errorText;     // empty when the chart was read soundly
    int errorLine = -1;    // 0-based line of the damage
    bool missing = false;
    QList<TextLine> lines;

    static KarteFile read(const QString& localPath);

    bool ok() const { return errorText.isEmpty(); }
    int lineCount() const { return int(lines.size()); }
    int blockCount() const { return (lineCount() - 2) / KarteBlock::LineCount; }

    KarteNoukaRecord nouka() const { return nouka_; }
    KarteKotaiRecord kotai() const { return kotai_; }
    QList<KarteNameRecord> nameRecords() const;

    // The line of the name record of the first episode with the key, from the top of the file;
    // the line count when the chart does not hold it (where a new episode is appended).
    int findEpisode(const QString& byoName, const QString& syosinDate) const;
    // The block starting at that line, every field trimmed.
    KarteEpisode episodeAt(int karteIndex) const;

    enum class SaveKind { Replace, Append, Drop };
    // What a save does: an episode whose first examination is dated is appended (new episode)
    // or replaced (existing one); otherwise its block is dropped.
    static SaveKind saveKind(int karteOpenMode, bool kept);

    // The lines a save writes. Replace: the lines before karteIndex, the 224 block lines, the
    // lines after the old block (at the line count: appended). Append: every line, lines 0 and 1
    // with "’" made "'", then the block. Drop: the lines without the block at karteIndex.
    std::optional<QList<TextLine>> savedLines(SaveKind kind, int karteIndex, const KarteBlock& block,
                                              QString* errorText = nullptr) const;
    bool save(SaveKind kind, int karteIndex, const KarteBlock& block, QString* errorText = nullptr) const;

    // The chart editor's save: the totals recomputed from the lines into the data record, then
    // the block replaced, appended or dropped as saveKind decides.
    bool saveEpisode(KarteEpisode& episode, int karteIndex, int karteOpenMode, const TensuKeisanProc& keisan,
                     QString* errorText = nullptr) const;

    // The animal register's rewrite: new lines 0 and 1, every further line as read.
    bool saveHeader(const QString& noukaLine, const QString& kotaiLine, QString* errorText = nullptr) const;

    enum class CreateResult { Created, Exists, Failed };
    // A new chart holding only its two header lines. An existing chart of that name, in any
    // letter case, is never replaced.
    static CreateResult create(const QString& localFolder, const QString& fileName, const QString& noukaLine,
                               const QString& kotaiLine, QString* errorText = nullptr);
    // Whether the folder holds the file, ignoring letter case as the old file system did.
    static bool exists(const QString& localFolder, const QString& fileName);

private:
    KarteNoukaRecord nouka_;
    KarteKotaiRecord kotai_;

    bool blockStartOrEnd(int karteIndex) const;
    QList<TextLine> replaced(int karteIndex, const KarteBlock& block) const;
    QList<TextLine> appended(const KarteBlock& block) const;
    QList<TextLine> dropped(int karteIndex) const;
    bool refuseDamaged(QString* errorText) const;
};
