#include "KarteFixture.h"

#include "TestFixture.h"

namespace {
QStringList padded(QStringList fields, int count)
{
    while (fields.size() < count)
        fields.append(QString());
    return fields;
}
} // namespace

QString KarteFixture::line(const QStringList& fields)
{
    QString text;
    for (const QString& field : fields)
        text += field + QLatin1Char('\'');
    return text;
}

QStringList KarteFixture::kotai(const QString& earTag, const QString& name, const QString& base,
                                const QString& syurui, const QString& seibetu, const QString& birth)
{
    return {"Main", syurui, "", "", birth, seibetu, name, "", "包", "", earTag, "黒", "", base, "", "-"};
}

QStringList KarteFixture::nouka(const QString& tiku, const QString& name, const QString& code)
{
    return padded({"Main", tiku, name, code, "住所"}, 15);
}

QStringList KarteFixture::nameRecord(const QString& byoName, const QString& syosin, const QString& syusin,
                                     const QString& tenkiDate, const QString& tenki, const QString& count,
                                     const QString& kind, const QString& teisyutu)
{
    return {"", byoName, "", "", syosin, syusin, tenkiDate, tenki, count, "", "", kind, teisyutu, "", ""};
}

QStringList KarteFixture::dataRecord(const QString& outcomeDate2, const QString& outcome2)
{
    return {"", "", "", "", "", "", outcomeDate2, outcome2, "", "", "", "", "", "", ""};
}

void KarteFixture::write(const QString& localPath, const QStringList& nouka, const QStringList& kotai,
                         const QList<Episode>& episodes)
{
    QStringList lines = {line(nouka), line(kotai)};
    for (const Episode& episode : episodes) {
        lines.append(line(padded(QStringList{"Name"} + episode.name, 16)));
        lines.append(line(padded(QStringList{"Data"} + episode.data1, 16)));
        lines.append(line(padded({"Data"}, 16)));
        lines.append(line(padded({"Data"}, 16)));
        for (int j = 0; j < 20; ++j)
            for (int k = 0; k < 11; ++k)
                lines.append(line(padded({"Sinsatu", QString::number(j + 1)}, 16)));
    }
    TestFixture::writeCp932(localPath, lines);
}
