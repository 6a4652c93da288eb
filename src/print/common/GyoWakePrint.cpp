#include "GyoWakePrint.h"

#include "common/ByteLenProc.h"
#include "common/Hankaku.h"
#include "common/MojiPrintProc.h"

int GyoWakePrint(PrintDevice& device, const QString& text, float x, float y0, int chars, float pitch, float size,
                 int fontNumber, int align, GyoWakeCount count)
{
    const qsizetype n = count == GyoWakeCount::Hankaku ? Hankaku::convert(text).size() : text.size();
    if (n <= chars) {
        MojiPrintProc(device, text, size, fontNumber, x, y0, align, 0);
        return 1;
    }
    int lines = 0;
    qsizetype start = 0;
    for (bool cut = true; cut;) {
        cut = false;
        for (qsizetype j = start; j < n && !cut; ++j) {
            const QString piece = text.mid(start, j - start + 1);
            if (ByteLenProc(piece) >= 2 * chars) {
                MojiPrintProc(device, piece, size, fontNumber, x, y0 + pitch * float(lines), align, 0);
                start = j + 1;
                ++lines;
                cut = true;
            }
        }
    }
    if (start < n) {
        MojiPrintProc(device, text.mid(start, n - start), size, fontNumber, x, y0 + pitch * float(lines), align, 0);
        ++lines;
    }
    return lines;
}
