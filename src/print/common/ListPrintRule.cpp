#include "ListPrintRule.h"

#include "common/ByteLenProc.h"
#include "common/PrintDevice.h"
#include "common/PrintPageModel.h"

QString ListPrintRule::fontName(int index)
{
    if (index == 0)
        return QStringLiteral("ＭＳ Ｐゴシック");
    if (index == 1)
        return QStringLiteral("ＭＳ Ｐ明朝");
    return QString();
}

ListPrintRule::ListPrintRule(PrintDevice& device, TextY textY, float offX, float offY, float twipPerMm)
    : dev(device), textY(textY), offX(offX), offY(offY), k(twipPerMm)
{
}

bool ListPrintRule::text(const QString& s, int size, int font, int align, float x, float y)
{
    return text(s, size, fontName(font), align, x, y);
}

bool ListPrintRule::text(const QString& s, int size, const QString& name, int align, float x, float y)
{
    if (name.isEmpty() || align < Centre || align > EndBytes)
        return false;
    const float em = float(size) * EmPerPoint;
    const float h = textY == TextY::Bottom ? em : em / 2;
    float dx = 0;
    if (align == Centre)
        dx = float(ByteLenProc(s)) * float(size) * EmPerPoint * 0.5f / 2;
    else if (align == End)
        dx = h * float(s.size());
    else if (align == EndBytes)
        dx = float(ByteLenProc(s)) * em * 0.5f;
    dev.setFontBold(false);
    dev.setFontItalic(false);
    dev.setFontSize(size);
    dev.setFontName(name);
    dev.processEvents();
    const std::optional<int> cx = PrintPageModel::floorTwips(x * k + offX * k - dx * k - 3.5f * k);
    const std::optional<int> cy = PrintPageModel::floorTwips(y * k + offY * k - h * k - 2.0f * k);
    if (!cx || !cy)
        return false;
    dev.setCurrentX(*cx);
    dev.setCurrentY(*cy);
    if (!s.isEmpty())
        dev.printText(s);
    return true;
}

void ListPrintRule::line(float x1, float y1, float x2, float y2)
{
    dev.drawLine(x1 * k + offX * k - 3.5f * k, y1 * k + offY * k - 2.0f * k, x2 * k + offX * k - 3.5f * k,
                 y2 * k + offY * k - 2.0f * k);
}

void ListPrintRule::line(float x1, float y1, float x2, float y2, int width)
{
    dev.setLineWidth(width);
    line(x1, y1, x2, y2);
}

bool ListPrintRule::circle(float x, float y, float r)
{
    const std::optional<int> cx = PrintPageModel::floorTwips(x * k + offX * k - 3.5f * k);
    const std::optional<int> cy = PrintPageModel::floorTwips(y * k + offY * k - 2.0f * k);
    dev.setLineStyle(PrintDevice::Solid);
    dev.setLineWidth(3);
    if (!cx || !cy)
        return false;
    dev.drawCircle(*cx, *cy, r * k);
    return true;
}

QStringList ListPrintRule::wrapPieces(const QString& s, int limit)
{
    if (s.size() <= limit)
        return {s};
    QStringList pieces;
    QString piece;
    for (const QChar c : s) {
        piece += c;
        if (ByteLenProc(piece) >= 2 * limit) {
            pieces.append(piece);
            piece.clear();
        }
    }
    if (!piece.isEmpty())
        pieces.append(piece);
    return pieces;
}

void ListPrintRule::wrapped(const QString& s, int size, int font, int align, float x, int limit, float base,
                            float pitch)
{
    if (s.size() <= limit) {
        text(s, size, font, align, x, base);
        return;
    }
    const QStringList pieces = wrapPieces(s, limit);
    for (int n = 0; n < pieces.size(); ++n)
        text(pieces.at(n), size, font, align, x, base + pitch * float(n) - 1);
}
