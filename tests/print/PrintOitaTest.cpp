#include "PrintFixture.h"
#include "TestFixture.h"
#include "TestRegistry.h"
#include "WindowMouse.h"

#include "common/DataPath.h"
#include "common/LabelButtonArray.h"
#include "common/MsgBox.h"
#include "common/SharedState.h"
#include "common/TextFile.h"
#include "common/TwipGeometry.h"
#include "print/oita_aichi/PrintAichiForm.h"
#include "print/oita_aichi/PrintOita.h"

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QtTest>

namespace {

const QString ClinicA = QStringLiteral("OA,大分県,SiteOitaClinicA,DoctorName=大分 花子,DoctorAd=大分市中央1-1");
const QString ClinicB = QStringLiteral("OB,大分県,SiteOitaClinicB,DoctorName1=大分　一郎,DoctorAd1=大分市東1-1");

void useSite(const QString& row)
{
    SharedState& s = SharedState::get();
    s.Site = SiteProfile::parseRow(row);
    s.SiteKey = s.Site.key;
}

QStringList boxes(const PrintOita& form)
{
    QStringList out;
    for (const QLineEdit* box : form.inpTx)
        out.append(box->text());
    return out;
}

} // namespace

// The print dialogs of 大分県 and 愛知県.
class PrintOitaTest : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;
    QString root;

private slots:
    void initTestCase()
    {
        root = TestFixture::copySample(dir.path());
        SindansyoChart chart;
        chart.exam(0, "7.4.3");
        chart.block.setCell(4, 1, "1");
        chart.write(root);
    }
    void init()
    {
        TestFixture::resetGlobals();
        openSample(root, QStringLiteral("大分県"));
        SharedState::get().CurrentKarteFile = "H7_00010001_1234_0.sxd";
        SharedState::get().PrintJobList = {"H7_00010001_1234_0.sxd'第四胃変位'7.4.3"};
        QFile::remove(PrintOita::lineWidthPath());
    }

    void shapeBySite_data()
    {
        QTest::addColumn<QString>("site");
        QTest::addColumn<int>("height");
        QTest::addColumn<bool>("clinicB");
        QTest::newRow("SiteOitaClinicB") << ClinicB << 3690 << true;
        QTest::newRow("SiteOitaClinicA") << ClinicA << 2895 << false;
    }
    void shapeBySite()
    {
        QFETCH(QString, site);
        QFETCH(int, height);
        QFETCH(bool, clinicB);
        useSite(site);
        TestFixture::writeCp932(PrintOita::lineWidthPath(), {"3", "1"});
        PrintOita form;
        form.show();
        QCOMPARE(form.height(), TwipGeometry::px(height));
        QCOMPARE(form.ShosikiLabel->text(), QStringLiteral("書式：大分県"));
        QCOMPARE(form.CmdGd->at(4)->isVisible(), clinicB);
        QCOMPARE(form.DocFrame->isVisible(), clinicB);
        QCOMPARE(form.ByoCh->isVisible(), clinicB);
        QVERIFY(form.DocOp[0]->isChecked());
        QVERIFY(!form.ByoCh->isChecked());
        QCOMPARE(form.HidukeGd->text(), QString());
        QCOMPARE(form.NenDoGd->text(), QStringLiteral("5"));
        QCOMPARE(boxes(form), (QStringList{"3", "1", "0", "0"}));
        QCOMPARE(form.Label1->text().contains("検案書"), clinicB);
    }

    // The four boxes go to LineWidth.ini trimmed after the print; the choice of veterinarian is
    // kept by print start only.
    void settingsKept()
    {
        useSite(ClinicB);
        auto device = recordPrints();
        {
            PrintOita form;
            form.show();
            form.HidukeGd->setText("R7.5.20");
            const QStringList typed = {"3", " 1 ", "2.5", "-1"};
            for (int i = 0; i < 4; ++i)
                form.inpTx[i]->setText(typed.at(i));
            form.DocOp[1]->setChecked(true);
            QVERIFY(WindowMouse::click(form.CmdGd->at(4)));
            QCOMPARE(MsgBox::log().last().text, QStringLiteral("印刷終了"));
            QVERIFY(WindowMouse::click(form.CmdGd->at(0)));
        }
        QCOMPARE(TestFixture::readCp932(PrintOita::lineWidthPath()), (QStringList{"3", "1", "2.5", "-1"}));
        QCOMPARE(device->ofKind(RecordingPrintDevice::Kind::EndDoc).size(), 1);
        QCOMPARE(device->ops.first().orientation, PrintDevice::Orientation::Landscape);   // mode 4
        {
            PrintOita form;
            QVERIFY(form.DocOp[1]->isChecked());
            QCOMPARE(boxes(form), (QStringList{"3", "1", "2.5", "-1"}));
            form.DocOp[0]->setChecked(true);
            form.CmdGd_Click(0);
        }
        PrintOita again;
        QVERIFY(again.DocOp[1]->isChecked());
    }

    void engineBySite_data()
    {
        QTest::addColumn<QString>("site");
        QTest::addColumn<int>("command");
        QTest::addColumn<int>("paper");
        QTest::newRow("A, chart print") << ClinicA << 1 << int(PrintDevice::Paper::A4);
        QTest::newRow("B, chart print") << ClinicB << 1 << int(PrintDevice::Paper::JisB5);
        QTest::newRow("B, certificate print") << ClinicB << 4 << int(PrintDevice::Paper::A4);
    }
    void engineBySite()
    {
        QFETCH(QString, site);
        QFETCH(int, command);
        QFETCH(int, paper);
        useSite(site);
        auto device = recordPrints();
        PrintOita form;
        form.HidukeGd->setText("R7.5.20");
        form.CmdGd_Click(command);
        QCOMPARE(MsgBox::log().last().text, QStringLiteral("印刷終了"));
        QVERIFY(!device->ops.isEmpty());
        QCOMPARE(int(device->ops.first().paper), paper);
    }

    // A site that is neither Oita site prints nothing and says so, without "印刷終了".
    void otherSite()
    {
        useSite("OITAA,大分県,FixedNouka=本院:大分 太郎:00090001");
        auto device = recordPrints();
        PrintOita form;
        form.HidukeGd->setText("R7.5.20");
        form.CmdGd_Click(1);
        QCOMPARE(MsgBox::log().size(), 1);
        QCOMPARE(MsgBox::log().last().text, QStringLiteral("印刷できません。お問い合わせください。"));
        QVERIFY(device->ops.isEmpty());
    }

    void refusals_data()
    {
        QTest::addColumn<QString>("hiduke");
        QTest::addColumn<QString>("nendo");
        QTest::addColumn<QString>("message");
        QTest::newRow("date") << "?" << "5" << "カルテの日付を入力してください。";
        QTest::newRow("year") << "R7.5.20" << "" << "カルテの年度を入力してください。";
    }
    void refusals()
    {
        QFETCH(QString, hiduke);
        QFETCH(QString, nendo);
        QFETCH(QString, message);
        useSite(ClinicB);
        auto device = recordPrints();
        PrintOita form;
        form.HidukeGd->setText(hiduke);
        form.NenDoGd->setText(nendo);
        form.CmdGd_Click(4);
        QCOMPARE(MsgBox::log().size(), 1);
        QCOMPARE(MsgBox::log().last().text, message);
        QVERIFY(device->ops.isEmpty());
        QVERIFY(!QFile::exists(PrintOita::lineWidthPath()));
    }

    // A settings file that cannot be written is reported after the print, which stands.
    void unwritableSettings()
    {
        useSite(ClinicA);
        auto device = recordPrints();
        PrintOita form;
        form.HidukeGd->setText("R7.5.20");
        QDir().mkpath(PrintOita::lineWidthPath());   // a folder where the file should go
        form.CmdGd_Click(1);
        QCOMPARE(MsgBox::log().size(), 2);
        QCOMPARE(MsgBox::log().at(0).text, QStringLiteral("印刷終了"));
        QVERIFY(MsgBox::log().at(1).text.contains("LineWidth.ini"));
        QCOMPARE(device->ofKind(RecordingPrintDevice::Kind::EndDoc).size(), 1);
        QDir(PrintOita::lineWidthPath()).removeRecursively();
    }

    // Two entries print two certificates, each from a page of its own, and one "印刷終了".
    void aichiTwoEntries()
    {
        SharedState& s = SharedState::get();
        s.setKen("愛知県");
        useSite("AV,愛知県,SiteAichiVet,DoctorName=愛知 次郎,DoctorAd=名古屋市東1-1,ClinicName=東家畜診療所");
        s.PrintJobList = {"H7_00010001_1234_0.sxd'第四胃変位'7.4.3", "H7_00010001_1234_0.sxd'乳房炎'7.4.3",
                          "H7_00010001_1234_0.sxd'第四胃変位'7.4.3"};
        auto device = recordPrints();
        PrintAichiForm form;
        form.show();
        QCOMPARE(form.ShosikiLabel->text(), QStringLiteral("書式：愛知県"));
        QCOMPARE(form.height(), TwipGeometry::px(1815));
        form.HidukeGd->setText("R7.5.20");
        QVERIFY(WindowMouse::click(form.CmdGd->at(1)));
        QCOMPARE(MsgBox::log().size(), 2);
        QCOMPARE(MsgBox::log().at(0).text, QStringLiteral("印刷できません。"));   // the second entry
        QCOMPARE(MsgBox::log().at(1).text, QStringLiteral("印刷終了"));
        QCOMPARE(device->ofKind(RecordingPrintDevice::Kind::NewPage).size(), 2);
        QCOMPARE(device->ofKind(RecordingPrintDevice::Kind::EndDoc).size(), 1);
        QVERIFY(hasFormItem(*device, "山本 一郎", 2, 11, 2, 17 + 137, 20 + 3));
        QCOMPARE(s.Hand.PrintHiduke, QStringLiteral("R7.5.20"));
    }
};

NOLVARI_TEST(PrintOitaTest)
#include "PrintOitaTest.moc"
