#pragma once

#include "TiryoboMessage.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <array>
#include <functional>

class KarteKotaiRecord;
class KarteNameRecord;
class SiteProfile;

// The list of certificates a farm-group site hands in for a submission period: the grid's
// columns, the doctor options of the site, and the two ways of filling the list, from every
// chart of the data year and from the log of printed certificates.
class IbaragiSyukei
{
public:
    static constexpr int ColCount = 19;
    static constexpr int LogCol = 18;   // the whole log line of a row from the log
    enum Align { Left, Centre, Right };
    struct Column
    {
        const char16_t* heading;
        int width;
        Align align;
    };
    static const std::array<Column, ColCount>& columns();

    // The site's three doctors (surnames, in option order) and the option "全員" after them.
    static constexpr int Zenin = 3;
    static QStringList doctors(const SiteProfile& site);
    static QString caption(const QString& surname) { return surname + QStringLiteral("医師"); }
    // Whether the chosen option admits an episode of the doctor text: an empty text only under
    // 全員, a text naming one of the site's doctors under that doctor's option or 全員, any other
    // text never.
    static bool DocOpSetProc(const QString& doctorText, const QStringList& doctors, int chosen);

    struct Period
    {
        QString year;
        QString month;
    };
    // The year and the month typed, trimmed; the message when one is missing.
    static TiryoboNotice missing(const Period& period);
    // "全", "all" or "ALL": every month of the year.
    static bool allMonths(const QString& month);
    // The chart extraction runs only for all months or a month that begins with a number other
    // than 0.
    static bool monthTaken(const QString& month);
    // By submission month (year "･" month) when the episode has one, else by the year of its
    // first-exam date and the whole submission field.
    static bool inPeriod(const KarteNameRecord& name, const Period& period);
    // Columns 1 to 17 of an episode.
    static QStringList chartRow(const KarteKotaiRecord& kotai, const KarteNameRecord& name,
                                const QStringList& data3Fields);

    using Progress = std::function<void(int done, int total)>;
    // The episodes of the period over the charts named (the sample chart "H15_Sample.sxd" left
    // out), chart by chart and in file order; damaged charts are skipped and named in reports.
    static QList<QStringList> ZenTyusyutuProc(const QStringList& karteFiles, const Period& period,
                                              const QStringList& doctors, int chosen, const Progress& progress,
                                              QStringList* reports);

    // The date styles of the log rows: 0 as stored, 1 "H" y.m.d, 2 平成 y年m月d日, 3 令和 y年m月d日;
    // a date that is not three parts joined by "." stays as stored.
    static QString HenkanWarekiProc(const QString& date, int style);
    // The grid row (columns 0 to 18) of a log line in a date style.
    static QStringList logRow(const QString& line, int style);
    // Whether a log line shows under the doctor filter (empty: every line).
    static bool logShown(const QString& line, const QString& surname);
};
