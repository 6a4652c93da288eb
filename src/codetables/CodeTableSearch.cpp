#include "CodeTableSearch.h"

QList<int> CodeTableSearch::columnHits(const Rows& rows, int col, const QString& text)
{
    QList<int> hits;
    for (qsizetype i = 0; i < rows.size(); ++i)
        if (rows.at(i).value(col).contains(text, Qt::CaseSensitive))
            hits.append(int(i) + 1);
    return hits;
}

QList<int> CodeTableSearch::kensakuHits(const Rows& rows, bool allColumns, const QString& text)
{
    if (text.isEmpty())
        return {};
    if (!allColumns) {
        const QList<int> names = columnHits(rows, 1, text);
        return names.isEmpty() ? columnHits(rows, 6, text) : names;
    }
    QList<int> hits;
    for (qsizetype i = 0; i < rows.size(); ++i)
        for (const QString& cell : rows.at(i))
            if (cell.contains(text, Qt::CaseSensitive))
                hits.append(int(i) + 1);
    return hits;
}

QString CodeTableSearch::kensakuMessage(int count)
{
    return count > 0 ? QString::number(count) + QStringLiteral("個あります")
                     : QStringLiteral("検索文字は見つかりません。");
}

QList<int> CodeTableSearch::exactHits(const Rows& rows, int col, const QString& text)
{
    QList<int> hits;
    if (text.isEmpty())
        return hits;
    for (qsizetype i = 0; i < rows.size(); ++i)
        if (rows.at(i).value(col) == text)
            hits.append(int(i) + 1);
    return hits;
}
