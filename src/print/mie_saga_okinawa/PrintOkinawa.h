#pragma once

#include "print/common/SindansyoPrintDialog.h"

// The certificate print dialog of the Okinawa layout ("書式：沖縄県"): the common print dialog,
// whose print start prints every entry of the job list through SindansyoOkinawaProc (mode 0)
// into one document and ends with the common result message.
class PrintOkinawa : public SindansyoPrintDialog
{
    Q_OBJECT

public:
    explicit PrintOkinawa(QWidget* parent = nullptr);

protected:
    SindansyoPrintRun::Result body(PrintDevice& device, const SindansyoPrintContext& context,
                                   const PrintJobEntry& entry) override;
};
