#include "PrintFixture.h"
#include "TestFixture.h"
#include "TestRegistry.h"
#include "WindowMouse.h"

#include "common/DataPath.h"
#include "common/LabelButtonArray.h"
#include "common/MsgBox.h"
#include "common/SharedState.h"
#include "print/mie_saga_okinawa/PrintOkinawa.h"

#include <QLabel>
#include <QtTest>

class PrintOkinawaTest : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;
    QString root;

private slots:
    void initTestCase() { root = TestFixture::copySample(dir.path()); }
    void init()
    {
        TestFixture::resetGlobals();
        openSample(root, QStringLiteral("沖縄県"));
    }

    // The heading names the form; the built-in year shows; print start prints the job list
    // into one document and says so.
    void printStart()
    {
        auto device = recordPrints();
        PrintOkinawa form;
        form.show();
        QCOMPARE(form.ShosikiLabel->text(), QStringLiteral("書式：沖縄県"));
        QCOMPARE(form.NenDoGd->text(), QStringLiteral("5"));
        QVERIFY(MsgBox::log().isEmpty());
        form.CmdGd_Click(1);
        QCOMPARE(MsgBox::log().last().text, QStringLiteral("カルテの日付を入力してください。"));
        QVERIFY(device->ops.isEmpty());
        form.HidukeGd->setText("R7.5.20");
        QVERIFY(WindowMouse::click(form.CmdGd->at(1)));
        QCOMPARE(MsgBox::log().last().text, QStringLiteral("印刷終了"));
        QCOMPARE(device->orientation(), PrintDevice::Orientation::Landscape);
        QVERIFY(hasItem(*device, "山本 一郎", 1, 12, 3, 119, 29));
        QCOMPARE(device->ofKind(RecordingPrintDevice::Kind::EndDoc).size(), 1);
    }

    // Missing settings files are named; their values are empty and the window opens.
    void missingSettingsFiles()
    {
        TempDataRoot empty;
        SharedState::get().DoctorInfo = {"古い住所", "古い名前", "9999"};
        PrintOkinawa form;
        QCOMPARE(MsgBox::log().size(), 1);
        const QString text = MsgBox::log().last().text;
        QVERIFY2(text.contains("DocAd.ini") && text.contains("octorname.ini", Qt::CaseInsensitive), qPrintable(text));
        QCOMPARE(SharedState::get().DoctorInfo.DoctorAd, QString());
        form.show();
        QVERIFY(form.isVisible());
    }
};

NOLVARI_TEST(PrintOkinawaTest)
#include "PrintOkinawaTest.moc"
