#pragma once

#include <QString>
#include <QStringList>

class PrintDevice;

// The wrapped text of the pre-printed certificates: a text cut into lines of 2 x width bytes of
// the Japanese code page (ByteLenProc), so that a line holds width full-width characters.
//
// A text of at most width characters is one line. A longer one is cut greedily: characters are
// added until the line's bytes reach 2 x width (a line may so hold one byte more); when the next
// character is "。", "、", "｡" or "､" it hangs at the end of the line as well, and the next line
// starts right after the character that filled the line, so the hung mark also begins the next
// line, where KutenCutProc drops it. What is left when no more line fills up is the last line
// (possibly empty). Every line loses one leading mark (KutenCutProc).
class WrapText
{
public:
    // The lines as they print, the last one possibly empty.
    static QStringList lines(const QString& text, int width);
    // One leading "。", "、", "｡" or "､" removed.
    static QString KutenCutProc(const QString& text);
    // The plain character-count wrap: a text of at most width characters is one line; a longer
    // one is cut into pieces that each end with the character that brings them to 2 x width bytes
    // or more (2 x width + 1 when a full-width character follows 2 x width - 1 bytes), and what
    // is left after the last full piece, if anything, is the last line. No mark hangs, none is
    // dropped, nothing limits the number of lines.
    static QStringList pieces(const QString& text, int width);
};

// Prints the pieces of a text (WrapText::pieces) through MojiPrintProc, line i at
// (x, y0 + i x pitch); returns the number of lines printed.
int PieceWrapPrintProc(PrintDevice& device, const QString& text, float size, int fontNumber, int align, float x,
                       float y0, int width, float pitch);

// Prints a wrapped text through MojiPrintProc (size, font, align as the item asks) with line i
// at (x, y0 + i x pitch), and returns the number of lines it took: 1 for a short text, otherwise
// the number of full lines + 1, also when nothing was left for the last line. An empty line
// prints nothing.
int WrapPrintProc(PrintDevice& device, const QString& text, float size, int fontNumber, int align, float x,
                  float y0, int width, float pitch);
