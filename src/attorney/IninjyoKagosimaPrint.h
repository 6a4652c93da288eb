#pragma once

#include "IninjyoPrintData.h"

class PrintDevice;

// The power of attorney of 鹿児島県, drawn whole (frame, wording and data) on blank A4 paper: one
// document per farmer with rows to print, ten rows to a page, each page repeating the frame and
// wording, the fee total on the first page. The address and name print where their check boxes
// ask. A row identified neither by name nor by ear tag takes no slot; its fee stays in the total.
class IninjyoKagosimaPrint
{
public:
    static void IninjyoKagosimaPrintProc(PrintDevice& device, const IninjyoPrintData& data, IninjyoPrintNotes& notes);
    // The date line from the kept date: "令和　5 年 6 月 1 日", or blanks to fill in by hand.
    static QString dateLine(const QString& dateKioku);
};
