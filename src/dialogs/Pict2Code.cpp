#include "Pict2Code.h"

#include "common/ValueReader.h"

#include <cmath>

namespace {
int pictNumber(const QString& field)
{
    const double n = ValueReader::leadingNumber(field);
    return n > 0 ? int(std::lround(n)) : 0;
}
} // namespace

bool Pict2Code::parse(const QString& code, Pict2Code& out)
{
    const QStringList f = code.split(QLatin1Char(':'));
    out = Pict2Code();
    if (f.size() != 5)
        return false;
    out.LeftNo = pictNumber(f.at(0));
    out.RightNo = pictNumber(f.at(1));
    out.Cells = {f.at(2), f.at(3), f.at(4)};
    return true;
}

QString Pict2Code::text() const
{
    return QStringList{QString::number(LeftNo), QString::number(RightNo), Cells[0], Cells[1], Cells[2]}.join(QLatin1Char(':'));
}

const QStringList& Pict2Code::symbols()
{
    static const QStringList captions{
        QStringLiteral("－"), QStringLiteral("±"), QStringLiteral("＋"), QStringLiteral("++"), QStringLiteral("+++"),
        QStringLiteral("U大"), QStringLiteral("C太"), QStringLiteral("PUS"), QStringLiteral("U扁"), QStringLiteral("肥厚"),
        QStringLiteral("子宮炎"), QStringLiteral("尿膣"), QStringLiteral("膣炎"), QStringLiteral("膣ガス"),
        QStringLiteral("粘白"), QStringLiteral("粘汚"), QStringLiteral("粘良し"), QStringLiteral("H"), QStringLiteral("bH"),
        QStringLiteral("aH"), QStringLiteral("B"), QStringLiteral("Cy"), QStringLiteral("NSO"), QStringLiteral("ov"),
        QStringLiteral("Y"), QStringLiteral("CLなし"), QStringLiteral("CL?"), QStringLiteral("F?"), QStringLiteral("破跡"),
        QStringLiteral("癒着"), QStringLiteral("大"), QStringLiteral("小"), QStringLiteral("硬"), QStringLiteral("M(+)"),
        QStringLiteral("M(-)"), QStringLiteral("M?"), QStringLiteral("OK"), QStringLiteral("再"), QStringLiteral("次"),
        QStringLiteral("？"), QStringLiteral("R.O＋"), QStringLiteral("L.O＋"), QStringLiteral("♂"), QStringLiteral("ET"),
        QStringLiteral("Abo"), QStringLiteral("足"), QStringLiteral("脚"), QStringLiteral("飛"), QStringLiteral("Cy-H"),
        QStringLiteral("NSO-ｂH"), QStringLiteral("DNB"), QStringLiteral("BCS2.0"), QStringLiteral("BCS2.25"),
        QStringLiteral("BCS2.5"), QStringLiteral("BCS2.75"), QStringLiteral("BCS3.0"), QStringLiteral("BCS3.25"),
        QStringLiteral("BCS3.5"), QStringLiteral("BCS3.75"), QStringLiteral("BCS4.0"), QStringLiteral("*/* ♂"),
        QStringLiteral("*/* ET"), QStringLiteral("*/* H"), QStringLiteral("*/* B"), QStringLiteral("排血"),
        QStringLiteral("H♂")};
    return captions;
}

const QList<QList<int>>& Pict2Code::symbolRows()
{
    static const QList<QList<int>> rows{{0, 1, 2, 3, 4},
                                        {5, 6, 7, 8, 9, 10},
                                        {11, 12, 13},
                                        {14, 15, 16, 64},
                                        {17, 18, 19},
                                        {20, 21, 22, 23, 24, 25},
                                        {26, 27},
                                        {28, 29, 30, 31, 32},
                                        {33, 34, 35, 36, 37, 38, 39},
                                        {40, 41, 42, 65, 43},
                                        {44, 45, 46, 47, 48, 49, 50},
                                        {51, 52, 53, 54, 55},
                                        {56, 57, 58, 59},
                                        {60, 61, 62, 63}};
    return rows;
}

bool Pict2Code::dated(int symbol)
{
    return symbol >= 60 && symbol <= 63;
}

QString Pict2Code::mark(int symbol)
{
    static const QStringList marks{QStringLiteral("♂"), QStringLiteral("ET"), QStringLiteral("H"), QStringLiteral("B")};
    return dated(symbol) ? marks.at(symbol - 60) : symbols().value(symbol);
}

QString Pict2Code::addSymbol(const QString& cell, int symbol)
{
    return cell + QLatin1Char(' ') + symbols().value(symbol);
}

QString Pict2Code::datedText(const QString& month, const QString& day, int symbol)
{
    return month + QLatin1Char('/') + day + mark(symbol);
}
