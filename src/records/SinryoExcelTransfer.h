#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// The treatment records arranged for a spreadsheet as the ledger of 茨城県 lays them out: blocks
// of 24 entries, each under a row with the veterinarian's full name (column 9) and a heading row,
// entries 1 to 12 in columns 0 to 3 and entries 13 to 24 beside them in columns 6 to 9; the
// blocks run on across members and a last name row and heading row close the sheet. An entry is
// the date ("6月10日"), the animal, the class and the treatment (category, then ":" and the
// content, then ":" and the quantity, each only where there is one).
class SinryoExcelTransfer
{
public:
    static constexpr int Cols = 10;
    static constexpr int BlockSize = 24;

    // dataRows: the result grid's data rows (grid columns).
    static QList<QStringList> ibarakiRows(const QList<QStringList>& dataRows, const QString& vetFullName);
    static QStringList entry(const QStringList& dataRow);
};
