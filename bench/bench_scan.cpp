// Whole scans over a large generated installation: the chart file list, the cheap scan that the
// animal list and the tallies use, and the full read of every chart. Prints wall times and the
// peak resident memory. Usage: bench_scan [farmers] [animals per farmer] [folder]
#include "InstallationGenerator.h"

#include "chart/KarteFile.h"
#include "chart/KarteScan.h"
#include "common/DataPath.h"
#include "common/SharedState.h"
#include "tallies/KarteTyusyutuProc.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>

namespace {

long peakRssKb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    return -1;
}

template <typename F>
void measure(const char* what, F&& step)
{
    QElapsedTimer timer;
    timer.start();
    const QString result = step();
    std::printf("%-40s %8lld ms  %s\n", what, timer.elapsed(), qPrintable(result));
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const int farmers = argc > 1 ? std::atoi(argv[1]) : 200;
    const int animals = argc > 2 ? std::atoi(argv[2]) : 50;
    QTemporaryDir temp;
    const QString root = argc > 3 ? QString::fromLocal8Bit(argv[3]) : temp.path();
    DataPath::setRoot(root);

    measure("generate installation", [&] {
        QString error;
        InstallationGenerator generator(QStringLiteral(NOLVARI_SOURCE_DIR "/sample/Nolvari"), root);
        return generator.generate(farmers, animals, &error)
            ? QStringLiteral("%1 charts").arg(farmers * animals) : error;
    });
    SharedState& state = SharedState::get();
    state.KarteNendo = QStringLiteral("7");
    measure("chart file list", [&] {
        state.refreshKarteFileList();
        return QStringLiteral("%1 files").arg(state.KarteFileList.size());
    });
    measure("scan one chart at a time", [&] {
        qsizetype episodes = 0;
        for (const QString& name : std::as_const(state.KarteFileList))
            episodes += KarteScan::read(state.kartePath(name)).blockCount();
        return QStringLiteral("%1 episodes").arg(episodes);
    });
    // The workbench's extraction decodes the data lines of the matching episodes only: beside the
    // plain scan above, the cost of a month (few matches) and of the whole year (every episode).
    measure("extraction scan, one month", [&] {
        const auto result = KarteTyusyutuProc::run({QStringLiteral("7"), QStringLiteral("6"), false},
                                                   state.karteFolder(), state.KarteFileList);
        return QStringLiteral("%1 episodes").arg(result.lines.size());
    });
    measure("extraction scan, whole year", [&] {
        const auto result = KarteTyusyutuProc::run({QStringLiteral("7"), QStringLiteral("全"), false},
                                                   state.karteFolder(), state.KarteFileList);
        return QStringLiteral("%1 episodes").arg(result.lines.size());
    });
    measure("scan: every chart kept in memory", [&] {
        QStringList reports;
        const QList<KarteScan> charts = KarteScan::readList(state.karteFolder(), state.KarteFileList, &reports);
        qsizetype episodes = 0;
        for (const KarteScan& chart : charts)
            episodes += chart.blockCount();
        return QStringLiteral("%1 episodes, %2 reports").arg(episodes).arg(reports.size());
    });
    measure("full read of every chart", [&] {
        qsizetype lines = 0;
        for (const QString& name : std::as_const(state.KarteFileList))
            lines += KarteFile::read(state.kartePath(name)).lineCount();
        return QStringLiteral("%1 lines").arg(lines);
    });
    std::printf("peak resident memory %ld kB\n", peakRssKb());
    return 0;
}
