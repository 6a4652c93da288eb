#include "InstallationGenerator.h"

#include "chart/KarteKotaiRecord.h"
#include "chart/KarteNoukaRecord.h"
#include "common/TextFile.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

namespace {
QString farmerCode(int f) { return QStringLiteral("%1").arg(10000 + f, 8, 10, QLatin1Char('0')); }
QString tiku(int f) { return QStringLiteral("地区%1").arg(f % 20 + 1); }
QString farmerName(int f) { return QStringLiteral("組合員%1").arg(f + 1); }
}

InstallationGenerator::InstallationGenerator(const QString& sampleRoot, const QString& targetRoot)
    : sample(sampleRoot), target(targetRoot)
{
}

bool InstallationGenerator::generate(int farmers, int animals, QString* errorText)
{
    return copySettings(errorText) && writeRegister(farmers, errorText) && writeCharts(farmers, animals, errorText);
}

bool InstallationGenerator::copySettings(QString* errorText)
{
    // Everything of the sample but its charts: settings, registers and code tables.
    QDirIterator it(sample, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString from = it.next();
        const QString relative = from.mid(sample.size() + 1);
        if (relative.startsWith(QStringLiteral("H7/")))
            continue;
        const QString to = target + QLatin1Char('/') + relative;
        QDir().mkpath(QFileInfo(to).absolutePath());
        QFile::remove(to);
        if (!QFile::copy(from, to)) {
            *errorText = QStringLiteral("cannot copy %1").arg(from);
            return false;
        }
    }
    return true;
}

bool InstallationGenerator::writeRegister(int farmers, QString* errorText)
{
    QStringList tikus;
    QStringList lines;
    for (int f = 0; f < farmers; ++f) {
        if (!tikus.contains(tiku(f)))
            tikus.append(tiku(f));
        lines.append(QStringList{tiku(f), farmerName(f), farmerCode(f), QStringLiteral("中央市1-%1").arg(f),
                                 QStringLiteral("あ"), QStringLiteral("101"), QString(), QStringLiteral("01"),
                                 QStringLiteral("-"), QString(), QString()}.join(QLatin1Char(',')));
    }
    return TextFile::write(target + QStringLiteral("/set/TikuName.ini"), tikus, errorText)
        && TextFile::write(target + QStringLiteral("/set/NameCode.ini"), lines, errorText);
}

bool InstallationGenerator::writeCharts(int farmers, int animals, QString* errorText)
{
    const TextFile model = TextFile::read(sample + QStringLiteral("/H7/H7_00010001_1234_0.sxd"));
    if (!model.ok() || model.lines.size() < 2) {
        *errorText = model.errorText;
        return false;
    }
    const QString folder = target + QStringLiteral("/H7");
    QDir().mkpath(folder);
    QList<TextLine> lines = model.lines;
    KarteNoukaRecord nouka = *KarteNoukaRecord::parse(model.lines.at(0).text);
    KarteKotaiRecord kotai = *KarteKotaiRecord::parse(model.lines.at(1).text);
    for (int f = 0; f < farmers; ++f) {
        nouka.NoukaTiku = tiku(f);
        nouka.NoukaName = farmerName(f);
        nouka.NoukaCode = farmerCode(f);
        lines[0] = TextLine(nouka.line());
        for (int a = 0; a < animals; ++a) {
            const QString tag = QStringLiteral("%1").arg(a + 1, 4, 10, QLatin1Char('0'));
            const QString base = QStringLiteral("H7_%1_%2_0").arg(farmerCode(f), tag);
            kotai.Mimiban = tag;
            kotai.KarteName = base;
            lines[1] = TextLine(kotai.line());
            if (!TextFile::write(folder + QLatin1Char('/') + base + QStringLiteral(".sxd"), lines, errorText))
                return false;
        }
    }
    return true;
}
