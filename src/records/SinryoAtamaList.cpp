#include "SinryoAtamaList.h"

#include "common/RowSort.h"

namespace {
QString item(const QStringList& row)
{
    return row.at(2) + QLatin1Char(':') + row.at(0);
}

QStringList listText(const SiteProfile& row, const QString& column)
{
    const QString text = row.text(column);
    return text.isEmpty() ? QStringList() : text.split(QLatin1Char(':'));
}
} // namespace

QList<QStringList> SinryoAtamaList::openNameGrid(const QStringList& noukaLines)
{
    QList<QStringList> grid;
    for (const QString& line : noukaLines) {
        const QStringList f = line.split(QLatin1Char(','));
        if (f.size() >= 3)
            grid.append({f.at(2), f.at(0), f.at(1)});
    }
    RowSort::sort(grid, QList<int>{0}, RowSort::Generic);
    return grid;
}

bool SinryoAtamaList::TikuCheckProc(const QString& tiku, const QStringList& tikuNames)
{
    return tikuNames.contains(tiku);
}

bool SinryoAtamaList::JyogaiCheckProc(const QString& name, const QStringList& jyogai)
{
    return !jyogai.contains(name);
}

bool SinryoAtamaList::JyogaiCheckProc2(const QString& name, const QStringList& jyogai2)
{
    QString bare = name;
    bare.remove(QLatin1Char(' ')).remove(QChar(0x3000));
    return !jyogai2.contains(bare);
}

QStringList SinryoAtamaList::items(const QList<QStringList>& grid, const QStringList& tikuNames)
{
    QStringList out;
    for (const QStringList& row : grid)
        if (TikuCheckProc(row.at(1), tikuNames))
            out.append(item(row));
    return out;
}

QStringList SinryoAtamaList::TottoriAtamaListProc(const QList<QStringList>& grid, const QStringList& tikuNames,
                                                  const QList<SiteProfile>& vetRows)
{
    QStringList out;
    bool keyed = false;
    for (const SiteProfile& site : vetRows) {
        if (!site.has(QStringLiteral("SiteTottoriVetA")))
            continue;
        keyed = true;
        const QStringList jyogai = listText(site, QStringLiteral("KirokuJyogai"));
        for (const QString& tiku : listText(site, QStringLiteral("KirokuTikuOrder")))
            for (const QStringList& row : grid)
                if (row.at(1) == tiku && JyogaiCheckProc(row.at(2), jyogai))
                    out.append(item(row));
    }
    for (const SiteProfile& site : vetRows) {
        if (!site.has(QStringLiteral("SiteTottoriVetB")))
            continue;
        keyed = true;
        const QStringList jyogai2 = listText(site, QStringLiteral("KirokuJyogai2"));
        for (const QStringList& row : grid)
            if (TikuCheckProc(row.at(1), tikuNames) && JyogaiCheckProc2(row.at(2), jyogai2))
                out.append(item(row));
    }
    return keyed ? out : items(grid, tikuNames);
}

bool SinryoAtamaList::splitItem(const QString& item, QString& name, QString& code)
{
    if (!item.contains(QLatin1Char(':')))
        return false;
    name = item.section(QLatin1Char(':'), 0, 0);
    code = item.section(QLatin1Char(':'), 1, 1);
    return true;
}
