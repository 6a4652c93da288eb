#include "TestFixture.h"

#include "attorney/IninjyoForm.h"
#include "attorney/PrintMiyazakiIninnjyoForm.h"
#include "common/Cp932.h"
#include "common/DataPath.h"
#include "common/FontSetup.h"
#include "common/ModalHost.h"
#include "common/MsgBox.h"
#include "common/PrintDeviceSource.h"
#include "common/SharedState.h"
#include "common/StartupConfig.h"
#include "print/common/SindansyoPrintDialog.h"

#include <QDate>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QtTest>

void TestFixture::initApplication()
{
    // Boxes are answered by the test responder, never by the script switch of the program.
    qunsetenv("NOLVARI_AUTO_ANSWER");
    FontSetup::install();
}

void TestFixture::resetGlobals()
{
    SharedState::reset();
    MsgBox::setResponder([](const MsgBox::Call& call) { return MsgBox::defaultAnswer(call.buttons); });
    MsgBox::clearLog();
    ModalHost::setHandler(nullptr);
    PrintDeviceSource::setFactory(nullptr);
    SindansyoPrintDialog::setNendoPicker(nullptr);
    PrintMiyazakiIninnjyoForm::kioku() = {};
    IninjyoForm::IninjyoDateKioku().clear();
}

QString TestFixture::writeBytes(const QString& localPath, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(localPath).absolutePath());
    QFile file(localPath);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        qFatal("cannot write fixture %s", qPrintable(localPath));
    file.write(bytes);
    return localPath;
}

QString TestFixture::writeCp932(const QString& localPath, const QStringList& lines)
{
    QByteArray content;
    for (const QString& line : lines) {
        const std::optional<QByteArray> bytes = Cp932::encode(line);
        if (!bytes)
            qFatal("fixture text not in CP932: %s", qPrintable(line));
        content += *bytes + "\r\n";
    }
    return writeBytes(localPath, content);
}

QByteArray TestFixture::readBytes(const QString& localPath)
{
    QFile file(localPath);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList TestFixture::readCp932(const QString& localPath)
{
    QStringList out;
    QByteArray content = readBytes(localPath);
    for (const QByteArray& line : content.split('\n')) {
        QByteArray l = line;
        if (l.endsWith('\r'))
            l.chop(1);
        out.append(Cp932::decode(l).value_or(QStringLiteral("<undecodable>")));
    }
    if (!out.isEmpty() && out.last().isEmpty() && content.endsWith('\n'))
        out.removeLast();
    return out;
}

QString TestFixture::sourceDir()
{
    const QByteArray dir = qgetenv("NOLVARI_SOURCE_DIR");
    return dir.isEmpty() ? QStringLiteral(NOLVARI_SOURCE_DIR_DEFAULT) : QString::fromLocal8Bit(dir);
}

namespace {
void copyFolder(const QString& from, const QString& to)
{
    QDirIterator it(from, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString source = it.next();
        const QString target = to + source.mid(from.size());
        QDir().mkpath(QFileInfo(target).absolutePath());
        QFile::copy(source, target);
    }
}
} // namespace

QString TestFixture::copySample(const QString& dir)
{
    const QString to = dir + QStringLiteral("/Nolvari");
    copyFolder(sourceDir() + QStringLiteral("/sample/Nolvari"), to);
    return to;
}

void TestFixture::setPrintHosei(const QString& yokoTateNobi)
{
    const QStringList v = yokoTateNobi.split(QLatin1Char('/'));
    SharedState::get().PrintHosei = {v.value(0).toFloat(), v.value(1).toFloat(), v.value(2).toFloat()};
}

TempDataRoot::TempDataRoot() : previousRoot(DataPath::root())
{
    DataPath::setRoot(dir.path());
}

void TempDataRoot::useSample() const
{
    copyFolder(TestFixture::sourceDir() + QStringLiteral("/sample/Nolvari"), dir.path());
}

void TempDataRoot::useInstallation(const QString& info, const QStringList& siteRows) const
{
    useSample();
    QDir(file("H7")).removeRecursively();
    QDir().mkpath(file("H7"));
    write("set/info.ini", {info});
    write("set/SiteProfile.ini", siteRows);
    QString error;
    if (!StartupConfig::load(SharedState::get(), QDate(2025, 6, 20), &error))
        qFatal("test installation does not load: %s", qPrintable(error));
}

TempDataRoot::~TempDataRoot()
{
    DataPath::setRoot(previousRoot);
}

QString TempDataRoot::file(const QString& relative) const
{
    const QString path = dir.path() + QLatin1Char('/') + relative;
    QDir().mkpath(QFileInfo(path).absolutePath());
    return path;
}

QString TempDataRoot::write(const QString& relative, const QStringList& lines) const
{
    return TestFixture::writeCp932(file(relative), lines);
}
