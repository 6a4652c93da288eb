#include "RecordingPrintDevice.h"

#include <QImageReader>

RecordingPrintDevice::Op RecordingPrintDevice::make(Kind kind) const
{
    Op op;
    op.kind = kind;
    op.page = currentPage;
    op.fontName = fontName();
    op.fontSize = fontSize();
    op.bold = fontBold();
    op.italic = fontItalic();
    op.lineWidth = lineWidth();
    op.lineStyle = lineStyle();
    op.paper = paper();
    op.orientation = orientation();
    return op;
}

void RecordingPrintDevice::drawText(const QString& text, double x, double y)
{
    Op op = make(Kind::Text);
    op.text = text;
    op.x = x;
    op.y = y;
    ops.append(op);
}

void RecordingPrintDevice::drawLine(double x1, double y1, double x2, double y2)
{
    Op op = make(Kind::Line);
    op.x = x1;
    op.y = y1;
    op.x2 = x2;
    op.y2 = y2;
    ops.append(op);
}

void RecordingPrintDevice::drawBox(double x1, double y1, double x2, double y2, bool filled)
{
    Op op = make(Kind::Box);
    op.x = x1;
    op.y = y1;
    op.x2 = x2;
    op.y2 = y2;
    op.filled = filled;
    ops.append(op);
}

void RecordingPrintDevice::drawCircle(double cx, double cy, double radius)
{
    Op op = make(Kind::Circle);
    op.x = cx;
    op.y = cy;
    op.radius = radius;
    ops.append(op);
}

bool RecordingPrintDevice::drawPicture(const QString& localPath, double x, double y)
{
    if (!assumePicturesExist && !QImageReader(localPath).canRead())
        return false;
    Op op = make(Kind::Picture);
    op.text = localPath;
    op.x = x;
    op.y = y;
    ops.append(op);
    return true;
}

void RecordingPrintDevice::newPage()
{
    ops.append(make(Kind::NewPage));
    ++currentPage;
}

bool RecordingPrintDevice::endDoc(QString*)
{
    ops.append(make(Kind::EndDoc));
    return true;
}

QList<RecordingPrintDevice::Op> RecordingPrintDevice::ofKind(Kind kind) const
{
    QList<Op> out;
    for (const Op& op : ops)
        if (op.kind == kind)
            out.append(op);
    return out;
}

QStringList RecordingPrintDevice::texts() const
{
    QStringList out;
    for (const Op& op : ops)
        if (op.kind == Kind::Text)
            out.append(op.text);
    return out;
}

const RecordingPrintDevice::Op* RecordingPrintDevice::findText(const QString& text) const
{
    for (const Op& op : ops)
        if (op.kind == Kind::Text && op.text == text)
            return &op;
    return nullptr;
}
