#pragma once

#include "TestFixture.h"

#include <QList>
#include <QString>
#include <QStringList>

class SyukeiForm;

// One episode of a workbench test chart: the name-line values, the species･sex of its data line
// and its drug-price total and fee.
struct SyukeiEpisode
{
    QString byo;
    QString syosin;
    QString tenki;
    QString tenkiDate;
    QString teisyutu;
    QString fee;
    QString yakka;
    QString kaisu = QStringLiteral("1");
    QString syuSex;
    QString byoCode = QStringLiteral("0611");
    QString syusin;
};

// A chart of one animal written field by field for the workbench tests (data year 7).
struct SyukeiChart
{
    QString tiku = QStringLiteral("東谷");
    QString farmer = QStringLiteral("山本 一郎");
    QString code = QStringLiteral("00010001");
    QString syurui = QStringLiteral("成乳牛");
    QString meigou = QStringLiteral("はなこ");
    QString mimiban = QStringLiteral("1234");
    QList<SyukeiEpisode> episodes;
    QString karteName;    // the header's own name; empty: the file's name
    bool curly = false;   // "’" between some header fields

    QString fileName() const;
    QStringList lines() const;
};

// A test installation made from the sample: info.ini's prefecture and site, the site rows,
// started as the program starts (data year 7). With keepCharts the sample's charts stay.
class SyukeiInstallation
{
public:
    explicit SyukeiInstallation(const QString& info = QStringLiteral("鳥取県,0"), bool keepCharts = false,
                                const QStringList& siteRows = {});
    QString path() const { return root.path(); }
    QString folder() const;
    // Writes the chart (under its own file name unless one is given) and lists it as the main
    // window does; returns the file name.
    QString add(const SyukeiChart& chart, const QString& fileName = QString()) const;

private:
    TempDataRoot root;
};

// Every message box answered with its default button, the log emptied.
void answerMessages();
// Picks a month of the workbench as a person does: "[対象]", then the month's label (index 0 to
// 11 the months, 12 "全", 13 "未転帰").
void pickMonth(SyukeiForm& form, int index);
// The lines (0-based, split at LF) in which two versions of a file differ.
QList<int> changedLines(const QByteArray& before, const QByteArray& after);
