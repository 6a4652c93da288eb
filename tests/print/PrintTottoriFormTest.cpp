#include "PrintFixture.h"
#include "TestFixture.h"
#include "TestRegistry.h"
#include "WindowMouse.h"

#include "common/DataPath.h"
#include "common/LabelButtonArray.h"
#include "common/ModalHost.h"
#include "common/MsgBox.h"
#include "common/PrintDeviceSource.h"
#include "common/SharedState.h"
#include "dialogs/NenGappiForm.h"
#include "print/tottori_miyazaki/PrintTottoriForm.h"

#include <QCheckBox>
#include <QLabel>
#include <QtTest>

namespace {

const QString SampleEntry = QStringLiteral("H7_00010001_1234_0.sxd'第四胃変位'7.4.3");

} // namespace

class PrintTottoriFormTest : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;
    QString root;

private slots:
    void initTestCase() { root = TestFixture::copySample(dir.path()); }
    void init()
    {
        TestFixture::resetGlobals();
        openSample(root, QStringLiteral("鳥取県"));
    }

    // The first opening of a run: no date, the built-in year, the identity of the registers; print
    // start refuses the missing date.
    void firstOpening()
    {
        PrintTottoriForm form;
        form.show();
        QCOMPARE(form.HidukeGd->text(), QString());
        QCOMPARE(form.NenDoGd->text(), QStringLiteral("5"));
        QCOMPARE(SharedState::get().DoctorInfo.DoctorName, QStringLiteral("佐藤 誠"));
        QCOMPARE(SharedState::get().DoctorInfo.DoctorCode, QStringLiteral("1234"));
        auto device = recordPrints();
        QVERIFY(WindowMouse::click(form.CmdGd->at(1)));
        QCOMPARE(MsgBox::log().last().text, QStringLiteral("カルテの日付を入力してください。"));
        QCOMPARE(MsgBox::log().last().title, QStringLiteral("確認"));
        QVERIFY(device->ops.isEmpty());
    }

    // YousiCh and SyusinCh come back at the next opening, ByoCh never does.
    void optionsKept()
    {
        {
            PrintTottoriForm form;
            form.show();
            form.YousiCh->setChecked(true);
            form.SyusinCh->setChecked(true);
            form.ByoCh->setChecked(true);
            QVERIFY(WindowMouse::click(form.CmdGd->at(0)));
            QVERIFY(!form.isVisible());
        }
        PrintTottoriForm again;
        QVERIFY(again.YousiCh->isChecked());
        QVERIFY(again.SyusinCh->isChecked());
        QVERIFY(!again.ByoCh->isChecked());
        again.YousiCh->setChecked(false);
        again.reject();   // closed by the window system: kept all the same
        QCOMPARE(SharedState::get().Hand.TottoriYousiChKioku, 0);
        QCOMPARE(SharedState::get().Hand.TottoriSyusinChKioku, 1);
    }

    // Only a completed date replaces the shown one; print start refuses a date that is not
    // year, month and day.
    void chartDate()
    {
        PrintTottoriForm form;
        ModalHost::setHandler(pickDate({"0", "7", "5", "2", "0"}, 1));
        form.CmdGd_Click(2);
        QCOMPARE(form.HidukeGd->text(), QStringLiteral("R7.5.20"));
        QCOMPARE(SharedState::get().Hand.NenGappiBirthMode, 0);
        ModalHost::setHandler(pickDate({"0", "6", "3", "", ""}, 1));   // no day: kept
        form.CmdGd_Click(2);
        QCOMPARE(form.HidukeGd->text(), QStringLiteral("R7.5.20"));
        ModalHost::setHandler(pickDate({"0", "6", "3", "1", "1"}, 0)); // "閉る": kept
        form.CmdGd_Click(2);
        QCOMPARE(form.HidukeGd->text(), QStringLiteral("R7.5.20"));
        form.HidukeGd->setText("R7.5");
        auto device = recordPrints();
        form.CmdGd_Click(1);
        QCOMPARE(MsgBox::log().last().text, QStringLiteral("カルテの日付を入力してください。"));
        QCOMPARE(SharedState::get().Hand.PrintHiduke, QString());
        QVERIFY(device->ops.isEmpty());
    }

    void chartYear()
    {
        PrintTottoriForm form;
        form.HidukeGd->setText("R7.5.20");
        SindansyoPrintDialog::setNendoPicker([](QWidget*) { SharedState::get().Hand.PrintNendo = ""; });
        form.CmdGd_Click(3);
        QCOMPARE(form.NenDoGd->text(), QString());
        auto device = recordPrints();
        form.CmdGd_Click(1);
        QCOMPARE(MsgBox::log().last().text, QStringLiteral("カルテの年度を入力してください。"));
        QVERIFY(device->ops.isEmpty());
        PrintTottoriForm next;
        QCOMPARE(next.NenDoGd->text(), QStringLiteral("5"));
    }

    // Print start prints the job list into one document, says "印刷終了", keeps the date for the
    // next opening and stays open for another print.
    void printStart()
    {
        auto device = recordPrints();
        PrintTottoriForm form;
        form.show();
        form.HidukeGd->setText("R7.5.20");
        form.YousiCh->setChecked(true);
        QVERIFY(WindowMouse::click(form.CmdGd->at(1)));
        QCOMPARE(MsgBox::log().last().text, QStringLiteral("印刷終了"));
        QCOMPARE(MsgBox::log().last().title, QStringLiteral("印刷"));
        QCOMPARE(form.GuideGd->text(), QString());
        QVERIFY(form.isVisible());
        QCOMPARE(SharedState::get().Hand.PrintHiduke, QStringLiteral("R7.5.20"));
        QVERIFY(hasItem(*device, "山本 一郎", 1, 11, 1, 13.2 + 86, -3.0 + 61));
        QVERIFY(hasCircle(*device, 1, 13.2 + 19.7, -3.0 + 59, 3.0)); // 成乳牛 on the new paper
        QCOMPARE(device->ofKind(RecordingPrintDevice::Kind::EndDoc).size(), 1);
        form.CmdGd_Click(1);
        QCOMPARE(device->ofKind(RecordingPrintDevice::Kind::EndDoc).size(), 2);
        form.CmdGd_Click(0);
        PrintTottoriForm again;
        QCOMPARE(again.HidukeGd->text(), QStringLiteral("R7.5.20"));
    }

    // A chart that cannot be read is reported by name; the next entry still prints.
    void unreadableChartThenNextEntry()
    {
        TestFixture::writeBytes(root + "/H7/H7_00010001_9999_0.sxd", QByteArray("Main'\x81'\r\n"));
        SharedState::get().PrintJobList = {"H7_00010001_9999_0.sxd'肺炎'7.4.1", SampleEntry};
        auto device = recordPrints();
        PrintTottoriForm form;
        form.HidukeGd->setText("R7.5.20");
        form.CmdGd_Click(1);
        QCOMPARE(MsgBox::log().size(), 2);
        QVERIFY(MsgBox::log().at(0).text.startsWith("印刷できません。\n"));
        QVERIFY(MsgBox::log().at(0).text.contains("H7_00010001_9999_0.sxd"));
        QCOMPARE(MsgBox::log().at(0).title, QStringLiteral("確認"));
        QCOMPARE(MsgBox::log().at(1).text, QStringLiteral("印刷終了"));
        QVERIFY(device->findText("山本 一郎"));
        QFile::remove(root + "/H7/H7_00010001_9999_0.sxd");
    }

    // The site named by the veterinarian's name prints its own veterinarian number.
    void siteVeterinarianNumber()
    {
        SharedState::get().SiteRows = SiteProfile::parse({"佐藤,鳥取県,SiteTottoriVetA,FixedDoctorCode=5555"});
        auto device = recordPrints();
        PrintTottoriForm form;
        form.HidukeGd->setText("R7.5.20");
        form.CmdGd_Click(1);
        QCOMPARE(SharedState::get().DoctorInfo.DoctorCode, QStringLiteral("5555"));
        QVERIFY(hasItem(*device, "5555", 1, 11, 1, 13.2 + 37, -3.0 + 273.5));
    }
};

NOLVARI_TEST(PrintTottoriFormTest)
#include "PrintTottoriFormTest.moc"
