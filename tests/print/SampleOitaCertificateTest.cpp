#include "PdfWords.h"
#include "PrintFixture.h"
#include "TestFixture.h"
#include "TestRegistry.h"
#include "WindowMouse.h"

#include "chart/KarteBlock.h"
#include "common/CodeTableLoader.h"
#include "common/DataPath.h"
#include "common/LabelButtonArray.h"
#include "common/ModalHost.h"
#include "common/MsgBox.h"
#include "common/PrintDeviceSource.h"
#include "common/QtPrintDevice.h"
#include "common/SharedState.h"
#include "common/StartupConfig.h"
#include "dialogs/NenGappiForm.h"
#include "print/PrintDialogOpener.h"
#include "print/oita_aichi/PrintAichiForm.h"
#include "print/oita_aichi/PrintOita.h"

#include <QStandardPaths>
#include <QtTest>

namespace {

// One episode of twelve visits, each with a course text and a treatment line.
SindansyoChart twelveVisits()
{
    SindansyoChart chart("第四胃変位", "7.9.1");
    chart.kotai[1] = "乳用牛(成)";
    chart.kotai[13] = "H7_00010001_7777_0";
    chart.kotai[10] = "7777";
    const QStringList name = {"Name", "", "第四胃変位", "2-15-0", "7.8.31", "7.9.1", "7.9.12", "7.9.13", "治癒", "12"};
    for (int c = 0; c < name.size(); ++c)
        chart.block.setCell(0, c, name.at(c));
    chart.block.setCell(2, 2, "昨日から食欲がない");
    const QStringList data3 = {"Data", "", "925", "93", "890", "782", "983", "875", "9,830"};
    for (int c = 0; c < data3.size(); ++c)
        chart.block.setCell(3, c, data3.at(c));
    for (int j = 0; j < 12; ++j) {
        chart.exam(j, QStringLiteral("7.9.%1").arg(j + 1), "T=38.5 P=70 R=24", "9:0", "9:30",
                   QStringLiteral("経過%1").arg(j + 1));
        chart.block.setCell(KarteBlock::sinsatuRow(j), 1, QString::number(j + 1));
        chart.tiryo(j, 1, {"静脈内注射", "ブドウ糖注射液", "500mL", "1", "300", "15", "13"});
    }
    return chart;
}

const QString Sites[] = {
    QStringLiteral("OA,大分県,SiteOitaClinicA,DoctorName=大分 花子,DoctorAd=大分市中央1-1"),
    QStringLiteral("OB,大分県,SiteOitaClinicB,DoctorName1=大分　一郎,DoctorAd1=大分市東1-1,DoctorName2=別府　二郎,"
                   "DoctorAd2=別府市西2-2,ClinicName=東診療所,ClinicTel=TEL 097-000"),
    QStringLiteral("AV,愛知県,SiteAichiVet,DoctorName=愛知 次郎,DoctorAd=名古屋市東1-1,ClinicName=東家畜診療所,"
                   "KumiaiNumber=23,FixedCode=AB1234"),
};

} // namespace

// The sample installation switched to 大分県 (both sites) and to 愛知県: the episode of twelve
// visits printed through the prefecture's dialog, on the recording device and once as a PDF.
class SampleOitaCertificateTest : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;

    void install(const QString& info)
    {
        const QString root = TestFixture::copySample(dir.path() + "/" + info.section(',', 1));
        DataPath::setRoot(root);
        TestFixture::writeCp932(root + "/set/info.ini", {info});
        QStringList rows = TestFixture::readCp932(root + "/set/SiteProfile.ini");
        TestFixture::writeCp932(root + "/set/SiteProfile.ini", rows << Sites[0] << Sites[1] << Sites[2]);
        TestFixture::writeCp932(root + "/H7/H7_00010001_7777_0.sxd", twelveVisits().lines());
        SharedState& s = SharedState::get();
        QString error;
        QVERIFY2(StartupConfig::load(s, QDate(2025, 9, 20), &error), qPrintable(error));
        QVERIFY(CodeTableLoader::CodeTableLoadProc().ok());
        s.CurrentNouka = {"東谷", "山本 一郎", "00010001", "鳥取県中央市東谷1-2"};
        s.CurrentKarteFile = "H7_00010001_7777_0.sxd";
        s.TwipPerMm = 56.7f;
        s.PrintJobList = {"H7_00010001_7777_0.sxd'第四胃変位'7.9.1"};
    }

    // The dialog as a person drives it: the chart date R7.9.20 in the picker, the print command,
    // close.
    static void driveDialog(int command)
    {
        ModalHost::setHandler([command](QDialog& dialog) {
            if (qobject_cast<NenGappiForm*>(&dialog))
                return pickDate({"0", "7", "9", "2", "0"}, 1)(dialog);
            auto* print = qobject_cast<SindansyoPrintDialog*>(&dialog);
            if (!print)
                return 0;
            WindowMouse::click(print->CmdGd->at(2));
            WindowMouse::click(print->CmdGd->at(command));
            WindowMouse::click(print->CmdGd->at(0));
            return 0;
        });
    }

    static void printedOk()
    {
        QCOMPARE(MsgBox::log().last().title, QStringLiteral("印刷"));
        QVERIFY2(MsgBox::log().last().text.startsWith("印刷終了"), qPrintable(MsgBox::log().last().text));
    }

private slots:
    void init() { TestFixture::resetGlobals(); }

    void oitaClinicA()
    {
        install("大分県,OA");
        auto device = recordPrints();
        driveDialog(1);
        PrintDialogOpener::open(nullptr);
        printedOk();
        QCOMPARE(device->ofKind(RecordingPrintDevice::Kind::NewPage).size(), 3);
        for (int p = 1; p <= 3; ++p) {
            QVERIFY(hasFormItem(*device, "病", p, 14, 2, 13 + 66, 18 - 7.5));
            QVERIFY(hasFormItem(*device, "山本 一郎", p, 11, 2, 13 + 137, 18 + 3));
            QVERIFY(hasFormItem(*device, "20", p, 10, 2, 13 + 45.5, 18 + 212.5));   // R7.9.20
        }
        QVERIFY(hasFormItem(*device, "経過1", 1, 9, 2, 13 + 10, 18 + 54 + 2.5));
        QVERIFY(hasFormItem(*device, "経過12", 3, 9, 2, 13 + 10, 18 + 54 + 29.4 + 2.5));
        QVERIFY(hasFormItem(*device, "静脈注射", 2, 7, 3, 13 + 71, 18 + 54 + 4.5));
        QVERIFY(hasFormItem(*device, "500mL×1", 1, 7.2, 2, 13 + 107.5, 18 + 54 + 4.5));
        QVERIFY(hasFormItem(*device, "9,830", 1, 9.5, 4, 13 + 174, 18 + 222));
        QVERIFY(hasCircle(*device, 1, 13 + 28, 18 + 13.5, 1.2));                    // 乳用牛(成)
        QVERIFY(hasCircle(*device, 1, 13 + 137, 18 + 21, 1.7));                     // 治癒

        if (QStandardPaths::findExecutable("pdftotext").isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed");
        const QString pdf = DataPath::root() + "/certificate.pdf";
        PrintDeviceSource::setFactory([pdf](const QString&) { return QtPrintDevice::toPdf(pdf); });
        driveDialog(1);
        PrintDialogOpener::open(nullptr);
        printedOk();
        int pages = 0;
        const QMap<QString, QPointF> words = PdfWords::topLeftMm(pdf, &pages);
        QCOMPARE(pages, 3);
        for (const QString& word : {QStringLiteral("経過1"), QStringLiteral("9,830"), QStringLiteral("大分市中央1-1")}) {
            const RecordingPrintDevice::Op* op = device->findText(word);
            QVERIFY2(op, qPrintable(word));
            QVERIFY(pdfWordNear(words, word, op->xMm(), op->yMm()));
        }
    }

    void oitaClinicB_data()
    {
        QTest::addColumn<int>("command");
        QTest::addColumn<int>("pages");
        QTest::newRow("chart sheets") << 1 << 3;
        QTest::newRow("prescribed sheet") << 4 << 1;
    }
    void oitaClinicB()
    {
        QFETCH(int, command);
        QFETCH(int, pages);
        install("大分県,OB");
        auto device = recordPrints();
        driveDialog(command);
        PrintDialogOpener::open(nullptr);
        printedOk();
        QCOMPARE(device->ofKind(RecordingPrintDevice::Kind::NewPage).size(), command == 1 ? 3 : 0);
        int last = 1;
        for (const auto& op : device->ofKind(RecordingPrintDevice::Kind::Text))
            last = std::max(last, op.page);
        QCOMPARE(last, pages);
        if (command == 1) {
            const double x0 = 17.5, y0 = 23.5;
            QVERIFY(hasItem(*device, "稟告・", 1, 7.2, 0, x0 + 1.5, y0 + 52.5));
            QVERIFY(hasItem(*device, "経過1", 1, 9.5, 1, x0 + 10.5, y0 + 73 + 3.5));
            QVERIFY(hasItem(*device, "経過4", 2, 9.5, 1, x0 + 10.5, y0 + 34 + 3.5));
            QVERIFY(hasItem(*device, "経過11", 3, 9.5, 1, x0 + 10.5, y0 + 34 + 3.5));
            QVERIFY(hasItem(*device, "3ページ", 3, 9, 1, x0 + 5, y0 + 3));
            QVERIFY(hasItem(*device, "静脈注", 2, 7, 1, x0 + 54, y0 + 34 + 7));
            QVERIFY(hasItem(*device, "大分　一郎", 1, 12, 1, x0 + 62, y0 + 184));
        } else {
            const double x = 18, y = 28;
            QVERIFY(hasItem(*device, "第四胃変位", 1, 10, 1, x + 13, y + 48));
            QVERIFY(hasItem(*device, "7.9.1  経過1", 1, 10.5, 1, x + 7, y + 92));
            QVERIFY(hasItem(*device, "7.9.12  経過12", 1, 10.5, 1, x + 7, y + 92 + 11 * 4.5));
            QVERIFY(hasItem(*device, "20", 1, 12, 3, x + 71, y + 150));
        }
    }

    void aichi()
    {
        install("愛知県,AV");
        auto device = recordPrints();
        driveDialog(1);
        PrintAichiForm form;
        ModalHost::exec(form);
        printedOk();
        QCOMPARE(device->ofKind(RecordingPrintDevice::Kind::NewPage).size(), 2);
        for (int p = 1; p <= 2; ++p) {
            QVERIFY(hasFormItem(*device, "３", p, 8, 2, 17 + 23, 20 + 9));
            QVERIFY(hasFormItem(*device, "東家畜診療所", p, 11, 2, 17 + 32, 20 + 225));
        }
        QVERIFY(hasFormItem(*device, "経過8", 2, 9, 2, 17 + 10, 20 + 54 + 2.5));
        QVERIFY(hasFormItem(*device, "9,830", 2, 9.5, 4, 17 + 174, 20 + 222));
        QVERIFY(!hasFormItem(*device, "9,830", 1, 9.5, 4, 17 + 174, 20 + 222));
    }
};

NOLVARI_TEST(SampleOitaCertificateTest)
#include "SampleOitaCertificateTest.moc"
