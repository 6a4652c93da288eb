#include "PrintEndMessage.h"

#include "MsgBox.h"
#include "PrintDevice.h"

bool PrintEndMessage(const PrintDevice& device, bool ended, const QString& errorText, const QString& doneText,
                     const QString& title)
{
    if (!ended) {
        MsgBox::show(errorText, title);
        return false;
    }
    const QString where = device.destinationMessage();
    MsgBox::show(where.isEmpty() ? doneText : doneText + QStringLiteral("\n") + where, title);
    return true;
}
