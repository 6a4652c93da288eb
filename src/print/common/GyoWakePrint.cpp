#include "GyoWakePrint.h"

#include "common/ByteLenProc.h"
#include "common/Hankaku.h"
#include "common/MojiPrintProc.h"

namespace {

qsizetype wrapLength(const QString& text, GyoWakeCount count)
{
    return count == GyoWakeCount::Hankaku ? Hankaku::convert(text).size() : text.size();
}

} // namespace

QStringList GyoWakeLines(const QString& text, int chars, GyoWakeCount count)
{
    if (wrapLength(text, count) <= chars)
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
                 int fontNumber, int align, GyoWakeCount count)
{
    QStringList lines = GyoWakeLines(text, chars, count);
    // When the conversion made the text longer and the last cut took its last character, an
    // empty line follows (and counts).
    const qsizetype n = wrapLength(text, count);
    if (n > chars && text.size() < n && !lines.isEmpty() && ByteLenProc(lines.constLast()) >= 2 * chars)
        lines.append(QString());
    for (int i = 0; i < lines.size(); ++i)
        MojiPrintProc(device, lines.at(i), size, fontNumber, x, y0 + pitch * float(i), align, 0);
    return int(lines.size());
}
