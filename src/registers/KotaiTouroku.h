#pragma once

#include "TourokuCheck.h"
#include "common/SharedState.h"

#include <QString>
#include <QStringList>

// Registering an animal of the current farmer: the checks of "登録実行", the chart keys, the grid
// row and the two chart header lines, and the write of those lines into the animal's chart (a new
// chart, or the header of the chart it has, its episodes kept).
class KotaiTouroku
{
public:
    // The animal page's input area.
    struct Input
    {
        QString Syurui;   // caption of the chosen visible species option, empty when none
        QString Seibetu;  // caption of the chosen sex option, empty when none
        QString Hoken;    // caption of the chosen insurance option, empty when none
        QString BirthDay; // the birth-date label, "-" while not set
        QString Sekinin;  // the start-of-cover label, "-" while not set
        QString Meigou;   // name box
        QString KotaiNo;  // individual-number box
        QString Mimi;     // ear-tag box
        QString Keiro;    // coat-colour box
        QString Tokutyo;  // features box
    };

    // The checks in their order. boxes are the texts of every input box of the window; nouka is
    // the chosen farmer (none chosen refuses, as does the page's empty farmer label).
    static TourokuCheck check(const QStringList& boxes, const Input& input, Ken ken,
                              const NoukaInfo& nouka, const QString& nameHyoji);
    // Refuses a farmer code that cannot stand in a file name (FileNameCheckProc).
    static TourokuCheck noukaCodeCheck(const NoukaInfo& nouka);

    // The chart key: "H", data year, "_", farmer code, "_", ear tag, "_0" (own) or "_1" (calf).
    static QString key(const QString& nendo, const QString& noukaCode, const QString& mimi, bool calf);
    // The last part of a chart key ("0" or "1"), "0" when the key has no such part.
    static QString keyEda(const QString& key);

    // The grid row (columns 1 to 10) the input gives under key; no sex or insurance chosen takes
    // the first option's caption.
    static QStringList gridRow(const Input& input, const QString& key);

    // The chart a delete removes: the own chart k0, or the calf chart k1 when the calf was
    // clicked last, else k1 when only it is listed; failing both, a listed chart whose ear tag is
    // the typed one without its leading "0". Empty when none is listed.
    static QString sakujoTarget(const QStringList& toridasi, const QString& k0, const QString& k1,
                                const QString& nbCheck, const QString& mimi);

    static QString noukaLine(const NoukaInfo& nouka);
    static QString kotaiLine(const QStringList& row);

    // Writes the header lines of chart key from the farmer and the grid row: a chart that exists
    // in the folder (in any letter case) keeps every line after the header; otherwise the chart is
    // created with the two lines.
    static bool KarteHeaderSaveProc(const QString& karteFolder, const QString& key, const NoukaInfo& nouka,
                                    const QStringList& row, QString* errorText);
};
