#pragma once

#include "PrintPlace.h"
#include "TestFixture.h"

#include "attorney/IninjyoPrintData.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <memory>

class FlexGrid;

// One extracted episode as the workbench lists it.
struct Episode
{
    QString name = QStringLiteral("山本 一郎");
    QString code = QStringLiteral("00010001");
    QString kind = QStringLiteral("成乳牛");
    QString meigou = QStringLiteral("はなこ:123");
    QString mimi = QStringLiteral("1234");
    QString byo = QStringLiteral("肺炎");
    QString syosin = QStringLiteral("5.4.12");
    QString syusin = QStringLiteral("5.4.20");
    QString tenki;
    QString fee = QStringLiteral("12,340");
};

// The workbench's list: its two heading rows, one row per episode and the totals row (18 columns).
std::unique_ptr<FlexGrid> syukeiGrid(const QList<Episode>& episodes);
// n episodes of one farmer, first exams 5.4.1, 5.4.2, ...
QList<Episode> episodes(int n, const Episode& base = Episode());
// The print data of a list built from the episodes, every row switched to print.
IninjyoPrintData attorneyData(const QList<Episode>& episodes, const QString& date = QStringLiteral("5.6.1"));

// A test installation from the sample with the site rows of the powers of attorney.
class AttorneyInstallation
{
public:
    explicit AttorneyInstallation(const QString& info);
    QString file(const QString& relative) const { return root.file(relative); }

private:
    TempDataRoot root;
};
