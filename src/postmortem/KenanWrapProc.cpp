#include "KenanWrapProc.h"

#include "common/MojiPrintProc.h"
#include "print/common/GyoWakePrint.h"

QStringList KenanWrapProc::lines(const QString& text, int width)
{
    return GyoWakeLines(text, width);
}

void KenanWrapProc::print(PrintDevice& device, const PrintPageModel& page, const QString& text, float size, float x,
                          float y0, int width, float pitch)
{
    const QStringList wrapped = lines(text, width);
    for (int i = 0; i < wrapped.size(); ++i)
        MojiPrintProc(device, page, wrapped.at(i), size, 1, x, y0 + pitch * i, 0, 0);
}
