#include "KarteNoukaRecord.h"

#include "KarteText.h"

#include <QStringList>

std::optional<KarteNoukaRecord> KarteNoukaRecord::parse(const QString& line, QString* reason)
{
    const QString normal = KarteText::normaliseHeader(line);
    const int count = KarteText::fieldCount(normal);
    const QStringList f = KarteText::fields(normal, RegisterFields);
    if (f.at(0) != QStringLiteral("Main") || count < NewKarteFields || count > RegisterFields) {
        if (reason)
            *reason = QStringLiteral("農家の行の項目数が違います（%1 項目）").arg(count);
        return std::nullopt;
    }
    KarteNoukaRecord r;
    r.NoukaTiku = f.at(1);
    r.NoukaName = f.at(2);
    r.NoukaCode = f.at(3);
    r.NoukaJyusyo = f.at(4);
    r.FieldCount = count;
    return r;
}

QString KarteNoukaRecord::line(int fieldCount) const
{
    QStringList values{QStringLiteral("Main"), NoukaTiku, NoukaName, NoukaCode, NoukaJyusyo};
    while (values.size() < fieldCount)
        values.append(QString());
    return KarteText::makeHeaderLine(values);
}

std::optional<QString> KarteNoukaRecord::badValue() const
{
    for (const QString& value : {NoukaTiku, NoukaName, NoukaCode, NoukaJyusyo}) {
        if (KarteText::badHeaderValue(value))
            return value;
    }
    return std::nullopt;
}
