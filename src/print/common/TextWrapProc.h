#pragma once

#include <QStringList>

class PrintDevice;

// A text cut into lines that each stay narrower than width (mm), measured by the printer at
// fontSize in the face it has set (the size stays set; nothing is printed). Any two characters
// may be split; a character that would bring its line to width or beyond begins a new line, so
// a first character wider than width leaves an empty first line. An empty text is one empty line.
QStringList TextWrapProc(PrintDevice& device, float fontSize, float width, const QString& text);
