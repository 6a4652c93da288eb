#pragma once

#include <QString>

class PrintDevice;

// Ends a print job and tells the user how it went, under the title given: doneText (and where
// the pages went, when they became a file) after success, the printer's message after a
// failure. Returns whether the pages were produced.
bool PrintEndProc(PrintDevice& device, const QString& doneText = QStringLiteral("終了しました。"),
                  const QString& title = QStringLiteral("印刷"));
