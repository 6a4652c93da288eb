#include "PrintItems.h"

#include "common/ByteLenProc.h"

#include <QStringList>
#include <cmath>

QPointF itemPointMm(const RecordingPrintDevice::Op& op, int align)
{
    const double h = op.fontSize / 3 * 0.5;
    const int n = ByteLenProc(op.text);
    double dx = 0;
    if (align == 0)
        dx = h * 0.5;
    else if (align == 2)
        dx = h * n;
    else if (align == 3)
        dx = n * op.fontSize * (25.0 / 72) * 0.5 / 2;
    return {op.xMm() + dx, op.yMm() + h};
}

bool hasItem(const RecordingPrintDevice& device, const QString& text, int page, double size, int align, double x,
             double y, double tol)
{
    for (const auto& op : device.ofKind(RecordingPrintDevice::Kind::Text)) {
        if (op.text != text || op.page != page || std::abs(op.fontSize - size) > 0.01)
            continue;
        const QPointF at = itemPointMm(op, align);
        if (std::abs(at.x() - x) <= tol && std::abs(at.y() - y) <= tol)
            return true;
    }
    return false;
}

QString itemsOf(const RecordingPrintDevice& device, const QString& text)
{
    QStringList found;
    for (const auto& op : device.ofKind(RecordingPrintDevice::Kind::Text)) {
        if (op.text == text)
            found.append(QStringLiteral("p%1 %2pt (%3, %4)").arg(op.page).arg(op.fontSize).arg(op.xMm(), 0, 'f', 2)
                             .arg(op.yMm(), 0, 'f', 2));
    }
    return QStringLiteral("\"%1\": %2").arg(text, found.isEmpty() ? QStringLiteral("none") : found.join(", "));
}

bool hasListText(const RecordingPrintDevice& device, const QString& text, int page, int size, int align, double x,
                 double y, bool middle)
{
    constexpr double K = 56.7;
    const double em = size * 25.0 / 72;
    const double h = middle ? em / 2 : em;
    double dx = 0;
    if (align == 0)
        dx = ByteLenProc(text) * em * 0.5 / 2;
    else if (align == 2)
        dx = h * double(text.size());
    const double wantX = (x - dx - 3.5) * K;
    const double wantY = (y - h - 2) * K;
    for (const auto& op : device.ofKind(RecordingPrintDevice::Kind::Text)) {
        if (op.text == text && op.page == page && int(op.fontSize) == size && std::abs(op.x - wantX) <= 0.05 * K
            && std::abs(op.y - wantY) <= 0.05 * K)
            return true;
    }
    return false;
}

bool hasListLine(const RecordingPrintDevice& device, int page, double x1, double y1, double x2, double y2, int width)
{
    constexpr double K = 56.7;
    for (const auto& op : device.ofKind(RecordingPrintDevice::Kind::Line)) {
        if (op.page == page && op.lineWidth == width && std::abs(op.x - (x1 - 3.5) * K) <= 1
            && std::abs(op.y - (y1 - 2) * K) <= 1 && std::abs(op.x2 - (x2 - 3.5) * K) <= 1
            && std::abs(op.y2 - (y2 - 2) * K) <= 1)
            return true;
    }
    return false;
}
