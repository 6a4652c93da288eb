#include "PrintOkinawa.h"

#include "SindansyoOkinawaProc.h"

PrintOkinawa::PrintOkinawa(QWidget* parent)
    : SindansyoPrintDialog(Frame{4680, 2250, 2500, 2500, QStringLiteral("沖縄県")}, parent)
{
    setObjectName(QStringLiteral("PrintOkinawa"));
    reportSettingFiles = true;
    Form_Load();
}

SindansyoPrintRun::Result PrintOkinawa::body(PrintDevice& device, const SindansyoPrintContext& context,
                                             const PrintJobEntry& entry)
{
    return SindansyoOkinawaProc::print(device, context, entry, 0);
}
