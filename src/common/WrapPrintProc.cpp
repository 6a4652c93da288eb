#include "WrapPrintProc.h"

#include "ByteLenProc.h"
#include "MojiPrintProc.h"

namespace {

bool isKuten(QChar c)
{
    return c == QChar(0x3002) || c == QChar(0x3001) || c == QChar(0xFF61) || c == QChar(0xFF64);
}

} // namespace

QString WrapText::KutenCutProc(const QString& text)
{
    return !text.isEmpty() && isKuten(text.front()) ? text.mid(1) : text;
}

QStringList WrapText::lines(const QString& text, int width)
{
    if (text.size() <= width)
        return {KutenCutProc(text)};
    const int full = 2 * width;
    QStringList out;
    qsizetype start = 0;
    for (;;) {
        qsizetype end = start;
        int bytes = 0;
        while (end < text.size() && bytes < full)
            bytes += ByteLenProc(QStringView(text).mid(end++, 1));
        if (bytes < full)
            break;
        QString line = text.mid(start, end - start);
        if (end < text.size() && isKuten(text.at(end)))
            line += text.at(end);
        out.append(KutenCutProc(line));
        start = end;
    }
    out.append(KutenCutProc(text.mid(start)));
    return out;
}

QStringList WrapText::pieces(const QString& text, int width)
{
    if (text.size() <= width)
        return {text};
    QStringList out;
    QString line;
    int bytes = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        line += text.at(i);
        bytes += ByteLenProc(QStringView(text).mid(i, 1));
        if (bytes >= 2 * width) {
            out.append(line);
            line.clear();
            bytes = 0;
        }
    }
    if (!line.isEmpty())
        out.append(line);
    return out;
}

namespace {

// Line i at (x, y0 + i x pitch); the number of lines.
int printLines(PrintDevice& device, const QStringList& lines, float size, int fontNumber, int align, float x, float y0,
               float pitch)
{
    for (qsizetype i = 0; i < lines.size(); ++i)
        MojiPrintProc(device, lines.at(i), size, fontNumber, x, y0 + float(i) * pitch, align, 0);
    return int(lines.size());
}

} // namespace

int PieceWrapPrintProc(PrintDevice& device, const QString& text, float size, int fontNumber, int align, float x,
                       float y0, int width, float pitch)
{
    return printLines(device, WrapText::pieces(text, width), size, fontNumber, align, x, y0, pitch);
}

int WrapPrintProc(PrintDevice& device, const QString& text, float size, int fontNumber, int align, float x,
                  float y0, int width, float pitch)
{
    return printLines(device, WrapText::lines(text, width), size, fontNumber, align, x, y0, pitch);
}
