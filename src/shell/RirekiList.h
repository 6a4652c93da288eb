#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// The episode history of a chart: one row per episode, taken from the episode's "Name" record in
// file order. A row holds the grid's ten columns: 0 row number (left empty), 1 disease-1 name,
// 2 kind of care, 3 first-exam date, 4 last-exam date, 5 count of examinations, 6 outcome date,
// 7 outcome, 8 submission month, 9 the chart's file name.
class RirekiList
{
public:
    static constexpr int colCount = 10;
    static constexpr int gridRows = 35;  // rows the history shows without growing

    // The rows of a chart's lines. With latestOutcome the row shows the later of the outcomes of
    // disease 1 (the "Name" record) and disease 2 (the "Data" record after it).
    static QList<QStringList> build(const QStringList& lines, const QString& karteFile,
                                    bool latestOutcome);

    // True when the dotted date b (year.month.day, no era letter) is later than a. A text without
    // "." gives no; missing parts and parts not starting with a digit count 0.
    static bool HidukeHikakuProc(const QString& a, const QString& b);
};
