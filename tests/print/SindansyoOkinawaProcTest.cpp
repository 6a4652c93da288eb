#include "PrintFixture.h"
#include "TestFixture.h"
#include "TestRegistry.h"

#include "common/DataPath.h"
#include "common/SharedState.h"
#include "common/SharedUtil.h"
#include "print/mie_saga_okinawa/OkinawaSinsatuProc.h"
#include "print/mie_saga_okinawa/SindansyoOkinawaProc.h"

#include <QtTest>

namespace {

// An episode of three visits: a house call, an injection with standard and quantity, two
// diseases with dates, report and cause, last calving and totals.
SindansyoChart okinawaChart()
{
    SindansyoChart chart;
    const QStringList name = {"Name", "", "第四胃変位", "5-12-0", "7.4.2", "7.4.3", "7.4.20", "7.4.25", "中止", "3"};
    for (int c = 0; c < name.size(); ++c)
        chart.block.setCell(0, c, name.at(c));
    const QStringList data1 = {"Data", "", "ケトーシス", "3-4-0", "7.4.5", "7.4.6", "7.4.9", "7.4.10", "", "2",
                               "", "", "R6.6.12"};
    for (int c = 0; c < data1.size(); ++c)
        chart.block.setCell(1, c, data1.at(c));
    chart.block.setCell(2, 2, "食欲不振");
    chart.block.setCell(2, 5, "分娩後");
    const QStringList data3 = {"Data", "", "12345", "200", "890", "782", "983", "875", "9,830"};
    for (int c = 0; c < data3.size(); ++c)
        chart.block.setCell(3, c, data3.at(c));
    chart.exam(0, "7.4.3", "T=39.2 P=84 R=32", "9:0", "10:30", "食欲廃絶");
    chart.tiryo(0, 1, {"往診", "3.5km", "", "", "", "60", "54"});
    chart.tiryo(0, 2, {"静脈内注射", "カルシウム剤", "500ml", "(2)", "320", "60", "36"});
    chart.tiryo(0, 3, {"往診", "同時診療", "", "", "", "9", "9"});
    chart.exam(1, "7.4.4");
    chart.exam(2, "7.4.6");
    return chart;
}

const QString ClinicRow = QStringLiteral(
    "OKC,沖縄県,SiteOkinawaClinic,DoctorName=比嘉太郎,DoctorCode=****,DoctorAd=南風原町字兼城1,"
    "ClinicName=南風原診療所,VetNameSpaced=比 嘉 太 郎");

} // namespace

class SindansyoOkinawaProcTest : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;
    QString root;

    SindansyoPrintContext context() { return sampleContext(Ken::Okinawa); }

    RecordingPrintDevice print(const SindansyoChart& chart, const SindansyoPrintContext& c, int mode = 0)
    {
        const QString fileName = QStringLiteral("H7_00010001_1234_0.sxd");
        chart.write(DataPath::root(), fileName);
        RecordingPrintDevice device;
        device.assumePicturesExist = true;
        const auto result = SindansyoOkinawaProc::print(device, c, {fileName, chart.block.cell(0, 2), "7.4.3"}, mode);
        if (!result.refusal.isEmpty())
            qWarning("%s", qPrintable(result.refusal));
        return device;
    }

private slots:
    void initTestCase() { root = TestFixture::copySample(dir.path()); }
    void init()
    {
        TestFixture::resetGlobals();
        DataPath::setRoot(root);
    }

    // The data items of a one-page certificate over the drawn form: text, size, alignment and
    // point in mm on the paper.
    void items_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("size");
        QTest::addColumn<int>("align");
        QTest::addColumn<double>("x");
        QTest::addColumn<double>("y");
        QTest::newRow("birth year") << "30" << 10.0 << 3 << 68.0 << 61.0;
        QTest::newRow("birth day") << "15" << 10.0 << 3 << 81.0 << 61.0;
        QTest::newRow("farmer address") << "鳥取県中央市東谷1-2" << 10.0 << 3 << 76.0 << 29.0;
        QTest::newRow("farmer name") << "山本 一郎" << 12.0 << 3 << 119.0 << 29.0;
        QTest::newRow("farmer number") << SharedUtil::CodeHenkanProc("00010001") << 11.0 << 3 << 96.5 << 39.5;
        QTest::newRow("area number") << "01" << 12.0 << 3 << 40.0 << 39.5;
        QTest::newRow("association number") << "101" << 12.0 << 3 << 67.0 << 39.5;
        QTest::newRow("animal name and tag") << "はなこ  1234" << 10.0 << 3 << 55.0 << 69.0;
        QTest::newRow("individual number") << "1012345678" << 10.0 << 3 << 128.0 << 40.0;
        QTest::newRow("disease 1") << "第四胃変位 5-12-0" << 8.5 << 1 << 37.0 << 79.0;
        QTest::newRow("disease 2") << "ケトーシス 3-4-0" << 8.5 << 1 << 37.0 << 89.0;
        QTest::newRow("exam count") << "3" << 14.0 << 3 << 93.0 << 79.5;
        QTest::newRow("treatments of disease 2") << "2" << 14.0 << 3 << 93.0 << 90.0;
        QTest::newRow("onset year") << "7" << 10.0 << 3 << 35.0 << 98.5;
        QTest::newRow("last-exam day") << "20" << 10.0 << 3 << 105.0 << 98.5;
        QTest::newRow("outcome day") << "25" << 10.0 << 3 << 134.0 << 98.5;
        QTest::newRow("disease-2 onset day") << "5" << 10.0 << 3 << 47.0 << 106.5;
        QTest::newRow("report and cause") << "食欲不振  分娩後" << 9.5 << 1 << 35.0 << 117.0;
        QTest::newRow("calving year as stored") << "R6" << 9.5 << 3 << 100.0 << 118.5;
        QTest::newRow("calving day") << "12" << 9.5 << 3 << 116.0 << 118.5;
        QTest::newRow("certificate year") << "7" << 9.5 << 3 << 106.0 << 147.0;
        QTest::newRow("certificate day") << "20" << 9.5 << 3 << 126.5 << 147.0;
        // Visit box 0 (top 16).
        QTest::newRow("visit month") << "4" << 10.0 << 3 << 141.5 << 21.0;
        QTest::newRow("visit day") << "3" << 10.0 << 3 << 141.5 << 33.0;
        QTest::newRow("temperature") << "39.2" << 8.5 << 3 << 154.0 << 19.0;
        QTest::newRow("respiration") << "32" << 8.5 << 3 << 174.0 << 19.0;
        QTest::newRow("course") << "食欲廃絶" << 9.2 << 1 << 147.5 << 24.0;
        QTest::newRow("house-call distance") << "3.5" << 9.5 << 3 << 195.0 << 19.0;
        QTest::newRow("house-call B") << "60" << 9.5 << 2 << 252.0 << 19.0;
        QTest::newRow("house-call A") << "54" << 9.5 << 2 << 266.0 << 19.0;
        QTest::newRow("category short form") << "静注" << 8.5 << 1 << 183.0 << 24.0;
        QTest::newRow("drug price") << "320" << 9.5 << 2 << 242.0 << 24.0;
        QTest::newRow("row A") << "36" << 9.5 << 2 << 267.0 << 24.0;
        QTest::newRow("content, 21 bytes") << "カルシウム剤:500ml×2" << 8.0 << 1 << 193.0 << 24.0;
        // Totals, last page.
        QTest::newRow("drug-price total") << "12,345" << 10.0 << 2 << 244.0 << 178.5;
        QTest::newRow("A points") << "782" << 10.0 << 2 << 270.0 << 178.5;
        QTest::newRow("B total") << "983" << 10.0 << 2 << 256.0 << 186.0;
        QTest::newRow("fee") << "9,830" << 10.0 << 2 << 268.0 << 193.0;
    }
    void items()
    {
        QFETCH(QString, text);
        QFETCH(double, size);
        QFETCH(int, align);
        QFETCH(double, x);
        QFETCH(double, y);
        const RecordingPrintDevice device = print(okinawaChart(), context());
        QCOMPARE(device.pageCount(), 2); // one page, then the new page it ends with
        QCOMPARE(device.paper(), PrintDevice::Paper::A4);
        QCOMPARE(device.orientation(), PrintDevice::Orientation::Landscape);
        QVERIFY2(hasItem(device, text, 1, size, align, x, y), qPrintable(itemsOf(device, text)));
    }

    // Left out: the second house call, the drug-price points, the veterinarian of the registers.
    void itemsLeftOut()
    {
        const RecordingPrintDevice device = print(okinawaChart(), context());
        QVERIFY(!device.findText("往診  同時診療"));
        QVERIFY(!device.findText("200"));
        QVERIFY(!device.findText("佐藤 誠"));
        QVERIFY(!device.findText("鳥取県中央市本町2-5 佐藤家畜診療所"));
    }

    // The choice circles (radius 2): insurance, class, sex, outcome; the heifer class written
    // in the brackets as well.
    void circles_data()
    {
        QTest::addColumn<QString>("tikushu");
        QTest::addColumn<QList<QPointF>>("points");
        QTest::newRow("成乳牛") << "成乳牛" << QList<QPointF>{{34, 29}, {52, 48}, {32, 61}, {131, 88.5}};
        QTest::newRow("育成乳牛") << "育成乳牛" << QList<QPointF>{{34, 29}, {55.5, 54}, {32, 61}, {131, 88.5}};
        QTest::newRow("黒毛和種") << "黒毛和種" << QList<QPointF>{{34, 29}, {32, 61}, {131, 88.5}};
    }
    void circles()
    {
        QFETCH(QString, tikushu);
        QFETCH(QList<QPointF>, points);
        SindansyoChart chart = okinawaChart();
        chart.kotai[1] = tikushu;
        const RecordingPrintDevice device = print(chart, context());
        int small = 0;
        for (const auto& op : device.ofKind(RecordingPrintDevice::Kind::Circle))
            small += qAbs(op.radius / 56.7 - 2) < 0.01 ? 1 : 0;
        QCOMPARE(small, points.size());
        for (const QPointF& p : points)
            QVERIFY2(hasCircle(device, 1, p.x(), p.y(), 2.0), qPrintable(QString("%1,%2").arg(p.x()).arg(p.y())));
        QCOMPARE(hasItem(device, "育成乳牛", 1, 8.2, 3, 74, 54), tikushu == "育成乳牛");
    }

    // Pages from the last visit that is dated or has a course text, five a page; the page
    // number; the totals on the last page only.
    void pages_data()
    {
        QTest::addColumn<QString>("visits");   // "d" dated, "c" undated with a course text, "-" neither
        QTest::addColumn<int>("pages");
        QTest::newRow("5") << QString(5, 'd') << 1;
        QTest::newRow("6") << QString(6, 'd') << 2;
        QTest::newRow("1-3 and 12") << "ddd--------d" << 3;
        QTest::newRow("undated 9 with a course") << "dddddd--c" << 2;
        QTest::newRow("20") << QString(20, 'd') << 4;
        QTest::newRow("none") << "--" << 0;
    }
    void pages()
    {
        QFETCH(QString, visits);
        QFETCH(int, pages);
        SindansyoChart chart = okinawaChart();
        for (int j = 0; j < 20; ++j) {
            const QChar v = j < visits.size() ? visits.at(j) : QChar('-');
            chart.exam(j, v == 'd' ? QStringLiteral("7.%1.%2").arg(5 + j / 10).arg(11 + j % 10) : v == 'c' ? ".." : "",
                       "", "", "", v == 'c' ? "経過" : "");
        }
        chart.exam(7, "..");   // no date picked and no course: not counted
        const RecordingPrintDevice device = print(chart, context());
        QCOMPARE(device.ofKind(RecordingPrintDevice::Kind::NewPage).size(), pages);
        if (pages == 0) {
            QVERIFY(device.ops.isEmpty());
            return;
        }
        for (int p = 1; p <= pages; ++p) {
            QVERIFY(hasItem(device, "山本 一郎", p, 12, 3, 119, 29));
            const QString number = pages == 1 ? QStringLiteral("No.") : QStringLiteral("No. %1/%2").arg(p).arg(pages);
            QVERIFY2(device.findText(number) && device.findText(number)->page == p, qPrintable(number));
            QCOMPARE(hasItem(device, "12,345", p, 10, 2, 244, 178.5), p == pages);
        }
        if (visits == "ddd--------d")
            QVERIFY(hasItem(device, "12", 3, 10, 3, 141.5, 48 + 17));   // visit 12 in box 1 of page 3
    }

    // Mode 1 stages the episode and sets the identity, and prints nothing.
    void stagingMode()
    {
        SindansyoPrintContext c = context();
        c.Site = SiteProfile::parseRow(ClinicRow);
        const RecordingPrintDevice device = print(okinawaChart(), c, 1);
        QVERIFY(device.ops.isEmpty());
        QCOMPARE(SharedState::get().DoctorInfo.DoctorName, QStringLiteral("比嘉太郎"));
        QCOMPARE(SharedState::get().DoctorInfo.DoctorCode, QStringLiteral("****"));
    }

    // The clinic's installation prints its address, name and spaced vet name.
    void clinicIdentity()
    {
        SindansyoPrintContext c = context();
        c.Site = SiteProfile::parseRow(ClinicRow);
        const RecordingPrintDevice device = print(okinawaChart(), c);
        QVERIFY(hasItem(device, "南風原町字兼城1", 1, 10.5, 1, 47, 159));
        QVERIFY(hasItem(device, "南風原診療所", 1, 14, 1, 66, 165));
        QVERIFY(hasItem(device, "比 嘉 太 郎", 1, 12.5, 1, 74, 176));
    }

    // SiteIbarakiClinic leaves the rows' A points out, not the house call's.
    void ibarakiClinicAColumn()
    {
        SindansyoPrintContext c = context();
        c.Site = SiteProfile::parseRow("IBC,沖縄県,SiteIbarakiClinic");
        const RecordingPrintDevice device = print(okinawaChart(), c);
        QVERIFY(!device.findText("36"));
        QVERIFY(hasItem(device, "54", 1, 9.5, 2, 266, 19));
    }

    // A visit whose treatment lines need more than its box holds prints them at 0.8: rows
    // 3.7 mm apart, smaller sizes, 37-byte content lines.
    void smallerRows()
    {
        SindansyoChart chart = okinawaChart();
        for (int k = 1; k <= 7; ++k)
            chart.tiryo(1, k, {"皮下注射", QString(12, QChar(0x3042)), "", "", "100", "5", "0"});
        chart.tiryo(1, 7, {"経口", QString(19, QChar(0x3044)), "", "", "100", "5", "0"});
        const RecordingPrintDevice device = print(chart, context());
        QVERIFY2(hasItem(device, "皮注", 1, 6.8, 1, 183, 48 + 8 + 3.7), qPrintable(itemsOf(device, "皮注")));
        QVERIFY(hasItem(device, "100", 1, 7.6, 2, 242, 48 + 8));
        QVERIFY(hasItem(device, QString(18, QChar(0x3044)), 1, 7.2 * 0.8, 1, 193, 48 + 8 + 6 * 3.7 - 1));
        // Box 0 keeps its size.
        QVERIFY(hasItem(device, "静注", 1, 8.5, 1, 183, 24));
    }

    // The content step: L = round(30 / s); a content of four lines even without its standard
    // prints its first three.
    void contentStep()
    {
        QCOMPARE(OkinawaSinsatuProc::naiyoStyle(1.0f).lineBytes, 30);
        QCOMPARE(OkinawaSinsatuProc::naiyoStyle(0.8f).lineBytes, 37);
        SindansyoChart chart = okinawaChart();
        chart.tiryo(0, 2, {"静脈内注射", QString(50, QChar(0x3046)), "500ml", "2", "320", "60", "36"});
        const RecordingPrintDevice device = print(chart, context());
        QVERIFY(hasItem(device, QString(15, QChar(0x3046)), 1, 7, 1, 193, 24 - 2.3));
        QVERIFY(hasItem(device, QString(16, QChar(0x3046)), 1, 7, 1, 193, 24));
        QVERIFY(hasItem(device, QString(16, QChar(0x3046)), 1, 7, 1, 193, 24 + 2.3));
        QVERIFY(!device.findText(QString(3, QChar(0x3046)) + "×2"));
    }

    void categoryShortForms()
    {
        QCOMPARE(OkinawaSinsatuProc::bunruiText("筋肉内注射"), QStringLiteral("筋注"));
        QCOMPARE(OkinawaSinsatuProc::bunruiText("点数外入力"), QStringLiteral("点数外"));
        QCOMPARE(OkinawaSinsatuProc::bunruiText("処置"), QStringLiteral("処置"));
    }

    // An unreadable farmer register is no match: the two register numbers stay blank.
    void unreadableRegister()
    {
        TempDataRoot other;
        other.useSample();
        QFile::remove(other.file("set/NameCode.ini"));
        QDir().mkpath(other.file("set/NameCode.ini"));   // a folder where the file should be
        const RecordingPrintDevice device = print(okinawaChart(), context());
        QVERIFY(!device.findText("101"));
        QVERIFY(!device.findText("01"));
        QVERIFY(hasItem(device, "山本 一郎", 1, 12, 3, 119, 29));
    }

    void refusedEntry()
    {
        okinawaChart().write(root);
        RecordingPrintDevice device;
        const auto result =
            SindansyoOkinawaProc::print(device, context(), {"H7_00010001_1234_0.sxd", "肺炎", "7.4.3"}, 0);
        QCOMPARE(result.refusal, QStringLiteral("印刷できません。"));
        QVERIFY(device.ops.isEmpty());
    }
};

NOLVARI_TEST(SindansyoOkinawaProcTest)
#include "SindansyoOkinawaProcTest.moc"
