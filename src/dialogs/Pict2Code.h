#pragma once

#include <QString>
#include <QStringList>
#include <array>

// The annotation picture entry of an examination: the left and the right picture number (0 = no
// picture) and the texts of the three cells, kept as one text "left:right:cell 0:cell 1:cell 2".
// "::::" is the empty entry.
class Pict2Code
{
public:
    static constexpr int PictCount = 51;
    static constexpr int SymbolCount = 66;

    int LeftNo = 0;
    int RightNo = 0;
    std::array<QString, 3> Cells;

    // The entry of a text of exactly five fields; false for any other text. A picture field that
    // is empty, not a number or not above 0 gives no picture; a number is rounded.
    static bool parse(const QString& code, Pict2Code& out);
    QString text() const;

    // The caption of symbol i (0 to 65), as its label shows it.
    static const QStringList& symbols();
    // The rows of symbol indexes as they stand in the symbol area.
    static const QList<QList<int>>& symbolRows();
    // The dated symbols 60 to 63 put a date and their mark ("♂", "ET", "H", "B").
    static bool dated(int symbol);
    static QString mark(int symbol);
    // A cell after a symbol click: its text, a blank and the caption.
    static QString addSymbol(const QString& cell, int symbol);
    // A cell after a dated symbol: month "/" day and the mark, replacing the cell.
    static QString datedText(const QString& month, const QString& day, int symbol);
};
