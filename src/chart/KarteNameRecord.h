#pragma once

#include "common/Ken.h"

#include <QString>
#include <QStringList>

class KarteBlock;

// Block line 0: the main disease, the episode's dates and outcome. Disease-1 name (field 2) and
// first-examination date (field 5) are the episode's key.
class KarteNameRecord
{
public:
    QString ByoName;          // 2 disease 1
    QString ByoCode;          // 3
    QString HatubyoDate;      // 4 onset
    QString SyosinDate;       // 5 first examination
    QString SyusinDate;       // 6 last examination
    QString TenkiDate;        // 7 outcome date
    QString Tenki;            // 8 outcome, "未" for none
    QString SinryoKaisu;      // 9 number of examinations
    QString IbaragiDocName;   // 10 veterinarian printed on the Ibaraki certificate
    QString SinryoSyurui;     // 12 "繁殖" or "へい病"
    QString TeisyutuTuki;     // 13 submission month
    QString ByoName3;         // 14 disease 3
    QString ByoCode3;         // 15

    static KarteNameRecord read(const KarteBlock& block);
    // From the fields of a name line (split and trimmed), as a scan reads them.
    static KarteNameRecord fromFields(const QStringList& fields);
    // Writes the named fields; field 10 only in 茨城県 and only when it is not empty.
    void write(KarteBlock& block, Ken ken) const;

    // Whether this is the episode with that key: the disease-1 name and the first-examination
    // date, each compared exactly and apart (joined texts would take "乳房炎1" of "5.2.3" for
    // "乳房炎" of "15.2.3").
    bool isEpisode(const QString& byoName, const QString& syosinDate) const;
};
