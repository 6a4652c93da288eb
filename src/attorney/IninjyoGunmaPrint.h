#pragma once

#include "IninjyoPrintData.h"

#include <optional>

class PrintDevice;

// The power of attorney of 群馬県 on the association's pre-printed A4 form (data only): the kind of
// each animal circled among the fourteen printed kinds; a row without individual number is not
// printed (its fee stays in the total).
class IninjyoGunmaPrint
{
public:
    static void IninjyoGunmaPrintProc(PrintDevice& device, const IninjyoPrintData& data, IninjyoPrintNotes& notes);
    // The x of the kind's circle: 29 + 4.61 k; nothing for a kind not printed on the form.
    static std::optional<float> kindX(const QString& kyosai);
};
