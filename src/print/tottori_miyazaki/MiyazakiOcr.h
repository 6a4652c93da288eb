#pragma once

#include <QString>

class PrintDevice;

// The digit routines of the Miyazaki machine-read (OCR) certificate. Each writes the characters
// of a text one per box, the boxes 5.1 mm apart from x at y: a digit "0" to "9" is drawn as OCR
// strokes (MojiPrintProc, 14 pt, font 0, digit-box alignment, stroke width OcrWidth); any other
// character (a blank, a hyphen, an era letter) leaves its box empty, so that no reader takes it
// for a digit.
class MiyazakiOcr
{
public:
    static constexpr float BoxPitch = 5.1f;

    // Every character.
    static void SujiPrintProc(PrintDevice& device, const QString& text, float x, float y);
    // Treatment and drug codes: with noZeros (option 6) every "0" leaves its box empty.
    static void CodeSujiPrintProc(PrintDevice& device, const QString& text, float x, float y, bool noZeros);
    // The veterinarian number: a "0" in the first box is left out.
    static void BangoSujiPrintProc(PrintDevice& device, const QString& text, float x, float y);
    // The quantity of a treatment row, right-aligned on the decimal box at rowX + 155.5: a
    // quantity with a decimal point ends in that box, a whole one in the box before it. The
    // point itself takes no box; with noZeros (option 3) every "0" leaves its box empty.
    static void SuryoPrintProc(PrintDevice& device, const QString& text, float rowX, float y, bool noZeros);

    // True when the text begins with a half-width digit.
    static bool SujiHeadCheckProc(const QString& text);
    // Two-box values: a one-character part below 10 gets a leading "0" (dates) or a leading
    // blank (counts, codes, examination dates), so that its digit lands in the right-hand box.
    static QString zeroPad(const QString& part);
    static QString blankPad(const QString& part);
};
