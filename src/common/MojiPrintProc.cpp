#include "MojiPrintProc.h"

#include "ByteLenProc.h"
#include "PrintDevice.h"
#include "PrintPageModel.h"
#include "SharedUtil.h"
#include "ValueReader.h"

#include <QList>
#include <QPoint>
#include <QPointF>
#include <cmath>

namespace {

// A glyph is drawn as strokes: a chain of points joined by straight lines, or, for a single
// point, a full circle of radius 50 twips around it. Points are whole twips from the anchor.
using Stroke = QList<QPoint>;
using Glyph = QList<Stroke>;

// The digits of the machine-read form (宮崎県): points on a grid of 16.2 twips, rounded.
const QList<Glyph>& ocrGlyphs()
{
    static const QList<Glyph> glyphs = {
        {{{65, 16}, {97, 16}, {129, 32}, {145, 64}, {145, 161}, {129, 193}, {97, 209}, {65, 209},
          {33, 193}, {17, 161}, {17, 64}, {33, 32}, {65, 16}}},
        {{{81, 16}, {81, 210}}},
        {{{16, 49}, {32, 33}, {64, 17}, {96, 17}, {128, 33}, {144, 49}, {144, 65}, {128, 97},
          {15, 210}, {145, 210}}},
        {{{16, 49}, {32, 33}, {64, 17}, {96, 17}, {128, 33}, {144, 49}, {144, 81}, {112, 113},
          {144, 145}, {144, 177}, {128, 193}, {96, 209}, {64, 209}, {32, 193}, {16, 177}},
         {{49, 113}, {114, 113}}},
        {{{16, 16}, {16, 162}, {129, 162}}, {{81, 16}, {81, 210}}},
        {{{16, 16}, {16, 129}, {65, 113}, {97, 113}, {129, 129}, {145, 145}, {145, 177}, {129, 193},
          {97, 209}, {65, 209}, {16, 193}},
         {{16, 32}, {146, 32}}},
        {{{81, 16}, {49, 65}, {17, 130}, {17, 179}, {33, 195}, {65, 211}, {97, 211}, {129, 195},
          {145, 179}, {145, 147}, {129, 131}, {97, 115}, {65, 115}, {16, 139}}},
        {{{16, 49}, {16, 17}, {146, 17}, {114, 66}, {98, 98}, {82, 147}, {82, 196}}},
        {{{32, 16}, {113, 16}, {129, 32}, {97, 81}, {48, 113}, {16, 145}, {16, 177}, {32, 193},
          {64, 209}, {96, 209}, {128, 193}, {144, 177}, {144, 145}, {112, 113}, {47, 81}, {15, 49},
          {15, 33}, {31, 17}}},
        {{{146, 49}, {114, 81}, {65, 97}, {33, 97}, {17, 81}, {17, 49}, {49, 17}, {114, 17},
          {146, 33}, {146, 65}, {97, 211}}},
    };
    return glyphs;
}

// The drawn digits 4, 6 and 9 of the other prefectures' forms (line width 10).
const Glyph* strokeGlyph(const QString& text)
{
    static const Glyph four = {{{50, 50}, {-15, 175}, {120, 175}}, {{65, 120}, {65, 230}}};
    static const Glyph six = {{{70, 50}, {32, 85}, {5, 130}}, {{50, 175}}};
    static const Glyph nine = {{{50, 100}}, {{95, 140}, {80, 185}, {30, 230}}};
    if (text == QLatin1String("4"))
        return &four;
    if (text == QLatin1String("6"))
        return &six;
    if (text == QLatin1String("9"))
        return &nine;
    return nullptr;
}

void drawGlyph(PrintDevice& device, QPoint at, const Glyph& glyph)
{
    for (const Stroke& stroke : glyph) {
        if (stroke.size() == 1) {
            device.drawCircle(at.x() + stroke.first().x(), at.y() + stroke.first().y(), 50);
            continue;
        }
        for (qsizetype i = 1; i < stroke.size(); ++i) {
            const QPoint a = at + stroke.at(i - 1);
            const QPoint b = at + stroke.at(i);
            device.drawLine(a.x(), a.y(), b.x(), b.y());
        }
    }
}

// Blanks (U+0020) trimmed from both ends, then every CR LF pair removed.
QString cleaned(const QString& text)
{
    return SharedUtil::Trim(text).remove(QStringLiteral("\r\n"));
}

double circleRadiusMm(int mode, Ken ken)
{
    if (mode == 2)
        return ken == Ken::Mie || ken == Ken::Tottori ? 3.0 : 5.0;
    return mode == 3 ? 1.4 : 2.0;
}

// How far the anchor moves left (x) and up (y) from the point, in millimetres: half a line up,
// and left by the estimated width for a right-aligned text or half of it for a centred one.
QPointF alignShift(const QString& text, double size, int align, int mode)
{
    if (mode != 0 || align < 0 || align > 3)
        return {};
    const double dy = size / 3 * 0.5;
    const int n = ByteLenProc(text);
    switch (align) {
    case 0: return {dy * 0.5, dy};
    case 2: return {dy * n, dy};
    case 3: return {n * size * (25.0 / 72) * 0.5 / 2, dy};
    default: return {0, dy};
    }
}

std::optional<QPoint> anchorTwips(const PrintPageModel& page, float x, float y, QPointF shift, int mode)
{
    const double k = page.k();
    std::optional<int> xt, yt;
    if (mode == 3 || page.mieA4Chosen()) {
        xt = PrintPageModel::floorTwips(k * x - k * shift.x());
        yt = PrintPageModel::floorTwips(k * y - k * shift.y());
    } else {
        xt = PrintPageModel::floorTwips(k * x + k * page.PrintHosei.YokoHosei - k * shift.x());
        const std::optional<int> unstretched =
            PrintPageModel::floorTwips(k * y + k * page.PrintHosei.TateHosei - k * shift.y());
        if (unstretched)
            yt = PrintPageModel::nearestTwips(*unstretched * page.nobi());
    }
    if (!xt || !yt)
        return std::nullopt;
    return QPoint(*xt, *yt);
}

bool printTextItem(PrintDevice& device, const PrintPageModel& page, const QString& text, float size,
                   int fontNumber, int align, QPoint at)
{
    if (fontNumber != 0 && fontNumber != 1)
        return false;
    device.setFontBold(false);
    device.setFontItalic(false);
    device.setFontSize(size);
    device.setFontName(fontNumber == 0 ? QStringLiteral("ＭＳ Ｐゴシック") : QStringLiteral("ＭＳ Ｐ明朝"));
    device.processEvents();
    if (align == 0 && page.ken == Ken::Miyazaki) {
        // The machine-read form takes a digit glyph only; the text itself is never printed.
        if (page.OcrWidth < 1)
            return false;
        device.setLineWidth(page.OcrWidth);
        const double value = ValueReader::leadingNumber(text);
        if (value >= 0 && value <= 9 && value == std::floor(value))
            drawGlyph(device, at, ocrGlyphs().at(int(value)));
        return true;
    }
    if (align == 0) {
        if (const Glyph* glyph = strokeGlyph(text)) {
            device.setLineWidth(10);
            drawGlyph(device, at, *glyph);
            return true;
        }
    }
    device.setCurrentX(at.x());
    device.setCurrentY(at.y());
    device.printText(text);
    return true;
}

void drawCircleItem(PrintDevice& device, const PrintPageModel& page, int mode, QPoint at)
{
    device.setLineStyle(PrintDevice::Solid);
    device.setLineWidth(page.ken == Ken::Mie ? 5 : 3);
    device.drawCircle(at.x(), at.y(), circleRadiusMm(mode, page.ken) * page.k());
}

// The cleaned text at the point, with the page values given.
bool printItem(PrintDevice& device, const PrintPageModel& page, const QString& text, float size, int fontNumber,
               float x, float y, int align, int mode)
{
    const QPointF shift = alignShift(text, size, align, mode);
    const std::optional<QPoint> at = anchorTwips(page, x, y, shift, mode);
    if (!at)
        return false;
    if (mode == 0 && !text.isEmpty()) {
        if (!printTextItem(device, page, text, size, fontNumber, align, *at))
            return false;
    } else if (mode >= 1 && mode <= 3) {
        drawCircleItem(device, page, mode, *at);
    }
    device.setLineWidth(1);
    return true;
}

} // namespace

bool MojiPrintProc(PrintDevice& device, QString& text, float size, int fontNumber, float x, float y,
                   int align, int mode)
{
    // A treatment line priced outside the tables is marked by this word, which no form prints.
    if (text == QStringLiteral("点数外入力"))
        return true;
    text = cleaned(text);
    return printItem(device, PrintPageModel::forPrimitive(), text, size, fontNumber, x, y, align, mode);
}

bool MojiPrintProc(PrintDevice& device, const PrintPageModel& page, const QString& text, float size,
                   int fontNumber, float x, float y, int align, int mode)
{
    if (text == QStringLiteral("点数外入力"))
        return true;
    return printItem(device, page, cleaned(text), size, fontNumber, x, y, align, mode);
}

bool MojiPrintProc(PrintDevice& device, const QString& text, float size, int fontNumber, float x,
                   float y, int align, int mode)
{
    QString copy = text;
    return MojiPrintProc(device, copy, size, fontNumber, x, y, align, mode);
}
