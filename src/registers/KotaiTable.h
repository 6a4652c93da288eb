#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

// The rows of the animal grid as data: rows 1 to the capacity (5000, or 8000 in 茨城県), each with
// the visible columns 1 to 10; row 0 (the headings) and column 0 (the row numbers) are the
// grid's own. "Del" in column 1 marks a row that the next rebuild drops; a row whose column 1 is
// empty is free.
class KotaiTable
{
public:
    enum Col { Syurui = 1, Mimi = 2, Birth = 3, Seibetu = 4, Meigou = 5, Hoken = 6, Keiro = 7,
               Tokutyo = 8, KarteKey = 9, Sekinin = 10 };
    static constexpr int ColCount = 11;

    // How a rebuild orders the rows.
    struct Order
    {
        bool SortCh = false;        // 畜種別に並べる
        bool IbaragiSortCh = false; // 名号・個体番号順に並べる
        bool Ibaraki = false;
        bool Oita = false;
    };
    // What the search for an animal's rows found.
    struct Kizon
    {
        bool existing = false;
        int row = -1;
        QString key;
    };

    explicit KotaiTable(int capacity = 5000);

    int capacity() const { return int(rowsData.size()); }
    QString cell(int row, int col) const;
    void setCell(int row, int col, const QString& text);
    QStringList row(int row) const;       // columns 1 to 10
    void setRow(int row, const QStringList& cols);
    // Rows 1 up to the last row written since the last full refresh: what a view repaints.
    int usedRows() const { return used; }
    // Called by the view after it repainted rows 1 to usedRows(): from then on only the rows that
    // hold text count as used.
    void painted();

    void clear();                          // every cell blank
    // The first row whose species column is empty; -1 when the grid is full.
    int akiRow() const;
    // The listed rows: from row 1 up to the row before the first whose column 1 is empty.
    int countUntilEmpty(int col) const;
    // The first row, from row 1, whose trimmed chart key equals key; -1 when none.
    int findKey(const QString& key) const;

    // The rows of an animal whose own chart key is k0 and calf chart key k1: the own chart's row;
    // the calf's row when the calf is the animal clicked last (nbCheck); otherwise the own chart's
    // row, or the free row when the own chart is not listed.
    Kizon kizonRow(const QString& k0, const QString& k1, const QString& nbCheck, int akiRow) const;

    // Copies the marks of the dead and shipped list ("chart key,mark" lines) into the features of
    // the listed animals; progress(i, n) is called after each row.
    void copyMarks(const QStringList& dellInfoList, const std::function<void(int, int)>& progress);

    // Drops the "Del" rows and everything below the first empty row, and sorts.
    void gridSet(const Order& order);
    // The same with the dead and shipped filter: mode 6 keeps them, any other mode drops the rows
    // whose features mention 死亡 or 出荷.
    void sibouSyukkaHyoji(int mode, const Order& order);

private:
    QList<QStringList> listed(bool dropDead) const;
    void refill(const QList<QStringList>& rows);

    QList<QStringList> rowsData; // index row - 1, entries col - 1
    int used = 0;
};
