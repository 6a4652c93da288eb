#include "ZotenTensu.h"

#include "TensuText.h"

namespace {
// A total: the base alone while its box is empty, else the sum of the two numbers.
QString total(const QString& base, const QString& box)
{
    if (box.isEmpty())
        return base;
    return TensuText::number(float(TensuText::value(base) + TensuText::value(box)));
}
} // namespace

void ZotenTensu::setBase(const QString& b, const QString& a)
{
    BaseB = b;
    BaseA = a;
    recompute();
}

void ZotenTensu::setZoten(const QString& b, const QString& a)
{
    boxB = b;
    boxA = a;
    recompute();
}

void ZotenTensu::recompute()
{
    ZotenB = boxB.isEmpty() ? QStringLiteral("0") : boxB;
    ZotenA = boxA.isEmpty() ? QStringLiteral("0") : boxA;
    TotalB = total(BaseB, boxB);
    TotalA = total(BaseA, boxA);
}

QStringList ZotenTensu::items() const
{
    return {BaseB, BaseA, ZotenB, ZotenA, TotalB, TotalA};
}
