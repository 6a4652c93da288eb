#pragma once

#include <QString>
#include <QStringList>

// The calving information of a treatment-book row (column 12): five lines, seven with a twin,
// joined by CR LF:
//     【産数】<parity> 【子牛】<calf>
//     【元気】<vigour> 【食欲】<appetite>
//     【品種】<breed> 【比重】<colostrum>
//     【状況】<situation>
//     [<remark>]            followed by ":" when a twin is recorded
//     【双子】<twin calf>
//     【元気】<twin vigour> 【食欲】<twin appetite>
// Values are read back by their position, not by their labels. The parity and the remark are
// cleaned of the characters the reading splits at, so a built text always reads back the same.
class BunbenInfoText
{
public:
    QString Sansu;          // parity, as typed (at most two characters)
    QString KoUsi = QStringLiteral("♂");
    QString Genki = QStringLiteral("有");
    QString Syoku = QStringLiteral("有");
    QString Hinsyu = QStringLiteral("F1");
    QString Syonyu = QStringLiteral("A");
    QString Jyoho = QStringLiteral("正常");
    QString Bikou;          // remark
    bool Futago = false;    // a twin is recorded
    QString KoUsi2 = QStringLiteral("♂");
    QString Genki2 = QStringLiteral("有");
    QString Syoku2 = QStringLiteral("有");

    // The text of the values; the twin lines only when Futago.
    QString text() const;
    // The remark (and the parity) with 【 】 [ ] turned into round brackets and ":" into "：".
    static QString clean(const QString& value);

    // The values of a stored text (its lines given as CR LF or TAB) read over start: an empty
    // text keeps start; a text without "【" gives parity "1" and an empty remark; a missing piece
    // keeps its start value. Values are taken trimmed of blanks, the remark untrimmed.
    static BunbenInfoText read(const QString& stored, const BunbenInfoText& start);
    static BunbenInfoText read(const QString& stored);

    // The value after the first "】" of a piece, up to a second "】" if there is one.
    static QString pieceValue(const QString& piece);
    // The remark of the situation's value: the text between its "[" and the following "]";
    // situation receives what stands before the "[".
    static QString remark(const QString& value, QString* situation);
    // The text split at "【": element 0 what stands before the first one.
    static QStringList pieces(const QString& text);
};
