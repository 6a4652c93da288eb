#include "BetuPrintProc.h"

#include "PageLineProc.h"

#include "common/PrintDevice.h"
#include "print/common/PrintTextAlignProc.h"

namespace {

struct Cell
{
    int column;
    int align;
    float x;
};
const Cell cells[] = {{1, 2, 10}, {2, 3, 50}, {3, 4, 80}, {4, 4, 90}};
const QString Face = QStringLiteral("ＭＳ Ｐ明朝");

} // namespace

void BetuPrintProc::print(PrintDevice& device, const QList<QStringList>& rows)
{
    device.setPaper(PrintDevice::Paper::A4, PrintDevice::Orientation::Portrait);
    PageLineProc(device, rows.size(), LinesPerPage, [&](qsizetype k, float y) {
        for (const Cell& c : cells)
            PrintTextAlignProc(device, Face, 11, c.align, 0, rows.at(k).value(c.column), c.x, y, FormOffset{});
    });
}
