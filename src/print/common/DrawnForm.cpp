#include "DrawnForm.h"

#include "PrintTextAlignProc.h"

#include "common/PrintDevice.h"
#include "common/PrintPageModel.h"

void DrawnForm::draw(PrintDevice& device, const FormOffset& offset) const
{
    for (const Caption& c : captions)
        PrintTextAlignProc(device, c.face, c.size, c.align, c.width, c.text, c.x, c.y, offset);
    const float k = PrintPageModel::current().TwipPerMm;
    for (const Line& l : lines) {
        device.setLineWidth(l.width);
        if (l.style != PrintDevice::Solid)
            device.setLineStyle(l.style);
        device.drawLine(offset.xTwips(l.x1, k), offset.yTwips(l.y1, k), offset.xTwips(l.x2, k), offset.yTwips(l.y2, k));
        if (l.style != PrintDevice::Solid)
            device.setLineStyle(PrintDevice::Solid);
    }
}
