#pragma once

#include <QString>
#include <QStringList>

// Readings of chart values that several certificate layouts print alike.
class SindansyoText
{
public:
    // Whether the ear tag prints as the animal's number: the chart is not a calf chart (its name
    // before the first "." ends in "0"), and the tag is neither a provisional "k" number nor one
    // with a branch ("-").
    static bool mimibanPrinted(const QString& karteFile, const QString& tag);
    // Field 6 of the animal record split into the animal's name and its individual number: when
    // the field holds exactly one ":", the two parts; otherwise the whole field and an empty number.
    static QStringList meigouParts(const QString& field);
    // A date's year without its era letters "H" and "R".
    static QString withoutEra(QString year);
};
