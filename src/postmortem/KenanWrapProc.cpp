#include "KenanWrapProc.h"

#include "common/ByteLenProc.h"
#include "common/Hankaku.h"
#include "common/MojiPrintProc.h"

QStringList KenanWrapProc::lines(const QString& text, int width)
{
    if (Hankaku::convert(text).size() <= width)
        return {text};
    QStringList out;
    QString line;
    for (const QChar c : text) {
        line.append(c);
        if (ByteLenProc(line) >= 2 * width) {
            out.append(line);
            line.clear();
        }
    }
    if (!line.isEmpty())
        out.append(line);
    return out;
}

void KenanWrapProc::print(PrintDevice& device, const PrintPageModel& page, const QString& text, float size, float x,
                          float y0, int width, float pitch)
{
    const QStringList wrapped = lines(text, width);
    for (int i = 0; i < wrapped.size(); ++i)
        MojiPrintProc(device, page, wrapped.at(i), size, 1, x, y0 + pitch * i, 0, 0);
}
