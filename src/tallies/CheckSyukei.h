#pragma once

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

class KarteScan;

// The duplicate-visit check: every dated examination of the extracted episodes, laid out by
// treatment date so that one member or one animal treated twice on a date stands side by side.
//
// The episodes come from the extracted list (member name, disease as the list shows it with
// "繁殖" for a breeding episode, first-exam date, chart file), taken member by member in the
// order each member first appears. Each chart's episode is found by its key (the disease name,
// "繁殖" read as none, and the first-exam date); each examination with a date is one entry under
// the date's key (CheckHidukeKeyProc): member name, ear-tag cell ("往:" before the ear tag when
// "往診" stands anywhere in the examination's treatment lines, course text included) and the
// disease as the list shows it. Dates are ordered by their keys, digits as numbers, and the
// entries of a date by member, ear-tag cell and disease; there is no limit to the number of
// dates or of entries on one date. A chart that cannot be read, or an examination date that is
// not year.month.day, is passed over and named.
class CheckSyukei
{
public:
    struct Source
    {
        QString name;
        QString byo;
        QString syosin;
        QString file;
    };
    struct Entry
    {
        QString name;
        QString mimi;   // the ear-tag cell
        QString byo;
        bool ousin = false;
    };
    using Progress = std::function<void(int done, int total)>;

    static constexpr int OpeningRows = 500;
    static constexpr int OpeningCols = 301;
    static QStringList subHeadings() { return {QStringLiteral("農家名"), QStringLiteral("耳標"), QStringLiteral("病名")}; }

    // The episodes of the extracted list's rows (columns 2 name, 7 disease, 9 first exam,
    // 17 file; rows without a name, such as the totals row, left out), member by member.
    static QList<Source> sources(const QList<QStringList>& syukeiRows);

    // One extracted episode with its chart.
    void addRow(const Source& source, const KarteScan& chart);
    void addDamaged(const QString& report) { reports.append(report); }
    // Orders the dates and the entries of each date.
    void finish();

    // The date keys in order, and the entries of the key at index i.
    const QStringList& keys() const { return order; }
    QList<Entry> entries(int i) const { return byKey.value(order.at(i)); }
    QStringList reports;

    // The result as the grid shows it: row 0 each date key over its three columns, row 1 the
    // sub-headings, then one numbered row per entry position; column 0 the numbers.
    QList<QStringList> table() const;
    // The grid before any run: 500 rows, 301 columns, only the sub-headings.
    static QList<QStringList> openingTable();

    // The date key: the year as written, month and day with a leading 0 below 10 ("5.6.12" gives
    // "50612", "31.4.1" "310401"); empty for a date that is not three parts.
    static QString CheckHidukeKeyProc(const QString& date);

    static CheckSyukei CheckProc(const QList<QStringList>& syukeiRows, const QString& folder,
                                 const Progress& progress = {});

private:
    QHash<QString, QList<Entry>> byKey;
    QStringList order;
};
