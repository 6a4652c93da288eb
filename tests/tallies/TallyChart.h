#pragma once

#include "chart/KarteBlock.h"

#include <QList>
#include <QString>
#include <QStringList>

// A chart of one animal for the tally tests: the farmer and animal header lines and episode
// blocks filled cell by cell.
struct TallyChart
{
    QString tiku = QStringLiteral("東谷");
    QString farmer = QStringLiteral("山本 一郎");
    QString code = QStringLiteral("00010001");
    QString mimiban = QStringLiteral("1234");
    bool curly = false;   // header lines with "’" in place of "'"
    QList<KarteBlock> blocks;

    // A new episode: disease-1 name, first-exam date, submission month.
    KarteBlock& episode(const QString& byo, const QString& syosin, const QString& teisyutu = QString());
    // Examination j (0 to 19) of a block: its date and the course text of its line 1.
    static void exam(KarteBlock& block, int j, const QString& date, const QString& course = QString());
    // Treatment line k (1 to 7) of examination j: category, content, standard, quantity, ...
    static void tiryo(KarteBlock& block, int j, int k, const QStringList& cells);

    QStringList lines() const;
    // Writes the chart into the data year folder (<root>/H7); returns the file name.
    QString write(const QString& root, const QString& fileName) const;
};
