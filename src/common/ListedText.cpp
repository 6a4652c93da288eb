#include "ListedText.h"

#include <algorithm>

QString ListedText(const QString& heading, const QStringList& items, int maxNamed)
{
    if (items.isEmpty())
        return QString();
    QString text = QStringLiteral("\n\n") + heading;
    for (qsizetype i = 0; i < std::min<qsizetype>(items.size(), maxNamed); ++i)
        text += QStringLiteral("\n") + items.at(i);
    if (items.size() > maxNamed)
        text += QStringLiteral("\nほか %1 件").arg(items.size() - maxNamed);
    return text;
}
