#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// The outcome the outcome dialog handed back: date parts (era year without letter, month, day),
// the outcome word and the submission month. A year of "0" is the reset to no outcome.
struct TenkiValues
{
    QString year;
    QString manth;
    QString day;
    QString tenki;
    QString teisyutu;

    bool reset() const { return year == QStringLiteral("0"); }
};

// The batch outcome entry: one outcome written into the name line of every marked episode's
// chart. The episode is found by its key (disease 1, empty for breeding, and first-exam date);
// only its name line changes (fields 7 outcome date, 8 outcome, 13 submission month), every
// other line of the chart goes back byte for byte through the chart model's atomic write. A
// damaged or unreadable chart is never written.
class TenkiIkkatuProc
{
public:
    // What the dialog's answer asks for: nothing (closed), nothing because no date was chosen,
    // a refusal because the date was chosen in part, or the write.
    enum class Choice { Closed, NoDate, Partial, Write };
    static Choice choice(const TenkiValues& values);
    static QString noDateText();
    static QString partialText();

    // The name line with the outcome written: fields 0 to 15, each followed by "'"; a reset
    // empties the outcome date and submission month and writes "未".
    static QString nameLine(const QString& line, const TenkiValues& values);

    // A marked row of the list: its number, the chart file, the episode key; the totals row has
    // no chart.
    struct Target
    {
        QString number;
        QString file;
        QString byoName;
        QString syosinDate;
    };
    enum class Outcome { Written, NoChart, NotFound, Unreadable, WriteFailed };
    static Outcome write(const QString& localPath, const Target& target, const TenkiValues& values,
                         QString* errorText = nullptr);

    struct Result
    {
        int written = 0;
        QStringList skipped;   // one line per row not written, with the reason
        bool complete() const { return skipped.isEmpty(); }
        // "転帰書込み終了。" after a full success; else the count and the rows passed over.
        QString message() const;
    };
    static Result run(const QString& folder, const QList<Target>& targets, const TenkiValues& values);
};
