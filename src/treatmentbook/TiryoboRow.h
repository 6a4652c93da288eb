#pragma once

#include <QString>
#include <QStringList>
#include <array>

class TiryoLine;

// One row of an animal's treatment book: 30 text cells and whether the row is marked for the
// multi-row commands. A row whose column 0 holds a date opens a day, the rows below it with an
// empty column 0 are further lines of that day, and "治療終了" in column 0 closes a course of
// treatment. Columns 3 to 10 hold one treatment line in the chart's field order.
class TiryoboRow
{
public:
    static constexpr int ColCount = 30;
    enum Column {
        Hiduke = 0,      // date, or "治療終了"
        ByoMei = 1,      // disease as name ":" code
        Gensyo = 2,      // symptoms and course, may hold line breaks
        Bunrui = 3,      // treatment line: category ... point breakdown (3 to 10)
        Naiyou = 4,
        Kikaku = 5,
        Suuryou = 6,
        Yakka = 7,
        BTen = 8,
        ATen = 9,
        Utiwake = 10,
        Taion = 11,      // body temperature
        Bunben = 12,     // calving information, several lines
        Kanri = 13,      // management information
        SyochiGai = 14,  // treatment outside the insurance
        Tane = 15,       // sire name
        Col16 = 16,      // emptied with the treatment line, written by nothing
        Pict2 = 17,      // uterus-picture entry
        Syoken = 18,     // uterine findings, each followed by ":"
    };

    std::array<QString, ColCount> cells;
    bool marked = false;

    static QString endText() { return QStringLiteral("治療終了"); }

    const QString& at(int col) const { return cells.at(col); }
    void set(int col, const QString& text) { cells.at(col) = text; }

    // Every cell empty (the mark does not count).
    bool isBlank() const;
    // Some cell of the columns from first to last holds text.
    bool hasText(int first, int last) const;
    bool isEnd() const { return at(Hiduke) == endText(); }
    // Column 0 holds a date (any text but the end mark).
    bool isDateRow() const { return !at(Hiduke).isEmpty() && !isEnd(); }

    void setTiryoLine(const TiryoLine& line);
    // Empties the treatment line together with columns 16 to 18 (picture entry and findings).
    void clearTiryoLine();
    // The cells only: the mark belongs to the row's place, not to its text.
    void setCells(const TiryoboRow& other) { cells = other.cells; }
    void clearCells() { cells = {}; }

    // The row from a list of cells: cell i into column i; cells past the last column are dropped.
    static TiryoboRow fromCells(const QStringList& values);
    QStringList cellList() const { return QStringList(cells.begin(), cells.end()); }
};
