#pragma once

#include "TestFixture.h"

#include "chart/KarteKotaiRecord.h"
#include "chart/KarteNameRecord.h"
#include "chart/KarteNoukaRecord.h"
#include "common/RecordingPrintDevice.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <memory>

// A chart of one animal for the notification book tests: farmer, animal and the name records of
// its episodes (disease, onset, first exam, outcome date, outcome, submission month).
struct TuchiChart
{
    QString tiku = QStringLiteral("東谷");
    QString farmer = QStringLiteral("山本 一郎");
    QString code = QStringLiteral("00010001");
    QString syurui = QStringLiteral("成乳牛");
    QString meigou = QStringLiteral("はなこ");
    QString mimiban = QStringLiteral("1234");
    QList<KarteNameRecord> episodes;

    static TuchiChart of(const QString& tiku, const QString& farmer, const QString& mimiban, const QString& syurui,
                         const QList<KarteNameRecord>& episodes, const QString& meigou = QStringLiteral("はなこ"),
                         const QString& code = QStringLiteral("00010001"));
    static KarteNameRecord episode(const QString& byo, const QString& hatubyo, const QString& syosin,
                                   const QString& tenkiDate = QString(), const QString& tenki = QString(),
                                   const QString& teisyutu = QString());
    KarteNoukaRecord nouka() const;
    KarteKotaiRecord kotai() const;
    QStringList lines() const;
    // Writes the chart into the data year folder of root ("H7"); returns its file name.
    QString write(const QString& root, const QString& fileName) const;
};

// A test installation made from the sample: the prefecture and site of info, the notification
// site rows, no chart of its own, loaded as the program starts (data year 7, today 2025/6/20).
class TuchiInstallation
{
public:
    explicit TuchiInstallation(const QString& info);
    QString path() const { return root.path(); }
    // Writes the chart and lists it as the main window does.
    void add(const TuchiChart& chart, const QString& fileName) const;

private:
    TempDataRoot root;
};

// A recording device that every print of the window goes to.
std::shared_ptr<RecordingPrintDevice> recordTuchiPrints();

// Where the notice rules were asked to put a text (y the bottom of its em box, x by alignment
// 0 centre, 1 start), before the fixed shift, on the page; within 0.05 mm.
bool hasNoticeText(const RecordingPrintDevice& device, const QString& text, int page, int size, int align, double x,
                   double y, double offX = 0, double offY = 0);
// A circle of radius r about (x, y) before the fixed shift, on the page.
bool hasNoticeCircle(const RecordingPrintDevice& device, int page, double x, double y, double r, double offX = 0,
                     double offY = 0);
// The texts of a page with their places, for failure messages.
QString noticeTexts(const RecordingPrintDevice& device, const QString& text);
