#include "MiyazakiCodeLookup.h"

#include "PrintNameList.h"
#include "common/CodeTableLoader.h"
#include "registers/TourokuNameFile.h"

#include <algorithm>

MiyazakiCodeLookup::MiyazakiCodeLookup(const QStringList& table, const QList<QStringList>& yakuhin)
    : yakuhinRows(yakuhin)
{
    for (const QStringList& f : CodeTableLoader::tableFields(table))
        sinryoRows.append({f.value(0), f.value(1), f.value(2), f.value(3)});
}

MiyazakiCodeLookup MiyazakiCodeLookup::load(const QStringList& sinryoMiyazakiTable)
{
    QList<QStringList> rows;
    for (int category = 0; category < TourokuNameFile::categories().size(); ++category)
        rows += PrintNameList(category).rows();
    return MiyazakiCodeLookup(sinryoMiyazakiTable, rows);
}

QString MiyazakiCodeLookup::sinryo(const QString& text, QStringList& out)
{
    out.resize(std::max<qsizetype>(out.size(), 12));
    const QString key = QString(text).remove(QLatin1Char('*'));
    const QStringList* found = nullptr;
    for (const QStringList& row : sinryoRows) {
        if (!key.isEmpty() && row.at(1) == key) {
            found = &row;
            break;
        }
    }
    if (!found) {
        for (int i : {4, 5, 6, 8})
            out[i].clear();
        if (item3 == Owner::Sinryo) {
            out[3].clear();
            item3 = Owner::None;
        }
        return QString();
    }
    const QStringList& f = *found;
    out[4] = f.at(1);
    out[5] = f.at(0);
    out[8] = text.contains(QLatin1Char('*')) ? QStringLiteral("1") : QStringLiteral("0");
    if (f.at(0) == QStringLiteral("往診")) {
        out[3] = f.at(3);
        out[6] = f.at(2);
        item3 = Owner::Sinryo;
        return f.at(0) + QLatin1Char(':') + f.at(3);
    }
    out[6] = f.at(2) + QLatin1Char(':') + f.at(3);
    return f.at(0) + QLatin1Char(':') + f.at(2) + QLatin1Char(':') + f.at(3);
}

QString MiyazakiCodeLookup::yakuhin(const QString& text, QStringList& out)
{
    out.resize(std::max<qsizetype>(out.size(), 12));
    for (const QStringList& row : yakuhinRows) {
        if (!text.isEmpty() && row.at(0) == text) {
            for (int i = 0; i < 4; ++i)
                out[i] = row.at(i);
            item3 = Owner::Yakuhin;
            return row.at(1) + row.at(2) + row.at(3);
        }
    }
    for (int i = 0; i < 3; ++i)
        out[i].clear();
    if (item3 == Owner::Yakuhin) {
        out[3].clear();
        item3 = Owner::None;
    }
    return QString();
}
