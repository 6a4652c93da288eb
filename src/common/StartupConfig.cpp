#include "StartupConfig.h"

#include "IbarakiSite.h"

#include "DataPath.h"
#include "SharedUtil.h"
#include "TextFile.h"
#include "ValueReader.h"

#include <QRegularExpression>

QString StartupConfig::infoFilePath()
{
    return DataPath::file(QStringLiteral("set\\info.ini"));
}

QString StartupConfig::kiokuNendoFilePath()
{
    return DataPath::file(QStringLiteral("set\\KiokuNendo.ini"));
}

QString StartupConfig::dellInfoFilePath()
{
    return DataPath::file(QStringLiteral("set\\DellInfo.ini"));
}

QString StartupConfig::doctorFilePath()
{
    return DataPath::file(QStringLiteral("set\\DoctorName.ini"));
}

bool StartupConfig::readLines(const QString& localPath, QStringList& lines, QString* errorText)
{
    const TextFile file = TextFile::read(localPath);
    if (!file.ok()) {
        if (errorText)
            *errorText = file.errorText;
        return false;
    }
    lines = file.texts();
    return true;
}

bool StartupConfig::readInfoFile(const QString& localPath, QString& kenName, QString& siteKey,
                                 QString* errorText)
{
    QStringList lines;
    if (!readLines(localPath, lines, errorText))
        return false;
    const QStringList values = ValueReader::values(lines);
    kenName = ValueReader::at(values, 0);
    siteKey = ValueReader::at(values, 1);
    return true;
}

bool StartupConfig::readKiokuNendo(const QString& localPath, QString& karteNendo, QString* errorText)
{
    QStringList lines;
    if (!readLines(localPath, lines, errorText))
        return false;
    karteNendo = ValueReader::at(ValueReader::values(lines), 0);
    if (karteNendo.isEmpty()) {
        if (errorText)
            *errorText = QStringLiteral("データ年度が書かれていません: %1").arg(localPath);
        return false;
    }
    // The year names the chart folder "H<year>": anything but digits could lead elsewhere.
    static const QRegularExpression digits(QStringLiteral("^[0-9]+$"));
    if (!digits.match(karteNendo).hasMatch()) {
        if (errorText)
            *errorText = QStringLiteral("データ年度は数字で書いてください: %1（%2）").arg(localPath, karteNendo);
        return false;
    }
    return true;
}

bool StartupConfig::readDellInfo(const QString& localPath, QStringList& list, QString* errorText)
{
    if (!readLines(localPath, list, errorText))
        return false;
    list.append(QString());
    return true;
}

bool StartupConfig::checkSettingsFiles(QString* errorText)
{
    for (const QString& path : {doctorFilePath(), SharedUtil::manryoDayFilePath(), SharedUtil::codeHenkanFilePath()}) {
        const TextFile file = TextFile::read(path);
        if (!file.ok() && !file.missing()) {
            if (errorText)
                *errorText = file.errorText;
            return false;
        }
    }
    return true;
}

QString StartupConfig::readDoctorName()
{
    return ValueReader::at(ValueReader::readFile(doctorFilePath()), 0);
}

QString StartupConfig::todayDate(const QDate& today)
{
    return QStringLiteral("%1/%2/%3").arg(today.year(), 4, 10, QLatin1Char('0'))
        .arg(today.month()).arg(today.day());
}

QString StartupConfig::reiwaNen(const QString& todayDate)
{
    return QString::number(todayDate.section(QLatin1Char('/'), 0, 0).toInt() - 2018);
}

ColorSetInfo StartupConfig::colorSet()
{
    ColorSetInfo colors;
    colors.BaseBackColor = QColor(248, 248, 227);
    colors.HoverColor = QColor(255, 0, 0);
    colors.GridColor = QColor(238, 255, 181);
    colors.DialogBackColor = QColor(221, 239, 221);
    return colors;
}

void StartupConfig::ListLoadProc(SharedState& state)
{
    state.PictPathTable.clear();
    for (int i = 0; i <= 50; ++i)
        state.PictPathTable.append(QStringLiteral("\\Nolvari\\pict\\pict_%1.bmp").arg(i));
    state.Pict2PathTable.clear();
    for (int i = 0; i <= 70; ++i)
        state.Pict2PathTable.append(QStringLiteral("\\Nolvari\\pict\\pict2_%1.bmp").arg(i));
}

bool StartupConfig::isFarmSite(Ken ken, const SiteProfile& site)
{
    return ken == Ken::Ibaraki && site.FarmType();
}

bool StartupConfig::load(SharedState& state, const QDate& today, QString* errorText)
{
    state.SeirekiFlag = 0;
    QString kenName;
    if (!readInfoFile(infoFilePath(), kenName, state.SiteKey, errorText))
        return false;
    state.setKen(kenName);
    state.MieA4Flag = 0;
    state.MieHinsyuOpKioku = 0;

    if (!SiteProfile::load(SiteProfile::filePath(), state.SiteRows, errorText)
        || !checkSettingsFiles(errorText))
        return false;
    const bool tottori = state.ken == Ken::Tottori;
    state.Site = SiteProfile::lookup(state.SiteRows, state.ken, state.SiteKey,
                                     tottori ? readDoctorName() : QString());
    state.ManryoFlag = state.Site.ManryoSite() ? 1 : 0;

    if (!readKiokuNendo(kiokuNendoFilePath(), state.KarteNendo, errorText))
        return false;
    state.DefaultNendo = QStringLiteral("5");
    state.TakukaraOut.clear();
    state.TodayDate = todayDate(today);
    state.ReiwaNen = reiwaNen(state.TodayDate);
    state.ColorSet = colorSet();
    state.KarteFileList.refreshInBackground(state.karteFolder());

    const bool farm = isFarmSite(state.ken, state.Site);
    // The doctor option of the Ibaraki print dialog starts on the second veterinarian at the farm
    // group's sites, the ranch and SiteOkayamaFarm.
    const IbarakiSite::Kind kind = IbarakiSite(state.Site).kind;
    const bool optionSite = kind == IbarakiSite::Kind::Farm || kind == IbarakiSite::Kind::Ranch ||
                            kind == IbarakiSite::Kind::Okayama;
    state.IbaragiOption1Kioku = farm || (state.ken == Ken::Ibaraki && optionSite) ? 1 : 0;
    state.DellInfoList.clear();
    if (farm && !readDellInfo(dellInfoFilePath(), state.DellInfoList, errorText))
        return false;

    state.TwipPerMm = twipPerMm;
    state.IbaragiFormOpen = 0;
    state.IbaragiDayCopyBuffer.clear();
    ListLoadProc(state);
    return true;
}
