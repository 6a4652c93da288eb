#pragma once

#include "SharedState.h"

#include <QPoint>
#include <QString>
#include <optional>

// The page geometry every print primitive works in: positions are single-precision millimetres
// from the page's top-left corner, twips = millimetres x TwipPerMm, and the print calibration
// (offsets in millimetres, vertical stretch) moves the items on the paper. A snapshot of the
// shared values the primitives read, so that print bodies take them from one place.
class PrintPageModel
{
public:
    float TwipPerMm = 56.7f;
    PrintHoseiInfo PrintHosei;  // NobiHosei as stored (0 counts as 1.0, see nobi())
    Ken ken = Ken::Sonota;
    int MieSizeOpKioku = 0;     // paper of the Mie print dialog: -1 A4, 0 B4
    int MieA4Flag = 0;          // 1 while the Mie certificate prints on A4
    int OcrWidth = 0;           // line width of the OCR digit strokes

    // The shared values as they are now; nothing is changed.
    static PrintPageModel current();
    // What each primitive does before it uses the stretch: a stored stretch of 0 becomes 1.0 in
    // the shared state itself; then the values as they are.
    static PrintPageModel forPrimitive();

    // Reads PrintSetFile ("\Nolvari\set\PrintSet.ini": horizontal offset, vertical offset,
    // stretch, each by the leading-number rule) into the shared PrintHosei. A missing file or
    // value counts as 0. A file that exists but cannot be read also gives 0s; false then, with
    // the reason in errorText. Certificate print bodies call it at the start of every print.
    static bool loadPrintSetFile(QString* errorText = nullptr);
    static PrintHoseiInfo readPrintSetFile(const QString& localPath, QString* errorText = nullptr);

    double k() const { return TwipPerMm; }
    double twips(double mm) const { return k() * mm; }
    // The stretch in effect: the stored value, 0 counting as 1.0; none on the Mie A4 paper, whose
    // drawn form and data take no calibration.
    double nobi() const
    {
        return PrintHosei.NobiHosei == 0 || mieA4Chosen() ? 1.0 : double(PrintHosei.NobiHosei);
    }
    // True in a Mie installation whose print dialog has A4 (plain paper) chosen.
    bool mieA4Chosen() const { return ken == Ken::Mie && MieSizeOpKioku == -1; }

    // The whole-twip corner of a mark or picture at (x, y) millimetres, y already stretched by
    // the caller: the offsets added unstretched (none on the Mie A4 paper), then floored;
    // nothing outside 16 bits.
    std::optional<QPoint> cornerTwips(double x, double y) const;

    // Whole twips as the printer holds them, 16-bit: the largest whole number not above the
    // value, or the nearest (a half to the even neighbour); nothing outside -32768..32767.
    static std::optional<int> floorTwips(double twips);
    static std::optional<int> nearestTwips(double twips);
};
