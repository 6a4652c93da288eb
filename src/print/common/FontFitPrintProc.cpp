#include "FontFitPrintProc.h"

#include "PrintTextAlignProc.h"
#include "TextFitProc.h"
#include "TextWrapProc.h"

#include "common/PrintDevice.h"
#include "common/PrintPageModel.h"

namespace {
const QString Mincho = QStringLiteral("ＭＳ Ｐ明朝");
constexpr float LineGap = 0.5f;
} // namespace

void FontFitPrintProc(PrintDevice& device, float x, float y, float boxWidth, float boxHeight, const QString& text,
                      float firstSize, float lastSize, const FormOffset& offset, int mode)
{
    if (text.isEmpty())
        return;
    if (const std::optional<float> size = TextFitSize(device, boxWidth, text, firstSize, lastSize)) {
        PrintTextAlignProc(device, Mincho, *size, 2, 0, text, x, y, offset);
        return;
    }
    const QStringList lines = TextWrapProc(device, firstSize, boxWidth, text);
    device.setFontSize(firstSize);
    const float h = float(device.textHeight(text)) / PrintPageModel::current().TwipPerMm;
    const float pitch = h + LineGap;
    const float n = float(lines.size());
    const float y0 = mode == 0 ? y - boxHeight / 2 + LineGap + h / 2 : mode == 2 ? y : y - pitch * (n - 1) / 2;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        PrintTextAlignProc(device, Mincho, firstSize, 2, 0, lines.at(i), x, y0 + pitch * float(i), offset);
    }
}
