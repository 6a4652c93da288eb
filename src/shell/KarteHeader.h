#pragma once

#include <QString>
#include <QStringList>

// The two header lines of a chart file, the farmer record (line 0) and the animal record (line 1),
// read without the episodes. In these two lines "’" stands for the separator "'".
class KarteHeader
{
public:
    enum class Status { Ok, Unreadable, Incomplete };

    Status status = Status::Unreadable;
    QString errorText;        // set unless Ok: names the file and what is wrong
    QStringList noukaFields;  // line 0 split at "'"
    QStringList kotaiFields;  // line 1 split at "'"

    bool ok() const { return status == Status::Ok; }

    // A header line split into its fields, "’" counting as "'".
    static QStringList splitHeaderLine(const QString& line);

    // Reads the first two lines of the file at localPath. A file that cannot be read or decoded is
    // Unreadable; one whose first or second line is missing or empty is Incomplete.
    static KarteHeader read(const QString& localPath);
};
