#pragma once

#include <QString>

class PrintDevice;

// How a wrapped text's length is counted against its width in characters.
enum class GyoWakeCount {
    Hankaku,     // after turning full-width characters into half-width ones (Hankaku)
    Characters,  // the characters as they stand
};

// A long text printed through MojiPrintProc (mode 0, the calibration applies) in lines of
// chars full-width characters, line i at y0 + i x pitch; returns the number of lines (an empty
// text counts one).
//
// A text whose length, counted as count says, is at most chars prints whole on one line. A longer one is cut at the first
// character that brings its line to 2 x chars bytes of the Japanese code page (ByteLenProc), and
// what is left prints as the last line, even when nothing is left: a text that only became longer
// than chars by the conversion (a voiced katakana counts two) ends in an empty line.
int GyoWakePrint(PrintDevice& device, const QString& text, float x, float y0, int chars, float pitch, float size,
                 int fontNumber, int align, GyoWakeCount count = GyoWakeCount::Hankaku);
