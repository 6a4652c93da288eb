#include "PickerText.h"

QString PickerText::digits(const QString& tens, const QString& units)
{
    return tens == QStringLiteral("0") ? units : tens + units;
}

QString PickerText::jikan(const QString& hourTens, const QString& hourUnits, const QString& minuteTens,
                          const QString& minuteUnits)
{
    return digits(hourTens, hourUnits) + QLatin1Char(':') + digits(minuteTens, minuteUnits);
}
