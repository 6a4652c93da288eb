#include "KarteTyusyutuProc.h"

#include "chart/KarteNameRecord.h"
#include "chart/KarteScan.h"
#include "common/SharedUtil.h"
#include "common/ValueReader.h"

namespace {

const QString Mitenki = QStringLiteral("未転帰");
const QString Zen = QStringLiteral("全");
const QChar Naka(0xFF65);  // "･"

bool noOutcome(const QString& tenki)
{
    return tenki.isEmpty() || tenki == QStringLiteral("未") || tenki == QStringLiteral("-");
}

bool teisyutuMatches(const SyukeiJoken& joken, const KarteNameRecord& name, const QStringList& syosin)
{
    const QStringList parts = name.TeisyutuTuki.split(Naka);
    if (parts.size() == 2)
        return parts.at(0) == joken.nen && (joken.manth == Zen || parts.at(1) == joken.manth);
    return syosin.size() >= 2 && syosin.at(0) == joken.nen
        && (joken.manth == Zen || name.TeisyutuTuki == joken.manth);
}

// A chart without lines, or whose first line is empty, holds no farmer: it is passed over
// without a report.
bool emptyKarte(const KarteScan& chart)
{
    return chart.errorLine == 0 && (chart.lineCount() == 0 || chart.rawLine(0).isEmpty());
}

} // namespace

KarteTyusyutuProc::Guard KarteTyusyutuProc::guard(const SyukeiJoken& joken)
{
    if (SharedUtil::Trim(joken.nen).isEmpty())
        return Guard::NoYear;
    if (joken.manth != Mitenki && joken.manth != Zen && ValueReader::leadingInt(joken.manth) == 0)
        return Guard::NoMonth;
    return Guard::Run;
}

bool KarteTyusyutuProc::matches(const SyukeiJoken& joken, const KarteNameRecord& name)
{
    const QStringList syosin = name.SyosinDate.split(QLatin1Char('.'));
    const bool nenMatches = syosin.at(0) == joken.nen;
    if (joken.manth == Mitenki)
        return nenMatches && noOutcome(name.Tenki);
    if (joken.teisyutu)
        return teisyutuMatches(joken, name, syosin);
    if (joken.manth == Zen)
        return nenMatches;
    return nenMatches && syosin.size() == 3 && SharedUtil::Trim(syosin.at(1)) == SharedUtil::Trim(joken.manth);
}

QList<QStringList> KarteTyusyutuProc::chartLines(const SyukeiJoken& joken, const KarteScan& chart,
                                                 const QString& fileName, QString* report)
{
    QList<QStringList> out;
    if (chart.kotai().KarteName + QStringLiteral(".sxd") != fileName)
        return out;
    const std::optional<QList<KarteNameRecord>> names = chart.nameRecords(report);
    if (!names)
        return out;
    for (int k = 0; k < chart.blockCount(); ++k) {
        const KarteNameRecord& name = names->at(k);
        if (!matches(joken, name))
            continue;
        const std::optional<QStringList> data2 = chart.blockLine(k, 2, report);
        const std::optional<QStringList> data3 = chart.blockLine(k, 3, report);
        if (!data2 || !data3)
            return {};
        const QString sexField = data2->value(9);
        const QString syu = sexField.contains(Naka) ? sexField.section(Naka, 0, 0) : chart.kotai().Syurui;
        out.append({chart.nouka().NoukaTiku, chart.nouka().NoukaName, chart.nouka().NoukaCode, syu,
                    chart.kotai().Meigou, chart.kotai().Mimiban,
                    name.ByoName.isEmpty() ? QStringLiteral("繁殖") : name.ByoName, name.ByoCode, name.SyosinDate,
                    name.SyusinDate, name.TenkiDate, name.SinryoKaisu, name.Tenki, data3->value(2), data3->value(8),
                    name.TeisyutuTuki, fileName});
    }
    return out;
}

KarteTyusyutuProc::Result KarteTyusyutuProc::run(const SyukeiJoken& joken, const QString& folder,
                                                 const QStringList& names, const Progress& progress)
{
    Result result;
    const int total = int(names.size());
    int done = 0;
    KarteScan::forEachRead(folder, names, [&](const KarteScan& chart) {
        const QString& fileName = names.at(done++);
        if (fileName != sampleFile()) {
            QString report;
            if (chart.ok())
                result.lines += chartLines(joken, chart, fileName, &report);
            else if (!emptyKarte(chart))
                report = chart.errorText;
            if (!report.isEmpty())
                result.reports.append(report);
        }
        if (progress)
            progress(done, total);
        return true;
    });
    return result;
}
