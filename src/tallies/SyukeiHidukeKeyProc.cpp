#include "SyukeiHidukeKeyProc.h"

#include "common/ValueReader.h"

#include <QStringList>

QString SyukeiHidukeKeyProc(const QString& date)
{
    if (!date.contains(QLatin1Char('.')))
        return QString();
    const QStringList parts = date.split(QLatin1Char('.'));
    QString key;
    for (int i = 0; i < 3; ++i) {
        const QString part = parts.value(i);
        const int value = ValueReader::leadingInt(part);
        if (value == 0)
            key += QStringLiteral("00");
        else if (value >= 1 && value <= 9)
            key += QLatin1Char('0') + part;
        else
            key += part;
    }
    return key;
}
