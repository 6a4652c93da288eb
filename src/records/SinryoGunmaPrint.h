#pragma once

#include "SinryoPrintData.h"

class PrintDevice;

// The treatment-record form of 群馬県, not finished yet (the window says "製作中です。"): per
// member, blank ruled forms on A5 landscape, one more for every 24 lines counted in his records
// among the first 21 records of the list (at most five lines a record).
class SinryoGunmaPrint
{
public:
    static void SinryoGunmaPrintProc(PrintDevice& device, const SinryoPrintData& data);
};
