#include "BackUpSetup.h"
#include "TestRegistry.h"
#include "WindowMouse.h"

#include "backup/BackUpControls.h"
#include "backup/BackUpForm.h"
#include "backup/VerifiedCopy.h"
#include "common/LabelButtonArray.h"
#include "common/MsgBox.h"
#include "common/RemovableDrives.h"

#include <QDir>
#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QRadioButton>
#include <QtTest>

namespace {
const QString chart = QStringLiteral("H7_00010001_1234_0.sxd");

QString lastMessage()
{
    return MsgBox::log().isEmpty() ? QString() : MsgBox::log().last().text;
}

void start(BackUpForm& form)
{
    MsgBox::clearLog();
    QVERIFY(WindowMouse::click(form.controls->CmdGd->at(1)));
}
} // namespace

class BackUpFormTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { TestFixture::resetGlobals(); VerifiedCopy::setHook(nullptr); }
    void cleanup() { VerifiedCopy::setHook(nullptr); }

    // The sample in 鳥取県: the charts and settings, then the post-mortem data, then, after a
    // chart was edited without a change of length, the charts again; the drive's copy equals the
    // source. The bar moves per file while the labels take no click.
    void tottoriBacksUpChartsAndPostMortemData()
    {
        BackUpInstallation inst("鳥取県,0");
        inst.put("kdata/H7_00010001_1234_0.kdt", "certificate");
        inst.put("kdata/GensyoKouho.ini", "candidates");
        inst.start();
        TestDrive drive;
        BackUpForm form;
        QVERIFY(WindowMouse::showWindow(form.controls->DrvList));
        QVERIFY(form.OptionFrame->isVisible());
        QCOMPARE(form.SentakuOp[0]->text(), QStringLiteral("カルテ"));
        QCOMPARE(form.SentakuOp[1]->text(), QStringLiteral("検案書"));
        QVERIFY(form.controls->WakuFrame[1]->isVisible());
        QCOMPARE(form.controls->DrvList->count(), 1);
        QVERIFY(form.controls->DrvList->item(0)->text().contains(drive.path()));

        QList<int> bars;
        QList<bool> faults;  // a label that took clicks or a hidden bar while a file was written
        VerifiedCopy::setHook([&](VerifiedCopy::Stage stage, const QString&, QByteArray&) {
            if (stage == VerifiedCopy::Stage::Write) {
                bars.append(form.controls->SyoriSp[1]->width());
                faults.append(form.controls->CmdGd->at(0)->isEnabled() || form.controls->CmdGd->at(1)->isEnabled());
                faults.append(!form.controls->WakuFrame[0]->isVisible());
            }
            return 0;
        });
        QVERIFY(WindowMouse::clickRow(form.controls->DrvList, 0));
        start(form);
        QCOMPARE(lastMessage(), QStringLiteral("カルテのバックアップが正常に終了しました。"));
        QCOMPARE(MsgBox::log().last().title, QStringLiteral("バックアップ"));
        QVERIFY(bars.size() > 6);
        QVERIFY(bars.first() < bars.last());
        QVERIFY(!faults.contains(true));
        QVERIFY(form.controls->CmdGd->at(0)->isEnabled());
        QVERIFY(form.controls->WakuFrame[1]->isVisible());
        VerifiedCopy::setHook(nullptr);

        QVERIFY(WindowMouse::click(form.SentakuOp[1]));
        start(form);
        QCOMPARE(lastMessage(), QStringLiteral("検案書のバックアップが正常に終了しました。"));
        QCOMPARE(bytesOf(drive.file("BackUp2/H7_00010001_1234_0.kdt")), QByteArray("certificate"));
        QCOMPARE(bytesOf(drive.file("BackUp2/GensyoKouho.ini")), QByteArray("candidates"));

        const QByteArray edited = sameLengthEdit(bytesOf(inst.file("H7/" + chart)));
        inst.put("H7/" + chart, edited);
        QVERIFY(WindowMouse::click(form.SentakuOp[0]));
        start(form);
        QCOMPARE(lastMessage(), QStringLiteral("カルテのバックアップが正常に終了しました。"));
        QCOMPARE(bytesOf(drive.file("BackUp/" + chart)), edited);
    }

    void runChosenByPrefectureAndOption_data()
    {
        QTest::addColumn<QString>("info");
        QTest::addColumn<bool>("optionShown");
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("second");
        QTest::newRow("茨城県") << "茨城県,IBF1A" << true << int(BackUpPlan::Tiryobo) << int(BackUpPlan::Karte);
        QTest::newRow("鳥取県") << "鳥取県,0" << true << int(BackUpPlan::Karte) << int(BackUpPlan::Kenan);
        QTest::newRow("大分県") << "大分県,OITAA" << false << int(BackUpPlan::Karte) << int(BackUpPlan::Karte);
    }

    void runChosenByPrefectureAndOption()
    {
        QFETCH(QString, info);
        QFETCH(bool, optionShown);
        QFETCH(int, first);
        QFETCH(int, second);
        BackUpInstallation inst(info);
        inst.start();
        TestDrive drive;
        BackUpForm form;
        QCOMPARE(!form.OptionFrame->isHidden(), optionShown);
        QCOMPARE(int(form.chosenKind()), first);
        form.SentakuOp[1]->setChecked(true);
        QCOMPARE(int(form.chosenKind()), second);
    }

    // 茨城県 "治療簿" backs up cb into BackUp2; "カルテ" the charts into BackUp.
    void ibarakiBooksGoToBackUp2()
    {
        BackUpInstallation inst("茨城県,IBF1A");
        inst.put("cb/H7_00010001_1234_0.txb", "book");
        inst.start();
        TestDrive drive;
        BackUpForm form;
        QVERIFY(WindowMouse::clickRow(form.controls->DrvList, 0));
        start(form);
        QCOMPARE(lastMessage(), QStringLiteral("治療簿のバックアップが正常に終了しました。"));
        QCOMPARE(bytesOf(drive.file("BackUp2/H7_00010001_1234_0.txb")), QByteArray("book"));
        QVERIFY(!QFileInfo::exists(drive.file("BackUp")));
    }

    void refusals_data()
    {
        QTest::addColumn<int>("situation");
        QTest::addColumn<QString>("message");
        QTest::newRow("no drive") << 0 << "バックアップ機器が接続されていません。\nまたは電源が入っていません。";
        QTest::newRow("nothing chosen") << 1 << "バックアップドライブを指定してください。";
        QTest::newRow("drive taken out") << 2 << "ディスクが挿入されていません。";
    }

    // Nothing is written on a refusal, and no folder appears where a drive was.
    void refusals()
    {
        QFETCH(int, situation);
        QFETCH(QString, message);
        BackUpInstallation inst("鳥取県,0");
        inst.start();
        TestDrive drive;
        if (situation == 0)
            RemovableDrives::setOverride({});
        BackUpForm form;
        QVERIFY(WindowMouse::showWindow(form.controls->DrvList));
        if (situation == 2) {
            QVERIFY(WindowMouse::clickRow(form.controls->DrvList, 0));
            QVERIFY(QDir(drive.path()).removeRecursively());
        }
        start(form);
        QCOMPARE(MsgBox::log().size(), 1);
        QCOMPARE(lastMessage(), message);
        QCOMPARE(QFileInfo::exists(drive.path()), situation != 2);
        if (situation != 2)
            QVERIFY(QDir(drive.path()).isEmpty());
    }
};

NOLVARI_TEST(BackUpFormTest)
#include "BackUpFormTest.moc"
