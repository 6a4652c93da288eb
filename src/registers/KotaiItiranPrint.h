#pragma once

#include <QList>
#include <QString>
#include <QStringList>

class PrintDevice;

// The printed animal list: the farmer on the first page, then 40 animals a page on plain A4
// paper, one line per animal with the grid's columns 0 to 8, no headings and no frame lines.
class KotaiItiranPrint
{
public:
    static constexpr int LinesPerPage = 40;

    // rows: the grid's rows from row 1 up to the first with an empty ear tag, columns 0 to 8.
    static void KotaiItiranPrintProc(PrintDevice& device, const QString& nameHyoji,
                                     const QList<QStringList>& rows, double twipPerMm);

    // One item: size s points at (x, y) mm, placed 3.5 mm left of x and one text height plus
    // 2 mm above y; an empty text prints nothing.
    static void printItem(PrintDevice& device, const QString& text, const QString& fontName, double size,
                          double x, double y, double twipPerMm);
};
