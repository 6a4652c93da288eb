#pragma once

#include "common/Ken.h"

#include <QList>
#include <QString>
#include <QStringList>

class KarteFolderList;

// The animal list of a farmer: one row per chart file of the data year that belongs to him, built
// from the chart's animal record; its search by ear tag or name and its class-letter filter.
// A row holds the grid's nine columns: 0 row number, 1 ear tag or individual number, 2 always
// empty, 3 name, 4 species and use, 5 sex, 6 birth date, 7 field 7 of the record, 8 the chart's
// file name.
class KotaiList
{
public:
    static constexpr int colCount = 9;
    static constexpr int minKotaiFields = 11;

    struct Result
    {
        QList<QStringList> rows;
        QStringList damaged;  // one text per skipped chart of the farmer that could not be used
    };

    // True when the chart belongs to the farmer: field 13 names the file, or else the code part of
    // the file name contains the farmer code.
    static bool belongsTo(const QStringList& kotaiFields, const QString& fileName,
                          const QString& noukaCode);
    // The row of one chart (row number left empty).
    static QStringList rowOf(const QStringList& kotaiFields, const QString& fileName);

    // Builds the list from the farmer's chart files of the listing (their names start with
    // "H<year>_<code>_"), in list order, and numbers the rows. Only the two header lines of each
    // are read; a chart whose animal line has fewer than 11 fields is reported and not listed.
    static Result build(const KarteFolderList& karteFileList, const QString& karteNendo, const QString& noukaCode);
    // The same from the named files of a folder.
    static Result build(const QString& localFolder, const QStringList& fileNames, const QString& karteNendo,
                        const QString& noukaCode);

    // True when the first character is one of the ASCII letters a-z, A-Z.
    static bool EijiCheckProc(const QString& text);
    // The message that refuses a class letter, or an empty text when the letter is usable.
    static QString bunruiCheck(const QString& text);
    // True when the name column holds the letter immediately followed by ":" (case counts).
    static bool bunruiMatches(const QString& name, const QString& letter);

    // The first row that matches the search text (already trimmed) as the prefecture searches;
    // -1 when none does.
    static int findRow(const QList<QStringList>& rows, Ken ken, const QString& text);
    static bool searchMatches(const QStringList& row, Ken ken, const QString& text);
    static QString notFoundMessage(Ken ken);
};
