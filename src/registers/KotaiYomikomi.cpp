#include "KotaiYomikomi.h"

#include "chart/KarteFileName.h"
#include "chart/KarteHeader.h"
#include "chart/KarteText.h"
#include "common/KarteFolderList.h"

namespace {
bool hasDot(const QString& text)
{
    return text.contains(QLatin1Char('.'));
}

// Start of cover and the older layouts' chart key, by prefecture.
void olderLayouts(QStringList& cols, const QStringList& f, Ken ken)
{
    using C = KotaiTable::Col;
    const bool more = f.size() > 15;
    if (ken == Ken::Ibaraki || ken == Ken::Tottori) {
        if (more && hasDot(f.at(14)))
            cols[C::Sekinin - 1] = f.at(14);
        if (more && hasDot(f.at(15)))
            cols[C::Sekinin - 1] = f.at(15);
        return;
    }
    if (f.size() > 14 && !f.at(14).isEmpty())
        cols[C::KarteKey - 1] = f.at(14);
    if (more)
        cols[C::Sekinin - 1] = f.at(15);
    if (ken == Ken::Miyazaki) {
        for (const int i : {12, 13})
            if (!hasDot(f.at(i)) && f.at(i).contains(QStringLiteral("H15")))
                cols[C::KarteKey - 1] = f.at(i);
    }
}
} // namespace

QStringList KotaiYomikomi::toridasi(const KarteFolderList& list, const QString& nendo, const QString& code)
{
    return list.withPrefix(KarteFileName::noukaPrefix(nendo, code));
}

std::optional<QStringList> KotaiYomikomi::row(const QString& fileName, const QString& line0,
                                              const QString& line1, const QString& code,
                                              Ken ken)
{
    if (line0.isEmpty() || line1.isEmpty())
        return std::nullopt;
    const QString normal = KarteText::normaliseHeader(line1);
    if (KarteText::fieldCount(normal) < 14)
        return std::nullopt;
    const QStringList f = normal.split(QLatin1Char('\''));
    QString base = fileName;
    if (base.endsWith(QStringLiteral(".sxd"), Qt::CaseInsensitive))
        base.chop(4);
    if (f.at(13) != base && !fileName.section(QLatin1Char('_'), 1, 1).contains(code))
        return std::nullopt;
    QStringList cols{f.at(1), f.at(10), f.at(4), f.at(5), f.at(6), f.at(8), f.at(11), f.at(12), f.at(13), QString()};
    olderLayouts(cols, f, ken);
    return cols;
}

void KotaiYomikomi::read(KotaiTable& table, const QStringList& names, const QString& folder,
                         const QString& code, Ken ken)
{
    table.clear();
    int r = 0;
    for (const QString& name : names) {
        if (r >= table.capacity())
            break;
        const KarteHeader header = KarteHeader::read(folder + QLatin1Char('/') + name);
        if (!header.ok())
            continue;
        if (const std::optional<QStringList> cols = row(name, header.noukaLine, header.kotaiLine, code, ken))
            table.setRow(++r, *cols);
    }
}
