#include "SinryoExcelTransfer.h"

#include "SinryoKirokuGroup.h"

namespace {
using G = SinryoKirokuGroup;

QStringList nameRow(const QString& vet)
{
    QStringList row(SinryoExcelTransfer::Cols);
    row[9] = vet;
    return row;
}

QStringList headingRow()
{
    const QStringList h{QStringLiteral("診察日"), QStringLiteral("個体(識別)番号"), QStringLiteral("種別"),
                        QStringLiteral("治療に用いた動物用医薬品名等")};
    return h + QStringList{QString(), QString()} + h;
}
} // namespace

QStringList SinryoExcelTransfer::entry(const QStringList& r)
{
    QString tiryo = r.value(G::SyotiCol);
    if (!r.value(G::YakuhinCol).isEmpty())
        tiryo += QLatin1Char(':') + r.value(G::YakuhinCol);
    if (!r.value(G::SuryoCol).isEmpty())
        tiryo += QLatin1Char(':') + r.value(G::SuryoCol);
    return {r.value(G::ManthCol) + QStringLiteral("月") + r.value(G::DayCol) + QStringLiteral("日"), r.value(G::MimiCol),
            r.value(G::BunruiCol), tiryo};
}

QList<QStringList> SinryoExcelTransfer::ibarakiRows(const QList<QStringList>& dataRows, const QString& vetFullName)
{
    QList<QStringList> out{nameRow(vetFullName), headingRow()};
    for (qsizetype first = 0; first < dataRows.size(); first += BlockSize) {
        const qsizetype top = out.size();
        for (qsizetype k = 0; k < BlockSize && first + k < dataRows.size(); ++k) {
            const QStringList e = entry(dataRows.at(first + k));
            if (k < BlockSize / 2) {
                QStringList row(Cols);
                for (int c = 0; c < 4; ++c)
                    row[c] = e.at(c);
                out.append(row);
            } else {
                for (int c = 0; c < 4; ++c)
                    out[top + k - BlockSize / 2][6 + c] = e.at(c);
            }
        }
        out.append(nameRow(vetFullName));
        out.append(headingRow());
    }
    return out;
}
