#pragma once

#include <QString>

class PrintDevice;
class SindansyoEpisode;

// The examination boxes of the Saga certificate: six a page (two lower left, four down the right
// half; the fourth page only the two on the left), each with the examination's month and day,
// start and end time, temperature, pulse and respiration, symptoms with findings, house call,
// treatment rows with drug price and points, PL test mark and picture. x positions are offsets
// from the layout's left base, y positions millimetres from the top of the paper.
class SagaSinsatuProc
{
public:
    // The boxes of page index page (0 to 3) at the left base x0.
    static void print(PrintDevice& device, const SindansyoEpisode& episode, int page, float x0);

    // The wrapped text of the Saga form: a text of at most width characters on one line at y,
    // a longer one in pieces of 2 x width bytes pitch apart, what is left on the next line; the
    // number of lines printed (an empty text counts one). Font 1, left-aligned.
    static int WrapPrint(PrintDevice& device, const QString& text, int width, float pitch, float y, float x,
                         float size);
    // A start and end time as the box prints them: "start～end", a one-digit minute written with
    // its leading zero ("9:5" → "9:05"); empty when there is no start time.
    static QString jikanText(const QString& start, const QString& end);
};
