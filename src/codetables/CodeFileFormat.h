#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <utility>

// The line layouts of the five code files and the grid rows the code-table register shows them
// in: reading a file's lines (or an in-memory table) into rows, and building a file's lines from
// rows. Every cell written has its line breaks and the file's field separator removed, so a cell
// can never add a field or a line to the file.
class CodeFileFormat
{
public:
    using Rows = QList<QStringList>;

    // Drug prices ("'", eight fields, no separator after the last). Grid columns: 0 分類, 1 名称,
    // 2 規格, 3 定量, 4 単位, 5 (never written), 6 現薬価, and the hidden column 7 that carries
    // field 3 (normally "*", the price on lines whose field 4 is empty or "g6") through a save.
    static constexpr int YakkaCols = 8;
    static constexpr int YakkaKeyCol = 1;
    static Rows yakkaRows(const QStringList& lines);
    static QStringList yakkaLines(const Rows& rows);

    // Fee points of one category ("," after each of name, B and A). Grid columns: 0 line number,
    // 1 種別, 2 B点, 3 A点. The rows are every non-empty line of the table, numbered from 1,
    // then one empty row for a new item.
    static constexpr int SinryoCols = 4;
    static constexpr int SinryoKeyCol = 1;
    static Rows sinryoRows(const QStringList& table);
    static QStringList sinryoLines(const Rows& rows);
    // The file's lines: the items, then the three closing lines.
    static QStringList sinryoFileLines(const QStringList& itemLines);

    // House calls by distance ("'" after each of four fields). Grid columns 0 to 3 = fields.
    static constexpr int LenCols = 4;
    static constexpr int LenKeyCol = 1;
    static Rows lenRows(const QStringList& table);
    static QStringList lenLines(const Rows& rows);

    // Miyazaki drugs ("'" after each of nine fields). Grid columns 0 to 8 = fields.
    static constexpr int YakkaMiyazakiCols = 9;
    static constexpr int YakkaMiyazakiKeyCol = 3;
    static Rows yakkaMiyazakiRows(const QStringList& lines);
    static QStringList yakkaMiyazakiLines(const Rows& rows);

    // Miyazaki fees ("'" after each of six fields). Grid columns 0 to 5 = fields, except that a
    // 往診 line shows its distance band (fields 3 and 4) as one text in column 3.
    static constexpr int SinryoMiyazakiCols = 6;
    static constexpr int SinryoMiyazakiKeyCol = 1;
    static Rows sinryoMiyazakiRows(const QStringList& lines);
    static QStringList sinryoMiyazakiLines(const Rows& rows);

    // The rows of the Miyazaki viewer. Drugs: * 分類 コード 名称 規格 定量 単位 薬価 (fields 0 to 6
    // and 8). Fees: 分類 コード 名称 適用 B点数 (fields 0, 1, 2, 3 and 5), a 往診 line with its
    // band joined to its name and no 適用.
    static constexpr int ViewDrugCols = 8;
    static constexpr int ViewFeeCols = 5;
    static Rows miyazakiViewDrugRows(const QStringList& table);
    static Rows miyazakiViewFeeRows(const QStringList& table);

    // The band of a 往診 line as one text ("3～5", "10以内", or empty) and back.
    static QString bandText(const QString& lower, const QString& upper);
    static std::pair<QString, QString> bandFields(const QString& text);


private:
    static QStringList fields(const QString& line, QChar separator, int count);
    static QString strip(const QString& cell, QChar separator);
    static QString stripTrim(const QString& cell, QChar separator);
    // Lines of "'"-separated fields to rows of cols cells, and back (each field followed by "'";
    // rows without a key left out; cells trimmed when asked).
    static Rows fieldRows(const QStringList& lines, int cols);
    static QStringList fieldLines(const Rows& rows, int cols, int keyCol, bool trim);
    static bool hasKey(const QStringList& row, int keyCol);
    static QString joinEach(const QStringList& fields, QChar separator);
};
