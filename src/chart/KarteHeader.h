#pragma once

#include <QString>
#include <QStringList>

// The two header lines of a chart file, the farmer record (line 0) and the animal record (line 1),
// read without the rest of the file and split as the chart's header lines are ("’" counts as "'",
// values trimmed), whatever their number of fields: the animal list takes a chart with at least
// 11 fields and does not depend on its episodes being sound.
class KarteHeader
{
public:
    enum class Status { Ok, Unreadable, Incomplete };

    Status status = Status::Unreadable;
    QString errorText;        // set unless Ok: names the file and what is wrong
    QString noukaLine;        // line 0 as read
    QString kotaiLine;        // line 1 as read
    QStringList noukaFields;  // line 0 split into its fields
    QStringList kotaiFields;  // line 1 split into its fields

    bool ok() const { return status == Status::Ok; }

    // Reads the first two lines of the file at localPath. A file that cannot be read or decoded is
    // Unreadable; one whose first or second line is missing or empty is Incomplete.
    static KarteHeader read(const QString& localPath);
};
