#pragma once

#include <QString>
#include <QStringList>
#include <array>

// One illness episode of a chart as 224 rows of 16 texts: row r is block line r, column c
// field c. Row 0 is the name record, rows 1 to 3 the data records, then 20 examinations of 11
// rows each (examination j starts at row 4 + 11j).
class KarteBlock
{
public:
    static constexpr int LineCount = 224;
    static constexpr int FieldCount = 16;
    static constexpr int SinsatuCount = 20;
    static constexpr int SinsatuLines = 11;

    static constexpr int sinsatuRow(int j) { return 4 + SinsatuLines * j; }

    // A new episode: only the tags ("Name", "Data", "Sinsatu" and the examination number).
    KarteBlock();

    const QString& cell(int row, int column) const;
    void setCell(int row, int column, const QString& text);
    QStringList row(int row) const;
    void setRow(int row, const QStringList& fields);

    // Writes the tags of a new block over columns 0 and 1, leaving every other cell.
    void setTags();
    // The tag texts of a row: field 0 and field 1 as a new block has them.
    static QString tag(int row);
    static QString tagNumber(int row);

    // The 224 lines as the writer stores them: every cell cleaned, each followed by "'".
    QStringList lines() const;

    // A block from its 224 lines: every field trimmed (fields past 15 are not kept).
    static KarteBlock fromLines(const QStringList& lines);

    bool operator==(const KarteBlock& other) const { return cells == other.cells; }

private:
    std::array<QString, LineCount * FieldCount> cells;
};
