#pragma once

#include <QString>
#include <QStringList>
#include <array>
#include <optional>

class SindansyoEpisode;

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
    // The text without the ASCII letters a-z and A-Z (full-width letters, digits and every other
    // character stay).
    static QString EijiDelProc(QString text);
    // The animal's name and individual number of field 6 as the Ibaraki certificates print them:
    // meigouParts, the number without ASCII letters (EijiDelProc).
    static QStringList meigouNumber(const QString& field);
    // A date's year without its era letters "H" and "R".
    static QString withoutEra(QString year);
    // The vital signs of an examination's T.P.R. text ("T=39.2 P=84 R=32") as they print: "T."
    // and the temperature (also when it is empty), "P." and the pulse, "R." and the respiration
    // (each only when a value follows); an empty text where an item prints nothing. All three are
    // empty unless the text splits at " " into exactly three items, and an item that does not
    // split at "=" into exactly two pieces is empty.
    static QStringList vitalTexts(const QString& tpr);
    // The three values of a T.P.R. text, trimmed: none for each unless the text splits at " "
    // into exactly three items, and none for an item that does not split at "=" into exactly
    // two pieces.
    static std::array<std::optional<QString>, 3> vitalValues(const QString& tpr);
    // The course text of the examination whose line 0 is block row row: its symptoms and course
    // (line 1 field 2, trimmed), then " " and each findings field 3 to 10 of line 8 that is not
    // empty.
    static QString keikaText(const SindansyoEpisode& episode, int row);
};
