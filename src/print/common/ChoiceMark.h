#pragma once

#include <QList>
#include <QString>

class PrintDevice;

// A pre-printed choice of a form circled for one value: {value, x, y, mode}, in millimetres from
// the origin the caller gives; mode is the MojiPrintProc circle (1: radius 2.0 mm; 2: 3.0 mm in
// 鳥取県 and 三重県, 5.0 mm elsewhere). A choice table lists every value that has a mark; two values
// that share a mark are two rows at one point. Any value not listed draws nothing.
struct ChoiceMark
{
    QString value;
    float x = 0;
    float y = 0;
    int mode = 1;

    // Circles the first row whose value equals value; returns that row, or null when the value
    // has no mark.
    static const ChoiceMark* print(PrintDevice& device, const QString& value, const QList<ChoiceMark>& table,
                                   float x0 = 0, float y0 = 0);
};
