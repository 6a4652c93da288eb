#pragma once

#include "TourokuCheck.h"

#include <QList>
#include <QString>
#include <QStringList>

// The farmer register as the farmer page works on it: the register lines (NameCode.ini, 11
// fields separated by ","), the checks of its 登録 and 削除, the change of the register and the
// rows the farmer grid shows for a district.
class NoukaTouroku
{
public:
    // The farmer page's boxes.
    struct Input
    {
        QString Name;      // [氏名]
        QString Code;      // [農家番号]
        QString Jyusyo;    // [住所]
        QString Yobi;      // [呼出名]
        QString Kumiai;    // [組合番号] / [区分]
        QString Syuttyo;   // [出張所]
        QString Tiiki;     // [地域番号]
        QString TikuCode1; // [地区コード], the part before "-"
        QString TikuCode2; // the part after "-"
    };
    enum class Action { Touroku, Sakujo };

    // The checks of 登録 and 削除 in their order. boxes are the texts of every input box of the
    // window (the animal page's too), in index order.
    static TourokuCheck check(const QStringList& boxes, const Input& input, Action action);

    // The register line of a farmer of the district: nine values cleaned and two empty fields.
    static QString line(const QString& tiku, const Input& input);

    // The index of the first line whose name and code equal the trimmed name and code, over all
    // districts; -1 when there is none.
    static int find(const QStringList& nameList, const QString& name, const QString& code);

    // Registers (replacing the found line in place, else appending) or deletes the farmer; an
    // empty name changes nothing. Returns true when the list changed.
    static bool apply(QStringList& nameList, Action action, const QString& tiku, const Input& input);

    // The farmer grid's rows (columns 1 to 8) for a district, ordered by the district code. After
    // a button every line of the district counts, untrimmed; after a district click only lines of
    // exactly 11 fields, columns 1 to 7 trimmed.
    static QList<QStringList> gridRows(const QStringList& nameList, const QString& tiku,
                                       bool districtClick);

    // The boxes a grid row fills (columns 1 to 8); the district code fills its two boxes only when
    // it splits at "-" into exactly two parts.
    static Input fromRow(const QStringList& row);
};
