#include "PendingUtil.h"

namespace Pending {

QString KaigyoDelProc(const QString& text)
{
    QString out = text;
    out.remove(QStringLiteral("\r\n"));
    out.remove(QLatin1Char('\r'));
    out.remove(QLatin1Char('\n'));
    qsizetype a = 0;
    qsizetype b = out.size();
    while (a < b && out.at(a) == QLatin1Char(' '))
        ++a;
    while (b > a && out.at(b - 1) == QLatin1Char(' '))
        --b;
    return out.mid(a, b - a);
}

bool FileNameCheckProc(const QString& name, QString& badCharacter)
{
    bool ok = true;
    for (const QChar c : QStringLiteral("\\/:*?\"<>|")) {
        if (name.contains(c)) {
            badCharacter = c;
            ok = false;
        }
    }
    return ok;
}

void DellInfoSetProc(QStringList& list, const QString& fileName, const QString& mark)
{
    const QString base = fileName.section(QLatin1Char('.'), 0, 0);
    const QString entry = base + QLatin1Char(',') + mark;
    bool found = false;
    const qsizetype last = !list.isEmpty() && list.last().isEmpty() ? list.size() - 1 : list.size();
    for (qsizetype i = 0; i < last; ++i) {
        if (list.at(i).section(QLatin1Char(','), 0, 0) + QStringLiteral(".txb") == fileName) {
            list[i] = entry;
            found = true;
        }
    }
    if (!found)
        list.insert(last, entry);
}

}
