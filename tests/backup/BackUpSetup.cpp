#include "BackUpSetup.h"

#include "common/DataPath.h"
#include "common/RemovableDrives.h"
#include "common/SharedState.h"
#include "common/StartupConfig.h"

#include <QDate>
#include <QDir>
#include <QFile>

namespace {
const QStringList siteRows = {
    "佐藤,鳥取県,LatestOutcome",
    "IBF1A,茨城県,ShowExchange,FarmType,BranchName=県北支所,PartnerSide=B",
    "IBF1B,茨城県,ShowExchange,FarmType,BranchName=県北支所,PartnerSide=A",
    "OKAYAMA,茨城県,ShowExchange,FarmType",
    "OITAA,大分県",
};
} // namespace

BackUpInstallation::BackUpInstallation(const QString& info)
{
    rootPath = TestFixture::copySample(dir.path());
    TestFixture::writeCp932(file("set/info.ini"), {info});
    TestFixture::writeCp932(file("set/SiteProfile.ini"), siteRows);
    TestFixture::writeCp932(file("set/DellInfo.ini"), {});
}

BackUpInstallation::~BackUpInstallation()
{
    if (DataPath::root() == rootPath)
        DataPath::setRoot(DataPath::defaultRoot());
}

void BackUpInstallation::start() const
{
    DataPath::setRoot(rootPath);
    SharedState::reset();
    QString error;
    if (!StartupConfig::load(SharedState::get(), QDate(2025, 6, 20), &error))
        qFatal("test installation does not load: %s", qPrintable(error));
}

void BackUpInstallation::put(const QString& relative, const QByteArray& bytes) const
{
    TestFixture::writeBytes(file(relative), bytes);
}

TestDrive::TestDrive()
{
    rootPath = dir.path() + QStringLiteral("/USBDISK");
    QDir().mkpath(rootPath);
    RemovableDrives::setOverride({rootPath});
}

TestDrive::~TestDrive()
{
    RemovableDrives::clearOverride();
}

QStringList TestDrive::names(const QString& folder) const
{
    return QDir(file(folder)).entryList(QDir::Files | QDir::Hidden, QDir::Name);
}

QByteArray bytesOf(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QByteArray sameLengthEdit(const QByteArray& bytes)
{
    QByteArray out = bytes;
    const qsizetype at = out.size() / 2;
    out[at] = out.at(at) == 'x' ? 'y' : 'x';
    return out;
}
