#pragma once

#include "Ken.h"

#include "CodeTables.h"

#include <QString>
#include <QStringList>

// Fills the in-memory code tables from the code files under "C:\Nolvari\Code\": the drug prices,
// the nine fee categories and the distance table always, the two Miyazaki tables only in a 宮崎県
// installation (they are emptied in every other one). Each table holds its file's lines as read,
// then one empty element. A file that is missing or cannot be read leaves its table with the single
// empty element and is listed in the result, so that start-up can name every such file at once.
class CodeTableLoader
{
public:
    struct Result
    {
        QStringList missingFiles;  // local paths of the code files that do not exist
        QStringList errorTexts;    // files that exist but could not be read or decoded
        bool ok() const { return missingFiles.isEmpty() && errorTexts.isEmpty(); }
    };

    // Replaces the thirteen tables of the shared state, for the shared state's prefecture.
    static Result CodeTableLoadProc();
    static Result load(CodeTables& tables, Ken ken);

    // The table of a file: its lines in order, then one empty element.
    static QStringList tableOf(const QStringList& lines);
    // The lines of a table up to its first empty element, each split at the separator, as the
    // readers of the tables walk them.
    static QList<QStringList> tableFields(const QStringList& table, QChar separator = QLatin1Char('\''));
    // Reads one code file as a table; a file that cannot be read gives the single empty element
    // and is noted in result.
    static QStringList readTable(const QString& localPath, Result& result);

    // The text of the one message that names every file the load could not read; empty when the
    // load read them all.
    static QString problemMessage(const Result& result);

    // Local paths of the code files.
    static QString yakkaCodePath();
    static QString sinryoCodePath(int number);  // 1 to 9
    static QString lenCodePath();
    static QString yakkaMiyazakiPath();
    static QString sinryoMiyazakiPath();

    static bool isMiyazaki(Ken ken);
};
