#pragma once

#include "YakuhinSyukei.h"

#include <QList>
#include <QString>

class PrintDevice;

// The drug-use list (薬品使用明細) on A4 portrait: a framed table of 24 rows a page, numbered on
// over the pages in every slot, with the drug name, the standard and the quantity of each tally
// row (long texts wrapped by their code-page width), and the title with the era, the year and
// the months as the boxes hold them. Placed by the list rules (ListPrintRule, y the middle of the
// text). Ends the document: false, with the reason, when the pages could not be produced.
bool YakuhinMeisaiPrintProc(PrintDevice& device, const QList<YakuhinSyukei::Row>& rows,
                            const YakuhinSyukei::Joken& boxes, float twipPerMm, QString* errorText = nullptr);
