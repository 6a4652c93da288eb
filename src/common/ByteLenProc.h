#pragma once

#include <QString>

// The width of a text in half-width character cells as the print layouts estimate it: the number
// of bytes it takes in the Japanese Windows code page (half-width 1, full-width 2; a character
// mapped only by best fit counts the bytes it becomes, one the code page cannot hold counts 1).
int ByteLenProc(QStringView text);
