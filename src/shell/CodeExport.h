#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// The maintenance commands of the main window on the code files: the drug-price table exported
// as the year-2010 national drug-code file, the two searches of the drug-price table, and the code
// files exported as numbered assignment lines.
class CodeExport
{
public:
    struct Assignment
    {
        QString source;  // system path of the code file
        QString prefix;  // "KusuriName(" ...
        QString target;  // system path of the export file
    };

    // Lines of the drug-code file: for every element of the table but the last, fields 0 to 2,
    // "*", field 3 and three empty fields, joined by "'".
    static QStringList sagyouLines(const QStringList& yakkaCodeTable);
    // The files the drug-code lines are written to (system paths).
    static QStringList sagyouTargets();

    // Field 0 of every element that contains the text, ignoring case.
    static QStringList searchText(const QStringList& yakkaCodeTable, const QString& text);
    // Field 0, "：" and field 1 of every element, up to the first empty one, whose field 4 or
    // field 3 equals the text.
    static QStringList searchPrice(const QStringList& yakkaCodeTable, const QString& text);

    // Writes the lines to each system path (folders created); returns the texts of the files that
    // could not be written.
    static QStringList writeFiles(const QStringList& systemPaths, const QStringList& lines);

    static QList<Assignment> assignments();
    // Writes every assignment file from its source; returns the texts of the sources that could
    // not be read and the targets that could not be written.
    static QStringList exportAssignments();
    // prefix, line number from 0, ")=" and the line in double quotes.
    static QStringList assignmentLines(const QString& prefix, const QStringList& lines);
};
