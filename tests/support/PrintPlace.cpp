#include "PrintPlace.h"

#include "common/ByteLenProc.h"

#include <QStringList>
#include <cmath>

namespace {
constexpr double K = 56.7;
}

QString whereIs(const RecordingPrintDevice& device, const QString& text)
{
    QStringList found;
    for (const auto& op : device.ofKind(RecordingPrintDevice::Kind::Text))
        if (op.text == text)
            found.append(QStringLiteral("p%1 (%2, %3) %4pt").arg(op.page).arg(op.xMm(), 0, 'f', 2).arg(op.yMm(), 0, 'f', 2).arg(op.fontSize));
    return QStringLiteral("\"%1\": %2").arg(text, found.isEmpty() ? QStringLiteral("not printed") : found.join(", "));
}

bool printedAt(const RecordingPrintDevice& device, const QString& text, int page, double x, double y, int align,
               double size)
{
    RecordingPrintDevice measure;
    for (const auto& op : device.ofKind(RecordingPrintDevice::Kind::Text)) {
        if (op.text != text || op.page != page || (size > 0 && std::abs(op.fontSize - size) > 0.01))
            continue;
        measure.setFontName(op.fontName);
        measure.setFontSize(op.fontSize);
        const double w = measure.textWidth(text) / K;
        const double h = measure.textHeight(text) / K;
        const double left = align == 3 ? x - w / 2 : align == 4 ? x - w : x;
        if (std::abs(op.xMm() - left) <= 0.05 && std::abs(op.yMm() - (y - h / 2)) <= 0.05)
            return true;
    }
    return false;
}

bool lineAt(const RecordingPrintDevice& device, int page, double x1, double y1, double x2, double y2, int width)
{
    for (const auto& op : device.ofKind(RecordingPrintDevice::Kind::Line)) {
        if (op.page == page && std::abs(op.xMm() - x1) <= 0.05 && std::abs(op.yMm() - y1) <= 0.05
            && std::abs(op.x2Mm() - x2) <= 0.05 && std::abs(op.y2Mm() - y2) <= 0.05
            && (width < 0 || op.lineWidth == width))
            return true;
    }
    return false;
}

bool ruledAt(const RecordingPrintDevice& device, const QString& text, int page, double x, double y, int size,
             int align, double offX, double offY)
{
    const double em = size * 25.0 / 72;
    const double w = ByteLenProc(text) * em * 0.5;
    const double dx = align == 1 ? w / 2 : align == 2 ? w : 0;
    const double wantX = std::floor((x + offX - dx - 3.5) * K);
    const double wantY = std::floor((y + offY - em - 2) * K);
    for (const auto& op : device.ofKind(RecordingPrintDevice::Kind::Text))
        if (op.text == text && op.page == page && int(op.fontSize) == size && std::abs(op.x - wantX) <= 1.5
            && std::abs(op.y - wantY) <= 1.5)
            return true;
    return false;
}
