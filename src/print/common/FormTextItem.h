#pragma once

#include "FormOffset.h"
#include "PrintTextAlignProc.h"

#include <QList>
#include <QString>

class PrintDevice;

// One data item of a form drawn whole on plain paper, a row of the form's item table:
//   {item, source, size, align, x, y, width, condition}
// printed through PrintTextAlignProc in the face the walker is given, its vertical middle on y,
// align 1 spread over width, 2 from x, 3 centred on x, 4 ending at x; x and y in millimetres
// from the form's origin. condition (none: always) decides whether the item prints; an empty
// text prints nothing but sets the face and size, as PrintTextAlignProc does.
template <class Source>
struct FormTextItem
{
    using Text = QString (*)(const Source&);
    using Condition = bool (*)(const Source&);

    QString item;
    Text source = nullptr;
    float size = 10;
    int align = 2;
    float x = 0;
    float y = 0;
    float width = 0;
    Condition condition = nullptr;
};

template <class Source>
using FormTextTable = QList<FormTextItem<Source>>;

// Prints the rows of a table in order.
template <class Source>
void FormTextItemProc(PrintDevice& device, const FormTextTable<Source>& table, const Source& data,
                      const QString& face, const FormOffset& offset)
{
    for (const FormTextItem<Source>& row : table) {
        if (row.condition && !row.condition(data))
            continue;
        PrintTextAlignProc(device, face, row.size, row.align, row.width, row.source(data), row.x, row.y, offset);
    }
}
