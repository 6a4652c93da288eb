#include "SinryoKirokuGroup.h"

#include <QHash>

namespace {
QStringList keyFields(const QStringList& row, SinryoKirokuGroup::Key key)
{
    using G = SinryoKirokuGroup;
    QStringList fields{row.value(G::NoukaCol), row.value(G::CodeCol), row.value(G::ManthCol), row.value(G::DayCol)};
    if (key == G::Key::WithStartTime)
        fields.append(row.value(G::StartCol));
    fields.append(row.value(G::MimiCol));
    return fields;
}
} // namespace

QString SinryoKirokuGroup::line(const QStringList& row)
{
    QStringList values;
    for (int c = BunruiCol; c <= EndCol; ++c)
        values.append(row.value(c));
    return values.join(QLatin1Char('\''));
}

QStringList SinryoKirokuGroup::values(const QString& line)
{
    QStringList v = line.split(QLatin1Char('\''));
    while (v.size() < 9)
        v.append(QString());
    return v;
}

QList<SinryoKirokuRecord> SinryoKirokuGroup::build(const QList<QStringList>& rows, Key key)
{
    QList<SinryoKirokuRecord> records;
    QHash<QStringList, qsizetype> index;
    for (const QStringList& row : rows) {
        const QStringList fields = keyFields(row, key);
        const auto found = index.constFind(fields);
        if (found != index.constEnd()) {
            records[*found].TiryoLines.append(line(row));
            continue;
        }
        SinryoKirokuRecord r;
        r.Nouka = row.value(NoukaCol);
        r.NoukaCode = row.value(CodeCol);
        r.Manth = row.value(ManthCol);
        r.Day = row.value(DayCol);
        r.StartTime = key == Key::WithStartTime ? row.value(StartCol) : QString();
        r.MimiMeigou = row.value(MimiCol);
        r.KirokuKey = r.Nouka + r.Manth + r.Day + r.StartTime + r.MimiMeigou;
        r.TiryoLines.append(line(row));
        index.insert(fields, records.size());
        records.append(r);
    }
    return records;
}
