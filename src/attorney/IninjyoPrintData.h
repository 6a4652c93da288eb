#pragma once

#include "IninjyoList.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <array>
#include <functional>

// One member farmer of the power-of-attorney list: his name and member code (those of his first
// row) and the rows switched to "する", in list order.
struct IninjyoFarmer
{
    QString name;
    QString code;
    QList<QStringList> rows;
};

// What every power-of-attorney layout receives from its window: the farmers in the order of their
// first rows (also those with no row to print), the document date as the window shows it ("5.3.12"
// or "..") and as it is kept between openings (empty until a date was picked or cleared), the
// print offsets, the three check boxes (address, name, new Tottori form), the veterinarian and
// the register's address lookup by member code.
struct IninjyoPrintData
{
    QList<IninjyoFarmer> farmers;
    QString date;
    QString dateKioku;
    float offX = 0;
    float offY = 0;
    std::array<bool, 3> insatu{};
    QString doctorName;
    std::function<QString(const QString& code)> address;

    // The farmers of a list: one per name and member code, in first-row order; rename corrects a
    // name before it is compared (the Miyazaki spelling fixes).
    static QList<IninjyoFarmer> farmersOf(const QList<QStringList>& rows,
                                          const std::function<QString(const QString&)>& rename = {});
};

// What a run tells the user after "終了しました。": the rows it left out, by kind.
struct IninjyoPrintNotes
{
    QStringList noName;   // rows of a farmer without name: not printed
    QStringList noId;     // rows without identification: not in the table, their fee in the total

    static QString rowText(const QStringList& row);
    QString closingText() const;
};

// The amount of a fee text: its leading whole number once every "," is removed (0 without one).
qint64 IninjyoFee(const QString& text);
// A sum as printed: "###,###,###", empty for 0.
QString IninjyoKingaku(qint64 yen);
