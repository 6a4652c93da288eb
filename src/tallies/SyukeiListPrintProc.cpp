#include "SyukeiListPrintProc.h"

#include "PageLineProc.h"

#include "common/PrintDevice.h"
#include "print/common/ListPrintRule.h"

#include <iterator>

namespace {
// The x of list columns 0 to 15, millimetres.
const float columnX[] = {10, 16, 36, 61, 76, 91, 124, 142, 182, 197, 209, 221, 233, 239, 249, 263};
constexpr int Mincho = 1;
} // namespace

void SyukeiListPrintProc::print(PrintDevice& device, const QList<QStringList>& rows)
{
    device.setPaper(PrintDevice::Paper::A4, PrintDevice::Orientation::Landscape);
    ListPrintRule rule(device, ListPrintRule::TextY::Bottom);
    PageLineProc(device, rows.size(), LinesPerPage, [&](qsizetype k, float y) {
        for (int c = 0; c < int(std::size(columnX)); ++c)
            rule.text(rows.at(k).value(c), 9, Mincho, ListPrintRule::Start, columnX[c], y);
    });
}
