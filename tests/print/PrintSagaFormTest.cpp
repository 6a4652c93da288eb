#include "PrintFixture.h"
#include "TestFixture.h"
#include "TestRegistry.h"
#include "WindowMouse.h"

#include "common/DataPath.h"
#include "common/LabelButtonArray.h"
#include "common/MsgBox.h"
#include "common/SharedState.h"
#include "common/TwipGeometry.h"
#include "print/mie_saga_okinawa/PrintSagaForm.h"

#include <QCheckBox>
#include <QLabel>
#include <QtTest>

namespace {

const QString ClinicA = QStringLiteral("有明動物診療所");

} // namespace

class PrintSagaFormTest : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;
    QString root;

    // The sample installation in 佐賀県 at site key siteKey, with the rows of two Saga sites;
    // the registered veterinarian's name is doctorName.
    void install(const QString& siteKey, const QString& doctorName)
    {
        openSample(root, QStringLiteral("佐賀県"));
        TestFixture::writeCp932(root + "/set/SiteProfile.ini",
                                {"SAGA1,佐賀県,SiteSagaClinicA,ClinicName=" + ClinicA
                                     + ",VetName1=古 賀 一,VetName2=中 島 二,VetName3=松 尾 三",
                                 "SAGA3,佐賀県,SiteSagaClinicC,ClinicName=東診療所,VetName=森 一,ClinicAd=鳥栖市2"});
        TestFixture::writeCp932(root + "/set/DoctorName.ini", {doctorName, "1234"});
        SharedState& s = SharedState::get();
        QVERIFY(SiteProfile::load(SiteProfile::filePath(), s.SiteRows, nullptr));
        s.SiteKey = siteKey;
        s.Site = SiteProfile::lookup(s.SiteRows, s.ken, siteKey, QString());
        s.KarteNendo = "7";
    }

    // Picks the chart date and the year, ticks the boxes asked for and starts the print.
    void printWith(PrintSagaForm& form, const QList<int>& ticked)
    {
        form.HidukeGd->setText("R7.5.20");
        form.NenDoGd->setText("6");
        for (int i : ticked) {
            QVERIFY(WindowMouse::click(form.DocCh[i], QPoint(6, form.DocCh[i]->height() / 2)));
            QVERIFY(form.DocCh[i]->isChecked());
        }
        QVERIFY(WindowMouse::click(form.CmdGd->at(1)));
        QCOMPARE(MsgBox::log().last().text, QStringLiteral("印刷終了"));
    }

private slots:
    void initTestCase() { root = TestFixture::copySample(dir.path()); }
    void init() { TestFixture::resetGlobals(); }
    void cleanupTestCase() { DataPath::setRoot(QString()); }

    // A veterinarian other than the clinic: 1890 twips high, the choice out of sight; no
    // year shown, and print start asks for one.
    void withoutChoice()
    {
        install("SAGA3", "佐藤 誠");
        PrintSagaForm form;
        form.show();
        QCOMPARE(form.height(), TwipGeometry::px(1890));
        QVERIFY(form.DocCh[0]->geometry().top() > form.height());
        QVERIFY(!form.ShosikiLabel);
        QCOMPARE(form.NenDoGd->text(), QString());
        QVERIFY(MsgBox::log().isEmpty());
        form.HidukeGd->setText("R7.5.20");
        form.CmdGd_Click(1);
        QCOMPARE(MsgBox::log().last().text, QStringLiteral("カルテの年度を入力してください。"));
    }

    // The clinic's own installation: the three names to choose from, the choice printed and kept
    // by print start, not by "閉る"; the year printed last is shown at the next opening.
    void choiceKept()
    {
        install("SAGA1", ClinicA);
        auto device = recordPrints();
        {
            PrintSagaForm form;
            form.show();
            QCOMPARE(form.height(), TwipGeometry::px(3150));
            QCOMPARE(form.DocCh[2]->text(), QStringLiteral("松 尾 三"));
            QCOMPARE(form.DocLabel->text(), QStringLiteral("○獣医師名（選択）"));
            printWith(form, {2});
            QVERIFY(WindowMouse::click(form.DocCh[0], QPoint(6, 6)));   // then closed: not kept
            QVERIFY(WindowMouse::click(form.CmdGd->at(0)));
        }
        QVERIFY(!device->ofKind(RecordingPrintDevice::Kind::NewPage).isEmpty());
        QVERIFY(hasItem(*device, "松 尾 三", 1, 12, 1, 12 + 205, 238));
        QVERIFY(hasItem(*device, ClinicA, 1, 14, 1, 12 + 196, 234));
        QCOMPARE(SharedState::get().Hand.PrintNendo, QStringLiteral("6"));
        PrintSagaForm again;
        QVERIFY(!again.DocCh[0]->isChecked() && !again.DocCh[1]->isChecked() && again.DocCh[2]->isChecked());
        QCOMPARE(again.NenDoGd->text(), QStringLiteral("6"));
    }

    // At another site the choice shows when the name matches but print start never keeps it.
    void otherSiteKeepsNothing()
    {
        install("SAGA3", ClinicA);
        recordPrints();
        PrintSagaForm form;
        form.show();
        QCOMPARE(form.height(), TwipGeometry::px(3150));
        printWith(form, {1});
        QCOMPARE(SharedState::get().SagaDocChKioku, (std::array<int, 3>{0, 0, 0}));
    }

    // Missing settings files are named; their values are empty and the window opens.
    void missingSettingsFiles()
    {
        TempDataRoot empty;
        SharedState::get().DoctorInfo = {"古い住所", "古い名前", "9999"};
        PrintSagaForm form;
        QCOMPARE(MsgBox::log().size(), 1);
        const QString text = MsgBox::log().last().text;
        QVERIFY2(text.contains("DocAd.ini") && text.contains("octorname.ini", Qt::CaseInsensitive), qPrintable(text));
        QCOMPARE(SharedState::get().DoctorInfo.DoctorName, QString());
        form.show();
        QVERIFY(form.isVisible());
        QCOMPARE(form.height(), TwipGeometry::px(1890));
    }
};

NOLVARI_TEST(PrintSagaFormTest)
#include "PrintSagaFormTest.moc"
