#pragma once

#include <QString>
#include <QStringList>

class PrintDevice;

// The placement of the lists, tallies and notices that the program draws whole on plain paper
// (the notification books and notices, the extracted list, the power of attorney, the drug list).
// Positions are single-precision millimetres from the paper's top-left corner; besides the user's
// offsets (offX across, offY down) every text, line and circle is moved 3.5 mm left and 2 mm up.
//
// Text rule: the font is one of two (0 "ＭＳ Ｐゴシック", 1 "ＭＳ Ｐ明朝"), bold and italic off, at a
// whole size p in points; the em height is p x 25/72 mm (single precision, not 25.4/72). Where the
// given y lies on the text is the layout's choice (TextY): at the bottom of the em box (h = em)
// or in its middle (h = em / 2). The text starts at
//   x' = Int(x·k + offX·k − dx·k − 3.5·k),  y' = Int(y·k + offY·k − h·k − 2·k)  twips, k = twips/mm,
// where dx is 0 for Start, half the text's width for Centre (its bytes in the Japanese code page
// times half an em, halved) and h x the number of characters for End: with y at the bottom a
// text of full-width characters ends at x, with y in the middle one of half-width characters
// (amounts) does. Both corners are 16-bit whole twips as the printer holds
// them: a text whose corner falls outside that range is not printed. The window system runs its
// pending events before each text; an empty text prints nothing.
//
// Line rule: each end at (x·k + offX·k − 3.5·k, y·k + offY·k − 2·k) twips, with fractions, in
// the line width the caller set (or the one given).
//
// Circle rule: the centre in 16-bit whole twips as for a text corner, the radius r·k twips; the
// line style becomes solid and the width 3, and both stay so afterwards.
//
// Wrapped-cell rule: a text of at most limit characters prints by the text rule at the base y.
// A longer one is cut from its first character into pieces that close as soon as they reach
// 2 x limit bytes; piece n (from 0) prints at base + pitch x n − 1, and what is left after the
// last full piece prints as one more piece below it. Only the first test counts characters.
class ListPrintRule
{
public:
    enum class TextY { Bottom, Middle };
    // EndBytes: dx is the whole byte width (bytes x half an em), so that any text, an amount of
    // half-width digits too, ends at x.
    enum Align { Centre = 0, Start = 1, End = 2, EndBytes = 3 };

    static constexpr float EmPerPoint = 25.0f / 72.0f;
    static QString fontName(int index);

    ListPrintRule(PrintDevice& device, TextY textY, float offX = 0, float offY = 0, float twipPerMm = 56.7f);

    PrintDevice& device() const { return dev; }

    // False when the text could not be placed (corner outside 16 bits, unknown font or
    // alignment); an empty text counts as placed.
    bool text(const QString& s, int size, int font, int align, float x, float y);
    // The same in a font named by the caller (lists that print in another face).
    bool text(const QString& s, int size, const QString& fontName, int align, float x, float y);
    void line(float x1, float y1, float x2, float y2);
    void line(float x1, float y1, float x2, float y2, int width);
    bool circle(float x, float y, float r);
    void wrapped(const QString& s, int size, int font, int align, float x, int limit, float base, float pitch);

    // The pieces a wrapped cell prints in, one for a text of at most limit characters.
    static QStringList wrapPieces(const QString& s, int limit);

private:
    PrintDevice& dev;
    TextY textY;
    float offX;
    float offY;
    float k;
};
