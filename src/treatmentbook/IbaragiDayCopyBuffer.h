#pragma once

#include <QString>

class TiryoboRow;

// The treatment book's copy buffer of days and marked rows (the shared IbaragiDayCopyBuffer, one
// text per copied row, kept until the program ends) and the clipboard text of a single row.
//
// A buffered row is its 30 cells, each without line breaks and trimmed, with "'" written as "’",
// joined by "'". A clipboard row is its 30 cells joined by TAB, each with "'" written as "’" and
// every line break (and TAB) carried as "'", which pasting turns back into CR LF.
class IbaragiDayCopyBuffer
{
public:
    static QString bufferLine(const TiryoboRow& row);
    static TiryoboRow bufferRow(const QString& line);

    static QString clipText(const TiryoboRow& row);
    // The cells of a clipboard text: its first line split at TAB, "'" turned into CR LF.
    static TiryoboRow clipRow(const QString& text);
};
