#include "KyuYakuFile.h"

#include "SetteiData.h"
#include "TourokuNameFile.h"
#include "common/SharedUtil.h"

namespace {
const QChar Sep = QLatin1Char('\'');

QStringList readOrReport(const QString& path, QStringList* errors)
{
    bool ok = true;
    QString error;
    const QStringList lines = SetteiData::readLines(path, &ok, &error);
    if (!ok && errors)
        errors->append(error);
    return lines;
}
} // namespace

QString KyuYakuFile::path()
{
    return SetteiData::path(QStringLiteral("SubSet1.ini"));
}

QList<KyuYakuFile::Row> KyuYakuFile::load(QStringList* errors)
{
    QList<Row> rows;
    for (int c = 0; c < TourokuNameFile::categories().size(); ++c) {
        for (const QString& line : readOrReport(TourokuNameFile::tourokuPath(c), errors)) {
            const QStringList f = line.split(Sep);
            rows.append({f.value(0), f.value(2), QString(), f.value(1)});
        }
    }
    for (const QString& line : readOrReport(path(), errors)) {
        if (line.isEmpty())
            continue;
        const QStringList f = line.split(Sep);
        for (Row& row : rows) {
            if (row.Touroku == f.value(1) && row.Kubun == f.value(0)) {
                row.Insatu = f.value(2);
                break;
            }
        }
    }
    return rows;
}

QStringList KyuYakuFile::kouho(const QList<Row>& rows)
{
    QStringList out;
    for (const Row& row : rows)
        if (!row.Insatu.isEmpty() && !out.contains(row.Insatu))
            out.append(row.Insatu);
    return out;
}

QStringList KyuYakuFile::lines(const QList<Row>& rows)
{
    QStringList out;
    for (const Row& row : rows)
        if (!row.Insatu.isEmpty())
            out.append(QStringList{row.Kubun, row.Touroku, SharedUtil::KaigyoDelProc(row.Insatu), row.Key}.join(Sep));
    return out;
}

bool KyuYakuFile::save(const QList<Row>& rows, QString* errorText)
{
    return SetteiData::writeLines(path(), lines(rows), errorText);
}
