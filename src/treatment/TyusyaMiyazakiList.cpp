#include "TyusyaMiyazakiList.h"

#include "common/CodeTableLoader.h"
#include "common/RowSort.h"

QList<QStringList> TyusyaMiyazakiList::codeRows(const QStringList& table, const QString& category, bool tableOrder)
{
    QList<QStringList> rows;
    for (const QStringList& f : CodeTableLoader::tableFields(table)) {
        if (f.at(0) == category)
            rows.append({f.value(1), f.value(2), f.value(3)});
    }
    if (!tableOrder)
        RowSort::sort(rows, 0, 2, RowSort::Generic);
    return rows;
}

QList<QStringList> TyusyaMiyazakiList::tyusyaKubun(const QStringList& table, const QString& method)
{
    QList<QStringList> rows;
    for (const QStringList& f : CodeTableLoader::tableFields(table)) {
        if (f.at(0) == QStringLiteral("注射") && f.value(2) == method)
            rows.append({f.value(1), f.value(3).isEmpty() ? method : f.value(3)});
    }
    RowSort::sort(rows, 0, 1, RowSort::Generic);
    return rows;
}

QList<QStringList> TyusyaMiyazakiList::zenYakuhin(const QStringList& table, const QString& mark)
{
    QList<QStringList> rows;
    for (const QStringList& f : CodeTableLoader::tableFields(table)) {
        if (f.at(0) == mark)
            rows.append({f.value(2), f.value(3), f.value(5), f.value(6)});
    }
    return rows;
}

void TyusyaMiyazakiList::sortYakuhin(QList<QStringList>& rows)
{
    RowSort::sort(rows, 0, 3, RowSort::Generic);
}

const QList<TyusyaMiyazakiList::Kubun>& TyusyaMiyazakiList::yakujiKubun()
{
    static const QList<Kubun> list{
        {QStringLiteral("0201:薬治"), QStringLiteral("0201"), QStringLiteral("薬治")},
        {QStringLiteral("0202:調剤を必要とするもの"), QStringLiteral("0202"), QStringLiteral("調剤必要")},
        {QStringLiteral("記入無"), QString(), QStringLiteral("診療区分無")},
        {QStringLiteral("0625:子宮内薬剤注入"), QStringLiteral("0625"), QStringLiteral("子宮内薬剤注入")},
        {QStringLiteral("0629:乳房内薬剤注入"), QStringLiteral("0629"), QStringLiteral("乳房内薬剤注入")},
        {QStringLiteral("0601:経口"), QStringLiteral("0601"), QStringLiteral("経口")},
        {QStringLiteral("0602:調剤・経口"), QStringLiteral("0602"), QStringLiteral("調剤・経口")},
        {QStringLiteral("0603:経鼻"), QStringLiteral("0603"), QStringLiteral("経鼻")},
        {QStringLiteral("0604:調剤・経鼻"), QStringLiteral("0604"), QStringLiteral("調剤・経鼻")},
    };
    return list;
}
