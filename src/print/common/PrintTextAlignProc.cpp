#include "PrintTextAlignProc.h"

#include "common/PrintDevice.h"
#include "common/PrintPageModel.h"

#include <QStringList>

namespace {

float widthMm(const PrintDevice& device, const QString& text, float k)
{
    return float(device.textWidth(text)) / k;
}

void printAt(PrintDevice& device, const QString& text, float x, float y, const FormOffset& offset, float k)
{
    device.setCurrentX(offset.xTwips(x, k));
    device.setCurrentY(offset.yTwips(y, k));
    if (!text.isEmpty())
        device.printText(text);
}

// The characters without blanks, gathered into groups: "。" joins the group before it.
QStringList spreadGroups(const QString& text)
{
    QStringList groups;
    for (const QChar c : text) {
        if (c == QLatin1Char(' ') || c == QChar(0x3000))
            continue;
        if (c == QChar(0x3002) && !groups.isEmpty())
            groups.last().append(c);
        else
            groups.append(QString(c));
    }
    return groups;
}

} // namespace

void PrintTextAlignProc(PrintDevice& device, const QString& fontName, float fontSize, int align, float width,
                        const QString& text, float x, float y, const FormOffset& offset)
{
    const float k = PrintPageModel::current().TwipPerMm;
    device.setFontName(fontName);
    device.setFontSize(fontSize);
    const float dy = -(float(device.textHeight(text)) / k) / 2;
    const QStringList groups = align == 1 ? spreadGroups(text) : QStringList();
    const int n = int(groups.join(QString()).size());
    if (align == 1 && n < 2)
        align = 2;
    switch (align) {
    case 2: printAt(device, text, x, y + dy, offset, k); return;
    case 3: printAt(device, text, x - widthMm(device, text, k) / 2, y + dy, offset, k); return;
    case 4: printAt(device, text, x - widthMm(device, text, k), y + dy, offset, k); return;
    case 1: break;
    default: return;
    }
    const float gap = (width - widthMm(device, groups.join(QString()), k)) / float(n - 1);
    float dx = 0;
    for (const QString& group : groups) {
        printAt(device, group, x + dx, y + dy, offset, k);
        dx += widthMm(device, group, k) + gap;
    }
}
