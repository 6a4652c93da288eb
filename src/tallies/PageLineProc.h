#pragma once

#include <QtGlobal>
#include <functional>

class PrintDevice;

// The lines of the workbench's plain check lists: row k prints on line n of its page at
// y = 6 n + 15 mm (n from 1), perPage lines a page; a new page begins only before a row that
// follows a full page, so a list that ends on a full page leaves no blank sheet.
void PageLineProc(PrintDevice& device, qsizetype rows, int perPage, const std::function<void(qsizetype row, float y)>& line);
