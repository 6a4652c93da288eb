#include "KotaiItiranPrint.h"

#include "common/PrintDevice.h"

#include <cmath>

namespace {
const QString Gothic = QStringLiteral("ＭＳ Ｐゴシック");
const QString Mincho = QStringLiteral("ＭＳ Ｐ明朝");
constexpr double LineSize = 11;

// The x of each printed grid column 0 to 8, in millimetres.
constexpr double ColumnX[] = {10, 16, 36, 61, 81, 91, 141, 151, 166};

double lineY(int k)
{
    return 25 + 6.0 * k;
}
} // namespace

void KotaiItiranPrint::printItem(PrintDevice& device, const QString& text, const QString& fontName, double size,
                                 double x, double y, double twipPerMm)
{
    const double h = size * 25 / 72;
    device.setFontName(fontName);
    device.setFontSize(size);
    device.setFontBold(false);
    device.setFontItalic(false);
    device.processEvents();
    device.setCurrentX(std::floor((x - 3.5) * twipPerMm));
    device.setCurrentY(std::floor((y - h - 2) * twipPerMm));
    if (!text.isEmpty())
        device.printText(text);
}

void KotaiItiranPrint::KotaiItiranPrintProc(PrintDevice& device, const QString& nameHyoji,
                                            const QList<QStringList>& rows, double twipPerMm)
{
    device.setPaper(PrintDevice::Paper::A4, PrintDevice::Orientation::Portrait);
    printItem(device, nameHyoji, Gothic, 12, 10, 18, twipPerMm);
    int k = 0;
    for (int i = 0; i < rows.size(); ++i) {
        if (k == LinesPerPage) {
            device.newPage();
            k = 0;
        }
        ++k;
        for (int c = 0; c < 9; ++c)
            printItem(device, rows.at(i).value(c), Mincho, LineSize, ColumnX[c], lineY(k), twipPerMm);
    }
}
