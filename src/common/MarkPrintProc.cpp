#include "MarkPrintProc.h"

#include "ByteLenProc.h"
#include "Hankaku.h"
#include "PrintDevice.h"
#include "PrintPageModel.h"

#include <QStringList>

namespace {

struct MarkGeometry
{
    double sizeMm;     // width and height of the cross
    double arrowMm;    // each arrowhead stroke, across and down
    double fontSize;   // points of the results
};

MarkGeometry geometry(const PrintPageModel& page)
{
    if (page.ken == Ken::Tottori)
        return {8, 0.7, 8};
    if (page.ken == Ken::Mie && page.MieA4Flag == 1)
        return {8, 0.7, 7.5};
    return {12, 1, 9};
}

void drawCross(PrintDevice& device, double x0, double y0, double w, double h, double s)
{
    const double midX = x0 + w / 2;
    const double lines[4][4] = {
        {midX, y0, midX, y0 + h},
        {x0, y0 + h / 2, x0 + w, y0 + h / 2},
        {midX, y0, midX - s, y0 + s},
        {midX, y0, midX + s, y0 + s},
    };
    for (const auto& line : lines) {
        device.setLineWidth(5);
        device.drawLine(line[0], line[1], line[2], line[3]);
    }
}

// One result with its vertical middle on the anchor's line; a left quadrant's result ends at the
// anchor, a right one starts there.
void printResult(PrintDevice& device, const PrintPageModel& page, double fontSize, const QString& result,
                 double ax, double ay, bool endsAtAnchor)
{
    device.setFontName(QStringLiteral("ＭＳ Ｐゴシック"));
    device.setFontBold(false);
    device.setFontItalic(false);
    device.setFontSize(fontSize);
    device.processEvents();
    const double h = fontSize / 3 * 0.5;
    const double dx = endsAtAnchor ? h * ByteLenProc(Hankaku::convert(result)) : 0;
    device.setCurrentX(ax - dx * page.k());
    device.setCurrentY(ay - h * page.k());
    device.printText(result);
}

} // namespace

bool MarkPrintProc(PrintDevice& device, const QString& text, float& x, float& y)
{
    const PrintPageModel page = PrintPageModel::forPrimitive();
    const MarkGeometry g = geometry(page);
    const double k = page.k();
    const double w = g.sizeMm * k;
    const double h = w;
    const double s = g.arrowMm * k;
    y = float(double(y) * page.nobi());
    const std::optional<QPoint> corner = page.cornerTwips(x, y);
    if (!corner)
        return false;
    const double x0 = corner->x();
    const double y0 = corner->y();
    drawCross(device, x0, y0, w, h, s);

    const QStringList parts = text.split(QStringLiteral("  "));
    if (parts.size() != 4)
        return true;
    const double leftX = x0 + 0.35 * w;
    const double rightX = x0 + w - 0.4 * w;
    const double upperY = y0 + h / 4;
    const double lowerY = y0 + h / 4 + h / 2;
    const struct { double x, y; bool endsAtAnchor; } anchors[4] = {
        {leftX, upperY, true}, {rightX, upperY, false}, {leftX, lowerY, true}, {rightX, lowerY, false}};
    for (int i = 0; i < 4; ++i) {
        x = float(anchors[i].x);
        y = float(anchors[i].y);
        // "<quarter> <result>": a result holding a blank, or a part without one, prints nothing.
        const QStringList pieces = parts.at(i).split(QLatin1Char(' '));
        if (pieces.size() == 2)
            printResult(device, page, g.fontSize, pieces.at(1), anchors[i].x, anchors[i].y,
                        anchors[i].endsAtAnchor);
    }
    return true;
}
