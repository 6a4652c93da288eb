#include "KarteNoukaRecord.h"

#include "KarteText.h"

#include "common/SharedState.h"

#include <QStringList>

std::optional<KarteNoukaRecord> KarteNoukaRecord::parse(const QString& line, QString* reason)
{
    KarteNoukaRecord r;
    const std::optional<QStringList> fields = KarteText::headerRecord(line, NewKarteFields, RegisterFields,
                                                                      QStringLiteral("農家"), &r.FieldCount, reason);
    if (!fields)
        return std::nullopt;
    const QStringList& f = *fields;
    r.NoukaTiku = f.at(1);
    r.NoukaName = f.at(2);
    r.NoukaCode = f.at(3);
    r.NoukaJyusyo = f.at(4);
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
    return KarteText::badHeaderValue(QStringList{NoukaTiku, NoukaName, NoukaCode, NoukaJyusyo});
}

KarteNoukaRecord KarteNoukaRecord::of(const NoukaInfo& nouka)
{
    KarteNoukaRecord r;
    r.NoukaTiku = nouka.NoukaTiku;
    r.NoukaName = nouka.NoukaName;
    r.NoukaCode = nouka.NoukaCode;
    r.NoukaJyusyo = nouka.NoukaJyusyo;
    return r;
}
