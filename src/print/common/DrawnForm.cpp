#include "DrawnForm.h"

#include "PrintTextAlignProc.h"

#include "common/MojiPrintProc.h"
#include "common/PrintDevice.h"
#include "common/PrintPageModel.h"

void DrawnForm::draw(PrintDevice& device, const FormOffset& offset) const
{
    for (const Caption& c : captions)
        PrintTextAlignProc(device, c.face, c.size, c.align, c.width, c.text, c.x, c.y, offset);
    const float k = PrintPageModel::current().TwipPerMm;
    for (const Line& l : lines) {
        device.setLineWidth(l.width);
        device.setLineStyle(l.dotted ? PrintDevice::Dot : PrintDevice::Solid);
        device.drawLine(offset.xTwips(l.x1, k), offset.yTwips(l.y1, k), offset.xTwips(l.x2, k), offset.yTwips(l.y2, k));
    }
    device.setLineStyle(PrintDevice::Solid);
}

void DrawnForm::drawLabels(PrintDevice& device, const QList<Label>& labels, float x0, float y0)
{
    for (const Label& l : labels)
        MojiPrintProc(device, l.text, l.size, l.font, x0 + l.x, y0 + l.y, 0, 0);
}
