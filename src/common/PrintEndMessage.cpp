#include "PrintEndMessage.h"

#include "MsgBox.h"
#include "PrintDevice.h"

bool PrintEndMessage(const PrintDevice& device, bool ended, const QString& errorText, const QString& doneText)
{
    if (!ended) {
        MsgBox::show(errorText, QStringLiteral("印刷"));
        return false;
    }
    const QString where = device.destinationMessage();
    MsgBox::show(where.isEmpty() ? doneText : doneText + QStringLiteral("\n") + where, QStringLiteral("印刷"));
    return true;
}
