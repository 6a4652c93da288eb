#pragma once

#include <QList>
#include <QString>
#include <QStringList>

class FlexGrid;

// The list of the power-of-attorney window: one row of 14 texts per episode extracted by the
// workbench, sorted by farmer (name and member code) and first-exam date. A farmer is a name
// together with its member code, so two members of one name keep their own documents. Column 3
// holds the print switch "する" or "しない".
class IninjyoList
{
public:
    enum Col {
        NoCol = 0, NameCol = 1, KeyCol = 2, InsatuCol = 3, KyosaiCol = 4, MeigouCol = 5, MimiCol = 6, KotaiCol = 7,
        ByoCol = 8, SyosinCol = 9, SyusinCol = 10, TenkiCol = 11, HiCol = 12, CodeCol = 13
    };
    static constexpr int Cols = 14;

    // The workbench's list: two heading rows, one row per episode, a totals row; its columns
    // 2 name, 3 code, 4 kind, 5 name (":" individual number), 6 ear tag, 7 disease, 9 first exam,
    // 10 last exam, 11 outcome, 15 fee. marume rounds the fees to tens.
    static QList<QStringList> IninjyoListSetProc(const FlexGrid& syukeiGrid, bool marume);

    // "5.3.12" gives "50312", "5.10.2" "51002"; a text without "." gives an empty key.
    static QString IninjyoHidukeKeyProc(const QString& date);
    // A fee rounded to tens by its last digit: 12,345 → 12,350, 12,344 → 12,340, 7 → 10, 3 → "".
    static QString SinryohiMarumeProc(const QString& fee);

    static bool sameFarmer(const QStringList& a, const QStringList& b);
    static bool prints(const QStringList& row) { return row.value(InsatuCol) == QStringLiteral("する"); }

    // A click in the print column flips the row; in the name column every row of the farmer takes
    // the opposite of the clicked row's switch. False when nothing changed.
    static bool IninjyoListClick(QList<QStringList>& rows, int index, int col);
    static void setAll(QList<QStringList>& rows, bool on);

    // Per row: the band (0 white, 1 the second colour, switching at each new farmer) and the
    // running number within its farmer.
    struct Band
    {
        int band;
        int number;
    };
    static QList<Band> bands(const QList<QStringList>& rows);
};
