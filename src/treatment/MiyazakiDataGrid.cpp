#include "MiyazakiDataGrid.h"

namespace {
QStringList pick(const QString& line, std::initializer_list<int> fields)
{
    const QStringList parts = line.split(QLatin1Char('\''));
    QStringList row;
    for (const int f : fields)
        row.append(parts.value(f));
    return row;
}
}

MiyazakiDataGrid MiyazakiDataGrid::fromTables(const QStringList& yakkaMiyazakiTable,
                                              const QStringList& sinryoMiyazakiTable)
{
    MiyazakiDataGrid grid;
    for (const QString& line : yakkaMiyazakiTable)
        grid.Yakka.append(pick(line, {2, 5, 8}));
    for (const QString& line : sinryoMiyazakiTable)
        grid.Sinryo.append(pick(line, {1, 5}));
    return grid;
}

std::optional<QString> MiyazakiDataGrid::find(const QList<QStringList>& rows, const QString& code, int column)
{
    for (const QStringList& row : rows) {
        if (row.value(0) == code)
            return row.value(column);
    }
    return std::nullopt;
}

std::optional<QString> MiyazakiDataGrid::yakkaTanka(const QString& yakuhinCode) const
{
    return find(Yakka, yakuhinCode, 2);
}

std::optional<QString> MiyazakiDataGrid::sinryoBTen(const QString& sinryoCode) const
{
    return find(Sinryo, sinryoCode, 1);
}
