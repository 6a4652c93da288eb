#include "PrintJobEntry.h"

#include <QStringList>

PrintJobEntry PrintJobEntry::split(const QString& entry)
{
    const QStringList parts = entry.split(QLatin1Char('\''));
    return {parts.value(0), parts.value(1), parts.value(2)};
}

QString PrintJobEntry::joined() const
{
    return karteFile + QLatin1Char('\'') + byoName + QLatin1Char('\'') + syosinDate;
}
