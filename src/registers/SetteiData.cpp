#include "SetteiData.h"

#include "common/DataPath.h"
#include "common/TextFile.h"
#include "common/ValueReader.h"

#include <QDir>
#include <QFileInfo>
#include <cmath>

namespace {

const QString TikuFileName = QStringLiteral("TikuName.ini");
const QString NoukaFileName = QStringLiteral("NameCode.ini");
const QString PrintSetFileName = QStringLiteral("PrintSet.ini");
const QString DoctorFileName = QStringLiteral("DoctorName.ini");
const QString DocAdFileName = QStringLiteral("DocAd.ini");
const QString DocBunruiFileName = QStringLiteral("DocBunrui.ini");
const QString InpSptFileName = QStringLiteral("InpSpt.ini");
const QString KaribanFileName = QStringLiteral("Kariban.ini");
const QString Sitei = QStringLiteral("指定");

// A number as the points box shows it: whole numbers without a fraction, others with up to
// seven significant digits (the threshold is a single-precision value).
QString numberText(double value)
{
    if (std::fabs(value) < 1e15 && value == std::floor(value))
        return QString::number(qint64(value));
    return QString::number(value, 'g', 7);
}

} // namespace

const QStringList& SetteiData::kouhoFileNames()
{
    static const QStringList names{QStringLiteral("Gensyo.ini"), QStringLiteral("Rinkoku.ini"),
                                   QStringLiteral("Genin.ini")};
    return names;
}

QString SetteiData::path(const QString& fileName)
{
    return DataPath::file(QStringLiteral("set\\") + fileName);
}

bool SetteiData::writeLines(const QString& localPath, const QStringList& lines, QString* errorText)
{
    QDir().mkpath(QFileInfo(localPath).absolutePath());
    return TextFile::write(localPath, lines, errorText);
}

QStringList SetteiData::readLines(const QString& localPath, bool* ok, QString* errorText)
{
    const TextFile file = TextFile::read(localPath);
    if (ok)
        *ok = file.ok() || file.missing();
    if (!file.ok() && !file.missing() && errorText)
        *errorText = file.errorText;
    return file.texts();
}

QStringList SetteiData::readTracked(const QString& fileName)
{
    bool ok = true;
    QString error;
    const QStringList lines = readLines(path(fileName), &ok, &error);
    if (!ok) {
        unreadable.insert(fileName);
        readErrors.append(error);
    }
    return lines;
}

QStringList SetteiData::readValuesTracked(const QString& fileName)
{
    return ValueReader::values(readTracked(fileName));
}

// The address box shows the whole first line, so that an address holding "," written by an
// older version is not cut at the comma; a quoted address is read by value reading.
QString SetteiData::docAdText(const QStringList& lines) const
{
    const QString first = lines.value(0);
    if (first.trimmed().startsWith(QLatin1Char('"')))
        return ValueReader::at(ValueReader::lineValues(first), 0);
    return first.trimmed();
}

SetteiData SetteiData::load(Ken ken)
{
    SetteiData d;
    d.TikuList = d.readTracked(TikuFileName);
    d.NameList = d.readTracked(NoukaFileName);
    const QStringList doctor = d.readValuesTracked(DoctorFileName);
    d.DoctorName = ValueReader::at(doctor, 0);
    d.DoctorCode = ValueReader::at(doctor, 1);
    const QStringList hosei = d.readValuesTracked(PrintSetFileName);
    d.YokoHosei = ValueReader::at(hosei, 0);
    d.TateHosei = ValueReader::at(hosei, 1);
    d.NobiHosei = ValueReader::at(hosei, 2);
    d.DocAd = d.docAdText(d.readTracked(DocAdFileName));
    for (int k = 0; k < 3; ++k)
        d.KouhoList[k] = d.readTracked(kouhoFileNames().at(k));
    const QStringList spt = d.readValuesTracked(InpSptFileName);
    d.TensuAlarmFlag = ValueReader::leadingInt(ValueReader::at(spt, 0));
    d.TensuAlarmLimit = ValueReader::leadingNumber(ValueReader::at(spt, 1));
    d.SpCh = d.TensuAlarmFlag == 1 ? 1 : 0;
    d.TensuLimitText = numberText(d.TensuAlarmLimit);
    d.Kariban = ValueReader::at(d.readValuesTracked(KaribanFileName), 0).trimmed();
    if (ken == Ken::Ibaraki)
        d.DocBunruiSitei = ValueReader::at(d.readValuesTracked(DocBunruiFileName), 0) == Sitei;
    return d;
}

bool SetteiData::save(Ken ken, QStringList* errors) const
{
    QList<std::pair<QString, QStringList>> files{
        {TikuFileName, TikuList},
        {NoukaFileName, NameList},
        {PrintSetFileName, {ValueReader::quoteIfNeeded(YokoHosei.trimmed()), ValueReader::quoteIfNeeded(TateHosei.trimmed()),
                            ValueReader::quoteIfNeeded(NobiHosei.trimmed())}},
        {DoctorFileName, {ValueReader::quoteIfNeeded(DoctorName.trimmed()),
                          ValueReader::quoteIfNeeded(DoctorCode.trimmed())}},
        {DocAdFileName, {ValueReader::quoteIfNeeded(DocAd.trimmed())}},
    };
    if (ken == Ken::Ibaraki)
        files.append({DocBunruiFileName, {DocBunruiSitei ? Sitei : QStringLiteral("指定外")}});
    for (int k = 0; k < 3; ++k)
        files.append({kouhoFileNames().at(k), KouhoList[k]});
    files.append({InpSptFileName, {QString::number(SpCh), ValueReader::quoteIfNeeded(TensuLimitText.trimmed())}});
    files.append({KaribanFileName, {ValueReader::quoteIfNeeded(Kariban.trimmed())}});

    bool all = true;
    for (const auto& [name, lines] : files) {
        if (unreadable.contains(name))
            continue;
        QString error;
        if (!writeLines(path(name), lines, &error)) {
            all = false;
            if (errors)
                errors->append(error);
        }
    }
    return all;
}
