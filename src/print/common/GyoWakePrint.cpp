#include "GyoWakePrint.h"

#include "common/ByteLenProc.h"
#include "common/Hankaku.h"
#include "common/MojiPrintProc.h"

QStringList GyoWakeLines(const QString& text, int chars)
{
    if (Hankaku::convert(text).size() <= chars)
        return {text};
    QStringList lines;
    QString line;
    for (const QChar c : text) {
        line.append(c);
        if (ByteLenProc(line) >= 2 * chars) {
            lines.append(line);
            line.clear();
        }
    }
    if (!line.isEmpty())
        lines.append(line);
    return lines;
}

int GyoWakePrint(PrintDevice& device, const QString& text, float x, float y0, int chars, float pitch, float size,
                 int fontNumber, int align)
{
    QStringList lines = GyoWakeLines(text, chars);
    // When the conversion made the text longer and the last cut took its last character, an
    // empty line follows (and counts).
    const qsizetype n = Hankaku::convert(text).size();
    if (n > chars && text.size() < n && ByteLenProc(lines.constLast()) >= 2 * chars)
        lines.append(QString());
    for (int i = 0; i < lines.size(); ++i)
        MojiPrintProc(device, lines.at(i), size, fontNumber, x, y0 + pitch * float(i), align, 0);
    return int(lines.size());
}
