#include "YakuhinRows.h"

#include "common/CodeTableLoader.h"
#include "registers/TourokuNameFile.h"

namespace {
const QChar Sep = QLatin1Char('\'');

// The key a regular-drug line names: the unit words of its standard and the "KMK" of its name as
// the price table writes them.
QString jyoKey(const QStringList& f)
{
    QString name = f.value(1);
    name.replace(QStringLiteral("KMK"), QStringLiteral("KSK"));
    return name.trimmed() + TourokuNameFile::shorten(f.value(2)).trimmed();
}
} // namespace

YakuhinRows::Row YakuhinRows::row(const QStringList& f)
{
    Row r;
    r.name = f.value(1);
    r.kikaku = f.value(2);
    const QString price = f.value(4);
    r.yakka = price.isEmpty() || price == QStringLiteral("g6") ? f.value(3) : price;
    r.kijyun = f.value(6);
    r.unit = f.value(7);
    return r;
}

QList<YakuhinRows::Row> YakuhinRows::kana(const QStringList& yakkaCodeTable, const QString& classKana)
{
    QList<Row> rows;
    for (const QStringList& f : CodeTableLoader::tableFields(yakkaCodeTable)) {
        if (f.at(0) == classKana)
            rows.append(row(f));
    }
    return rows;
}

QList<YakuhinRows::Row> YakuhinRows::jyo(const QStringList& yakkaCodeTable, const QStringList& jyoLines, bool hideKmk)
{
    const QList<QStringList> table = CodeTableLoader::tableFields(yakkaCodeTable);
    QList<Row> rows;
    for (const QString& line : jyoLines) {
        if (hideKmk && line.contains(QStringLiteral("KMK")))
            continue;
        const QStringList f = line.split(Sep);
        const QString key = jyoKey(f);
        for (const QStringList& t : table) {
            if (t.value(1).trimmed() + t.value(2).trimmed() == key) {
                Row r = row(t);
                if (f.size() == 4)
                    r.tani = f.at(3).trimmed();
                rows.append(r);
                break;
            }
        }
    }
    return rows;
}

void YakuhinRows::setTouroku(QList<Row>& rows, const QStringList& tourokuLines)
{
    for (const QString& line : tourokuLines) {
        const QStringList f = line.split(Sep);
        if (f.size() < 3)
            continue;
        for (Row& r : rows) {
            if (TourokuNameFile::key(r.name, r.kikaku) == f.at(1)) {
                r.touroku = f.at(2);
                break;
            }
        }
    }
}
