#pragma once

#include <QString>

class PrintDevice;
class PrintPageModel;

// One item of a printed form at a millimetre point: a text in font 0 ("ＭＳ Ｐゴシック") or 1
// ("ＭＳ Ｐ明朝") at a size in points, a digit glyph, or a circle that marks a pre-printed choice.
//
// align: 0 digit box (the digit glyphs of the machine-read form), 1 left, 2 right (the text ends
// at x), 3 centred on x; any other value puts the text's top-left corner at the point. The shift
// is estimated from the text's byte width and the size, so it does not depend on the font.
// mode: 0 text; 1, 2, 3 a circle of 2.0, 5.0 (3.0 in 三重県 and 鳥取県) or 1.4 mm around the point;
// any other value draws nothing.
//
// The calibration of the shared state applies (offsets added, then the whole vertical twip value
// stretched), except for mode 3 and in 三重県 while its print dialog has A4 chosen. The text
// "点数外入力" is never printed; any other text is trimmed of blanks and CR LF pairs, and the
// caller's variable receives the cleaned text. The line width is 1 when the call returns.
//
// Returns false when the item cannot be printed (an anchor outside the printer's 16-bit twip range,
// a font number other than 0 or 1, an OCR line width below 1): nothing of it is drawn and the
// caller goes on with its next item.
bool MojiPrintProc(PrintDevice& device, QString& text, float size, int fontNumber, float x, float y,
                   int align, int mode);
// The same for a text the caller does not keep (a caption, a table cell).
bool MojiPrintProc(PrintDevice& device, const QString& text, float size, int fontNumber, float x,
                   float y, int align, int mode);
// The same with the calibration and page values of the job given by the caller instead of the
// shared ones (a form that prints without calibration passes offsets 0 and stretch 1).
bool MojiPrintProc(PrintDevice& device, const PrintPageModel& page, const QString& text, float size,
                   int fontNumber, float x, float y, int align, int mode);
