#include "PrintEndProc.h"

#include "common/MsgBox.h"
#include "common/PrintDevice.h"

bool PrintEndProc(PrintDevice& device)
{
    QString error;
    if (!device.endDoc(&error)) {
        MsgBox::show(error.isEmpty() ? QStringLiteral("印刷できませんでした。") : error, QStringLiteral("印刷"), MsgBox::OkOnly,
                     MsgBox::Exclamation);
        return false;
    }
    const QString where = device.destinationMessage();
    MsgBox::show(where.isEmpty() ? QStringLiteral("終了しました。") : QStringLiteral("終了しました。\n") + where,
                 QStringLiteral("印刷"));
    return true;
}
