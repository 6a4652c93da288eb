#include "PrintEndProc.h"

#include "common/MsgBox.h"
#include "common/PrintDevice.h"

bool PrintEndProc(PrintDevice& device, const QString& doneText, const QString& title)
{
    QString error;
    if (!device.endDoc(&error)) {
        MsgBox::show(error.isEmpty() ? QStringLiteral("印刷できませんでした。") : error, title, MsgBox::OkOnly,
                     MsgBox::Exclamation);
        return false;
    }
    const QString where = device.destinationMessage();
    MsgBox::show(where.isEmpty() ? doneText : doneText + QLatin1Char('\n') + where, title);
    return true;
}
