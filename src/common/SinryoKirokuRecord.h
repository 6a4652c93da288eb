#pragma once

#include <QString>
#include <QStringList>

// One visit record of the last treatment-record tally: the treatment lines of one animal of one
// member on one day (and, where the start time is a key field, of one visit). Each line holds the
// values class, category, content, quantity, withdrawal text, disease, outcome, start time and
// end time joined by "'". NoukaCode is the member's code where the tally knew it (empty for
// records reloaded from a dump), so that two members of one name keep their own records.
struct SinryoKirokuRecord
{
    QString KirokuKey;
    QString Manth;
    QString Day;
    QString StartTime;
    QString Nouka;
    QString MimiMeigou;
    QString NoukaCode;
    QStringList TiryoLines;

    // True when the record belongs to the member of this name and code.
    bool belongsTo(const QString& name, const QString& code) const
    {
        return Nouka == name && (NoukaCode.isEmpty() || NoukaCode == code);
    }
};
