#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// The Miyazaki house-call code: from the time band and the distance, a house-call line of the
// Miyazaki fee table ("往診'<code>'<band>'<lower km>'<upper km>"), or the fixed codes of a stay
// (0195) and an attendance visit (0196).
class OusinCodeSentakuProc
{
public:
    struct CodeRow
    {
        QString Code;
        QString Band;
        QString Low;
        QString High;  // empty: the lower distance or less
    };
    enum Band { Nittyu, Yakan, Sinya, SinyaAkuten, Taizai, Tatiai };

    struct Result
    {
        QString Code = QStringLiteral("?");
        QString Kind = QStringLiteral("一般");
        bool rowChosen = false;  // Low and High hold the chosen row's distances
        QString Low;
        QString High;
        QString Message;          // a limit that no code covers
    };

    // The house-call rows of the table, in table order up to its first empty line.
    static QList<CodeRow> codeRows(const QStringList& sinryoMiyazakiTable);
    static const QStringList& captions();

    // An empty distance gives "?"; the first range row of the band that holds the distance wins,
    // failing that the last or-less row with the distance at or below its bound; a distance no
    // row holds, or past the band's limit (8 km for 深夜で悪天候, 60 km for the first three bands)
    // gives "?".
    static Result run(const QList<CodeRow>& rows, int band, const QString& kyori);

    // Item 0 of the result: the band's caption, "：" and the distance range ("2～4", "2以下"), or
    // the caption alone when no row was chosen.
    static QString kubunText(const QString& caption, bool rowChosen, const QString& low, const QString& high);
};
