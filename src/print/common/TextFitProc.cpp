#include "TextFitProc.h"

#include "PrintTextAlignProc.h"
#include "TextWrapProc.h"

#include "common/PrintDevice.h"
#include "common/PrintPageModel.h"

namespace {
const QString Mincho = QStringLiteral("ＭＳ Ｐ明朝");
} // namespace

std::optional<float> TextFitSize(PrintDevice& device, float width, const QString& text, float minSize, float maxSize)
{
    const float k = PrintPageModel::current().TwipPerMm;
    std::optional<float> fit;
    for (float s = minSize; s <= maxSize; s += 0.1f) {
        device.setFontSize(s);
        if (float(device.textWidth(text)) / k <= width)
            fit = s;
    }
    return fit;
}

void TextFitProc(PrintDevice& device, float x, float y, float width, float height, const QString& text,
                 float minSize, float maxSize, const FormOffset& offset)
{
    if (text.isEmpty())
        return;
    if (const std::optional<float> size = TextFitSize(device, width, text, minSize, maxSize)) {
        PrintTextAlignProc(device, Mincho, *size, 2, 0, text, x, y, offset);
        return;
    }
    const float s2 = (height - 0.3f) / 2 / 0.3527f;
    const QStringList lines = TextWrapProc(device, s2, width, text);
    PrintTextAlignProc(device, Mincho, s2, 2, 0, lines.at(0), x, y - height / 4, offset);
    if (lines.size() > 1)
        PrintTextAlignProc(device, Mincho, s2, 2, 0, lines.at(1), x, y + height / 4, offset);
}
