#pragma once

#include <QHash>
#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>
#include <functional>

class KarteScan;

// The drug-use tally: over every chart of the data year, how much of each drug and injection was
// used in the episodes submitted in a range of months whose first examination lies in the year.
//
// An episode counts when the month of its submission month (field 13, "year･month", or a month
// alone) lies from..to (numbers read by their leading number), and, when its first-exam date
// holds a ".", the year before it equals the year box exactly ("017" is not "17"). Its block
// lines 5 to 223 are read; a line counts when its category (field 3) is "調剤要", "調剤不要" or
// "診療点数無", or ends in "注射". Rows are one per drug name AND standard (never their joined
// text), in the order first met; a drug met once keeps the chart's quantity text ("2本"), a
// second one turns it into the sum of the leading numbers ("2本" and 3 give "5"), added in
// double precision and written as the shortest text ("133.4", "16777217").
//
// Charts come in one at a time; nothing is written. The sample chart "H15_Sample.sxd" is not
// tallied; a chart that cannot be read is passed over and named.
class YakuhinSyukei
{
public:
    // The dialog's boxes as typed: year, from month, to month.
    struct Joken
    {
        QString nen;
        QString fromTuki;
        QString toTuki;
    };
    struct Row
    {
        QString name;
        QString kikaku;
        QString suryo;
    };
    using Progress = std::function<void(int done, int total)>;

    explicit YakuhinSyukei(const Joken& joken);

    void addKarte(const KarteScan& chart);
    void addDamaged(const QString& report) { reports.append(report); }

    const QList<Row>& rows() const { return result; }
    // The charts passed over, each with its report.
    QStringList reports;

    // Whether a category (field 3 of a treatment line) is counted.
    static bool counted(const QString& category);
    // The file the tally never reads.
    static bool isSample(const QString& fileName);

    // The tally over the named charts of a folder, read one at a time.
    static YakuhinSyukei YakuhinSyukeiProc(const Joken& joken, const QString& folder, const QStringList& names,
                                           const Progress& progress = {});

private:
    bool episodeCounts(const QString& syosinDate, const QString& teisyutuTuki) const;
    void add(const QString& name, const QString& kikaku, const QString& suryo);

    QString nen;
    double from = 0;
    double to = 0;
    QList<Row> result;
    QList<double> sums;
    QHash<QPair<QString, QString>, int> index;
};
