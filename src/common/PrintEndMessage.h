#pragma once

#include <QString>

class PrintDevice;

// Tells the user how a print job ended, under the title given: the device's failure text when the pages
// could not be produced, otherwise doneText, followed by where the pages went when they went to
// a file. Returns ended.
bool PrintEndMessage(const PrintDevice& device, bool ended, const QString& errorText,
                     const QString& doneText = QStringLiteral("終了しました。"),
                     const QString& title = QStringLiteral("印刷"));
