#pragma once

#include <QMap>
#include <QPointF>
#include <QString>

// The words of a PDF file as pdftotext (poppler-utils) reads them back, with the top-left corner of
// each in millimetres from the page's corner. A word found twice keeps its last place.
class PdfWords
{
public:
    static QMap<QString, QPointF> topLeftMm(const QString& pdfPath, int* pageCount = nullptr);
};
