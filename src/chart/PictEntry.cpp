#include "PictEntry.h"

#include "common/BitmapPicture.h"
#include "common/SiteProfile.h"
#include "treatment/TensuText.h"

#include <QRegularExpression>
#include <cmath>

PictEntry::Scheme PictEntry::scheme(Ken ken, const SiteProfile& site)
{
    if (ken == Ken::Ibaraki)
        return Scheme::Annotated;
    if (ken == Ken::Miyazaki && site.has(QStringLiteral("SiteMiyazakiZero")))
        return Scheme::Pair;
    return Scheme::Numbered;
}

QString PictEntry::numbered(const QString& part, const QString& prefix, int count)
{
    const double n = std::trunc(TensuText::value(part));
    if (n < 1 || n > count)
        return QString();
    return BitmapPicture::pictFile(prefix + QString::number(int(n) - 1));
}

PictEntry::Hyoji PictEntry::hyoji(Scheme scheme, const QString& entry)
{
    Hyoji h;
    const QStringList parts = entry.split(QLatin1Char(':'));
    if (scheme == Scheme::Numbered) {
        h.Left = numbered(entry, QStringLiteral("pict_"), 51);
    } else if (scheme == Scheme::Pair) {
        static const QRegularExpression whole(QStringLiteral("^[0-9]+$"));
        const QString swap = parts.value(0);
        const QString n = parts.value(1);
        if (parts.size() == 2 && (swap == QStringLiteral("0") || swap == QStringLiteral("1")) && whole.match(n).hasMatch()) {
            const QString left = BitmapPicture::pictFile(QStringLiteral("M_Left") + n);
            const QString right = BitmapPicture::pictFile(QStringLiteral("M_Right") + n);
            h.Left = swap == QStringLiteral("0") ? left : right;
            h.Right = swap == QStringLiteral("0") ? right : left;
        }
    } else if (parts.size() == 5) {
        h.Left = numbered(parts.at(0), QStringLiteral("pict2_"), 71);
        h.Right = numbered(parts.at(1), QStringLiteral("pict2_"), 71);
        h.Captions = {parts.at(2), parts.at(3), parts.at(4)};
    }
    return h;
}

QString PictEntry::normalised(Scheme scheme, const QString& entry)
{
    return scheme == Scheme::Numbered && entry.isEmpty() ? empty() : entry;
}

std::optional<QString> PictEntry::fromPictNo(int pictNoOut)
{
    if (pictNoOut > 0)
        return QString::number(pictNoOut);
    if (pictNoOut == -1)
        return QStringLiteral("-1");
    return std::nullopt;
}

std::optional<QString> PictEntry::fromMiyazaki(const QString& pictMiyazakiOut)
{
    if (pictMiyazakiOut.isEmpty())
        return std::nullopt;
    if (pictMiyazakiOut == QStringLiteral("Del"))
        return empty();
    return pictMiyazakiOut;
}

QString PictEntry::pict2Code(const QString& entry)
{
    return entry.isEmpty() ? QStringLiteral("::::") : entry;
}
