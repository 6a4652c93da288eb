#include "PageLineProc.h"

#include "common/PrintDevice.h"

void PageLineProc(PrintDevice& device, qsizetype rows, int perPage, const std::function<void(qsizetype row, float y)>& line)
{
    int n = 0;
    for (qsizetype k = 0; k < rows; ++k) {
        if (n == perPage) {
            device.newPage();
            n = 0;
        }
        ++n;
        line(k, 6.0f * float(n) + 15.0f);
    }
}
