#include "SindansyoText.h"

bool SindansyoText::mimibanPrinted(const QString& karteFile, const QString& tag)
{
    return karteFile.section(QLatin1Char('.'), 0, 0).endsWith(QLatin1Char('0'))
        && !tag.startsWith(QLatin1Char('k'), Qt::CaseInsensitive) && !tag.contains(QLatin1Char('-'));
}

QStringList SindansyoText::meigouParts(const QString& field)
{
    const QStringList parts = field.split(QLatin1Char(':'));
    return parts.size() == 2 ? parts : QStringList{field, QString()};
}

QString SindansyoText::withoutEra(QString year)
{
    return year.remove(QLatin1Char('H')).remove(QLatin1Char('R'));
}
