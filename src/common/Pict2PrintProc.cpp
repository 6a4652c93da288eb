#include "Pict2PrintProc.h"

#include "BitmapPicture.h"
#include "PrintDevice.h"
#include "PrintPageModel.h"
#include "ValueReader.h"

#include <QStringList>

namespace {

// The picture pair of 宮崎県: "<swap>:<pair>", the second picture 13 mm to the right of the first.
bool printPair(PrintDevice& device, const QString& code, QPoint first, QPoint second)
{
    const QStringList parts = code.split(QLatin1Char(':'));
    if (parts.size() != 2)
        return true;
    bool isNumber = false;
    const double swap = parts.at(0).trimmed().toDouble(&isNumber);
    if (!isNumber)
        return false;
    if (swap != 0 && swap != 1)
        return true;
    const QString& pair = parts.at(1);
    const QString left = BitmapPicture::pictFile(QStringLiteral("M_Left") + pair);
    const QString right = BitmapPicture::pictFile(QStringLiteral("M_Right") + pair);
    return device.drawPicture(swap == 0 ? left : right, first.x(), first.y())
        && device.drawPicture(swap == 0 ? right : left, second.x(), second.y());
}

} // namespace

bool Pict2PrintProc(PrintDevice& device, const QString& code, float x, float& y)
{
    const PrintPageModel page = PrintPageModel::forPrimitive();
    y = float(double(y) * page.nobi());
    const std::optional<QPoint> first = page.cornerTwips(x, y);
    const std::optional<QPoint> second = page.cornerTwips(double(x) + 13, y);
    if (!first || !second)
        return false;
    if (page.ken == Ken::Miyazaki)
        return printPair(device, code, *first, *second);
    if (code == QLatin1String("0"))
        return true;
    const double n = ValueReader::leadingNumber(code);
    const QString file = BitmapPicture::pictFile(QStringLiteral("Pict2_") + QString::number(n - 1, 'g', 15));
    return device.drawPicture(file, first->x(), first->y());
}
