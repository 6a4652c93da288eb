#pragma once

#include "IninjyoPrintData.h"

class PrintDevice;

// The print run of the powers of attorney on an association's pre-printed form (鳥取県, 群馬県):
// one document per farmer with rows to print, each on a new sheet; ten rows to a page, the page
// numbered when the farmer has more than ten rows, the header on every page and the fee total on
// the first. A farmer without name is passed over (his rows are named at the end); where the form
// needs an individual number, a row without one takes no row line and its fee stays in the total.
struct IninjyoFormLayout
{
    struct Page
    {
        const IninjyoPrintData* data;
        int number;
        bool numbered;
        float shift;   // the paper shift: positions but the date stand this much higher
    };
    using Header = void (*)(PrintDevice&, const Page&);
    using Row = void (*)(PrintDevice&, const Page&, const QStringList& row, float y);

    float firstRowY = 0;
    float pitch = 0;
    float shift = 0;
    bool needsKotai = false;
    int totalSize = 13;
    float totalX = 0;
    float totalY = 0;
    Header header = nullptr;
    Row row = nullptr;
};

class IninjyoFormRun
{
public:
    static constexpr int RowsPerPage = 10;
    // Calls print for every farmer with a name and rows to print, each after the first on a new
    // page; the rows of farmers without name go into the notes.
    static void eachFarmer(PrintDevice& device, const IninjyoPrintData& data, IninjyoPrintNotes& notes,
                           const std::function<void(const IninjyoFarmer&)>& print);
    static void run(PrintDevice& device, const IninjyoPrintData& data, const IninjyoFormLayout& layout,
                    IninjyoPrintNotes& notes);
    // The three parts of a date cell "y.m.d" at three x positions, size 10, centred; nothing for a
    // text without ".".
    static void datePrint(PrintDevice& device, const QString& date, const float (&x)[3], float y, float offX,
                          float offY);
};
