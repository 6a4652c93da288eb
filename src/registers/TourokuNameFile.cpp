#include "TourokuNameFile.h"

#include "SetteiData.h"
#include "common/CodeTableLoader.h"
#include "common/RowSort.h"
#include "common/SharedUtil.h"

namespace {
const QChar Sep = QLatin1Char('\'');

QStringList fileLines(const QString& path, TourokuNameFile::Listing& listing)
{
    bool ok = true;
    QStringList lines = SetteiData::readLines(path, &ok, &listing.errorText);
    listing.ok = ok;
    return lines;
}

int findKey(const QList<QStringList>& rows, const QString& key, bool shortenRows)
{
    for (int i = 0; i < rows.size(); ++i) {
        const QString rowKey = TourokuNameFile::key(rows.at(i).at(1), rows.at(i).at(2));
        if ((shortenRows ? TourokuNameFile::shorten(rowKey) : rowKey) == key)
            return i;
    }
    return -1;
}
} // namespace

const QList<TourokuNameFile::Category>& TourokuNameFile::categories()
{
    static const QList<Category> list{
        {QStringLiteral("注射"), QStringLiteral("注"), QStringLiteral("C")},
        {QStringLiteral("内用"), QStringLiteral("内"), QStringLiteral("N")},
        {QStringLiteral("外用"), QStringLiteral("外"), QStringLiteral("G")},
        {QStringLiteral("挿入"), QStringLiteral("挿"), QStringLiteral("S")}};
    return list;
}

QString TourokuNameFile::path(int category, bool miyazaki)
{
    return SetteiData::path((miyazaki ? QStringLiteral("PrintName") : QStringLiteral("TourokuName"))
                            + categories().at(category).letter + QStringLiteral(".ini"));
}

QString TourokuNameFile::key(const QString& name, const QString& kikaku)
{
    return name + QStringLiteral("：") + kikaku;
}

QString TourokuNameFile::shorten(const QString& key)
{
    QString k = key;
    k.replace(QStringLiteral("バイアル"), QStringLiteral("V"));
    k.replace(QStringLiteral("パイアル"), QStringLiteral("V"));
    k.replace(QStringLiteral("シリンジ"), QStringLiteral("S"));
    k.replace(QStringLiteral("瓶"), QStringLiteral("V"));
    k.replace(QStringLiteral("管"), QStringLiteral("A"));
    return k;
}

// A registered name is matched to the drug whose name and standard equal its shortened key; a
// key whose drug name itself holds a unit word is matched with the drug's key shortened the same
// way. A line that matches no drug is kept for the rewrite.
TourokuNameFile::Listing TourokuNameFile::list(int category, const QStringList& yakkaCodeTable)
{
    Listing listing;
    const QString mark = categories().at(category).mark;
    for (const QStringList& f : CodeTableLoader::tableFields(yakkaCodeTable)) {
        if (!f.at(0).startsWith(mark))
            continue;
        const QString price = f.value(4).isEmpty() || f.value(4) == QStringLiteral("g6") ? f.value(3) : f.value(4);
        listing.rows.append({f.at(0).right(1), f.value(1), f.value(2), price, QString(), QString()});
    }
    for (const QString& line : fileLines(tourokuPath(category), listing)) {
        const QStringList f = line.split(Sep);
        const QString k = shorten(f.value(1));
        int row = k.isEmpty() || f.size() < 3 ? -1 : findKey(listing.rows, k, false);
        if (row < 0 && !k.isEmpty() && f.size() >= 3)
            row = findKey(listing.rows, k, true);
        if (row >= 0)
            listing.rows[row][Touroku] = f.at(2);
        else if (!line.trimmed().isEmpty())
            listing.keptLines.append(line);
    }
    RowSort::sort(listing.rows, 0, 5, RowSort::Generic);
    return listing;
}

TourokuNameFile::Listing TourokuNameFile::listMiyazaki(int category, const QStringList& table)
{
    Listing listing;
    const QString mark = categories().at(category).mark;
    for (const QStringList& f : CodeTableLoader::tableFields(table)) {
        if (f.at(0) == mark)
            listing.rows.append({f.value(2), f.value(3), f.value(4), f.value(5), f.value(6), QString()});
    }
    for (const QString& line : fileLines(path(category, true), listing)) {
        const QStringList f = line.split(Sep);
        if (!line.contains(Sep) || f.size() != 6)
            continue;
        for (QStringList& row : listing.rows) {
            if (row.at(Code) == f.at(1)) {
                row[Touroku] = f.at(3);
                break;
            }
        }
    }
    RowSort::sort(listing.rows, 0, 5, RowSort::Generic);
    return listing;
}

QStringList TourokuNameFile::lines(int category, const Listing& listing, bool miyazaki)
{
    const QString mark = categories().at(category).mark;
    QStringList out;
    for (const QStringList& row : listing.rows) {
        if (row.at(Touroku).isEmpty())
            continue;
        if (!miyazaki) {
            out.append(mark + Sep + key(row.at(Name), row.at(Kikaku)) + Sep + row.at(Touroku));
            continue;
        }
        QStringList c;
        for (int i = 0; i <= 5; ++i)
            c.append(SharedUtil::KaigyoDelProc(row.at(i)));
        out.append(QStringList{mark, c.at(Code), key(c.at(Name), c.at(Kikaku)), c.at(Touroku),
                               c.at(Price), c.at(Unit)}.join(Sep));
    }
    if (!miyazaki)
        out += listing.keptLines;
    return out;
}

bool TourokuNameFile::save(int category, const Listing& listing, bool miyazaki, QString* errorText)
{
    return SetteiData::writeLines(path(category, miyazaki), lines(category, listing, miyazaki), errorText);
}
