#pragma once

#include "common/TiryoMojiProc.h"

#include <QString>

class PrintDevice;
class SindansyoEpisode;

// The visit boxes of the Okinawa certificate: five a page down the treatment table, each with
// the visit's month and day, temperature, pulse and respiration, picture, symptoms and course,
// house call, treatment rows (category in its short form, drug price, B and A points, content)
// and PL test mark; the treatment rows of a visit that takes more lines than its box holds print
// at 0.8 of their size and closer together (TiryoLineSetProc). Positions are millimetres on the
// paper.
class OkinawaSinsatuProc
{
public:
    // The boxes of page index page; aColumn false leaves the treatment rows' A points out.
    static void print(PrintDevice& device, const SindansyoEpisode& episode, int page, bool aColumn);
    // The category as the form prints it: the injection and dispensing kinds in their short form.
    static QString bunruiText(const QString& category);
    // The content's layout at the size factor s: lines of round(30 / s) bytes, sizes scaled by s.
    static TiryoMojiProc::Style naiyoStyle(float s);
};
