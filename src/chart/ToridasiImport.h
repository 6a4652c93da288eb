#pragma once

#include "KarteEpisode.h"

#include <QString>
#include <QStringList>
#include <optional>

// A new episode built from the rows that the treatment book hands over: lines 0 to 2 the three
// diseases as name ":" code, then one book row per line (cells joined by "'": date, disease,
// course, the eight cells of a treatment line, temperature, picture entry, findings joined by
// ":"), the last line "1" when the first row records a calving. Rows of one date make one
// examination of up to seven treatment lines; an eighth row of the same date starts the next
// examination. What does not fit the block (a 21st examination, a 9th finding) is left out and
// reported in LeftOut.
class ToridasiImport
{
public:
    KarteEpisode Episode;
    QStringList LeftOut;

    static ToridasiImport build(const QStringList& lines);
    // The hand-over file read and built; nothing, with the report, when it cannot be read.
    static std::optional<ToridasiImport> readFile(const QString& localPath, QString* errorText = nullptr);

    // The date of a book row: the text after its first ":" (up to a second one), else the cell.
    static QString dateText(const QString& cell);

private:
    int row_ = -7;        // block row of the current examination
    int slot_ = 0;        // next treatment line of the current examination (1 to 7)
    bool open_ = false;   // an examination takes further rows of its date
    QString date_;
    QString firstDate_;

    void setDisease(const QString& line, int row, int column);
    void addRow(const QStringList& p);
    void startSinsatu(const QStringList& p);
    void setSyoken(const QStringList& p);
    void setTiryo(int row, const QStringList& p);
};
