#pragma once

#include "TiryoboBook.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

// The treatment book of one animal on disk ("\Nolvari\cb\<chart base>.txb") and the partner
// installation's copy of it ("\Nolvari\inport\<chart base>.ixb"). One line per non-blank row:
// the 30 cells joined by "'" (29 separators); inside a cell every line break is written as a TAB
// and every "'" as "’". Reading turns each TAB back into CR LF; a line without "'" is no row.
class TiryoboFile
{
public:
    enum class Status { Read, Created, Missing, Error };

    Status status = Status::Missing;
    QList<TiryoboRow> rows;
    QString errorText;

    // The chart's base name: the chart file name without ".sxd" (an ear tag may hold ".").
    static QString baseName(const QString& karteFile);
    static QString txbName(const QString& karteFile) { return baseName(karteFile) + QStringLiteral(".txb"); }
    static QString ixbName(const QString& karteFile) { return baseName(karteFile) + QStringLiteral(".ixb"); }
    static QString txbPath(const QString& karteFile);
    static QString ixbPath(const QString& karteFile);

    static QString line(const TiryoboRow& row);
    static std::optional<TiryoboRow> parseLine(const QString& line);
    static QList<TiryoboRow> parse(const QStringList& lines);

    // The animal's book; a missing book is created holding one empty line (Created, no rows).
    static TiryoboFile readBook(const QString& localPath);
    // The partner's book; Missing when it was never imported.
    static TiryoboFile readImport(const QString& localPath);
    // Rewrites the book from the book's non-blank rows through the atomic writer; the folder is
    // created when missing. On failure the old file stays and errorText names it.
    static bool write(const QString& localPath, const TiryoboBook& book, QString* errorText);

    bool ok() const { return status != Status::Error; }
};
