#include "KarteKotaiRecord.h"

#include "KarteText.h"

#include <QStringList>

std::optional<KarteKotaiRecord> KarteKotaiRecord::parse(const QString& line, QString* reason)
{
    KarteKotaiRecord r;
    const std::optional<QStringList> fields = KarteText::headerRecord(line, NewKarteFields, RegisterFields,
                                                                      QStringLiteral("個体"), &r.FieldCount, reason);
    if (!fields)
        return std::nullopt;
    const QStringList& f = *fields;
    r.Syurui = f.at(1);
    r.BirthDay = f.at(4);
    r.Seibetu = f.at(5);
    r.Meigou = f.at(6);
    r.Kyosai = f.at(8);
    r.Mimiban = f.at(10);
    r.Keiro = f.at(11);
    r.Tokutyo = f.at(12);
    r.KarteName = f.at(13);
    r.Field14 = f.at(14);
    r.SekininDay = f.at(15);
    return r;
}

QString KarteKotaiRecord::line(int fieldCount) const
{
    QStringList values{QStringLiteral("Main"), Syurui, QString(), QString(), BirthDay, Seibetu, Meigou,
                       QString(), Kyosai, QString(), Mimiban, Keiro, Tokutyo, KarteName, Field14, SekininDay};
    while (values.size() > fieldCount)
        values.removeLast();
    while (values.size() < fieldCount)
        values.append(QString());
    return KarteText::makeHeaderLine(values);
}

QString KarteKotaiRecord::meigouName() const
{
    return Meigou.section(QLatin1Char(':'), 0, 0);
}

QString KarteKotaiRecord::kotaiBangou() const
{
    return Meigou.section(QLatin1Char(':'), 1);
}

QString KarteKotaiRecord::joinMeigou(const QString& name, const QString& kotaiBangou)
{
    const QString number = KarteText::trim(kotaiBangou);
    return number.isEmpty() ? KarteText::trim(name) : KarteText::trim(name) + QLatin1Char(':') + number;
}

std::optional<QString> KarteKotaiRecord::badValue() const
{
    return KarteText::badHeaderValue(
        QStringList{Syurui, BirthDay, Seibetu, Meigou, Kyosai, Mimiban, Keiro, Tokutyo, KarteName, Field14, SekininDay});
}
