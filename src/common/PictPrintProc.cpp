#include "PictPrintProc.h"

#include "BitmapPicture.h"
#include "PrintDevice.h"
#include "PrintPageModel.h"

bool PictPrintProc(PrintDevice& device, int n, float x, float& y)
{
    const PrintPageModel page = PrintPageModel::forPrimitive();
    y = float(double(y) * page.nobi());
    const std::optional<QPoint> at = page.cornerTwips(x, y);
    if (!at)
        return false;
    if (n <= 0)
        return true;
    const QString file = BitmapPicture::pictFile(QStringLiteral("Pict_") + QString::number(n - 1));
    return device.drawPicture(file, at->x(), at->y());
}
