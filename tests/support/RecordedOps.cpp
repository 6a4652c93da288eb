#include "RecordedOps.h"

#include <QFileInfo>

namespace {

bool near(double a, const QString& b, double tolerance)
{
    bool ok = false;
    const double value = b.toDouble(&ok);
    return ok && qAbs(a - value) <= tolerance;
}

bool matches(const RecordingPrintDevice::Op& op, const QString& expected, double tolerance)
{
    using Kind = RecordingPrintDevice::Kind;
    const QStringList f = expected.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (f.isEmpty())
        return false;
    const QString kind = f.first();
    if (kind == QLatin1String("T") && op.kind == Kind::Text && (f.size() == 4 || f.size() == 5)) {
        const QString text = f.at(1) == QLatin1String("\"\"") ? QString() : f.at(1);
        return op.text == text && near(op.x, f.at(2), tolerance) && near(op.y, f.at(3), tolerance)
            && (f.size() == 4 || near(op.fontSize, f.at(4), 1e-6));
    }
    if (kind == QLatin1String("L") && op.kind == Kind::Line && f.size() == 6)
        return near(op.x, f.at(1), tolerance) && near(op.y, f.at(2), tolerance)
            && near(op.x2, f.at(3), tolerance) && near(op.y2, f.at(4), tolerance)
            && op.lineWidth == f.at(5).toInt();
    if (kind == QLatin1String("C") && op.kind == Kind::Circle && f.size() == 5)
        return near(op.x, f.at(1), tolerance) && near(op.y, f.at(2), tolerance)
            && near(op.radius, f.at(3), tolerance) && op.lineWidth == f.at(4).toInt();
    if (kind == QLatin1String("P") && op.kind == Kind::Picture && f.size() == 4)
        return QFileInfo(op.text).fileName() == f.at(1) && near(op.x, f.at(2), tolerance)
            && near(op.y, f.at(3), tolerance);
    return false;
}

} // namespace

QString RecordedOps::describe(const RecordingPrintDevice::Op& op)
{
    using Kind = RecordingPrintDevice::Kind;
    const auto n = [](double v) { return QString::number(v, 'f', 4); };
    switch (op.kind) {
    case Kind::Text:
        return QStringLiteral("T %1 %2 %3 %4").arg(op.text.isEmpty() ? QStringLiteral("\"\"") : op.text,
                                                   n(op.x), n(op.y), n(op.fontSize));
    case Kind::Line:
        return QStringLiteral("L %1 %2 %3 %4 %5").arg(n(op.x), n(op.y), n(op.x2), n(op.y2)).arg(op.lineWidth);
    case Kind::Circle:
        return QStringLiteral("C %1 %2 %3 %4").arg(n(op.x), n(op.y), n(op.radius)).arg(op.lineWidth);
    case Kind::Picture:
        return QStringLiteral("P %1 %2 %3").arg(QFileInfo(op.text).fileName(), n(op.x), n(op.y));
    case Kind::Box:
        return QStringLiteral("B %1 %2 %3 %4").arg(n(op.x), n(op.y), n(op.x2), n(op.y2));
    default:
        return QString();
    }
}

QString RecordedOps::mismatch(const RecordingPrintDevice& device, const QStringList& expected,
                              double tolerance)
{
    QStringList actual;
    QList<RecordingPrintDevice::Op> drawn;
    for (const RecordingPrintDevice::Op& op : device.ops) {
        if (op.kind == RecordingPrintDevice::Kind::NewPage || op.kind == RecordingPrintDevice::Kind::EndDoc)
            continue;
        drawn.append(op);
        actual.append(describe(op));
    }
    bool same = drawn.size() == expected.size();
    for (qsizetype i = 0; same && i < drawn.size(); ++i)
        same = matches(drawn.at(i), expected.at(i), tolerance);
    if (same)
        return QString();
    return QStringLiteral("expected:\n  %1\nactual:\n  %2")
        .arg(expected.join(QStringLiteral("\n  ")), actual.join(QStringLiteral("\n  ")));
}
