#include "PrintFixture.h"
#include "TestFixture.h"
#include "TestRegistry.h"
#include "TextFit.h"
#include "WindowMouse.h"

#include "common/DataPath.h"
#include "common/LabelButtonArray.h"
#include "common/MsgBox.h"
#include "common/SharedState.h"
#include "print/mie_saga_okinawa/PrintMieForm.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QtTest>

class PrintMieFormTest : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;
    QString root;

private slots:
    void initTestCase() { root = TestFixture::copySample(dir.path()); }
    void init()
    {
        TestFixture::resetGlobals();
        openSample(root, QStringLiteral("三重県"));
    }

    // The first opening of a run: B4, the breed disabled with ホルスタイン種 chosen, the boxes
    // unticked, no date; every caption shows whole.
    void firstOpening()
    {
        PrintMieForm form;
        form.show();
        QVERIFY(form.SizeOp[1]->isChecked());
        QVERIFY(!form.SizeOp[0]->isChecked());
        QVERIFY(!form.Frame2->isEnabled());
        QVERIFY(form.HinsyuOp[0]->isChecked());
        QVERIFY(!form.YousiCh->isChecked() && !form.KaiCh->isChecked() && !form.DocCh->isChecked());
        QCOMPARE(form.HidukeGd->text(), QString());
        QCOMPARE(form.ShosikiLabel->text(), QStringLiteral("書式：三重県"));
        QVERIFY(MsgBox::log().isEmpty());
        QCOMPARE(TextFit::clipped(&form), QStringList());
        QVERIFY(WindowMouse::click(form.SizeOp[0]));
        QVERIFY(form.Frame2->isEnabled());
        QVERIFY(WindowMouse::click(form.HinsyuOp[4]));
        QVERIFY(form.HinsyuOp[4]->isChecked());
    }

    // The options come back after a print start that passed its checks, not after "閉る"; on A4
    // "空欄" prints no breed but is kept; on B4 the breed is not stored.
    void optionsKeptByPrintStart()
    {
        auto device = recordPrints();
        {
            PrintMieForm form;
            form.show();
            QVERIFY(WindowMouse::click(form.SizeOp[0]));
            QVERIFY(WindowMouse::click(form.HinsyuOp[4]));
            QVERIFY(WindowMouse::click(form.KaiCh));
            QVERIFY(WindowMouse::click(form.DocCh));
            form.CmdGd_Click(1);                                   // no date: refused, nothing kept
            QCOMPARE(MsgBox::log().last().text, QStringLiteral("カルテの日付を入力してください。"));
            QCOMPARE(SharedState::get().MieSizeOpKioku, 0);
            form.HidukeGd->setText("R7.5.20");
            QVERIFY(WindowMouse::click(form.CmdGd->at(1)));
            QCOMPARE(MsgBox::log().last().text, QStringLiteral("印刷終了"));
            QVERIFY(WindowMouse::click(form.YousiCh));              // then closed: not kept
            QVERIFY(WindowMouse::click(form.CmdGd->at(0)));
        }
        QCOMPARE(device->paper(), PrintDevice::Paper::A4);
        QVERIFY(!device->findText("ホルスタイン種"));
        QVERIFY(hasItem(*device, "山本 一郎", 1, 10.5, 1, 139.5, 41));
        PrintMieForm again;
        QVERIFY(again.SizeOp[0]->isChecked());
        QVERIFY(again.Frame2->isEnabled());
        QVERIFY(again.HinsyuOp[4]->isChecked());
        QVERIFY(again.KaiCh->isChecked() && again.DocCh->isChecked() && !again.YousiCh->isChecked());
        QCOMPARE(SharedState::get().MieHinsyuOpKioku, 4);
        again.SizeOp[1]->setChecked(true);
        again.HinsyuOp[2]->setChecked(true);
        again.CmdGd_Click(1);
        QCOMPARE(SharedState::get().MieSizeOpKioku, 0);
        QCOMPARE(SharedState::get().MieHinsyuOpKioku, 4);
        QCOMPARE(device->paper(), PrintDevice::Paper::JisB4);
        QVERIFY(!device->findText("黒毛和種"));
    }

    // The breed chosen on A4 prints.
    void breedOnA4()
    {
        auto device = recordPrints();
        PrintMieForm form;
        form.SizeOp[0]->setChecked(true);
        form.HinsyuOp[2]->setChecked(true);
        form.HidukeGd->setText("R7.5.20");
        form.CmdGd_Click(1);
        QVERIFY(hasItem(*device, "黒毛和種", 1, 9.5, 1, 105, 53.5));
    }

    // Missing settings files are named in one message; their values are empty and the window
    // opens all the same.
    void missingSettingsFiles()
    {
        TempDataRoot empty;
        SharedState::get().DoctorInfo = {"古い住所", "古い名前", "9999"};
        PrintMieForm form;
        QCOMPARE(MsgBox::log().size(), 1);
        const QString text = MsgBox::log().last().text;
        QVERIFY2(text.contains("DocAd.ini") && text.contains("NameCode.ini"), qPrintable(text));
        QVERIFY2(text.contains("octorname.ini", Qt::CaseInsensitive), qPrintable(text));
        QCOMPARE(MsgBox::log().last().title, QStringLiteral("確認"));
        QCOMPARE(SharedState::get().DoctorInfo.DoctorName, QString());
        QCOMPARE(SharedState::get().DoctorInfo.DoctorAd, QString());
        form.show();
        QVERIFY(form.isVisible());
    }

    void shortDoctorFile()
    {
        TempDataRoot other;
        other.useSample();
        TestFixture::writeCp932(other.file("set/DoctorName.ini"), {"佐藤 誠"});
        PrintMieForm form;
        QCOMPARE(MsgBox::log().size(), 1);
        QVERIFY(MsgBox::log().last().text.contains("DoctorName.ini"));
        QCOMPARE(SharedState::get().DoctorInfo.DoctorName, QStringLiteral("佐藤 誠"));
        QCOMPARE(SharedState::get().DoctorInfo.DoctorCode, QString());
    }
};

NOLVARI_TEST(PrintMieFormTest)
#include "PrintMieFormTest.moc"
