#include "KingakuFormatProc.h"

#include <cmath>

namespace {

// Digits grouped by three from the right with ","; zero gives an empty text.
QString grouped(qint64 whole)
{
    QString digits = whole == 0 ? QString() : QString::number(whole);
    for (qsizetype at = digits.size() - 3; at > 0; at -= 3)
        digits.insert(at, QLatin1Char(','));
    return digits;
}

// The value in hundredths, rounded half away from zero on its decimal digits, so that an amount
// such as 1.005, held in binary just below, still rounds up as it reads.
qint64 hundredths(double magnitude)
{
    const QString digits = QString::number(magnitude, 'f', 9);
    const qsizetype point = digits.indexOf(QLatin1Char('.'));
    const qint64 whole = digits.left(point).toLongLong();
    const int cents = digits.mid(point + 1, 2).toInt();
    const bool up = digits.at(point + 3) >= QLatin1Char('5');
    return whole * 100 + cents + (up ? 1 : 0);
}

} // namespace

QString KingakuFormatProc(const QString& text)
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return QString();
    bool isNumber = false;
    const double value = trimmed.toDouble(&isNumber);
    if (!isNumber || !(std::abs(value) < 1e15))
        return text;
    const qint64 total = hundredths(std::abs(value));
    if (total == 0)
        return QString();
    QString out = grouped(total / 100);
    if (const qint64 cents = total % 100; cents != 0) {
        out += QLatin1Char('.') + QStringLiteral("%1").arg(cents, 2, 10, QLatin1Char('0'));
        if (out.endsWith(QLatin1Char('0')))
            out.chop(1);
    }
    return value < 0 ? QLatin1Char('-') + out : out;
}
