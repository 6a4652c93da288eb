#include "CircleMarkProc.h"

#include "common/PrintDevice.h"
#include "common/PrintPageModel.h"

void CircleMarkProc(PrintDevice& device, float x, float y, float r, const FormOffset& offset)
{
    const float k = PrintPageModel::current().TwipPerMm;
    device.setLineStyle(PrintDevice::Solid);
    device.setLineWidth(3);
    device.drawCircle(offset.xTwips(x, k), offset.yTwips(y, k), r * k);
}
