#include "PrintEndProc.h"

#include "common/PrintDevice.h"
#include "common/PrintEndMessage.h"

bool PrintEndProc(PrintDevice& device, const QString& doneText, const QString& title)
{
    QString error;
    const bool ended = device.endDoc(&error);
    return PrintEndMessage(device, ended, error.isEmpty() ? QStringLiteral("印刷できませんでした。") : error, doneText,
                           title);
}
