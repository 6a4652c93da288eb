#include "TextWrapProc.h"

#include "common/PrintDevice.h"
#include "common/PrintPageModel.h"

QStringList TextWrapProc(PrintDevice& device, float fontSize, float width, const QString& text)
{
    const float k = PrintPageModel::current().TwipPerMm;
    device.setFontSize(fontSize);
    QStringList lines{QString()};
    for (const QChar c : text) {
        const float w = float(device.textWidth(lines.last())) / k + float(device.textWidth(QString(c))) / k;
        if (w >= width)
            lines.append(QString(c));
        else
            lines.last().append(c);
    }
    return lines;
}
