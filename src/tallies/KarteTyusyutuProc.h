#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

class KarteNameRecord;
class KarteScan;

// What the workbench extracts: the year box as typed (trimmed), the month chosen in the picker
// ("1" to "12", "全", "未転帰"; empty when none) and the mode (first-examination month, or
// submission month).
struct SyukeiJoken
{
    QString nen;
    QString manth;
    bool teisyutu = false;
};

// The chart scan of the workbench: every chart of the data year is read one at a time through
// KarteScan and every illness episode that matches the year, month and mode gives one extracted
// line of 17 values:
//   0 district, 1 farmer, 2 member code, 3 species (the part before "･" of the episode's
//   species･sex, else the animal's kind), 4 animal name, 5 ear tag, 6 disease 1 ("繁殖" when
//   empty), 7 disease code, 8 first exam, 9 last exam, 10 outcome date, 11 examinations,
//   12 outcome, 13 drug-price total, 14 fee, 15 submission month, 16 the chart file name.
// Year and month compare as texts, exactly ("05" is not "5"). Only the header and name lines of
// a chart are decoded, and the two data lines of an episode only when it matches. The sample
// chart "H15_Sample.sxd" and a chart whose header names another file are passed over; a damaged
// chart is passed over and reported.
class KarteTyusyutuProc
{
public:
    static constexpr int LineValues = 17;
    static QString sampleFile() { return QStringLiteral("H15_Sample.sxd"); }

    enum class Guard { Run, NoYear, NoMonth };
    // Whether a scan can run: a year is typed and a month chosen.
    static Guard guard(const SyukeiJoken& joken);
    static QString noYearText() { return QStringLiteral("年を入力してください。"); }

    // Whether an episode is one of the extraction.
    static bool matches(const SyukeiJoken& joken, const KarteNameRecord& name);
    // The extracted lines of one sound chart listed under fileName; a damaged data line of a
    // matching episode ends the chart with its report.
    static QList<QStringList> chartLines(const SyukeiJoken& joken, const KarteScan& chart, const QString& fileName,
                                         QString* report = nullptr);

    struct Result
    {
        QList<QStringList> lines;
        QStringList reports;   // the charts passed over as damaged
    };
    using Progress = std::function<void(int done, int total)>;
    static Result run(const SyukeiJoken& joken, const QString& folder, const QStringList& names,
                      const Progress& progress = {});
};
