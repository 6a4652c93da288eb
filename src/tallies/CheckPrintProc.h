#pragma once

#include <QList>
#include <QString>
#include <QStringList>

class PrintDevice;

// The duplicate check's result as a list on A4 portrait, 10 pt Mincho through MojiPrintProc:
// every numbered row of the result table (column 0 not empty) prints its number at x 19.5, its
// first entry's member at 29.5 and ear tag at 69.5 mm, then each further non-empty cell of the
// row on a line of its own at 69.5 mm, and a line is left after the row. Lines lie 5 mm apart
// from y 28.5 mm, 45 a page (no page is started for nothing). Ends the document: false, with the reason, when the pages could not
// be produced.
bool CheckPrintProc(PrintDevice& device, const QList<QStringList>& table, QString* errorText = nullptr);
