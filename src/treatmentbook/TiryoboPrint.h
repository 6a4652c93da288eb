#pragma once

#include "TiryoboRow.h"

#include <QList>
#include <QString>
#include <QStringList>

class PrintDevice;

// The printed treatment book "家畜治療簿" on B5 portrait: on the first page the animal box, the
// calving data of the selected day and a table of 11 rows of 15 mm; on every further page the
// table alone. The rows print from the selected row down to the row before the first "治療終了",
// blank rows taking no band. Every text and line of the layout lands 3.5 mm left of and 2 mm
// above its layout point; the pictures and the PL mark take the print calibration instead.
class TiryoboPrint
{
public:
    static constexpr int RowsPerPage = 11;

    struct Input
    {
        QList<TiryoboRow> rows;     // from the selected row to the book's last row
        QStringList printData;      // IbaragiPrintData: 12 texts
        QStringList kotaiData;      // name (and number), birth date, temperature of the day
        QString companyForm;        // the farm company's legal-form word
        QString companyName;
    };

    // Draws the pages (the caller ends the document). Returns the pictures that could not be
    // printed, each named once: a missing file or a number above the 71 pictures.
    static QStringList TiryoboPrintProc(PrintDevice& device, const Input& input);

    enum Align { Bytes, Left, Chars };
    // A text whose line middle is at y: centred by bytes, left, or centred by characters.
    static void TiryoboMojiProc(PrintDevice& device, const QString& text, double x, double y, int size, Align align);
    // A text wrapped at width full-width characters (2 x width bytes), lines 3.8 mm apart; a text
    // of more than width characters starts 1 mm higher.
    static void TiryoboWrapProc(PrintDevice& device, const QString& text, double x, double y0, int size, int width);
    // The two built texts of a row: temperature, course, management and sire; and the treatment.
    static QString gensyoText(const TiryoboRow& row);
    static QString syochiText(const TiryoboRow& row);
};
