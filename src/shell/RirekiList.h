#pragma once

#include <QList>
#include <QString>
#include <QStringList>

class KarteNameRecord;
class KarteScan;

// The episode history of a chart: one row per episode, taken from the episode's "Name" record in
// file order. A row holds the grid's ten columns: 0 row number (left empty), 1 disease-1 name,
// 2 kind of care, 3 first-exam date, 4 last-exam date, 5 count of examinations, 6 outcome date,
// 7 outcome, 8 submission month, 9 the chart's file name.
class RirekiList
{
public:
    static constexpr int colCount = 10;
    static constexpr int gridRows = 35;  // rows the history shows without growing

    // The rows of a chart read soundly; none, with the report, when a "Name" record cannot be read.
    // With latestOutcome a row shows the later of the outcomes of disease 1 (the "Name" record) and
    // disease 2 (the "Data" record after it); a "Data" record that cannot be read counts as empty
    // and is reported.
    static QList<QStringList> build(const KarteScan& scan, const QString& karteFile, bool latestOutcome,
                                    QString* report = nullptr);

    static QStringList plainRow(const KarteNameRecord& name, const QString& karteFile);
    // data1: the fields of the first "Data" record (7 disease 2's outcome date, 8 the outcome shown
    // with it).
    static QStringList latestRow(const KarteNameRecord& name, const QStringList& data1,
                                 const QString& karteFile);

    // True when the dotted date b (year.month.day, no era letter) is later than a. A text without
    // "." gives no; missing parts and parts not starting with a digit count 0.
    static bool HidukeHikakuProc(const QString& a, const QString& b);
};
