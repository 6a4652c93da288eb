#pragma once

#include "SinryoSyukei.h"

#include "common/SinryoKirokuRecord.h"

#include <QList>
#include <QString>
#include <array>

// What a treatment-record print takes from its window: the chosen members in list order, the
// visit records of the last tally, the print offsets (millimetres, right and down), the period
// boxes as typed and the veterinarian's name.
struct SinryoPrintData
{
    QList<SinryoSyukei::Member> members;
    QList<SinryoKirokuRecord> records;
    float offX = 0;
    float offY = 0;
    QString nen;
    std::array<QString, 4> date;
    QString doctorName;

    // The indexes of the member's records, in list order.
    QList<qsizetype> recordsOf(const SinryoSyukei::Member& member) const
    {
        QList<qsizetype> found;
        for (qsizetype i = 0; i < records.size(); ++i)
            if (records.at(i).belongsTo(member.name, member.code))
                found.append(i);
        return found;
    }
    // "(令和5年6月10日～6月20日)"
    QString kikanText() const
    {
        return QStringLiteral("(令和") + nen + QStringLiteral("年") + date[0] + QStringLiteral("月") + date[1]
               + QStringLiteral("日～") + date[2] + QStringLiteral("月") + date[3] + QStringLiteral("日)");
    }
};
