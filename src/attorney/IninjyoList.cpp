#include "IninjyoList.h"

#include "common/FlexGrid.h"
#include "common/KingakuFormatProc.h"
#include "common/RowSort.h"
#include "common/SharedUtil.h"
#include "common/ValueReader.h"

QString IninjyoList::IninjyoHidukeKeyProc(const QString& date)
{
    if (!date.contains(QLatin1Char('.')))
        return QString();
    const QStringList p = date.split(QLatin1Char('.'));
    const auto twoDigits = [](const QString& part) {
        return QString::number(ValueReader::leadingInt(part)).rightJustified(2, QLatin1Char('0'));
    };
    return SharedUtil::Trim(p.at(0)) + twoDigits(p.value(1)) + twoDigits(p.value(2));
}

QString IninjyoList::SinryohiMarumeProc(const QString& fee)
{
    if (fee.isEmpty())
        return fee;
    const long long amount = (long long)ValueReader::leadingNumber(QString(fee).remove(QLatin1Char(',')));
    const QChar last = fee.back();
    const int d = last.isDigit() ? last.digitValue() : 0;
    if (d == 0)
        return fee;
    const long long rounded = d <= 4 ? amount - d : amount - d + 10;
    return KingakuFormatProc(QString::number(rounded));
}

QList<QStringList> IninjyoList::IninjyoListSetProc(const FlexGrid& g, bool marume)
{
    QList<QStringList> rows;
    for (int w = 2; w < g.rows() - 1; ++w) {
        QStringList row(Cols);
        row[NameCol] = g.textMatrix(w, 2);
        row[KeyCol] = IninjyoHidukeKeyProc(g.textMatrix(w, 9));
        row[InsatuCol] = QStringLiteral("する");
        row[KyosaiCol] = g.textMatrix(w, 4);
        const QString meigou = g.textMatrix(w, 5);
        row[MeigouCol] = meigou.section(QLatin1Char(':'), 0, 0);
        row[KotaiCol] = meigou.contains(QLatin1Char(':')) ? meigou.section(QLatin1Char(':'), 1, 1) : QString();
        row[MimiCol] = g.textMatrix(w, 6);
        row[ByoCol] = g.textMatrix(w, 7);
        row[SyosinCol] = g.textMatrix(w, 9);
        row[SyusinCol] = g.textMatrix(w, 10);
        row[TenkiCol] = g.textMatrix(w, 11);
        row[HiCol] = marume ? SinryohiMarumeProc(g.textMatrix(w, 15)) : g.textMatrix(w, 15);
        row[CodeCol] = g.textMatrix(w, 3);
        rows.append(row);
    }
    RowSort::sort(rows, QList<int>{NameCol, CodeCol, KeyCol}, RowSort::Generic);
    return rows;
}

bool IninjyoList::sameFarmer(const QStringList& a, const QStringList& b)
{
    return a.value(NameCol) == b.value(NameCol) && a.value(CodeCol) == b.value(CodeCol);
}

bool IninjyoList::IninjyoListClick(QList<QStringList>& rows, int index, int col)
{
    if (index < 0 || index >= rows.size())
        return false;
    const QString value = prints(rows.at(index)) ? QStringLiteral("しない") : QStringLiteral("する");
    if (col == InsatuCol) {
        rows[index][InsatuCol] = value;
        return true;
    }
    if (col != NameCol)
        return false;
    const QStringList clicked = rows.at(index);
    for (QStringList& row : rows)
        if (sameFarmer(row, clicked))
            row[InsatuCol] = value;
    return true;
}

void IninjyoList::setAll(QList<QStringList>& rows, bool on)
{
    for (QStringList& row : rows)
        row[InsatuCol] = on ? QStringLiteral("する") : QStringLiteral("しない");
}

QList<IninjyoList::Band> IninjyoList::bands(const QList<QStringList>& rows)
{
    QList<Band> out;
    int band = 0;
    int n = 1;
    for (qsizetype r = 0; r < rows.size(); ++r) {
        if (r > 0 && !sameFarmer(rows.at(r), rows.at(r - 1))) {
            band = 1 - band;
            n = 1;
        }
        out.append({band, n++});
    }
    return out;
}
