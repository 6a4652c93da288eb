#pragma once

class PrintDevice;

// Ends a print job and tells the user how it went, under the title "印刷": "終了しました。" (and
// where the pages went, when they became a file) after success, the printer's message after a
// failure. Returns whether the pages were produced.
bool PrintEndProc(PrintDevice& device);
