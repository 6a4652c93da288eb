#pragma once

#include "IninjyoPrintData.h"

class PrintDevice;

// The power of attorney of 鳥取県 on the association's pre-printed A4 form (data only). On the new
// form (the third check box) the prefecture is not printed, everything but the date stands 6 mm
// higher and a circle marks the foot of the sheet.
class IninjyoTottoriPrint
{
public:
    static void IninjyoTottoriPrintProc(PrintDevice& device, const IninjyoPrintData& data, IninjyoPrintNotes& notes);
    // "乳用牛", "肉用牛" or nothing for a kind of the list.
    static QString kindGroup(const QString& kyosai);
};
