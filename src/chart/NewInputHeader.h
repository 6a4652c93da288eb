#pragma once

#include "KarteData1Record.h"
#include "KarteData2Record.h"
#include "KarteNameRecord.h"

#include <QString>

// What the chart editor's header shows: the farmer and the animal of the chart's header lines,
// and the episode's own records as the user edits them. MainGd(i) names the value labels of the
// header; the disease grid is the names and codes of the three diseases; the texts, check boxes
// and marks beside them are the records' fields.
class NewInputHeader
{
public:
    static constexpr int MainGdCount = 28;

    // From the chart's header lines.
    QString NoukaTiku = dash();   // 0
    QString NoukaName = dash();   // 1
    QString Meigou = dash();      // 2
    QString Mimiban = dash();     // 3
    QString Keiro = dash();       // 4
    QString Tokutyo = dash();     // 5
    QString Tikusyu = dash();     // 17 (鳥取県: the episode's own, when it has one)
    QString Seibetu = dash();     // 18
    QString NoukaCode = dash();   // 19
    QString BirthDay = dash();    // 27

    KarteNameRecord Name = initialName();
    KarteData1Record Data1 = initialData1();
    KarteData2Record Data2 = initialData2();

    // The totals as the last recomputation left them: the fee (14), "B=" (15), "A=" (16).
    QString Ryoukin = dash();
    QString BTotal = dash();
    QString ATotal = dash();

    QString SinryoKaiChGd = QStringLiteral("*");
    QString ManryoGd = dash();

    // The caption of MainGd(index); an index outside 0 to 27 gives an empty text.
    QString mainGd(int index) const;
    void setMainGd(int index, const QString& text);

    // ByoNameGrid row 0 to 2, columns 1 (name) and 2 (code).
    QString byoName(int row) const;
    QString byoCode(int row) const;
    void setByoName(int row, const QString& name, const QString& code);

    bool dateCh() const { return Data2.DateCh == QStringLiteral("1"); }
    bool bunsyoCh() const { return Data2.BunsyoCh == QStringLiteral("1"); }

    static QString dash() { return QStringLiteral("-"); }

private:
    QString* field(int index);
    static KarteNameRecord initialName();
    static KarteData1Record initialData1();
    static KarteData2Record initialData2();
};
