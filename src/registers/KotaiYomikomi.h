#pragma once

#include "common/Ken.h"

#include "KotaiTable.h"

#include <QString>
#include <QStringList>
#include <optional>

class KarteFolderList;

// Reading the animals of a farmer for the animal page: the farmer's chart files of the data year
// and, from the two header lines of each, one row of the animal grid.
class KotaiYomikomi
{
public:
    // The farmer's chart files of the listing (their names start with "H<year>_<code>_"), in the
    // list's order.
    static QStringList toridasi(const KarteFolderList& karteFileList, const QString& nendo,
                                const QString& noukaCode);

    // The grid row (columns 1 to 10) of a chart from its header lines; nothing when the chart is
    // passed over (an empty line, fewer than 14 fields, a name that is not the farmer's).
    static std::optional<QStringList> row(const QString& fileName, const QString& line0,
                                          const QString& line1, const QString& noukaCode,
                                          Ken ken);

    // Blanks the table and fills it with the animals of the listed charts, as many as it holds.
    static void read(KotaiTable& table, const QStringList& toridasi, const QString& karteFolder,
                     const QString& noukaCode, Ken ken);
};
