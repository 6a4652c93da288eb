#include "BackUpSetup.h"
#include "TestRegistry.h"

#include "backup/BackUpPlan.h"
#include "backup/BackUpRun.h"
#include "backup/BackUpStamp.h"
#include "backup/VerifiedCopy.h"
#include "common/DataPath.h"
#include "common/RemovableDrives.h"
#include "common/SharedState.h"

#include <QDir>
#include <QStorageInfo>
#include <QtTest>

#include <cerrno>

namespace {
const QString chart = QStringLiteral("H7_00010001_1234_0.sxd");

RemovableDrives::Drive driveOf([[maybe_unused]] const TestDrive& drive)
{
    return RemovableDrives::list().first();
}

BackUpRun::Result runKarte(const TestDrive& drive, const QDateTime& when = QDateTime(QDate(2025, 6, 2), QTime(14, 3, 7)))
{
    BackUpRun run(driveOf(drive));
    run.clock = [when] { return when; };
    return run.backUp(BackUpPlan::karte(drive.path()));
}

int settingsCount(const BackUpInstallation& inst)
{
    return int(QDir(inst.file("set")).entryList(QDir::Files).size());
}
} // namespace

class BackUpRunTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { TestFixture::resetGlobals(); VerifiedCopy::setHook(nullptr); }
    void cleanup() { VerifiedCopy::setHook(nullptr); }

    // A new medium gets everything; a second run copies every settings file and no chart; a chart
    // edited without a change of length and a drive copy altered since are both copied again.
    void chartRunCopiesWhatDiffers()
    {
        BackUpInstallation inst("鳥取県,0");
        inst.start();
        TestDrive drive;
        const int charts = int(SharedState::get().KarteFileList.size());
        QCOMPARE(charts, 6);

        BackUpRun::Result result = runKarte(drive);
        QCOMPARE(result.outcome, BackUpRun::Outcome::Done);
        QCOMPARE(result.copied, charts + settingsCount(inst));
        QCOMPARE(bytesOf(drive.file("BackUp/" + chart)), bytesOf(inst.file("H7/" + chart)));
        QCOMPARE(bytesOf(drive.file("BackUp/info.ini")), bytesOf(inst.file("set/info.ini")));

        QCOMPARE(runKarte(drive).copied, settingsCount(inst));

        const QByteArray edited = sameLengthEdit(bytesOf(inst.file("H7/" + chart)));
        inst.put("H7/" + chart, edited);
        TestFixture::writeBytes(drive.file("BackUp/H7_00020001_5678_0.sxd"), "altered on the drive");
        QCOMPARE(runKarte(drive).copied, settingsCount(inst) + 2);
        QCOMPARE(bytesOf(drive.file("BackUp/" + chart)), edited);
        QCOMPARE(bytesOf(drive.file("BackUp/H7_00020001_5678_0.sxd")), bytesOf(inst.file("H7/H7_00020001_5678_0.sxd")));
    }

    // The sources are listed when the run starts: a chart saved after the window opened is taken.
    void chartSavedLaterIsTaken()
    {
        BackUpInstallation inst("鳥取県,0");
        inst.start();
        TestDrive drive;
        inst.put("H7/H7_00030001_9999_0.sxd", "new chart");
        QCOMPARE(runKarte(drive).outcome, BackUpRun::Outcome::Done);
        QCOMPARE(bytesOf(drive.file("BackUp/H7_00030001_9999_0.sxd")), QByteArray("new chart"));
    }

    void stampIsWrittenAndReadBack()
    {
        BackUpInstallation inst("鳥取県,0");
        inst.start();
        TestDrive drive;
        const QDateTime when(QDate(2025, 6, 2), QTime(14, 3, 7));
        QCOMPARE(BackUpStamp::text(when), QStringLiteral("2025/06/0214:03:07"));
        QCOMPARE(runKarte(drive, when).outcome, BackUpRun::Outcome::Done);
        QCOMPARE(bytesOf(drive.file("BackUp/index.ini")), QByteArray("2025/06/0214:03:07\r\n"));
        QCOMPARE(BackUpStamp::read(drive.file("BackUp")), QStringLiteral("2025/06/0214:03:07"));
        TestFixture::writeBytes(drive.file("BackUp/index.ini"), " 2025/06/0214:03:07 ,other\r\nnext\r\n");
        QCOMPARE(BackUpStamp::read(drive.file("BackUp")), QStringLiteral("2025/06/0214:03:07"));
    }

    // A copy failing half way or read back different fails the run with its text; the drive keeps
    // its last good copy and the previous stamp, and no temporary file stays. A lost medium is
    // the device-unavailable failure.
    void failedCopyKeepsTheLastGoodCopy_data()
    {
        QTest::addColumn<int>("writeError");
        QTest::addColumn<bool>("corruptReadBack");
        QTest::addColumn<int>("outcome");
        QTest::addColumn<QString>("message");
        const QString failed = QStringLiteral("カルテのバックアップが正常に終了しませんでした。");
        QTest::newRow("write fails half way") << EIO << false << int(BackUpRun::Outcome::Failed) << failed;
        QTest::newRow("medium full") << ENOSPC << false << int(BackUpRun::Outcome::Failed) << failed;
        QTest::newRow("read back differs") << 0 << true << int(BackUpRun::Outcome::Failed) << failed;
        QTest::newRow("medium lost") << ENOMEDIUM << false << int(BackUpRun::Outcome::DeviceUnavailable)
                                     << QStringLiteral("ディスクが挿入されていません。");
        QTest::newRow("device gone") << ENODEV << false << int(BackUpRun::Outcome::DeviceUnavailable)
                                     << QStringLiteral("ディスクが挿入されていません。");
    }

    void failedCopyKeepsTheLastGoodCopy()
    {
        QFETCH(int, writeError);
        QFETCH(bool, corruptReadBack);
        QFETCH(int, outcome);
        QFETCH(QString, message);
        BackUpInstallation inst("鳥取県,0");
        inst.start();
        TestDrive drive;
        QCOMPARE(runKarte(drive).outcome, BackUpRun::Outcome::Done);
        const QByteArray oldCopy = bytesOf(drive.file("BackUp/" + chart));
        const QByteArray oldStamp = bytesOf(drive.file("BackUp/index.ini"));

        inst.put("H7/" + chart, sameLengthEdit(oldCopy));
        VerifiedCopy::setHook([&](VerifiedCopy::Stage stage, const QString& target, QByteArray& bytes) {
            if (!target.endsWith(chart + ".copying"))
                return 0;
            if (stage == VerifiedCopy::Stage::Write)
                return writeError;
            if (corruptReadBack)
                bytes = sameLengthEdit(bytes);
            return 0;
        });
        const BackUpRun::Result result = runKarte(drive, QDateTime(QDate(2025, 7, 1), QTime(9, 0, 0)));
        QCOMPARE(int(result.outcome), outcome);
        QCOMPARE(BackUpRun::report(BackUpPlan::Karte, result).section('\n', 0, 0), message);
        QCOMPARE(bytesOf(drive.file("BackUp/" + chart)), oldCopy);
        QCOMPARE(bytesOf(drive.file("BackUp/index.ini")), oldStamp);
        for (const QString& name : drive.names("BackUp"))
            QVERIFY2(!name.startsWith('.'), qPrintable(name));

        VerifiedCopy::setHook(nullptr);
        QCOMPARE(runKarte(drive).outcome, BackUpRun::Outcome::Done);
        QCOMPARE(bytesOf(drive.file("BackUp/" + chart)), sameLengthEdit(oldCopy));
    }

    // A drive taken out after it was chosen: nothing is written, no folder appears in its place.
    void removedDriveWritesNothing()
    {
        BackUpInstallation inst("鳥取県,0");
        inst.start();
        TestDrive drive;
        const RemovableDrives::Drive chosen = driveOf(drive);
        QVERIFY(QDir(drive.path()).removeRecursively());
        BackUpRun run(chosen);
        const BackUpRun::Result result = run.backUp(BackUpPlan::karte(drive.path()));
        QCOMPARE(result.outcome, BackUpRun::Outcome::DeviceUnavailable);
        QCOMPARE(BackUpRun::message(BackUpPlan::Karte, result.outcome), QStringLiteral("ディスクが挿入されていません。"));
        QVERIFY(!QFileInfo::exists(drive.path()));
    }

    // An empty or missing source folder fails with the run's text after BackUp2 is made.
    void emptySourceFails_data()
    {
        QTest::addColumn<bool>("folderExists");
        QTest::newRow("empty kdata") << true;
        QTest::newRow("no kdata") << false;
    }

    void emptySourceFails()
    {
        QFETCH(bool, folderExists);
        BackUpInstallation inst("鳥取県,0");
        if (folderExists)
            QDir().mkpath(inst.file("kdata"));
        inst.start();
        TestDrive drive;
        BackUpRun run(driveOf(drive));
        const BackUpRun::Result result = run.backUp(BackUpPlan::kenan(drive.path()));
        QCOMPARE(result.outcome, BackUpRun::Outcome::Failed);
        QCOMPARE(BackUpRun::message(BackUpPlan::Kenan, result.outcome),
                 QStringLiteral("検案書のバックアップが正常に終了しませんでした。"));
        QVERIFY(QFileInfo(drive.file("BackUp2")).isDir());
        QVERIFY(drive.names("BackUp2").isEmpty());
    }

    void folderRunsGoToBackUp2()
    {
        BackUpInstallation inst("茨城県,IBF1A");
        inst.put("cb/H7_00010001_1234_0.txb", "book");
        inst.put("cb/BunbenKouho.ini", "list");
        inst.start();
        TestDrive drive;
        BackUpRun run(driveOf(drive));
        const BackUpRun::Result result = run.backUp(BackUpPlan::tiryobo(drive.path()));
        QCOMPARE(result.outcome, BackUpRun::Outcome::Done);
        QCOMPARE(drive.names("BackUp2"), (QStringList{"BunbenKouho.ini", "H7_00010001_1234_0.txb", "index.ini"}));
        QVERIFY(!QFileInfo::exists(drive.file("BackUp")));
    }

    // 大分県 offers the disks that stay in the machine too, the data folder's among them.
    void fixedDrivesIncludeTheDataVolume()
    {
        BackUpInstallation inst("大分県,OITAA");
        inst.start();
        RemovableDrives::clearOverride();
        const QString dataVolume = QStorageInfo(DataPath::root()).rootPath();
        QList<QString> roots;
        for (const RemovableDrives::Drive& drive : RemovableDrives::list(true))
            roots.append(drive.rootPath);
        QVERIFY2(roots.contains(dataVolume), qPrintable(roots.join(' ')));
        const RemovableDrives::Drive data{dataVolume, QStringLiteral("DATA")};
        QVERIFY(RemovableDrives::isAvailable(data, true));
        QCOMPARE(data.caption(), QStringLiteral("DATA (%1)").arg(dataVolume));
    }
};

NOLVARI_TEST(BackUpRunTest)
#include "BackUpRunTest.moc"
