// Mutation fuzzing of the file readers: the sample installation's charts, settings and code files
// are mutated (bytes flipped, lines cut, repeated or spliced, separators, line breaks, double-byte
// lead bytes, huge numbers and path parts inserted) and fed to every reader that start-up, the
// lists, the chart editor and the printers use. Build it with the sanitizers to catch undefined
// behaviour; beyond crashes it checks what must hold for any input:
//  - a chart read soundly saves its unchanged episodes back byte for byte;
//  - a mapped path never leaves the data root.
// Usage: bench_fuzz_readers [iterations] [seed]
#include "chart/KarteFile.h"
#include "chart/KarteHeader.h"
#include "chart/KarteScan.h"
#include "chart/KarteText.h"
#include "common/CodeTableLoader.h"
#include "common/DataPath.h"
#include "common/SharedState.h"
#include "common/SindansyoEpisode.h"
#include "common/SiteProfile.h"
#include "common/StartupConfig.h"
#include "common/TextFile.h"
#include "common/ValueReader.h"
#include "registers/SetteiData.h"
#include "treatment/TensuKeisanProc.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <random>

namespace {

struct Seed
{
    QString relative;   // path under the data root
    QByteArray bytes;
};

const QList<QByteArray> tokens = {
    "'", "''''''''", "\r\n", "\n", "\r", "\x81", "\x87\x90", "\xfa\x4a", "\xed\x40", "\xff", "\x00",
    "1e30", "-1e30", "1e308", "nan", "inf", "-9223372036854775808", "99999999999999999999", "..",
    "\\..\\..\\", "\"", ",", "\t", "Name'", "Data1'", "\xe2\x80\x99", "\x81\x66", "0.0.0", "R8.13.40",
    "H7_00010001_1234_0.sxd", "-", "/", "//", "/-1/-1",
};

class Mutator
{
public:
    explicit Mutator(quint32 seed) : rng(seed) {}

    int below(int n) { return n <= 1 ? 0 : int(rng() % quint32(n)); }

    // keepLines: only changes within lines (no line breaks added or removed), so that most
    // mutated charts keep their structure and reach the readers of the fields.
    QByteArray mutate(QByteArray data, const QList<Seed>& seeds, bool keepLines)
    {
        const int steps = 1 + below(keepLines ? 2 : 6);
        for (int s = 0; s < steps; ++s) {
            if (keepLines)
                inLine(data);
            else
                step(data, seeds);
        }
        return data;
    }

private:
    std::mt19937 rng;

    int pos(const QByteArray& data) { return below(int(data.size()) + 1); }

    const QByteArray& inLineToken()
    {
        for (;;) {
            const QByteArray& t = tokens.at(below(int(tokens.size())));
            if (!t.contains('\n') && !t.contains('\r'))
                return t;
        }
    }

    void inLine(QByteArray& data)
    {
        if (data.isEmpty())
            return;
        const int at = below(int(data.size()));
        if (data.at(at) == '\n' || data.at(at) == '\r')
            return;
        switch (below(4)) {
        case 0:
            data[at] = char(0x20 + below(0xe0));
            if (data.at(at) == '\x7f')
                data[at] = '\'';
            break;
        case 1:
            data.insert(at, inLineToken());
            break;
        case 2: {
            qsizetype end = at;
            const qsizetype limit = at + below(12);
            while (end < limit && end < data.size() && data.at(end) != '\r' && data.at(end) != '\n')
                ++end;
            data.remove(at, end - at);
            break;
        }
        default: {
            const qsizetype field = data.indexOf('\'', at);
            if (field >= 0 && !data.mid(at, field - at).contains('\n'))
                data.insert(field, inLineToken());
            break;
        }
        }
    }

    void step(QByteArray& data, const QList<Seed>& seeds)
    {
        switch (below(9)) {
        case 0:
            if (!data.isEmpty())
                data[below(int(data.size()))] = char(data.at(below(int(data.size()))) ^ (1 << below(8)));
            break;
        case 1:
            if (!data.isEmpty())
                data[below(int(data.size()))] = char(below(256));
            break;
        case 2:
            data.insert(pos(data), tokens.at(below(int(tokens.size()))));
            break;
        case 3: {
            const int at = pos(data);
            data.remove(at, below(64));
            break;
        }
        case 4: {  // a whole line dropped or repeated
            QList<QByteArray> lines = data.split('\n');
            const int i = below(int(lines.size()));
            if (below(2))
                lines.removeAt(i);
            else
                lines.insert(i, lines.at(i));
            data = lines.join('\n');
            break;
        }
        case 5: {  // a line of another file spliced in
            const QList<QByteArray> other = seeds.at(below(int(seeds.size()))).bytes.split('\n');
            QList<QByteArray> lines = data.split('\n');
            lines.insert(below(int(lines.size()) + 1), other.at(below(int(other.size()))));
            data = lines.join('\n');
            break;
        }
        case 6:
            data.truncate(pos(data));
            break;
        case 7: {  // a field replaced by a token
            const qsizetype at = data.indexOf('\'', pos(data));
            if (at >= 0)
                data.insert(at, tokens.at(below(int(tokens.size()))));
            break;
        }
        default: {  // a range repeated
            const int at = pos(data);
            data.insert(at, data.mid(at, below(400)));
            break;
        }
        }
    }
};

struct Counts
{
    qint64 inputs = 0;
    qint64 soundCharts = 0;
    qint64 damagedCharts = 0;
    qint64 episodesRoundTripped = 0;
    qint64 scanFileDisagreements = 0;
    qint64 extraFieldsDropped = 0;   // a line of more than 16 fields read as sound, cut at save
    qint64 startupRefusals = 0;
    qint64 failures = 0;
};

void fail(Counts& counts, const QString& what)
{
    ++counts.failures;
    if (counts.failures <= 20)
        std::printf("FAULT: %s\n", qPrintable(what));
}

// A save of an unchanged episode keeps every line outside the block byte for byte and every
// field of the block's lines (trimmed, as the editor keeps them); the line count stays.
enum class Change { None, ExtraFieldsDropped, Other };

// ExtraFieldsDropped: the only change is that fields past the sixteenth of a line were lost.
Change changeOf(const QList<TextLine>& read, const QList<TextLine>& saved, int blockStart)
{
    Change change = Change::None;
    if (read.size() != saved.size())
        return Change::Other;
    for (qsizetype i = 0; i < read.size(); ++i) {
        const bool inBlock = i >= blockStart && i < blockStart + KarteBlock::LineCount;
        if (!inBlock) {
            if (read.at(i).bytes != saved.at(i).bytes || read.at(i).text != saved.at(i).text)
                return Change::Other;
            continue;
        }
        const QStringList before = read.at(i).text.split(QLatin1Char('\''));
        const QStringList after = saved.at(i).text.split(QLatin1Char('\''));
        for (qsizetype f = 0; f < std::max(before.size(), after.size()); ++f) {
            if (KarteText::clean(before.value(f)) != KarteText::clean(after.value(f))) {
                if (qEnvironmentVariableIsSet("FUZZ_VERBOSE"))
                    std::printf("line %lld field %lld: [%s] saved as [%s]\n", qint64(i + 1), qint64(f),
                                qPrintable(read.at(i).text), qPrintable(saved.at(i).text));
                if (f < KarteBlock::FieldCount)
                    return Change::Other;
                change = Change::ExtraFieldsDropped;
                break;
            }
        }
    }
    return change;
}

// Every reader of a chart, and the save of each unchanged episode compared with the lines read.
void fuzzChart(const QString& path, const QByteArray& content, Counts& counts)
{
    const KarteScan scan = KarteScan::check(path, content);
    for (int k = 0; k < scan.blockCount(); ++k) {
        scan.episode(k);
        scan.blockLine(k, 0);
    }
    KarteHeader::read(path);
    const KarteFile karte = KarteFile::read(path);
    if (scan.ok() != karte.ok()) {
        ++counts.scanFileDisagreements;
        if (qEnvironmentVariableIsSet("FUZZ_VERBOSE"))
            std::printf("scan: %s | reader: %s\n", qPrintable(scan.errorText), qPrintable(karte.errorText));
    }
    if (!karte.ok()) {
        ++counts.damagedCharts;
        if (qEnvironmentVariableIsSet("FUZZ_VERBOSE"))
            std::printf("damaged: %s\n", qPrintable(karte.errorText));
        return;
    }
    ++counts.soundCharts;
    const QList<KarteNameRecord> names = karte.nameRecords();
    for (const KarteNameRecord& name : names) {
        const int index = karte.findEpisode(name.ByoName, name.SyosinDate);
        KarteEpisode episode = karte.episodeAt(index);
        TensuKeisanProc::common(episode);
        TensuKeisanProc::miyazaki(episode, MiyazakiDataGrid());
        SindansyoEpisode::load(path, name.ByoName, name.SyosinDate);
        const KarteBlock block = KarteBlock::fromLines(
            [&] {
                QStringList texts;
                for (int i = 0; i < KarteBlock::LineCount; ++i)
                    texts.append(karte.lines.value(index + i).text);
                return texts;
            }());
        const auto saved = karte.savedLines(KarteFile::SaveKind::Replace, index, block);
        if (!saved) {
            fail(counts, QStringLiteral("a sound chart refused its own episode: %1").arg(path));
            continue;
        }
        const Change change = changeOf(karte.lines, *saved, index);
        if (change == Change::ExtraFieldsDropped)
            ++counts.extraFieldsDropped;
        else if (change == Change::Other)
            fail(counts, QStringLiteral("a save of an unchanged episode changed the chart: %1").arg(path));
        ++counts.episodesRoundTripped;
    }
}

// Start-up and the settings and code-table loads over an installation with one mutated file.
void fuzzInstallation(Counts& counts)
{
    SharedState& state = SharedState::get();
    QString error;
    if (!StartupConfig::load(state, QDate(2026, 4, 1), &error)) {
        ++counts.startupRefusals;
        if (error.isEmpty())
            fail(counts, QStringLiteral("start-up refused without a message"));
        return;
    }
    CodeTableLoader::CodeTableLoadProc();
    SetteiData::load(state.ken);
}

void fuzzPath(Mutator& m, const QString& root, Counts& counts)
{
    static const QStringList parts = {"Nolvari", "..", ".", "H7", "set", "C:", "D:", "", "x", "...", "\\", "/"};
    QString path;
    for (int i = 0, n = 1 + m.below(7); i < n; ++i)
        path += parts.at(m.below(int(parts.size()))) + (m.below(2) ? QStringLiteral("\\") : QStringLiteral("/"));
    const QString mapped = DataPath::map(path);
    if (!mapped.isEmpty() && QDir::cleanPath(mapped) != root && !QDir::cleanPath(mapped).startsWith(root + QLatin1Char('/')))
        fail(counts, QStringLiteral("path left the root: %1 -> %2").arg(path, mapped));
    ValueReader::leadingNumber(path);
    ValueReader::leadingInt(path);
    ++counts.inputs;
}

QList<Seed> readSeeds(const QString& sampleRoot)
{
    QList<Seed> seeds;
    QDirIterator it(sampleRoot, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString file = it.next();
        QFile f(file);
        if (f.open(QIODevice::ReadOnly))
            seeds.append({QDir(sampleRoot).relativeFilePath(file), f.readAll()});
    }
    return seeds;
}

bool put(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size();
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const qint64 iterations = argc > 1 ? std::atoll(argv[1]) : 20000;
    const quint32 seed = argc > 2 ? quint32(std::atoll(argv[2])) : 1;
    const QString sampleRoot = QStringLiteral(NOLVARI_SOURCE_DIR "/sample/Nolvari");
    const QList<Seed> seeds = readSeeds(sampleRoot);
    QTemporaryDir temp;
    const QString root = QDir(temp.path()).canonicalPath();
    for (const Seed& s : seeds) {
        QDir().mkpath(QFileInfo(root + QLatin1Char('/') + s.relative).absolutePath());
        put(root + QLatin1Char('/') + s.relative, s.bytes);
    }
    DataPath::setRoot(root);
    QList<Seed> charts;
    for (const Seed& s : seeds) {
        if (s.relative.endsWith(QLatin1String(".sxd")))
            charts.append(s);
    }
    Mutator m(seed);
    Counts counts;
    QElapsedTimer timer;
    timer.start();
    for (qint64 i = 0; i < iterations; ++i) {
        // Half the inputs are charts, most of them changed within their lines only.
        const Seed& s = m.below(2) ? charts.at(m.below(int(charts.size()))) : seeds.at(m.below(int(seeds.size())));
        const QString path = root + QLatin1Char('/') + s.relative;
        const bool chart = s.relative.endsWith(QLatin1String(".sxd"));
        const QByteArray input = m.mutate(s.bytes, seeds, chart && m.below(4) != 0);
        put(path, input);
        ++counts.inputs;
        if (chart) {
            fuzzChart(path, input, counts);
        } else {
            TextFile::read(path);
            fuzzInstallation(counts);
        }
        put(path, s.bytes);
        for (int p = 0; p < 20; ++p)
            fuzzPath(m, root, counts);
    }
    std::printf("inputs %lld (files %lld, paths %lld) in %lld ms; charts sound %lld, damaged %lld; "
                "episodes saved back %lld, of which lost fields past the sixteenth %lld; scan and reader disagree %lld; "
                "start-up refused %lld; other faults %lld\n",
                counts.inputs, iterations, counts.inputs - iterations, timer.elapsed(), counts.soundCharts,
                counts.damagedCharts, counts.episodesRoundTripped, counts.extraFieldsDropped, counts.scanFileDisagreements,
                counts.startupRefusals, counts.failures);
    return counts.failures == 0 && counts.extraFieldsDropped == 0 ? 0 : 1;
}
