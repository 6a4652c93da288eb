#include "PrintDevice.h"

#include "FontSetup.h"

#include <QCoreApplication>
#include <QFontMetricsF>

void PrintDevice::setPaper(Paper paper, Orientation orientation)
{
    paperValue = paper;
    orientationValue = orientation;
}

double PrintDevice::paperWidthMm(Paper paper, Orientation orientation)
{
    const double shortSide = paper == Paper::A4 ? 210 : paper == Paper::JisB4 ? 257 : paper == Paper::A5 ? 148 : 182;
    const double longSide = paper == Paper::A4 ? 297 : paper == Paper::JisB4 ? 364 : paper == Paper::A5 ? 210 : 257;
    return orientation == Orientation::Portrait ? shortSide : longSide;
}

double PrintDevice::paperHeightMm(Paper paper, Orientation orientation)
{
    return paperWidthMm(paper, orientation == Orientation::Portrait ? Orientation::Landscape
                                                                    : Orientation::Portrait);
}

void PrintDevice::printText(const QString& text)
{
    drawText(text, currentXValue, currentYValue);
    currentYValue += textHeight(text);
    currentXValue = 0;
}

double PrintDevice::textWidth(const QString& text) const
{
    return FontSetup::textWidthTwips(fontNameValue, fontSizeValue, fontBoldValue, fontItalicValue, text);
}

double PrintDevice::textHeight(const QString& text) const
{
    Q_UNUSED(text);
    return FontSetup::lineHeightTwips(fontNameValue, fontSizeValue, fontBoldValue, fontItalicValue);
}

void PrintDevice::processEvents()
{
    QCoreApplication::processEvents();
}
