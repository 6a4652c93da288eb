#include "TensuText.h"

#include "common/KingakuFormatProc.h"
#include "common/ValueReader.h"

#include <QRegularExpression>

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
    // The whole number grouped as the certificates group amounts.
    return KingakuFormatProc(whole(value));
}

QString TensuText::ryoukin(double points)
{
    return kingaku(value(number(float(points * 10))));
}

std::optional<QString> TensuText::typedNumber(const QString& text)
{
    static const QRegularExpression plain(QStringLiteral("^[+-]?(\\d+(\\.\\d*)?|\\.\\d+)$"));
    static const QRegularExpression grouped(QStringLiteral("^[+-]?\\d{1,3}(,\\d{3})+(\\.\\d*)?$"));
    const QString t = text.trimmed();
    if (plain.match(t).hasMatch())
        return t;
    if (grouped.match(t).hasMatch())
        return QString(t).remove(QLatin1Char(','));
    return std::nullopt;
}
