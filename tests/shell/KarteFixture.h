#pragma once

#include <QString>
#include <QStringList>

// Chart files for the shell tests: two header lines and one block of 224 lines per episode, every
// field followed by "'".
class KarteFixture
{
public:
    struct Episode
    {
        QStringList name;   // fields 1.. of the "Name" record (field 0 is added)
        QStringList data1;  // fields 1.. of the first "Data" record
    };

    // A chart line of the given fields, each followed by "'".
    static QString line(const QStringList& fields);
    // An animal record of 16 fields with ear tag, name, species, sex, birth date and base name.
    static QStringList kotai(const QString& earTag, const QString& name, const QString& base,
                             const QString& syurui = QStringLiteral("乳用牛"),
                             const QString& seibetu = QStringLiteral("雌"),
                             const QString& birth = QStringLiteral("H30.4.1"));
    static QStringList nouka(const QString& tiku, const QString& name, const QString& code);
    // A "Name" record's fields 1 to 15: disease, first and last exam, outcome date and outcome,
    // count, kind, submission month.
    static QStringList nameRecord(const QString& byoName, const QString& syosin, const QString& syusin,
                                  const QString& tenkiDate, const QString& tenki, const QString& count,
                                  const QString& kind, const QString& teisyutu);
    static QStringList dataRecord(const QString& outcomeDate2, const QString& outcome2 = QString());

    // Writes the chart to localPath in CP932.
    static void write(const QString& localPath, const QStringList& nouka, const QStringList& kotai,
                      const QList<Episode>& episodes);
};
