#include "KenanHidukeKeyProc.h"

#include <QStringList>

QString KenanHidukeKeyProc(const QString& code)
{
    const QStringList parts = code.contains(QLatin1Char('-')) ? code.split(QLatin1Char('-')) : QStringList();
    QStringList shaped;
    for (int i = 0; i < 3; ++i) {
        const QString part = parts.value(i);
        shaped.append(part.isEmpty() ? QStringLiteral("00") : part.size() == 1 ? QLatin1Char('0') + part : part);
    }
    return shaped.join(QLatin1Char('-'));
}
