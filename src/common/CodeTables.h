#pragma once

#include <QStringList>
#include <array>

// The code tables held in memory, each a list of the file's lines followed by one empty element
// (a table whose file was not loaded holds the single empty element).
struct CodeTables
{
    QStringList YakkaCodeTable{QString()};
    std::array<QStringList, 10> SinryoCodeTable{}; // index 1 to 9; 0 unused
    QStringList LenCodeTable{QString()};
    QStringList YakkaMiyazakiTable{QString()};
    QStringList SinryoMiyazakiTable{QString()};

    CodeTables()
    {
        for (QStringList& t : SinryoCodeTable)
            t = QStringList{QString()};
    }
};
