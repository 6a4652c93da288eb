#pragma once

#include "PrintPlace.h"
#include "TestFixture.h"

#include "common/RecordingPrintDevice.h"
#include "common/SinryoKirokuRecord.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <memory>

// One treatment line of an examination: category, content, quantity.
struct KirokuTiryo
{
    QString category;
    QString content;
    QString quantity;
};

// One examination: date "year.month.day", start and end time, course text, treatment lines.
struct KirokuSinsatu
{
    QString date;
    QString start;
    QString end;
    QList<KirokuTiryo> lines;
    QString course;
};

struct KirokuEpisode
{
    QString disease = QStringLiteral("肺炎");
    QString outcome = QStringLiteral("治癒");
    QString teisyutu;
    QString doctor;
    QList<KirokuSinsatu> exams;
};

// A chart of one animal of the data year 7 for the treatment-record tests.
struct KirokuChart
{
    QString code = QStringLiteral("00010001");
    QString mimiban = QStringLiteral("1234");
    QString meigou = QStringLiteral("はなこ");
    QList<KirokuEpisode> episodes;

    QStringList lines() const;
    QString fileName() const;
    // Writes the chart into the data year folder of root; returns its file name.
    QString write(const QString& root) const;
};

// A test installation made from the sample: the prefecture and site of info, the site rows of
// the treatment records, no chart of its own, loaded as the program starts (data year 7).
class KirokuInstallation
{
public:
    explicit KirokuInstallation(const QString& info);
    QString path() const { return root.path(); }
    QString file(const QString& relative) const { return root.file(relative); }
    void write(const QString& relative, const QStringList& lines) const { root.write(relative, lines); }
    // Writes the charts and lists them as the main window does.
    void add(const QList<KirokuChart>& charts) const;

private:
    TempDataRoot root;
};

// A recording device that every print goes to.
std::shared_ptr<RecordingPrintDevice> recordKirokuPrints();

// A visit record with lines given as (category, content, quantity, withdrawal, start, end).
SinryoKirokuRecord kirokuRecord(const QString& nouka, const QString& manth, const QString& day,
                                const QString& mimi, const QList<QStringList>& lines, const QString& start = QString());
