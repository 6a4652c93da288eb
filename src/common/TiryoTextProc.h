#pragma once

#include <QString>
#include <QStringList>

class PrintDevice;

// The text of one treatment row printed in one to three lines that share the row: the content,
// ":" and the standard, "×" and the quantity (TiryoLineText), the standard dropped when the
// joined text reaches dropAt bytes of the Japanese code page, then cut into lines of width bytes.
//
// The cut walks the characters adding their bytes to a running count; a character that brings
// the count above width opens the next line and the count restarts at 0 (the opening character
// is not counted), so a continuation line may hold its first character beyond width. Only the
// first maxLines lines are kept: a text that would need more prints its first lines and nothing
// past them.
//
// The print puts one line at y (size `one`, or `oneLong` when the line is longer than 16 bytes),
// two lines at y - 1 and y + 1 x scale (size `two`), three lines at y - 2.3 x scale, y and
// y + 2.3 x scale (size `three`); every size is multiplied by scale. Font 1, alignment 1.
class TiryoTextProc
{
public:
    struct Sizes
    {
        float one = 8.5f;
        float oneLong = 8;
        float two = 7.7f;
        float three = 7.3f;
    };

    // The joined text, without the standard when the text with it takes dropAt bytes or more.
    static QString compose(const QString& content, const QString& standard, const QString& quantity, int dropAt);
    // The lines of text, at most maxLines.
    static QStringList split(const QString& text, int width, int maxLines = 3);
    // Prints the lines at x, y.
    static void print(PrintDevice& device, const QStringList& lines, float x, float y, const Sizes& sizes,
                      float scale = 1);
};
