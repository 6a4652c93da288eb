#pragma once

#include <QString>
#include <optional>

// Numbers held as text in treatment lines and totals.
class TensuText
{
public:
    // The number a text begins with (blanks skipped, a sign and a decimal point allowed, a comma
    // ends it); 0 when it begins with none.
    static double value(const QString& text);

    // A single-precision value in plain decimal notation: at most seven significant digits, no
    // grouping, no exponent, no trailing zeros ("150", "112.2", "-10").
    static QString number(float value);

    // The value rounded to a whole number, halves away from zero.
    static double round(double value);

    // The "###" (and "####") format: the rounded whole number, empty when it is 0.
    static QString whole(double value);

    // The "###,###" format: the rounded whole number with thousands grouped by ",", empty when 0.
    static QString kingaku(double value);

    // A number typed by the user: blanks at the ends and grouping commas dropped ("1,200" gives
    // "1200"); none when what remains is not a plain decimal number.
    static std::optional<QString> typedNumber(const QString& text);

    // The fee in yen of a number of points: the points times 10 as a number text, then "###,###".
    static QString ryoukin(double points);
};
