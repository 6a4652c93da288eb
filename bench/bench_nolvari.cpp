// Speed of the whole-year readers on a large generated installation, each measured against a
// plain reader of the same files in the same run, so that runs on a noisy machine compare. The
// ratio printed is of the time on the clock, which is what the user waits for (the median of
// several runs, which keeps out most of what other work on the machine adds); the ratio of the
// processor time spent (user and system, of every thread) follows on standard error:
//
//   bench_nolvari CHARTS FOLDER
//
// generates an installation of CHARTS charts (10 per farmer) in FOLDER when it holds none, then
// prints one line per measurement, "<what> ratio <r> goal <g>", on standard output and the times
// behind each ratio on standard error. Run through bench/run.sh, which builds it optimised.
#include "InstallationGenerator.h"

#include "chart/KarteScan.h"
#include "common/DataPath.h"
#include "common/FontSetup.h"
#include "common/MsgBox.h"
#include "common/SharedState.h"
#include "common/SingleInstance.h"
#include "shell/MainForm.h"
#include "tallies/KarteTyusyutuProc.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTimer>
#include <QWidget>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fcntl.h>
#include <sys/resource.h>
#include <unistd.h>

namespace {

constexpr int animalsPerFarmer = 10;
constexpr int nendo = 7;

QString farmerCode(int f)
{
    return QStringLiteral("%1").arg(10000 + f, 8, 10, QLatin1Char('0'));
}

// The time a step took on the clock and in the processor, in milliseconds.
struct Took
{
    double wall = 0;
    double cpu = 0;
};

double median(QList<double> values)
{
    std::sort(values.begin(), values.end());
    return values.at(values.size() / 2);
}

// The medians of the runs, each divided by per (the times of per like steps).
Took median(const QList<Took>& runs, double per = 1)
{
    QList<double> wall;
    QList<double> cpu;
    for (const Took& t : runs) {
        wall.append(t.wall / per);
        cpu.append(t.cpu / per);
    }
    return {median(wall), median(cpu)};
}

void printRatio(const char* what, const Took& ours, const Took& plain, double goal)
{
    std::fprintf(stderr, "  %s: %.1f ms (processor %.1f ms), plain reader %.1f ms (processor %.1f ms); "
                         "processor-time ratio %.2f\n",
                 what, ours.wall, ours.cpu, plain.wall, plain.cpu, ours.cpu / plain.cpu);
    std::printf("%s ratio %.2f goal %.1f\n", what, ours.wall / plain.wall, goal);
    std::fflush(stdout);
}

double cpuMillis(clockid_t clock)
{
    timespec t;
    clock_gettime(clock, &t);
    return double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6;
}

// The time of a step of this process.
template <typename F>
Took millis(F&& step)
{
    const double wall = cpuMillis(CLOCK_MONOTONIC);
    const double cpu = cpuMillis(CLOCK_PROCESS_CPUTIME_ID);
    step();
    return {cpuMillis(CLOCK_MONOTONIC) - wall, cpuMillis(CLOCK_PROCESS_CPUTIME_ID) - cpu};
}

// The processor time of the child processes ended so far.
double childMillis()
{
    rusage usage;
    getrusage(RUSAGE_CHILDREN, &usage);
    const auto ms = [](const timeval& t) { return double(t.tv_sec) * 1e3 + double(t.tv_usec) / 1e3; };
    return ms(usage.ru_utime) + ms(usage.ru_stime);
}

long statusKb(const char* field)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith(field))
            return line.mid(int(std::strlen(field))).trimmed().split(' ').value(0).toLong();
    return -1;
}

// ---- The plain readers ----

// The first two lines of each file, through the C library.
long plainHeaders(const QStringList& paths)
{
    long bytes = 0;
    char line[8192];
    for (const QString& path : paths) {
        FILE* f = std::fopen(QFile::encodeName(path).constData(), "rb");
        if (!f)
            continue;
        for (int i = 0; i < 2 && std::fgets(line, sizeof line, f); ++i)
            bytes += long(std::strlen(line));
        std::fclose(f);
    }
    return bytes;
}

// Every file read whole into one buffer.
long plainReadAll(const QByteArray& folder, const QStringList& names)
{
    static std::vector<char> buffer(1 << 20);
    long bytes = 0;
    QByteArray path;
    for (const QString& name : names) {
        path = folder + '/' + QFile::encodeName(name);
        const int fd = ::open(path.constData(), O_RDONLY);
        if (fd < 0)
            continue;
        ssize_t got;
        while ((got = ::read(fd, buffer.data(), buffer.size())) > 0)
            bytes += got;
        ::close(fd);
    }
    return bytes;
}

// ---- The measured processes ----

// Start-up to the first paint of a window, then out at once: "main" starts the program as its
// main() does, "bare" shows an empty window.
int startupChild(int argc, char** argv, const QString& mode, const QString& root)
{
    QApplication app(argc, argv);
    DataPath::setRoot(root);
    std::unique_ptr<QWidget> window;
    std::unique_ptr<SingleInstance> instance;
    if (mode == QStringLiteral("main")) {
        FontSetup::install();
        MsgBox::setApplicationTitle(MainForm::productTitle());
        instance = std::make_unique<SingleInstance>(SingleInstance::defaultLockPath());
        if (!instance->tryLock())
            return 1;
        auto form = std::make_unique<MainForm>();
        if (!form->loadOk())
            return 1;
        window = std::move(form);
    } else {
        window = std::make_unique<QWidget>();
        window->resize(640, 480);
    }
    struct FirstPaint : QObject
    {
        bool eventFilter(QObject*, QEvent* event) override
        {
            if (event->type() == QEvent::Paint)
                QTimer::singleShot(0, qApp, &QCoreApplication::quit);
            return false;
        }
    } firstPaint;
    window->installEventFilter(&firstPaint);
    window->show();
    app.exec();
    instance.reset();
    std::fflush(nullptr);
    std::_Exit(0);  // the time to the window is measured, not the time to tear it down
}

// The memory a whole-year scan of the first count charts adds to the process, in kB.
int scanMemoryChild(const QString& root, int count)
{
    DataPath::setRoot(root);
    SharedState& s = SharedState::get();
    s.KarteNendo = QString::number(nendo);
    s.refreshKarteFileList();
    const QStringList names = s.KarteFileList.names().mid(0, count);
    const long before = statusKb("VmRSS:");
    QFile clear(QStringLiteral("/proc/self/clear_refs"));
    if (clear.open(QIODevice::WriteOnly))
        clear.write("5");  // resets the peak to the present size
    clear.close();
    qsizetype episodes = 0;
    KarteScan::forEachEpisode(s.KarteFileList.folder(), names, [&](const KarteScan&, int, const KarteNameRecord&) {
        ++episodes;
        return true;
    });
    std::printf("%ld %lld\n", statusKb("VmHWM:") - before, qlonglong(episodes));
    return 0;
}

Took runChild(const QStringList& arguments, QByteArray* output = nullptr)
{
    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    child.setProcessEnvironment(env);
    const double start = childMillis();
    const double wall = cpuMillis(CLOCK_MONOTONIC);
    child.start(QCoreApplication::applicationFilePath(), arguments);
    child.waitForFinished(-1);
    const Took ms{cpuMillis(CLOCK_MONOTONIC) - wall, childMillis() - start};
    if (child.exitCode() != 0)
        std::fprintf(stderr, "  %s failed: %s\n", qPrintable(arguments.join(' ')), child.readAllStandardError().constData());
    if (output)
        *output = child.readAllStandardOutput();
    return ms;
}

// ---- The measurements ----

// Against a bare window; on standard error also against the same program over an installation of
// one farmer with one chart, which tells what the charts add from the fixed cost of the window
// (its fonts and controls), which a bare window does not have.
void startup(const QString& root, const QString& smallRoot)
{
    QList<Took> main;
    QList<Took> bare;
    QList<Took> small;
    for (int i = 0; i < 7; ++i) {
        main.append(runChild({QStringLiteral("--startup"), QStringLiteral("main"), root}));
        bare.append(runChild({QStringLiteral("--startup"), QStringLiteral("bare"), root}));
        small.append(runChild({QStringLiteral("--startup"), QStringLiteral("main"), smallRoot}));
    }
    std::fprintf(stderr, "  start-up over one chart: %.1f ms, processor %.1f ms (the charts add %.1f ms, processor %.1f ms)\n",
                 median(small).wall, median(small).cpu, median(main).wall - median(small).wall,
                 median(main).cpu - median(small).cpu);
    printRatio("start-up to the main window", median(main), median(bare), 1.3);
}

void animalList(const QString& root, int farmers)
{
    DataPath::setRoot(root);
    FontSetup::install();
    SharedState::reset();
    MainForm form;
    SharedState& s = SharedState::get();
    QList<NoukaInfo> chosen;
    QStringList paths;
    for (int f = 0; f < farmers; f += std::max(1, farmers / 100)) {
        chosen.append({QStringLiteral("地区"), QStringLiteral("組合員"), farmerCode(f), QString()});
        for (int a = 1; a <= animalsPerFarmer; ++a)
            paths.append(s.KarteFileList.path(QStringLiteral("H%1_%2_%3_0.sxd").arg(nendo).arg(farmerCode(f))
                                                  .arg(a, 4, 10, QLatin1Char('0'))));
    }
    qsizetype rows = 0;
    const auto list = [&] {
        for (const NoukaInfo& nouka : std::as_const(chosen)) {
            s.CurrentNouka = nouka;
            form.NoukaYobidasiProc(1);
            rows += form.KotaiSubGrid.size();
        }
    };
    list();
    plainHeaders(paths);
    QList<Took> ours;
    QList<Took> plain;
    for (int i = 0; i < 5; ++i) {
        ours.append(millis(list));
        plain.append(millis([&] { plainHeaders(paths); }));
    }
    std::fprintf(stderr, "  %lld farmers, %lld rows\n", qlonglong(chosen.size()), qlonglong(rows / 6));
    printRatio("one farmer's animal list", median(ours, chosen.size()), median(plain, chosen.size()), 2.0);
}

void yearScan()
{
    SharedState& s = SharedState::get();
    s.refreshKarteFileList();
    const QByteArray folder = QFile::encodeName(s.KarteFileList.folder());
    qsizetype episodes = 0;
    QStringList reports;
    const auto scan = [&] {
        KarteScan::forEachEpisode(s.KarteFileList, [&](const KarteScan&, int, const KarteNameRecord& name) {
            episodes += name.ByoName.isEmpty() ? 0 : 1;
            return true;
        }, &reports);
    };
    long bytes = 0;
    QList<Took> ours;
    QList<Took> plain;
    for (int i = 0; i < 5; ++i) {
        plain.append(millis([&] { bytes = plainReadAll(folder, s.KarteFileList.names()); }));
        ours.append(millis(scan));
    }
    std::fprintf(stderr, "  %lld charts, %.0f MB, %lld episodes a scan, %lld reports\n",
                 qlonglong(s.KarteFileList.size()), double(bytes) / 1e6, qlonglong(episodes / 5),
                 qlonglong(reports.size() / 5));
    printRatio("whole-year scan of headers and Name lines", median(ours), median(plain), 1.5);
}

// The workbench's extraction of one month: the headers and Name lines of every chart, the data
// lines of the matching episodes only.
void workbenchScan()
{
    SharedState& s = SharedState::get();
    const QByteArray folder = QFile::encodeName(s.KarteFileList.folder());
    const SyukeiJoken joken{QString::number(nendo), QStringLiteral("6"), false};
    qsizetype lines = 0;
    QList<Took> ours;
    QList<Took> plain;
    for (int i = 0; i < 5; ++i) {
        plain.append(millis([&] { plainReadAll(folder, s.KarteFileList.names()); }));
        ours.append(millis([&] {
            lines = KarteTyusyutuProc::run(joken, s.karteFolder(), s.KarteFileList.names()).lines.size();
        }));
    }
    std::fprintf(stderr, "  %lld episodes of month 6 listed\n", qlonglong(lines));
    printRatio("workbench extraction of a month", median(ours), median(plain), 1.5);
}

void scanMemory(const QString& root, int charts)
{
    const auto memory = [&](int count) {
        QByteArray out;
        runChild({QStringLiteral("--scan-memory"), QString::number(count), root}, &out);
        return out.split(' ').value(0).toDouble();
    };
    const double third = memory(charts / 3);
    const double all = memory(charts);
    std::fprintf(stderr, "  scan memory: %d charts %.0f kB, %d charts %.0f kB\n", charts / 3, third, charts, all);
    // Counted in whole MiB (the goal is a flat few MiB): what a scan adds below one MiB is the
    // allocator's rounding, not memory that grows with the charts.
    const auto mib = [](double kb) { return std::max(1.0, std::ceil(kb / 1024)); };
    std::printf("scan memory in MiB, %d against %d charts ratio %.2f goal 1.0\n", charts, charts / 3,
                mib(all) / mib(third));
}

bool generateWhenMissing(const QString& root, int charts, int animals = animalsPerFarmer)
{
    const QString marker = root + QStringLiteral("/generated-%1").arg(charts);
    if (QFileInfo::exists(marker))
        return true;
    std::fprintf(stderr, "generating %d charts in %s\n", charts, qPrintable(root));
    QString error;
    InstallationGenerator generator(QStringLiteral(NOLVARI_SOURCE_DIR "/sample/Nolvari"), root);
    if (!generator.generate(charts / animals, animals, &error)) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return false;
    }
    QFile(marker).open(QIODevice::WriteOnly);
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc == 4 && std::strcmp(argv[1], "--startup") == 0)
        return startupChild(argc, argv, QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]));
    if (argc == 4 && std::strcmp(argv[1], "--scan-memory") == 0) {
        QCoreApplication app(argc, argv);
        return scanMemoryChild(QString::fromLocal8Bit(argv[3]), std::atoi(argv[2]));
    }
    if (argc != 3) {
        std::fprintf(stderr, "usage: bench_nolvari CHARTS FOLDER\n");
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int charts = std::atoi(argv[1]);
    const QString root = QFileInfo(QString::fromLocal8Bit(argv[2])).absoluteFilePath();
    const QString smallRoot = root + QStringLiteral("-one");
    if (charts < animalsPerFarmer || !generateWhenMissing(root, charts) || !generateWhenMissing(smallRoot, 1, 1))
        return 1;
    startup(root, smallRoot);
    animalList(root, charts / animalsPerFarmer);
    yearScan();
    workbenchScan();
    scanMemory(root, charts);
    return 0;
}
