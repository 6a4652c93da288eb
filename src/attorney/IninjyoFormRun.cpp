#include "IninjyoFormRun.h"

#include "common/PrintDevice.h"
#include "print/common/ListPrintRule.h"
#include "print/common/PrintTextAlignProc.h"

namespace {
const QString Mincho = QStringLiteral("ＭＳ Ｐ明朝");

void printFarmer(PrintDevice& device, const IninjyoPrintData& data, const IninjyoFormLayout& layout,
                 const IninjyoFarmer& farmer, IninjyoPrintNotes& notes)
{
    IninjyoFormLayout::Page page{&data, 1, farmer.rows.size() > IninjyoFormRun::RowsPerPage, layout.shift};
    layout.header(device, page);
    qint64 total = 0;
    for (const QStringList& row : farmer.rows)
        total += IninjyoFee(row.value(IninjyoList::HiCol));
    device.processEvents();
    ListPrintRule(device, ListPrintRule::TextY::Bottom, data.offX, data.offY - layout.shift)
        .text(IninjyoKingaku(total), layout.totalSize, 1, ListPrintRule::EndBytes, layout.totalX, layout.totalY);
    int onPage = 0;
    for (const QStringList& row : farmer.rows) {
        const QList<int> cells{IninjyoList::KotaiCol, IninjyoList::ByoCol,  IninjyoList::SyosinCol, IninjyoList::SyusinCol,
                               IninjyoList::TenkiCol, IninjyoList::HiCol,  IninjyoList::KyosaiCol};
        const bool any = std::any_of(cells.begin(), cells.end(), [&row](int c) { return !row.value(c).isEmpty(); });
        if (layout.needsKotai && row.value(IninjyoList::KotaiCol).isEmpty()) {
            notes.noId.append(IninjyoPrintNotes::rowText(row));
            continue;
        }
        if (!any)
            continue;
        if (onPage == IninjyoFormRun::RowsPerPage) {
            device.newPage();
            ++page.number;
            onPage = 0;
            layout.header(device, page);
        }
        layout.row(device, page, row, layout.firstRowY + layout.pitch * float(onPage));
        ++onPage;
    }
}
} // namespace

void IninjyoFormRun::datePrint(PrintDevice& device, const QString& date, const float (&x)[3], float y, float offX,
                               float offY)
{
    if (!date.contains(QLatin1Char('.')))
        return;
    const QStringList p = date.split(QLatin1Char('.'));
    for (int i = 0; i < 3; ++i)
        PrintTextAlignProc(device, Mincho, 10, 3, 0, p.value(i), x[i], y, FormOffset{0, 0, offX, offY});
}

void IninjyoFormRun::run(PrintDevice& device, const IninjyoPrintData& data, const IninjyoFormLayout& layout,
                         IninjyoPrintNotes& notes)
{
    device.setPaper(PrintDevice::Paper::A4, PrintDevice::Orientation::Portrait);
    eachFarmer(device, data, notes,
               [&](const IninjyoFarmer& farmer) { printFarmer(device, data, layout, farmer, notes); });
}

void IninjyoFormRun::eachFarmer(PrintDevice& device, const IninjyoPrintData& data, IninjyoPrintNotes& notes,
                                const std::function<void(const IninjyoFarmer&)>& print)
{
    bool printed = false;
    for (const IninjyoFarmer& farmer : data.farmers) {
        if (farmer.name.isEmpty()) {
            for (const QStringList& row : farmer.rows)
                notes.noName.append(IninjyoPrintNotes::rowText(row));
            continue;
        }
        if (farmer.rows.isEmpty())
            continue;
        if (printed)
            device.newPage();
        printed = true;
        print(farmer);
    }
}
