#pragma once

#include "PrintJobEntry.h"
#include "SindansyoPrintContext.h"

#include <QString>
#include <QStringList>
#include <functional>

class PrintDevice;
class SindansyoEpisode;

// The print start of every certificate print dialog, as model code: the common refusals, then one
// print job over every entry of PrintJobList, the end of the document and the result message.
//
// A certificate body prints one entry onto the open job (paper, pages, a new page after each) and
// never ends the document; it returns how many pages it printed, or a refusal (the entry's chart
// or episode could not be read), which the run shows with the title "確認" before it goes on with
// the next entry. After the last entry the document is ended only when some page was printed:
// "印刷終了" (title "印刷", with where a PDF went) then follows; a device that cannot end the
// document shows its error instead, and a run without a page sends nothing to the printer and
// says so.
class SindansyoPrintRun
{
public:
    struct Result
    {
        int pages = 0;
        QString refusal;   // not empty: the message for an entry that printed nothing
    };
    using Body = std::function<Result(PrintDevice&, const SindansyoPrintContext&, const PrintJobEntry&)>;
    // Shows a status text in the dialog (GuideGd) and lets the window system run once.
    using Status = std::function<void(const QString& text)>;

    // The first refusal of print start, or empty: the chart date (empty, "?", or not a date of
    // year, month and day joined by "."), then the year (empty or "?").
    static QString check(const QString& hiduke, const QString& nendo);

    // Prints every entry of jobs into the device; the pages printed. Refusals are shown.
    static int printJobs(PrintDevice& device, const SindansyoPrintContext& context, const QStringList& jobs,
                         const Body& body);

    // The run after the checks: the device from PrintDeviceSource, its current position at (0, 0),
    // the status "印刷中････", every entry, the end of the document, the status emptied and the
    // result message. Returns the pages printed; ended (when given) tells whether the document
    // was ended without a device error.
    static int run(const SindansyoPrintContext& context, const QStringList& jobs, const Body& body,
                   const Status& status, bool* ended = nullptr);

    // The refusal of an entry whose episode was not loaded: "印刷できません。", with the file and
    // the reason when the chart could not be read; empty for a found episode.
    static QString refusal(const SindansyoEpisode& episode);

    static QString printingText() { return QStringLiteral("印刷中････"); }
    static QString nothingPrintedText() { return QStringLiteral("印刷するページがないため、印刷しませんでした。"); }
};
