#pragma once

#include <QString>
#include <QStringList>

class PrintDevice;

// The content of one treatment line printed into its row of a certificate's visit box, in one to
// three lines that share the row: the text cut into lines of a width in bytes of the Japanese
// code page, and printed (font 1 "ＭＳ Ｐ明朝", left-aligned, mode 0) smaller the more lines it
// takes. Each layout gives its own numbers as a Style.
class TiryoMojiProc
{
public:
    struct Style
    {
        int lineBytes = 22;    // a line's width: a character that takes a line past it opens the next
        float size1 = 8.5f;    // one line
        float size1Long = 8;   // one line of more than longBytes bytes
        int longBytes = 16;
        float size2 = 7.7f;    // two lines, at y - up2 and y + down2
        float up2 = 1;
        float down2 = 1;
        float size3 = 7.3f;    // three lines, at y - step3, y and y + step3
        float step3 = 2.3f;
    };

    // The treatment line's text (TiryoLineText: content, ":" standard, "×" quantity unless it is
    // 1); when that takes more than two lines of lineBytes bytes, the same without the standard.
    static QString text(const QString& content, const QString& standard, const QString& quantity, int lineBytes);
    // The text cut into lines: walking its characters, a running count adds each one's bytes; when
    // the count passes lineBytes the character opens a new line and the count starts again at 0
    // (the opening character is not counted). An empty text is one empty line.
    static QStringList lines(const QString& text, int lineBytes);
    // Prints the text's lines at (x, y) by the style; a text of more than three lines prints its
    // first three, as a three-line text.
    static void print(PrintDevice& device, const QString& text, float x, float y, const Style& style);
    // text(), then print().
    static void print(PrintDevice& device, const QString& content, const QString& standard, const QString& quantity,
                      float x, float y, const Style& style);
};
