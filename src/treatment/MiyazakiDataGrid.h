#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

// The two Miyazaki price tables as the chart editor holds them, one row per table line in
// table order:
//   drugs (DataGrid(0)): drug code (field 2), base quantity (field 5), unit price in yen (field 8)
//   fee codes (DataGrid(1)): fee code (field 1), B points (field 5)
class MiyazakiDataGrid
{
public:
    QList<QStringList> Yakka;
    QList<QStringList> Sinryo;

    static MiyazakiDataGrid fromTables(const QStringList& yakkaMiyazakiTable, const QStringList& sinryoMiyazakiTable);

    // The unit price text of the first row whose code equals the drug code exactly.
    std::optional<QString> yakkaTanka(const QString& yakuhinCode) const;
    // The B points text of the first row whose code equals the fee code exactly.
    std::optional<QString> sinryoBTen(const QString& sinryoCode) const;

private:
    static std::optional<QString> find(const QList<QStringList>& rows, const QString& code, int column);
};
