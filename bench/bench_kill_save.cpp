// Saves killed mid-write: a child process saves a chart (its header rewritten, as the animal
// register does), a settings file (lines of text, as the settings savers do) and a copied file
// (bytes, as the backups do) over and over, alternating between two versions of each, and is
// killed with SIGKILL after a random delay. After each kill every file must be whole: exactly one
// of its two versions, never a mix, a truncation or an empty file. Temporary files a killed save
// leaves behind are counted; the file lists never match them.
// Usage: bench_kill_save [kills] [seed]
#include "chart/KarteFile.h"
#include "common/DataPath.h"
#include "common/TextFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>
#include <cstring>
#include <random>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

const QString ChartName = QStringLiteral("H7_00010001_1234_0.sxd");
const QString SettingsName = QStringLiteral("TikuName.ini");
const QString CopyName = QStringLiteral("copy.bin");

QByteArray contentOf(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The animal line with its markings text naming the version.
QString kotaiLine(const QString& line, int version)
{
    QStringList fields = line.split(QLatin1Char('\''));
    fields[12] = QStringLiteral("額に白斑%1").arg(version);
    return fields.join(QLatin1Char('\''));
}

QStringList settingsLines(int version)
{
    QStringList lines;
    for (int i = 0; i < (version == 0 ? 3000 : 1200); ++i)
        lines.append(QStringLiteral("地区%1-%2,名前").arg(i).arg(version));
    return lines;
}

QByteArray copyBytes(int version)
{
    return QByteArray(version == 0 ? 512 * 1024 : 64 * 1024, version == 0 ? 'a' : 'b');
}

// One save of each file in the given version; false with the error when one fails.
bool saveAll(const QString& folder, int version, QString* errorText)
{
    const KarteFile karte = KarteFile::read(folder + QLatin1Char('/') + ChartName);
    const QString noukaLine = karte.lines.value(0).text;
    return karte.saveHeader(noukaLine, kotaiLine(karte.lines.value(1).text, version), errorText)
        && TextFile::write(folder + QLatin1Char('/') + SettingsName, settingsLines(version), errorText)
        && TextFile::writeBytes(folder + QLatin1Char('/') + CopyName, copyBytes(version), errorText);
}

[[noreturn]] void childLoop(const QString& folder, int first)
{
    for (int i = first;; ++i) {
        if (!saveAll(folder, i % 2, nullptr))
            _exit(3);
    }
}

int countTemporaries(const QString& folder)
{
    int n = 0;
    for (const QString& name : QDir(folder).entryList(QDir::Files)) {
        if (name != ChartName && name != SettingsName && name != CopyName)
            ++n;
    }
    return n;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc > 3 && std::strcmp(argv[1], "--child") == 0) {
        QCoreApplication app(argc, argv);
        childLoop(QString::fromLocal8Bit(argv[2]), std::atoi(argv[3]));
    }
    QCoreApplication app(argc, argv);
    const int kills = argc > 1 ? std::atoi(argv[1]) : 300;
    std::mt19937 rng(argc > 2 ? quint32(std::atoll(argv[2])) : 1);
    QTemporaryDir temp;
    const QString folder = temp.path();
    DataPath::setRoot(folder);
    if (!QFile::copy(QStringLiteral(NOLVARI_SOURCE_DIR "/sample/Nolvari/H7/") + ChartName,
                     folder + QLatin1Char('/') + ChartName)
        || !QFile::setPermissions(folder + QLatin1Char('/') + ChartName, QFile::ReadOwner | QFile::WriteOwner)) {
        std::printf("cannot copy the sample chart\n");
        return 2;
    }
    // The two versions of each file, as whole saves write them.
    QList<QByteArray> versions[3];
    for (int v = 0; v < 2; ++v) {
        QString error;
        if (!saveAll(folder, v, &error)) {
            std::printf("a save failed: %s\n", qPrintable(error));
            return 2;
        }
        versions[0].append(contentOf(folder + QLatin1Char('/') + ChartName));
        versions[1].append(contentOf(folder + QLatin1Char('/') + SettingsName));
        versions[2].append(contentOf(folder + QLatin1Char('/') + CopyName));
    }
    const QString names[3] = {ChartName, SettingsName, CopyName};
    int mixed = 0;
    int childFailed = 0;
    int seen[2] = {0, 0};
    QElapsedTimer timer;
    timer.start();
    for (int k = 0; k < kills; ++k) {
        const pid_t pid = fork();
        if (pid == 0) {
            // The children start with either version in turn, so that the kills land in the
            // saves of both.
            execl("/proc/self/exe", argv[0], "--child", qPrintable(folder), k % 2 == 0 ? "0" : "1",
                  static_cast<char*>(nullptr));
            _exit(4);
        }
        usleep(useconds_t(20000 + rng() % 400000));
        kill(pid, SIGKILL);
        int status = 0;
        waitpid(pid, &status, 0);
        if (!WIFSIGNALED(status))
            ++childFailed;
        for (int f = 0; f < 3; ++f) {
            const QByteArray now = contentOf(folder + QLatin1Char('/') + names[f]);
            const int v = versions[f].indexOf(now);
            if (v < 0) {
                ++mixed;
                std::printf("FAULT: %s is neither version after kill %d (%lld bytes)\n", qPrintable(names[f]), k,
                            qint64(now.size()));
            } else {
                ++seen[v];
            }
        }
    }
    std::printf("kills %d in %lld ms; files checked %d (version 0: %d, version 1: %d); mixed or cut %d; "
                "child ended before its kill %d; temporary files left %d\n",
                kills, timer.elapsed(), kills * 3, seen[0], seen[1], mixed, childFailed, countTemporaries(folder));
    return mixed == 0 && childFailed == 0 ? 0 : 1;
}
