#include "ChoiceMark.h"

#include "common/MojiPrintProc.h"

const ChoiceMark* ChoiceMark::print(PrintDevice& device, const QString& value, const QList<ChoiceMark>& table,
                                    float x0, float y0)
{
    for (const ChoiceMark& mark : table) {
        if (mark.value == value) {
            MojiPrintProc(device, QString(), 10, 1, x0 + mark.x, y0 + mark.y, 0, mark.mode);
            return &mark;
        }
    }
    return nullptr;
}
