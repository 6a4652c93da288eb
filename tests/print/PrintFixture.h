#pragma once

#include "chart/KarteBlock.h"
#include "PrintItems.h"
#include "common/ModalHost.h"
#include "common/RecordingPrintDevice.h"
#include "print/common/SindansyoPrintContext.h"

#include <QMap>
#include <QPointF>
#include <QString>
#include <QStringList>
#include <memory>

// A chart of one animal for the certificate tests: the farmer and animal lines of the sample
// installation's first farmer and an episode block filled cell by cell.
class SindansyoChart
{
public:
    SindansyoChart(const QString& byoName = QStringLiteral("第四胃変位"), const QString& syosin = QStringLiteral("7.4.3"));

    QStringList nouka;
    QStringList kotai;
    KarteBlock block;

    // Examination j (0 to 19): date, vital signs, start and end time, course text.
    void exam(int j, const QString& date, const QString& tpr = QString(), const QString& start = QString(),
              const QString& end = QString(), const QString& course = QString());
    // Examinations 0 to 19 dated from a pattern, "d" dated and anything else undated (as are
    // those past its end): examination j on 7.(5 + j / 10).(firstDay + j % 10).
    void datedExams(const QString& pattern, int firstDay = 1);
    // Treatment line k (1 to 7) of examination j: its eight cells (category, content, ...).
    void tiryo(int j, int k, const QStringList& cells);
    QStringList lines() const;
    // Writes the chart as "<root>/H7/<fileName>"; returns the local path.
    QString write(const QString& root, const QString& fileName = QStringLiteral("H7_00010001_1234_0.sxd")) const;
};

// The context of a print start in the sample installation: data year 7, its first farmer, the
// veterinarian of the sample, the chart date R7.5.20 and the year 6.
SindansyoPrintContext sampleContext(Ken ken);

// The sample installation at root as the print dialogs find it: the prefecture, data year 7,
// built-in year 5, today 2025/5/20, its first farmer, and its first chart's first episode as
// the print job.
void openSample(const QString& root, const QString& kenName);

// The date picker driven as a person would: digit by digit (year tens, units, month, day tens,
// units; an empty text leaves the group unpicked), then "OK" (1) or "閉る" (0). Any other dialog
// is left alone (0).
ModalHost::Handler pickDate(const QStringList& digits, int closeWith);

// True when pdftotext found word with its top-left corner within 1 mm of (x, y); otherwise a
// warning says where it was.
bool pdfWordNear(const QMap<QString, QPointF>& words, const QString& word, double x, double y);

// A recording device handed out by PrintDeviceSource, kept by the test.
std::shared_ptr<RecordingPrintDevice> recordPrints();

// True when some text op on the page holds text at the size with its point at (x, y) page mm as
// the drawn forms place it (PrintTextAlignProc): y the vertical middle, x its start (align 2),
// middle (3) or end (4), measured in the op's face.
bool hasFormItem(const RecordingPrintDevice& device, const QString& text, int page, double size, int align, double x,
                 double y, double tol = 0.05);
// True when a circle of the radius (mm) is drawn on the page about the point.
bool hasCircle(const RecordingPrintDevice& device, int page, double x, double y, double radius, double tol = 0.05);
// True when an OCR digit glyph starts its first stroke where MojiPrintProc draws digit at the box
// (x, y) of the machine-read form (size 14).
bool hasDigit(const RecordingPrintDevice& device, int page, QChar digit, double x, double y);

