#pragma once

#include <QString>

// Text on the clipboard (the only kind the system uses).
class ClipboardText
{
public:
    // Puts the text on the clipboard; true only when the clipboard holds it afterwards.
    static bool set(const QString& text);
    static QString get();

    // Test hook: the next set() finds the clipboard taken and fails.
    static void failNextSet();
};
