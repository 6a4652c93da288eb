#include "TensuText.h"

#include "common/ValueReader.h"

#include <cmath>

double TensuText::value(const QString& text)
{
    return ValueReader::leadingNumber(text);
}

QString TensuText::number(float value)
{
    if (value == 0 || !std::isfinite(value))
        return QStringLiteral("0");
    const double rounded = QString::number(double(value), 'g', 7).toDouble();
    const int exponent = int(std::floor(std::log10(std::fabs(rounded))));
    QString text = QString::number(rounded, 'f', std::max(0, 6 - exponent));
    if (text.contains(QLatin1Char('.'))) {
        while (text.endsWith(QLatin1Char('0')))
            text.chop(1);
        if (text.endsWith(QLatin1Char('.')))
            text.chop(1);
    }
    return text;
}

double TensuText::round(double value)
{
    return std::round(value);
}

QString TensuText::whole(double value)
{
    const double r = round(value);
    return r == 0 ? QString() : QString::number(r, 'f', 0);
}

QString TensuText::kingaku(double value)
{
    QString digits = whole(value);
    const bool negative = digits.startsWith(QLatin1Char('-'));
    if (negative)
        digits.remove(0, 1);
    for (qsizetype i = digits.size() - 3; i > 0; i -= 3)
        digits.insert(i, QLatin1Char(','));
    return negative ? QLatin1Char('-') + digits : digits;
}

QString TensuText::ryoukin(double points)
{
    return kingaku(value(number(float(points * 10))));
}
