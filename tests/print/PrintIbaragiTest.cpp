#include "PrintFixture.h"
#include "TestFixture.h"
#include "TestRegistry.h"

#include "common/DataPath.h"
#include "common/LabelButtonArray.h"
#include "common/MsgBox.h"
#include "common/PrintDeviceSource.h"
#include "common/SharedState.h"
#include "common/SiteProfile.h"
#include "common/TwipGeometry.h"
#include "print/ibaraki/PrintIbaragi.h"

#include <QCheckBox>
#include <QDir>
#include <QGroupBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QtTest>

namespace {

const QString Farm0 = QStringLiteral(
    "IBF0,茨城県,SiteIbarakiFarm0,DoctorName1=田中 一郎,DoctorName2=鈴木 二郎,DoctorName3=高橋　三郎,"
    "ClinicLine=北町1-1 北診療所,NewClinicLine=北町1-1 新北診療所,OwnerName=北牧場,OwnerAddress=北町/大字北/1-1,"
    "AreaNumber=12,KumiaiNumber=345");
const QString Okayama = QStringLiteral("OKF,茨城県,SiteOkayamaFarm,DoctorName=岡 次郎,ClinicLine=岡山牧場診療所");
const QString Clinic = QStringLiteral("IBC,茨城県,SiteIbarakiClinic");
const QString Other = QStringLiteral("IBX,茨城県");

class FailingDevice : public RecordingPrintDevice
{
public:
    bool endDoc(QString* errorText) override
    {
        if (errorText)
            *errorText = QStringLiteral("印刷できませんでした（テストプリンタ）。");
        return false;
    }
};

} // namespace

class PrintIbaragiTest : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;
    QString root;

    void useSite(const QString& row)
    {
        SharedState& s = SharedState::get();
        s.Site = SiteProfile::parseRow(row);
        s.SiteRows = {s.Site};
        s.SiteKey = s.Site.key;
    }
    QStringList logLines() { return TestFixture::readCp932(root + "/tcb/7･4.ini"); }

private slots:
    void initTestCase()
    {
        root = TestFixture::copySample(dir.path());
        QDir().mkpath(root + "/tcb");
    }
    void init()
    {
        TestFixture::resetGlobals();
        openSample(root, QStringLiteral("茨城県"));
        QFile::remove(root + "/tcb/7･4.ini");
    }

    // The farm group: both paper boxes, the new clinic name and the kept doctor option ticked at
    // every opening, the options captioned by surname; the window 3150 twips high.
    void farmOpening()
    {
        useSite(Farm0);
        SharedState::get().IbaragiOption1Kioku = 2;
        PrintIbaragi form;
        form.show();
        QVERIFY(form.YousiCh->isChecked() && form.HakusiCh->isChecked() && form.nNameCh->isChecked());
        QVERIFY(form.Option1[2]->isChecked() && !form.Option1[0]->isChecked());
        QCOMPARE(form.Option1[0]->text(), QStringLiteral("田中医師"));
        QCOMPARE(form.Option1[2]->text(), QStringLiteral("高橋医師"));
        QVERIFY(form.WakuFrame->isVisible() && !form.ManryoFrame->isVisible());
        QCOMPARE(form.height(), TwipGeometry::px(3150));
        QCOMPARE(form.ShosikiLabel->text(), QStringLiteral("書式：茨城県"));
        form.Option1[1]->setChecked(true);
        form.CmdGd_Click(0);
        QCOMPARE(SharedState::get().IbaragiOption1Kioku, 1);
    }

    // Another site gets back the paper boxes it closed with; no frame; 2190 twips.
    void otherSiteKeepsPaper()
    {
        useSite(Other);
        {
            PrintIbaragi form;
            QVERIFY(!form.YousiCh->isChecked() && !form.HakusiCh->isChecked());
            form.YousiCh->setChecked(true);
            form.CmdGd_Click(0);
        }
        PrintIbaragi again;
        again.show();
        QVERIFY(again.YousiCh->isChecked() && !again.HakusiCh->isChecked());
        QVERIFY(!again.WakuFrame->isVisible() && !again.ManryoFrame->isVisible());
        QCOMPARE(again.height(), TwipGeometry::px(2190));
    }

    // SiteOkayamaFarm: the premium-expiry boxes from KakekinManryo.ini, the paper boxes locked;
    // "閉る" stores the boxes joined by ":" with every ":" typed into a box removed.
    void okayamaPremiumDate()
    {
        useSite(Okayama);
        TestFixture::writeCp932(PrintIbaragi::kakekinManryoPath(), {"8:3:31"});
        PrintIbaragi form;
        form.show();
        QVERIFY(form.ManryoFrame->isVisible() && !form.WakuFrame->isVisible());
        QCOMPARE(form.kText[0]->text() + form.kText[1]->text() + form.kText[2]->text(), QStringLiteral("8331"));
        QVERIFY(form.YousiCh->isChecked() && !form.YousiCh->isEnabled() && !form.HakusiCh->isEnabled());
        form.kText[0]->setText("9:1");
        form.kText[2]->setText("");
        form.CmdGd_Click(0);
        QCOMPARE(TestFixture::readCp932(PrintIbaragi::kakekinManryoPath()), QStringList{"91:3:"});
    }

    // The clinic prints on blank paper only: another paper is refused with a message and
    // nothing is printed or reported as printed.
    void clinicBlankPaperOnly()
    {
        useSite(Clinic);
        auto device = recordPrints();
        PrintIbaragi form;
        form.HidukeGd->setText("R7.5.20");
        form.YousiCh->setChecked(true);
        form.CmdGd_Click(1);
        QCOMPARE(MsgBox::log().last().text, PrintIbaragi::clinicPaperText());
        QVERIFY(device->ops.isEmpty());
        form.HakusiCh->setChecked(true);
        form.CmdGd_Click(1);
        QCOMPARE(MsgBox::log().last().text, QStringLiteral("印刷終了"));
        QVERIFY(device->findText("上"));   // the drawn form
    }

    // A farm-group print logs the certificate once, also when printed twice; the editor gets the
    // printed veterinarian; a document that could not be ended logs nothing.
    void logAfterTheDocument()
    {
        useSite(Farm0);
        auto device = recordPrints();
        PrintIbaragi form;
        form.HidukeGd->setText("R7.5.20");
        form.Option1[0]->setChecked(true);
        form.CmdGd_Click(1);
        form.CmdGd_Click(1);
        const QStringList lines = logLines();
        QCOMPARE(lines.size(), 1);
        QCOMPARE(lines.at(0).split('\'').size(), 17);
        QCOMPARE(lines.at(0).split('\'').at(13), QStringLiteral("田中 一郎"));
        QCOMPARE(SharedState::get().Hand.IbaragiDocNameOut, QStringLiteral("田中 一郎"));
        QCOMPARE(SharedState::get().IbaragiOption1Kioku, 0);

        QFile::remove(root + "/tcb/7･4.ini");
        auto failing = std::make_shared<FailingDevice>();
        PrintDeviceSource::setFactory([failing](const QString&) { return failing; });
        form.CmdGd_Click(1);
        QVERIFY(!QFile::exists(root + "/tcb/7･4.ini"));
    }

    // SiteIbarakiFarm2B captions its options from its own row and prints and logs the
    // veterinarian of the ticked option from that same row.
    void farm2bShowsWhatItPrints()
    {
        useSite("IBF2B,茨城県,SiteIbarakiFarm2B,DoctorName1=山田 花子,DoctorName2=川口 健,DoctorName3=森 三郎,"
                "ClinicLine=南町2-2 南診療所,NewClinicLine=南町2-2 新南診療所");
        auto device = recordPrints();
        PrintIbaragi form;
        form.HidukeGd->setText("R7.5.20");
        QCOMPARE(form.Option1[1]->text(), QStringLiteral("川口医師"));
        form.Option1[1]->setChecked(true);
        form.CmdGd_Click(1);
        QVERIFY(hasItem(*device, "川口 健", 1, 12, 1, 182.5, 165));
        QVERIFY(hasItem(*device, "南町2-2 新南診療所", 1, 10, 2, 206.5, 161.5));
        QCOMPARE(logLines().size(), 1);
        QCOMPARE(logLines().at(0).split('\'').at(13), QStringLiteral("川口 健"));
    }

    // Missing settings files are named at the opening; the loaded identity is empty.
    void missingSettingsFiles()
    {
        TempDataRoot empty;
        useSite(Other);
        SharedState::get().DoctorInfo = {"古い住所", "古い名前", "9999"};
        PrintIbaragi form;
        QCOMPARE(MsgBox::log().size(), 1);
        const QString text = MsgBox::log().last().text;
        QVERIFY2(text.contains("DocAd.ini") && text.contains("octorname.ini", Qt::CaseInsensitive), qPrintable(text));
        QCOMPARE(SharedState::get().DoctorInfo.DoctorAd, QString());
        QCOMPARE(SharedState::get().DoctorInfo.DoctorName, QString());
    }

    // A certificate whose submission month is empty or cannot name a file still prints; the log
    // is not written and the user is told which episode was not logged.
    void logRefusedMonth_data()
    {
        QTest::addColumn<QString>("month");
        QTest::newRow("empty") << "";
        QTest::newRow("path") << "..\\x";
    }
    void logRefusedMonth()
    {
        QFETCH(QString, month);
        QTemporaryDir other;
        const QString otherRoot = TestFixture::copySample(other.path());
        openSample(otherRoot, QStringLiteral("茨城県"));
        useSite(Farm0);
        SindansyoChart chart;
        chart.exam(0, "7.4.3");
        chart.block.setCell(0, 13, month);
        chart.write(otherRoot);
        auto device = recordPrints();
        PrintIbaragi form;
        form.HidukeGd->setText("R7.5.20");
        form.CmdGd_Click(1);
        QCOMPARE(device->ofKind(RecordingPrintDevice::Kind::NewPage).size(), 1);
        QVERIFY2(MsgBox::log().last().text.contains("第四胃変位 7.4.3"), qPrintable(MsgBox::log().last().text));
        QCOMPARE(QDir(otherRoot + "/tcb").entryList(QDir::Files), QStringList());
        QVERIFY(!QFile::exists(otherRoot + "/x.ini") && !QFile::exists(otherRoot + "/tcb/.ini"));
    }
};

NOLVARI_TEST(PrintIbaragiTest)
#include "PrintIbaragiTest.moc"
