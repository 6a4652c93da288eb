#pragma once

#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

// The extracted list of the workbench as its grid shows it: one row of 18 cells per episode
//   0 running number, 1 district, 2 farmer, 3 member code, 4 species, 5 animal name, 6 ear tag,
//   7 disease ("繁殖" for a breeding episode), 8 disease code, 9 first exam, 10 last exam,
//   11 outcome date, 12 examinations, 13 outcome, 14 drug-price total, 15 fee, 16 submission
//   month, 17 the chart file name
// and the totals row ("合計", the drug-price total "####0.0", the fee total "###,###").
// The running number belongs to the position: it reads 1, 2, ... from the top after any sort.
class SyukeiList
{
public:
    enum Col {
        Number = 0, Tiku = 1, Name = 2, Code = 3, Syu = 4, Meigou = 5, Mimi = 6, Byo = 7, ByoCode = 8,
        Syosin = 9, Syusin = 10, TenkiDate = 11, Kaisu = 12, Tenki = 13, Yakka = 14, Fee = 15, Teisyutu = 16,
        File = 17, ColCount = 18
    };
    static constexpr int HeadRows = 2;  // the grid's two heading rows

    QList<QStringList> rows;

    // Name and member-code rules of the installation: in 群馬県 blanks are taken out of a farmer
    // name without "(", and a member code listed in the district table shows that district.
    struct Rules
    {
        bool gunma = false;
        std::function<std::optional<QString>(const QString& code)> tikuOverride;
    };

    // The list from the scan's extracted lines (17 values each), in scan order.
    static SyukeiList build(const QList<QStringList>& lines, const Rules& rules);
    static SyukeiList build(const QList<QStringList>& lines);
    // The totals row of the rows.
    QStringList totals() const;
    // Running numbers 1, 2, ... from the top.
    void renumber();

    // Sums: the fee in whole yen (thousands separators allowed), the drug-price total as read.
    static qint64 feeYen(const QString& text);
    static QString yakkaText(double sum);
    static QString feeText(qint64 yen);
};
