#pragma once

#include "TiryoboMessage.h"

#include "common/Ken.h"

#include <QString>
#include <QStringList>
#include <array>

class TiryoboRow;

// The entry commands of the treatment book: each writes a dialog's result into the row it was
// opened for. A result that chose nothing leaves the row unchanged.
class TiryoboEntryCmd
{
public:
    // House call (OusinOut): "往診" with distance, class and band, or "同時診療" alone at distance 0.
    static void ousin(TiryoboRow& row, const QStringList& ousinOut);
    // Injection (TyusyaOut): the price is unit price times quantity.
    static void tyusya(TiryoboRow& row, const QStringList& tyusyaOut);
    // Drug treatment (YakujiOut). When the prescription unit differs from a base quantity of 0
    // or of no number, the price stays empty and the notice names the drug.
    static TiryoboNotice yakuji(TiryoboRow& row, const QStringList& yakujiOut);
    // Treatment code of a category (SinryoOut).
    static void sinryo(TiryoboRow& row, const QStringList& sinryoOut, const QString& bunrui);
    // 文書 is entered in the chart: refused with a message in 茨城県, 佐賀県 and 鳥取県, silently in
    // 宮崎県; nothing when the dialog may open.
    enum class BunsyoRule { Open, Refuse, Silent };
    static BunsyoRule bunsyoRule(Ken ken);
    static TiryoboMessage bunsyoMessage();
    // Repeat examination: "再診" at 55 and 7 points.
    static void saisin(TiryoboRow& row);

    // PL test: the earlier result offered to the dialog (only at the farm-group sites, and only
    // when the row holds a PL result), then the result written when one was confirmed.
    static QString plTestIn(const TiryoboRow& row, bool farmGroup);
    static void plTest(TiryoboRow& row, const QString& plTestOut);
    // Disease (ByoName, ByoCode): "del" empties the cell, nothing chosen leaves it.
    static void byoMei(TiryoboRow& row, const QString& byoName, const QString& byoCode);
    // Uterine findings (SyokenText 0 to 7): column 18 holds each finding followed by ":"; the
    // findings are returned for the window's list.
    static QStringList syoken(TiryoboRow& row, const std::array<QString, 9>& syokenText);
    // Uterus pictures: the entry offered ("::::" for an empty cell) and the entry written back.
    static QString pict2In(const TiryoboRow& row);

    // The cell dialogs. 分娩情報 travels with its line breaks as TABs; "non" leaves the cell,
    // "del" empties it (both compared ignoring case). 体温 keeps the cell on "non". 共済外処置
    // keeps the cell on an empty result.
    static QString bunbenIn(const TiryoboRow& row);
    static void bunben(TiryoboRow& row, const QString& result);
    static void taion(TiryoboRow& row, const QString& result);
    static void syochiGai(TiryoboRow& row, const QString& result);
};
