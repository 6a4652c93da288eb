#pragma once

#include <QStringList>

class PrintDevice;
class PrintPageModel;

// The wrapped texts of the post-mortem certificate. A text of at most width characters (counted
// after full-width characters are turned into their narrow forms, a voiced katakana counting two)
// is one line; a longer one is cut as soon as a line reaches 2 x width bytes of the Japanese code
// page (ByteLenProc), so a cut line holds 2 x width bytes, or one more when its last character
// takes two; what is left after the last cut, if anything, is the last line.
class KenanWrapProc
{
public:
    static QStringList lines(const QString& text, int width);
    // Prints the lines in "ＭＳ Ｐ明朝" from (x, y0) mm, line i at y0 + i x pitch, left-aligned.
    static void print(PrintDevice& device, const PrintPageModel& page, const QString& text, float size, float x,
                      float y0, int width, float pitch);
};
