#include "PdfWords.h"
#include "PrintFixture.h"
#include "TestFixture.h"
#include "TestRegistry.h"
#include "WindowMouse.h"

#include "chart/NewInputView.h"
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
#include "print/ibaraki/PrintIbaragi.h"
#include "print/mie_saga_okinawa/PrintMieForm.h"
#include "print/mie_saga_okinawa/PrintOkinawa.h"
#include "print/mie_saga_okinawa/PrintSagaForm.h"
#include "print/tottori_miyazaki/PrintMiyazakiForm.h"

#include <QRadioButton>

#include <QCheckBox>
#include <QImage>
#include <QStandardPaths>
#include <QtTest>
#include <functional>

namespace {

// The chart editor as the print dialogs read it.
class OpenChart : public NewInputView
{
public:
    MiyazakiDataGrid grid;
    QStringList kiokuList() const override { return {}; }
    QString mainGdText(int index) const override
    {
        return index == 15 ? QStringLiteral("862") : index == 16 ? QStringLiteral("1234") : QString();
    }
    QString byoName1() const override { return QStringLiteral("第四胃変位"); }
    int dateCh() const override { return 0; }
    int bunsyoCh() const override { return 0; }
    QString sinryoKaiChGdText() const override { return QString(); }
    const MiyazakiDataGrid& dataGrid() const override { return grid; }
    QRect windowRect() const override { return {}; }
};

// Seven examinations with every kind of treatment line, a picture and a PL test. Tottori lines
// hold price and points in fields 7 to 9, Miyazaki lines the treatment and drug codes in 7 and 8.
SindansyoChart sevenExaminations(bool miyazaki)
{
    SindansyoChart chart("第四胃変位", "7.9.1");
    chart.kotai[13] = "H7_00010001_7777_0";
    chart.kotai[10] = "7777";
    const QStringList name = {"Name", "", "第四胃変位", "2-15-0", "7.8.31", "7.9.1", "7.9.7", "7.9.8", "治癒", "7"};
    for (int c = 0; c < name.size(); ++c)
        chart.block.setCell(0, c, name.at(c));
    chart.block.setCell(2, 2, "昨日から食欲がない");
    chart.block.setCell(2, 9, "成乳牛･雌");
    const QStringList data3 = {"Data", "", "925", "93", "890", "782", "983", "875", "9,830"};
    for (int c = 0; c < data3.size(); ++c)
        chart.block.setCell(3, c, data3.at(c));
    for (int j = 0; j < 7; ++j)
        chart.exam(j, QStringLiteral("7.9.%1").arg(j + 1), "T=38.5 P=70 R=24", "9:0", "9:30",
                   QStringLiteral("経過%1").arg(j + 1));
    const auto line = [&chart, miyazaki](int j, int k, const QString& bunrui, const QString& naiyo,
                                         const QString& kikaku, const QString& suryo, const QString& code,
                                         const QString& drug, const QString& b, const QString& a) {
        if (miyazaki)
            chart.tiryo(j, k, {bunrui, naiyo, kikaku, suryo, code, drug, "", b});
        else
            chart.tiryo(j, k, {bunrui, naiyo, kikaku, suryo, "", b, a});
    };
    line(0, 1, "往診", "3km", "", "", "0103", "", "240", "216");
    line(0, 2, "静脈内注射", "ボログルコン酸カルシウム注射液", "500mL", "1", "0502", "1201", "15", "13");
    line(0, 3, "文書", "診断書", "", "", "0901", "", "100", "90");
    line(1, 1, "筋肉内注射", "アンピシリンNa注射用", "1g1V", "2", "0501", "1001", "8", "7");
    line(1, 2, "皮下注射", "ビタミンB1注射液", "10mL1A", "1", "0503", "1101", "8", "7");
    line(2, 1, "経口", "整腸剤", "", "1", "0201", "", "10", "9");
    line(2, 2, "調剤不要", "胃腸薬", "", "1", "0201", "", "10", "9");
    line(3, 1, "処置", "創傷処置", "", "", "0301", "", "30", "27");
    line(3, 2, "検査", "血液検査", "", "", "0401", "", "40", "36");
    line(3, 3, "点数外入力", "特別処置", "", "", "", "", "20", "18");
    line(4, 1, "診療点数無", "生理食塩液", "", "1", "", "", "0", "0");
    line(4, 2, "PLテスト結果", "右前 -  左前 +  右後 -  左後 -", "", "", "", "", "", "");
    line(5, 1, "往診", "同時診療", "", "", "", "", "0", "0");
    chart.block.setCell(KarteBlock::sinsatuRow(4) + 8, 2, "1");
    return chart;
}

SindansyoChart secondEpisode()
{
    SindansyoChart chart("乳房炎", "7.10.1");
    chart.exam(0, "7.10.1", "", "", "", "乳房炎の経過");
    return chart;
}

} // namespace

// The sample installation switched to 鳥取県, 宮崎県 and 三重県, with a site row and a chart of two
// episodes: the chart editor's print command hands the first episode to the prefecture's dialog,
// which prints it onto the recording device and as a PDF.
class SampleCertificateTest : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;
    OpenChart editor;
    bool mieA4 = false;   // the Mie dialog prints on A4 (else B4)
    bool ibarakiYousi = false;   // the Ibaraki paper boxes
    bool ibarakiHakusi = false;
    // Opens the prefecture's dialog as the chart editor's print command does; the dialogs that
    // no window opens are opened directly.
    std::function<void()> opener = [] { PrintDialogOpener::open(nullptr); };

    void install(const QString& info, const QString& siteRow, bool miyazaki)
    {
        const QString root = TestFixture::copySample(dir.path() + "/" + info.section(',', 0, 0));
        DataPath::setRoot(root);
        TestFixture::writeCp932(root + "/set/info.ini", {info});
        QStringList rows = TestFixture::readCp932(root + "/set/SiteProfile.ini");
        TestFixture::writeCp932(root + "/set/SiteProfile.ini", rows << siteRow);
        QImage picture(40, 30, QImage::Format_RGB32);
        picture.fill(Qt::black);
        QDir().mkpath(root + "/pict");
        QVERIFY(picture.save(root + "/pict/Pict_0.bmp"));
        const SindansyoChart chart = sevenExaminations(miyazaki);
        TestFixture::writeCp932(root + "/H7/H7_00010001_7777_0.sxd", chart.lines() + secondEpisode().block.lines());
        SharedState& s = SharedState::get();
        QString error;
        QVERIFY2(StartupConfig::load(s, QDate(2025, 9, 20), &error), qPrintable(error));
        QVERIFY(CodeTableLoader::CodeTableLoadProc().ok());
        editor.grid = MiyazakiDataGrid::fromTables(s.Tables.YakkaMiyazakiTable, s.Tables.SinryoMiyazakiTable);
        // What the editor's print command does before it opens the dialog.
        s.CurrentNouka = {"東谷", "山本 一郎", "00010001", "鳥取県中央市東谷1-2"};
        s.CurrentKarteFile = "H7_00010001_7777_0.sxd";
        s.OpenEditor = &editor;
        s.TwipPerMm = 56.7f;
        s.PrintJobList = {"H7_00010001_7777_0.sxd'第四胃変位'7.9.1"};
    }

    // The dialog as a person drives it: the chart date R7.9.20 in the picker, the options, print
    // start, close.
    void printFromTheDialog(const QList<int>& options)
    {
        ModalHost::setHandler([this, options](QDialog& dialog) {
            if (qobject_cast<NenGappiForm*>(&dialog))
                return pickDate({"0", "7", "9", "2", "0"}, 1)(dialog);
            auto* print = qobject_cast<SindansyoPrintDialog*>(&dialog);
            if (!print)
                return 0;
            WindowMouse::click(print->CmdGd->at(2));
            if (auto* mz = qobject_cast<PrintMiyazakiForm*>(print)) {
                for (int i : options)
                    WindowMouse::click(mz->PrintCh[i]);
            }
            if (auto* mie = qobject_cast<PrintMieForm*>(print))
                WindowMouse::click(mie->SizeOp[mieA4 ? 0 : 1]);
            if (auto* ib = qobject_cast<PrintIbaragi*>(print)) {
                if (ib->YousiCh->isChecked() != ibarakiYousi)
                    WindowMouse::click(ib->YousiCh);
                if (ib->HakusiCh->isChecked() != ibarakiHakusi)
                    WindowMouse::click(ib->HakusiCh);
            }
            WindowMouse::click(print->CmdGd->at(1));
            WindowMouse::click(print->CmdGd->at(0));
            return 0;
        });
        opener();
        QCOMPARE(MsgBox::log().last().title, QStringLiteral("印刷"));
        QVERIFY2(MsgBox::log().last().text.startsWith("印刷終了"), qPrintable(MsgBox::log().last().text));
    }

    QString printPdf(const QList<int>& options)
    {
        const QString pdf = DataPath::root() + "/certificate.pdf";
        PrintDeviceSource::setFactory([pdf](const QString&) { return QtPrintDevice::toPdf(pdf); });
        printFromTheDialog(options);
        return pdf;
    }

private slots:
    void init()
    {
        TestFixture::resetGlobals();
        opener = [] { PrintDialogOpener::open(nullptr); };
    }

    void tottori()
    {
        install("鳥取県,0", "", false);
        auto device = recordPrints();
        printFromTheDialog({});
        const double X0 = 13.2, Y0 = -3.0;
        QCOMPARE(device->ofKind(RecordingPrintDevice::Kind::NewPage).size(), 2);
        for (int page : {1, 2}) {
            QVERIFY(hasItem(*device, "山本 一郎", page, 11, 1, X0 + 86, Y0 + 61));
            QVERIFY(hasItem(*device, QString::number(page), page, 14, 1, X0 + 120, Y0 + 19));
            QVERIFY(hasItem(*device, "20", page, 10, 1, X0 + 66, Y0 + 260));   // the chart date
        }
        QVERIFY(hasItem(*device, "H30", 1, 8, 1, X0 + 106.5, Y0 + 37));
        QVERIFY(hasItem(*device, "第四胃変位", 1, 8.5, 1, X0 + 7, 68.5));
        QVERIFY(hasItem(*device, "3", 1, 8.8, 1, X0 + 77, 116));
        QVERIFY(hasItem(*device, "静脈注", 1, 8.8, 1, X0 + 64.5, 121.5));
        QVERIFY(hasItem(*device, "筋肉注", 1, 8.8, 1, X0 + 64.5, 151 + 7));
        QVERIFY(hasItem(*device, "皮下注", 1, 8.8, 1, X0 + 64.5, 151 + 7 + 2.9));
        QVERIFY(hasItem(*device, "調剤無", 1, 8.8, 1, X0 + 64.5, 175 + 7 + 2.9));
        QVERIFY(hasItem(*device, "点数外", 1, 8.8, 1, X0 + 64.5, 199 + 7 + 2 * 2.9));
        QVERIFY(!hasItem(*device, "診療点数無", 1, 8.8, 1, X0 + 64.5, 223 + 7));
        QVERIFY(hasItem(*device, "生理食塩液×1", 1, 8.8, 1, X0 + 75, 223 + 7));
        QCOMPARE(device->ofKind(RecordingPrintDevice::Kind::Picture).size(), 1);
        QVERIFY(hasItem(*device, "同時診療", 2, 8, 1, X0 + 74, 112 + 4));
        QVERIFY(hasItem(*device, "7", 2, 9, 1, X0 + 2, 151 + 20));             // examination 7
        QVERIFY(hasItem(*device, "925", 2, 10, 2, X0 + 145, Y0 + 255));
        QVERIFY(hasItem(*device, "8,750", 2, 10, 2, X0 + 175, Y0 + 275));
        QVERIFY(hasItem(*device, "100", 2, 9, 2, X0 + 161, Y0 + 246.5));
        QVERIFY(!device->findText("乳房炎の経過"));

        if (QStandardPaths::findExecutable("pdftotext").isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed");
        int pages = 0;
        const QMap<QString, QPointF> words = PdfWords::topLeftMm(printPdf({}), &pages);
        QCOMPARE(pages, 2);
        QVERIFY(pdfWordNear(words, "山本", X0 + 86, Y0 + 61 - 11.0 / 6));
        QVERIFY(pdfWordNear(words, "H30", X0 + 106.5, Y0 + 37 - 8.0 / 6));
        QVERIFY(pdfWordNear(words, "9,830", X0 + 148 - 10.0 / 6 * 5, Y0 + 275 - 10.0 / 6));
    }

    // Seven visits on the B4 form and on A4: two pages, the header on the first, the totals on
    // the second, the veterinarian and the chart date on both.
    void mie()
    {
        install("三重県,MIE", "", false);
        auto device = recordPrints();
        printFromTheDialog({});
        QCOMPARE(device->paper(), PrintDevice::Paper::JisB4);
        QCOMPARE(device->ofKind(RecordingPrintDevice::Kind::NewPage).size(), 2);
        for (int page : {1, 2}) {
            QVERIFY(hasItem(*device, "1234", page, 12, 1, 114, 325));
            QVERIFY(hasItem(*device, "20", page, 10, 1, 92, 307));             // the chart date
        }
        QVERIFY(hasItem(*device, "山本 一郎", 1, 11, 1, 169, 55.5));
        QVERIFY(!hasItem(*device, "山本 一郎", 2, 11, 1, 169, 55.5));
        QVERIFY(hasItem(*device, "第四胃変位", 1, 8.5, 1, 23.5, 90));
        QVERIFY(hasItem(*device, "経過6", 1, 10, 1, 24, 272.2 + 8));
        QVERIFY(hasItem(*device, "7", 2, 9, 1, 18, 134.5 + 25));             // visit 7, day 7
        QVERIFY(hasItem(*device, "925", 2, 9.5, 2, 194, 301.5));
        QVERIFY(!hasItem(*device, "925", 1, 9.5, 2, 194, 301.5));
        QCOMPARE(device->ofKind(RecordingPrintDevice::Kind::Picture).size(), 1);

        mieA4 = true;
        printFromTheDialog({});
        mieA4 = false;
        QCOMPARE(device->paper(), PrintDevice::Paper::A4);
        QVERIFY(hasItem(*device, "山本 一郎", 3, 10.5, 1, 139.5, 41));
        QVERIFY(hasItem(*device, "925", 4, 9.5, 2, 162, 237));

        if (QStandardPaths::findExecutable("pdftotext").isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed");
        int pages = 0;
        QMap<QString, QPointF> words = PdfWords::topLeftMm(printPdf({}), &pages);
        QCOMPARE(pages, 2);
        QVERIFY(pdfWordNear(words, "山本", 169, 55.5 - 11.0 / 6));
        QVERIFY(pdfWordNear(words, "H30", 113, 62 - 10.0 / 6));
        QVERIFY(pdfWordNear(words, "925", 194 - 9.5 / 6 * 3, 301.5 - 9.5 / 6));
        mieA4 = true;
        words = PdfWords::topLeftMm(printPdf({}), &pages);
        mieA4 = false;
        QCOMPARE(pages, 2);
        QVERIFY(pdfWordNear(words, "山本", 139.5, 41 - 10.5 / 6));
        QVERIFY(pdfWordNear(words, "925", 162 - 9.5 / 6 * 3, 237 - 9.5 / 6));
    }

    // Eight visits at a farm-group site on the old form, the new form and blank paper: two pages
    // each, the drawn form under the blank-paper data; printed twice, one log line; the printed
    // veterinarian handed to the editor. At the clinic only blank paper prints.
    void ibaraki()
    {
        install("茨城県,IBF0",
                "IBF0,茨城県,SiteIbarakiFarm0,DoctorName1=田中 一郎,DoctorName2=鈴木 二郎,DoctorName3=高橋 三郎,"
                "ClinicLine=北町1-1 北診療所,NewClinicLine=北町1-1 新北診療所,OwnerName=北牧場,"
                "OwnerAddress=北町/大字北/1-1,AreaNumber=12,KumiaiNumber=345",
                false);
        SindansyoChart chart = sevenExaminations(false);
        chart.exam(7, "7.9.8", "", "", "", "経過8");
        chart.kotai[6] = "はなこ:0123";
        chart.block.setCell(0, 13, "7･9");
        TestFixture::writeCp932(DataPath::root() + "/H7/H7_00010001_7777_0.sxd", chart.lines());
        QDir().mkpath(DataPath::root() + "/tcb");
        auto device = recordPrints();
        const struct { bool yousi, hakusi; const char* fee; } papers[] = {{false, false, "100"}, {true, false, "130"},
                                                                         {true, true, "100"}};
        int first = 1;
        for (const auto& paper : papers) {
            ibarakiYousi = paper.yousi;
            ibarakiHakusi = paper.hakusi;
            printFromTheDialog({});
            QCOMPARE(device->ofKind(RecordingPrintDevice::Kind::NewPage).size(), first + 1);
            for (int page : {first, first + 1}) {
                QVERIFY(hasItem(*device, "北牧場", page, 11, 2, 270.5, 34));
                QVERIFY(hasItem(*device, "鈴木 二郎", page, 12, 1, 182.5, 165));   // the option preset at start-up
                QVERIFY(hasItem(*device, QStringLiteral("No-%1/2").arg(page - first + 1), page, 13, 1, 259.5, 16));
            }
            QVERIFY(hasItem(*device, "第四胃変位", first, 9, 1, paper.hakusi ? 27.5 : 28, paper.hakusi ? 51.5 : 51));
            QVERIFY(hasItem(*device, "20", first + 1, 11, 2, 192.5, 150.5));    // the chart date
            QVERIFY(hasItem(*device, "925", first + 1, 10.5, 2, 238.5, 153));
            QVERIFY(hasItem(*device, "8", first + 1, 10.5, 1, 20, 128));         // exam 8 in box 1
            QVERIFY(hasItem(*device, "経過7", first + 1, 9.7, 1, 26.5, 89));
            if (!paper.hakusi)
                QVERIFY(hasItem(*device, paper.fee, first + 1, 9.5, 2, 127, 116));
            first += 2;
        }
        // Blank paper: the form's frame first on each page, then the data.
        const QList<RecordingPrintDevice::Op> ops = device->ops;
        int frameAt = -1, ownerAt = -1;
        for (int i = 0; i < ops.size(); ++i) {
            if (ops.at(i).page == 5 && ops.at(i).kind == RecordingPrintDevice::Kind::Line && frameAt < 0)
                frameAt = i;
            if (ops.at(i).page == 5 && ops.at(i).text == "北牧場" && ownerAt < 0)
                ownerAt = i;
        }
        QVERIFY(frameAt >= 0 && frameAt < ownerAt);
        QCOMPARE(SharedState::get().Hand.IbaragiDocNameOut, QStringLiteral("鈴木 二郎"));
        QCOMPARE(TestFixture::readCp932(DataPath::root() + "/tcb/7･9.ini").size(), 1);

        if (!QStandardPaths::findExecutable("pdftotext").isEmpty()) {
            int pages = 0;
            const QMap<QString, QPointF> words = PdfWords::topLeftMm(printPdf({}), &pages);
            QCOMPARE(pages, 2);
            QVERIFY(pdfWordNear(words, "925", 238.5 - 10.5 / 6 * 3, 153 - 10.5 / 6));
            QVERIFY(pdfWordNear(words, "北牧場", 270.5 - 11.0 / 6 * 6, 34 - 11.0 / 6));
        }

        // The clinic: the new form is refused, blank paper prints.
        SharedState& s = SharedState::get();
        s.Site = SiteProfile::parseRow("IBC,茨城県,SiteIbarakiClinic");
        s.SiteRows = {s.Site};
        s.SiteKey = "IBC";
        device = recordPrints();
        const qsizetype before = 0;
        ibarakiYousi = true;
        ibarakiHakusi = false;
        ModalHost::setHandler([this](QDialog& dialog) {
            auto* print = qobject_cast<PrintIbaragi*>(&dialog);
            if (!print)
                return pickDate({"0", "7", "9", "2", "0"}, 1)(dialog);
            WindowMouse::click(print->CmdGd->at(2));
            if (print->HakusiCh->isChecked())
                WindowMouse::click(print->HakusiCh);
            WindowMouse::click(print->CmdGd->at(1));
            WindowMouse::click(print->CmdGd->at(0));
            return 0;
        });
        PrintDialogOpener::open(nullptr);
        QCOMPARE(MsgBox::log().last().text, PrintIbaragi::clinicPaperText());
        QCOMPARE(device->ops.size(), before);
        ibarakiHakusi = true;
        printFromTheDialog({});
        QVERIFY(device->ops.size() > before);
    }

    // Seven examinations on the Saga form, B4 landscape: two pages, examination 7 in the first
    // box of the second; the year is picked in the dialog (no built-in one).
    void saga()
    {
        install("佐賀県,0", "", false);
        opener = [] {
            SharedState::get().Hand.PrintNendo = "6";
            PrintSagaForm form;
            ModalHost::exec(form);
        };
        auto device = recordPrints();
        printFromTheDialog({});
        const double B = 12;
        QCOMPARE(device->paper(), PrintDevice::Paper::JisB4);
        QCOMPARE(device->orientation(), PrintDevice::Orientation::Landscape);
        QCOMPARE(device->ofKind(RecordingPrintDevice::Kind::NewPage).size(), 2);
        for (int page : {1, 2}) {
            QVERIFY(hasItem(*device, "山本 一郎", page, 11, 1, B + 114, 34));
            QVERIFY(hasItem(*device, "20", page, 9, 1, B + 217, 210));         // the chart date
            QVERIFY(hasItem(*device, "佐藤 誠", page, 14, 1, B + 212, 238));
        }
        QVERIFY(hasItem(*device, "第四胃変位 2-15-0", 1, 10, 1, B + 3, 72));
        QVERIFY(hasItem(*device, "経過1", 1, 10, 1, B + 3, 152));
        QVERIFY(hasItem(*device, "7", 2, 9, 1, B + 7, 145));                   // examination 7, day 7
        QVERIFY(hasItem(*device, "925", 1, 10, 2, B + 302.5, 197));
        QCOMPARE(device->ofKind(RecordingPrintDevice::Kind::Picture).size(), 1);

        if (QStandardPaths::findExecutable("pdftotext").isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed");
        int pages = 0;
        const QMap<QString, QPointF> words = PdfWords::topLeftMm(printPdf({}), &pages);
        QCOMPARE(pages, 2);
        QVERIFY(pdfWordNear(words, "山本", B + 114, 34 - 11.0 / 6));
        QVERIFY(pdfWordNear(words, "925", B + 302.5 - 10.0 / 6 * 3, 197 - 10.0 / 6));
    }

    // Seven visits on the drawn Okinawa form, A4 landscape: two pages, each with its form and
    // page number, visit 6 in the first box of the second, the totals on the second.
    void okinawa()
    {
        install("沖縄県,OKC", "OKC,沖縄県,SiteOkinawaClinic,DoctorName=比嘉太郎,DoctorCode=****,"
                              "DoctorAd=南風原町字兼城1,ClinicName=南風原診療所,VetNameSpaced=比 嘉 太 郎", false);
        opener = [] {
            PrintOkinawa form;
            ModalHost::exec(form);
        };
        auto device = recordPrints();
        printFromTheDialog({});
        QCOMPARE(device->paper(), PrintDevice::Paper::A4);
        QCOMPARE(device->orientation(), PrintDevice::Orientation::Landscape);
        QCOMPARE(device->ofKind(RecordingPrintDevice::Kind::NewPage).size(), 2);
        for (int page : {1, 2}) {
            QVERIFY(hasItem(*device, "山本 一郎", page, 12, 3, 119, 29));
            QVERIFY(hasItem(*device, "20", page, 9.5, 3, 126.5, 147));        // the chart date
            QVERIFY(hasItem(*device, "南風原診療所", page, 14, 1, 66, 165));
            QVERIFY(hasItem(*device, QStringLiteral("No. %1/2").arg(page), page, 8.2, 0, 251, 4.5));
        }
        QVERIFY(hasItem(*device, "第四胃変位 2-15-0", 1, 8.5, 1, 37, 79));
        QVERIFY(hasItem(*device, "静注", 1, 8.5, 1, 183, 24));
        QVERIFY(hasItem(*device, "6", 2, 10, 3, 141.5, 33));                  // visit 6, day 6
        QVERIFY(hasItem(*device, "925", 2, 10, 2, 244, 178.5));
        QVERIFY(!hasItem(*device, "925", 1, 10, 2, 244, 178.5));
        QCOMPARE(device->ofKind(RecordingPrintDevice::Kind::Picture).size(), 1);
        QCOMPARE(SharedState::get().DoctorInfo.DoctorName, QStringLiteral("比嘉太郎"));

        if (QStandardPaths::findExecutable("pdftotext").isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed");
        int pages = 0;
        const QMap<QString, QPointF> words = PdfWords::topLeftMm(printPdf({}), &pages);
        QCOMPARE(pages, 2);
        QVERIFY(pdfWordNear(words, "南風原診療所", 66, 165 - 14.0 / 6));
        QVERIFY(pdfWordNear(words, "925", 244 - 10.0 / 6 * 3, 178.5 - 10.0 / 6));
    }

    void miyazaki()
    {
        install("宮崎県,MZA", "MZA,宮崎県,SiteMiyazakiVetA,FixedDoctorCode=8888", true);
        auto device = recordPrints();
        printFromTheDialog({0, 4, 5});
        QCOMPARE(device->ofKind(RecordingPrintDevice::Kind::NewPage).size(), 3);
        QVERIFY(hasItem(*device, "山本 一郎", 1, 16, 1, 148.0, 64.5));
        QVERIFY(hasItem(*device, "H30", 1, 8, 1, 115.5, 46.5));
        QVERIFY(hasDigit(*device, 1, '8', 56.2, 25.5));                         // the site's number
        QVERIFY(hasDigit(*device, 3, '3', 25.5, 26.0));                         // page 3
        QVERIFY(hasItem(*device, "240", 1, 10, 2, 198.0, 116.5 + 10));          // house-call points
        QVERIFY(hasItem(*device, "624", 1, 10, 2, 185.0, 168 + 11));            // 2 x 312 yen
        QVERIFY(hasItem(*device, "整腸剤", 1, 9, 1, 101.0, 213 + 11));
        QVERIFY(hasItem(*device, "経過7", 3, 10.5, 1, 19.0, 116.5 + 17));
        QCOMPARE(device->ofKind(RecordingPrintDevice::Kind::Picture).size(), 1);
        for (const auto& op : device->ofKind(RecordingPrintDevice::Kind::Text)) {
            if (op.text == "佐藤 誠" || op.text == "1,234")
                QCOMPARE(op.page, 3);
        }
        QVERIFY(hasItem(*device, "佐藤 誠", 3, 12, 1, 108.0, 283.5));
        QVERIFY(hasItem(*device, "20", 3, 9, 1, 58.0, 266.5));                  // the chart date
        QVERIFY(hasItem(*device, "1,234", 3, 10, 2, 195.0, 260.5));
        QVERIFY(hasItem(*device, "985", 3, 10, 2, 195.0, 268.5));               // 123 + 862

        if (QStandardPaths::findExecutable("pdftotext").isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed");
        int pages = 0;
        const QMap<QString, QPointF> words = PdfWords::topLeftMm(printPdf({}), &pages);
        QCOMPARE(pages, 3);
        QVERIFY(pdfWordNear(words, "山本", 148.0, 64.5 - 16.0 / 6));
        QVERIFY(pdfWordNear(words, "H30", 115.5, 46.5 - 8.0 / 6));
        QVERIFY(pdfWordNear(words, "1,234", 195.0 - 10.0 / 6 * 5, 260.5 - 10.0 / 6));
    }
};

NOLVARI_TEST(SampleCertificateTest)
#include "SampleCertificateTest.moc"
