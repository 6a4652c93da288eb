#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// The episode a certificate prints, read again from its chart file when the certificate prints:
// every line of the file (PrintReadList), the two header lines split at "'" as stored, and the
// episode's block as 224 rows of 16 cells (PrintGrid). Fields a line lacks and rows past the end
// of the file are empty; cells keep their text as stored (no trimming).
//
// The episode is the first block whose name record ("Name" in field 0) holds the disease-1 name
// in field 2 and the first-examination date in field 5. The two fields are compared one by one:
// a comparison of the two joined would take the name "...1" with "5.2.3" for "..." with "15.2.3".
//
// Every certificate body loads its episode through here and prints nothing for an entry that is
// not Found; a chart that cannot be read or decoded is Unreadable, with the file named in
// errorText, so that the print run reports it and goes on with the next entry.
class SindansyoEpisode
{
public:
    enum class Status { Found, NotFound, Unreadable };
    static constexpr int RowCount = 224;
    static constexpr int ColumnCount = 16;

    Status status = Status::NotFound;
    QString errorText;                // Unreadable: the file and what is wrong
    QString path;
    QStringList PrintReadList;        // the chart file's lines in file order
    QList<QStringList> PrintGrid;     // the block: RowCount rows of ColumnCount cells
    QStringList noukaFields;          // line 0 (farmer) split at "'", as stored
    QStringList kotaiFields;          // line 1 (animal) split at "'", as stored
    int startLine = -1;               // the file line of the name record

    bool found() const { return status == Status::Found; }

    static SindansyoEpisode load(const QString& localPath, const QString& byoName, const QString& syosinDate);
    // The same from lines already read (the chart's text), for callers that hold them.
    static SindansyoEpisode fromLines(const QStringList& lines, const QString& byoName, const QString& syosinDate);

    // A cell of the block; empty outside the block.
    QString cell(int row, int column) const;
    // A field of the farmer or animal header line; empty past its end.
    QString nouka(int field) const { return noukaFields.value(field); }
    QString kotai(int field) const { return kotaiFields.value(field); }

    // Block rows of the records and of examination j (0 to 19).
    enum Row { NameRow = 0, Data1Row = 1, Data2Row = 2, Data3Row = 3 };
    static constexpr int sinsatuRow(int j) { return 4 + 11 * j; }
};
