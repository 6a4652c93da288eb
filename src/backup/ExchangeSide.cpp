#include "ExchangeSide.h"

#include "common/SiteProfile.h"

namespace {
bool endsWithNoCase(const QString& name, const QString& ending)
{
    return name.endsWith(ending, Qt::CaseInsensitive);
}
} // namespace

ExchangeSide::Side ExchangeSide::of(const SiteProfile& site)
{
    const QString partner = site.text(QStringLiteral("PartnerSide")).trimmed();
    if (partner == QLatin1String("B"))
        return A;
    if (partner == QLatin1String("A"))
        return B;
    return None;
}

QString ExchangeSide::exportFolder(Side side)
{
    return side == B ? QStringLiteral("export_b") : QStringLiteral("export_a");
}

QString ExchangeSide::importFolder(Side side)
{
    switch (side) {
    case A: return QStringLiteral("export_b");
    case B: return QStringLiteral("export_a");
    case None: break;
    }
    return QString();
}

std::optional<QString> ExchangeSide::exportedName(const QString& name)
{
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    if (dot <= 0 || dot == name.size() - 1)
        return std::nullopt;
    const QString base = name.left(dot);
    const bool list = name.mid(dot + 1).compare(QLatin1String("ini"), Qt::CaseInsensitive) == 0;
    return base + (list ? QStringLiteral(".ini") : QStringLiteral(".ixb"));
}

bool ExchangeSide::sends(Side side, const QString& exportedName)
{
    if (side == None)
        return false;
    return side == A || !exportedName.endsWith(QLatin1String(".ini"));
}

QString ExchangeSide::importPlace(Side side, const QString& name)
{
    if (side == A)
        return QStringLiteral("inport");
    if (side == B && endsWithNoCase(name, QStringLiteral("ixb")))
        return QStringLiteral("inport");
    if (side == B && endsWithNoCase(name, QStringLiteral("ini")))
        return QStringLiteral("cb");
    return QString();
}

QString ExchangeSide::noPartnerText()
{
    return QStringLiteral("この端末にはデータ交換の相手がありません。\nエクスポート・インポートはできません。");
}
