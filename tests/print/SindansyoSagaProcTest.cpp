#include "PrintFixture.h"
#include "TestFixture.h"
#include "TestRegistry.h"

#include "common/DataPath.h"
#include "common/SharedState.h"
#include "print/mie_saga_okinawa/SagaSinsatuProc.h"
#include "print/mie_saga_okinawa/SindansyoSagaProc.h"

#include <QtTest>

namespace {

// Every x of the layout is printed 12 mm right of its table value.
constexpr double B = 12;

// An episode of three examinations: a house call, an injection with standard and quantity,
// three diseases, dates, report and cause, reproduction dates and totals.
SindansyoChart sagaChart()
{
    SindansyoChart chart;
    chart.kotai[1] = "育";
    chart.kotai[12] = "額に星";
    const QStringList name = {"Name", "", "第四胃変位", "5-12-0", "7.4.2", "7.4.3", "7.4.20", "7.4.25", "中止", "3",
                              "", "", "", "", "肺炎", "6-1-0"};
    for (int c = 0; c < name.size(); ++c)
        chart.block.setCell(0, c, name.at(c));
    chart.block.setCell(1, 2, "ケトーシス");
    chart.block.setCell(1, 3, "3-4-0");
    chart.block.setCell(1, 12, "R6.6.12");
    chart.block.setCell(1, 13, "H30.9.1");
    chart.block.setCell(2, 2, "食欲不振");
    chart.block.setCell(2, 5, "分娩後");
    const QStringList data3 = {"Data", "", "12345", "200", "890", "0", "983", "875"};
    for (int c = 0; c < data3.size(); ++c)
        chart.block.setCell(3, c, data3.at(c));
    chart.exam(0, "7.4.3", "T=39.2 P=84 R=32", "9:0", "10:30", "食欲廃絶");
    chart.block.setCell(KarteBlock::sinsatuRow(0) + 8, 3, "脱水");
    chart.tiryo(0, 1, {"往診", "3.5km", "", "", "", "60", "54"});
    chart.tiryo(0, 2, {"静脈内注射", "カルシウム剤", "500ml", "2", "320", "60", "0"});
    chart.tiryo(0, 3, {"往診", "同時診療", "", "", "", "9", "9"});
    chart.exam(1, "7.4.4");
    chart.exam(2, "7.4.6");
    return chart;
}

SiteProfile siteRow(const QString& row)
{
    return SiteProfile::parseRow(row);
}

const QString ClinicARow = QStringLiteral(
    "SAGA1,佐賀県,SiteSagaClinicA,ClinicName=有明動物診療所,VetName1=古 賀 一,VetName2=中 島 二,VetName3=松 尾 三,"
    "KyosaiOffice=伊万里市>1:有田市>1:佐賀市>1:武雄市>2:杵島郡>2:小城市>3:多久市>3,"
    "KyosaiAd1=佐賀市本庄町1 本所,KyosaiAd2=武雄市武雄町2 西部支所,KyosaiAd3=小城市三日月町3 中部支所");

} // namespace

class SindansyoSagaProcTest : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;
    QString root;

    SindansyoPrintContext context() { return sampleContext(Ken::Saga); }

    RecordingPrintDevice print(const SindansyoChart& chart, const SindansyoPrintContext& c,
                               const QString& fileName = QStringLiteral("H7_00010001_1234_0.sxd"))
    {
        chart.write(root, fileName);
        RecordingPrintDevice device;
        device.assumePicturesExist = true;
        const auto result = SindansyoSagaProc::print(device, c, {fileName, chart.block.cell(0, 2), "7.4.3"});
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

    // Every item of a one-page certificate at a site without a clinic row: text, size,
    // alignment, point (mm on the paper, the table's x plus the base).
    void items_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("size");
        QTest::addColumn<int>("align");
        QTest::addColumn<double>("x");
        QTest::addColumn<double>("y");
        // Every page.
        QTest::newRow("farmer name") << "山本 一郎" << 11.0 << 1 << B + 114 << 34.0;
        QTest::newRow("farmer address") << "鳥取県中央市東谷1-2" << 10.0 << 1 << B + 22 << 34.0;
        QTest::newRow("year") << "6" << 12.0 << 1 << B + 24 << 43.5;
        QTest::newRow("farmer code") << "00010001" << 11.0 << 1 << B + 37 << 43.5;
        QTest::newRow("certificate year") << "7" << 9.0 << 1 << B + 193.5 << 210.0;
        QTest::newRow("certificate month") << "5" << 9.0 << 1 << B + 206 << 210.0;
        QTest::newRow("certificate day") << "20" << 9.0 << 1 << B + 217 << 210.0;
        QTest::newRow("vet caption") << "獣医師" << 10.0 << 1 << B + 197 << 238.5;
        QTest::newRow("vet name") << "佐藤 誠" << 14.0 << 1 << B + 212 << 238.0;
        QTest::newRow("vet address") << "鳥取県中央市本町2-5 佐藤家畜診療所" << 10.0 << 1 << B + 193 << 233.0;
        // First page: the animal.
        QTest::newRow("birth year") << "H30" << 10.0 << 1 << B + 125 << 41.5;
        QTest::newRow("birth day") << "15" << 10.0 << 1 << B + 151 << 41.5;
        QTest::newRow("coat and features") << "黒白 額に星" << 9.0 << 1 << B + 72 << 49.5;
        QTest::newRow("ear tag") << "1234" << 10.0 << 1 << B + 114 << 49.5;
        QTest::newRow("animal name") << "はなこ:1012345678" << 9.0 << 1 << B + 142 << 49.5;
        QTest::newRow("exam count") << "3" << 14.0 << 1 << B + 68 << 76.0;
        // First page: diseases, dates, report and cause.
        QTest::newRow("disease 1") << "第四胃変位 5-12-0" << 10.0 << 1 << B + 3 << 72.0;
        QTest::newRow("disease 2") << "ケトーシス 3-4-0" << 10.0 << 1 << B + 3 << 94.0;
        QTest::newRow("disease 3") << "肺炎 6-1-0" << 10.0 << 1 << B + 3 << 102.0;
        QTest::newRow("onset year") << "7" << 9.0 << 1 << B + 82 << 76.5;
        QTest::newRow("onset day") << "2" << 9.0 << 1 << B + 93.5 << 76.5;
        QTest::newRow("first-exam day") << "3" << 9.0 << 1 << B + 115 << 76.5;
        QTest::newRow("outcome day") << "25" << 9.0 << 1 << B + 158 << 76.5;
        QTest::newRow("calving year") << "6" << 8.0 << 1 << B + 136.5 << 114.0;
        QTest::newRow("calving day") << "12" << 8.0 << 1 << B + 152.5 << 114.0;
        QTest::newRow("insemination year") << "30" << 8.0 << 1 << B + 136.5 << 125.0;
        QTest::newRow("report") << "食欲不振" << 10.0 << 1 << B + 19 << 115.0;
        QTest::newRow("cause") << "(分娩後)" << 10.0 << 1 << B + 19 << 119.5;
        // First page: fee totals, right-aligned.
        QTest::newRow("fixed 100") << "100" << 10.0 << 2 << B + 319 << 189.5;
        QTest::newRow("fixed 5") << "5" << 10.0 << 2 << B + 331 << 189.5;
        QTest::newRow("drug-price total") << "12,345" << 10.0 << 2 << B + 302.5 << 197.0;
        QTest::newRow("B points") << "890" << 10.0 << 2 << B + 319 << 201.0;
        QTest::newRow("drug-price points") << "200" << 10.0 << 2 << B + 302.5 << 204.0;
        QTest::newRow("A total") << "875" << 10.0 << 2 << B + 331 << 218.0;
        // Box 1 (anchor 61, 140): examination 1.
        QTest::newRow("box month") << "4" << 9.0 << 1 << B + 2 << 142.0;
        QTest::newRow("box day") << "3" << 9.0 << 1 << B + 7 << 145.0;
        QTest::newRow("box time") << "9:00～10:30" << 9.5 << 1 << B + 2 << 148.0;
        QTest::newRow("temperature") << "39.2" << 10.0 << 1 << B + 18 << 143.5;
        QTest::newRow("pulse") << "84" << 10.0 << 1 << B + 33 << 143.5;
        QTest::newRow("respiration") << "32" << 10.0 << 1 << B + 48.5 << 143.5;
        QTest::newRow("symptoms and findings") << "食欲廃絶 脱水" << 10.0 << 1 << B + 3 << 152.0;
        QTest::newRow("house-call distance") << "3.5" << 9.0 << 1 << B + 108 << 143.5;
        QTest::newRow("house-call B") << "60" << 9.0 << 2 << B + 146 << 143.5;
        QTest::newRow("house-call A") << "54" << 9.0 << 2 << B + 159 << 143.5;
        QTest::newRow("category first piece") << "静脈内" << 9.0 << 1 << B + 61.5 << 149.0;
        QTest::newRow("category second piece") << "注射" << 9.0 << 1 << B + 61.5 << 153.0;
        QTest::newRow("drug price") << "320" << 9.0 << 2 << B + 132 << 149.0;
        QTest::newRow("content") << "カルシウム剤" << 9.0 << 1 << B + 72 << 149.0;
        QTest::newRow("standard and quantity") << "500ml×2" << 9.0 << 1 << B + 72 << 153.0;
        // Box 3 (anchor 233, 18): examination 3.
        QTest::newRow("box 3 day") << "6" << 9.0 << 1 << B + 179 << 23.0;
    }
    void items()
    {
        QFETCH(QString, text);
        QFETCH(double, size);
        QFETCH(int, align);
        QFETCH(double, x);
        QFETCH(double, y);
        const RecordingPrintDevice device = print(sagaChart(), context());
        QCOMPARE(device.pageCount(), 2); // one page, then the new page it ends with
        QCOMPARE(device.paper(), PrintDevice::Paper::JisB4);
        QCOMPARE(device.orientation(), PrintDevice::Orientation::Landscape);
        QVERIFY2(hasItem(device, text, 1, size, align, x, y), qPrintable(itemsOf(device, text)));
        QCOMPARE(device.findText(text)->fontName, QStringLiteral("ＭＳ Ｐ明朝"));
        QCOMPARE(SharedState::get().PrintBaseX, 12.0f);
    }

    // Items the table leaves out: the treatment row's A points "0", the second house call, and
    // the farmer code printed twice at one place.
    void itemsLeftOut()
    {
        const RecordingPrintDevice device = print(sagaChart(), context());
        QVERIFY(!device.findText("0"));
        QVERIFY(!device.findText("同時診療"));
        int codes = 0;
        for (const auto& op : device.ofKind(RecordingPrintDevice::Kind::Text))
            codes += op.text == "00010001" ? 1 : 0;
        QCOMPARE(codes, 2);
    }

    // The circles: sex, species, outcome and the fixed one of the clinic block.
    void circles_data()
    {
        QTest::addColumn<QString>("outcome");
        QTest::addColumn<QList<QPointF>>("points");
        QTest::newRow("中止") << "中止" << QList<QPointF>{{B + 23, 50}, {B + 23.5, 57.5}, {B + 128.7, 57.5}, {B + 194, 220}};
        QTest::newRow("法令殺") << "法令殺" << QList<QPointF>{{B + 23, 50}, {B + 23.5, 57.5}, {B + 120.9, 57.5}, {B + 194, 220}};
        QTest::newRow("未") << "未" << QList<QPointF>{{B + 23, 50}, {B + 23.5, 57.5}, {B + 194, 220}};
    }
    void circles()
    {
        QFETCH(QString, outcome);
        QFETCH(QList<QPointF>, points);
        SindansyoChart chart = sagaChart();
        chart.block.setCell(0, 8, outcome);
        const RecordingPrintDevice device = print(chart, context());
        for (const QPointF& p : points)
            QVERIFY2(hasCircle(device, 1, p.x(), p.y(), 2.0), qPrintable(QString("%1,%2").arg(p.x()).arg(p.y())));
        QCOMPARE(device.ofKind(RecordingPrintDevice::Kind::Circle).size(), points.size());
        // The outcome date prints only with an outcome.
        QCOMPARE(hasItem(device, "25", 1, 9, 1, B + 158, 76.5), outcome != "未");
    }

    // Pages from the last dated examination, six a page; the fourth page fills boxes 1 and 2.
    void pages_data()
    {
        QTest::addColumn<QString>("visits");   // "d" dated, "-" undated
        QTest::addColumn<int>("pages");
        QTest::newRow("6") << QString(6, 'd') << 1;
        QTest::newRow("7") << QString(7, 'd') << 2;
        QTest::newRow("19") << QString(19, 'd') << 4;
        QTest::newRow("20") << QString(20, 'd') << 4;
        QTest::newRow("1-5 and 7") << "ddddd-d" << 2;
        QTest::newRow("none") << "--" << 0;
    }
    void pages()
    {
        QFETCH(QString, visits);
        QFETCH(int, pages);
        SindansyoChart chart = sagaChart();
        chart.datedExams(visits, 11);
        const RecordingPrintDevice device = print(chart, context());
        QCOMPARE(device.ofKind(RecordingPrintDevice::Kind::NewPage).size(), pages);
        if (pages == 0) {
            QVERIFY(device.ops.isEmpty());
            return;
        }
        QVERIFY(hasItem(device, "山本 一郎", pages, 11, 1, B + 114, 34));
        QVERIFY(hasItem(device, "875", 1, 10, 2, B + 331, 218));
        QVERIFY(!hasItem(device, "875", pages, 10, 2, B + 331, 218) || pages == 1);
        if (visits.size() == 20) {
            // Examinations 19 and 20 in boxes 1 and 2 of the fourth page, nothing else there.
            QVERIFY(hasItem(device, "19", 4, 9, 1, B + 7, 145));
            QVERIFY(hasItem(device, "20", 4, 9, 1, B + 7, 200));
        }
        if (visits == "ddddd-d")
            QVERIFY(hasItem(device, "17", 2, 9, 1, B + 7, 145));   // examination 7 in box 1 of page 2
    }

    void jikanText_data()
    {
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("end");
        QTest::addColumn<QString>("text");
        QTest::newRow("one-digit minute") << "9:5" << "10:30" << "9:05～10:30";
        QTest::newRow("no end") << "9:5" << "" << "9:05～";
        QTest::newRow("end only") << "" << "10:30" << "";
        QTest::newRow("zero minute") << "9:0" << "9:0" << "9:00～9:00";
        QTest::newRow("two-digit minute kept") << "09:05" << "12" << "09:05～12";
    }
    void jikanText()
    {
        QFETCH(QString, start);
        QFETCH(QString, end);
        QFETCH(QString, text);
        QCOMPARE(SagaSinsatuProc::jikanText(start, end), text);
    }

    // The clinic block by site row and the registered veterinarian's name and address.
    void clinic_data()
    {
        QTest::addColumn<QString>("row");
        QTest::addColumn<QString>("doctorName");
        QTest::addColumn<QString>("doctorAd");
        QTest::addColumn<QStringList>("docCh");
        QTest::addColumn<QStringList>("texts");   // "text|size|x|y", x as in the table
        QTest::newRow("name with one mark") << "" << "北診療所：佐藤 誠" << "佐賀市本町1：北診療所" << QStringList()
            << QStringList{"北診療所|12|192|234", "獣医師|10|197|239.5", "佐藤 誠|14|212|239",
                           "佐賀市本町1|9|193|225", "北診療所|10|193|229"};
        QTest::newRow("name with two marks") << "" << "北：佐藤：誠" << "佐賀市本町1" << QStringList()
            << QStringList{"北：佐藤：誠|14|212|238", "獣医師|10|197|238.5", "佐賀市本町1|10|193|233"};
        QTest::newRow("clinic A, third vet") << ClinicARow << "x" << "x" << QStringList{"0", "0", "1"}
            << QStringList{"有明動物診療所|14|196|234", "松 尾 三|12|205|238", "佐賀市本庄町1 本所|10|193|228"};
        QTest::newRow("clinic A, first and third") << ClinicARow << "x" << "x" << QStringList{"1", "0", "1"}
            << QStringList{"古 賀 一|12|205|238", "松 尾 三|12|205|242"};
        QTest::newRow("clinic B") << "0,佐賀県,SiteSagaClinicB,ClinicName=西牧場(株),VetName=田 中,ClinicAd=唐津市1"
            << "x" << "x" << QStringList()
            << QStringList{"西牧場(株)|12|196|234", "田 中|12|205|240", "唐津市1|10|193|228"};
        QTest::newRow("clinic C") << "SAGA3,佐賀県,SiteSagaClinicC,ClinicName=東診療所,VetName=森 一,ClinicAd=鳥栖市2"
            << "x" << "x" << QStringList()
            << QStringList{"東診療所|11|196|234", "森 一|12|205|240", "鳥栖市2|10|193|228"};
    }
    void clinic()
    {
        QFETCH(QString, row);
        QFETCH(QString, doctorName);
        QFETCH(QString, doctorAd);
        QFETCH(QStringList, docCh);
        QFETCH(QStringList, texts);
        SindansyoChart chart = sagaChart();
        chart.nouka[4] = "佐賀県佐賀市大和町1";
        SindansyoPrintContext c = context();
        c.Site = siteRow(row);
        c.DoctorInfo = {doctorAd, doctorName, "1234"};
        for (int i = 0; i < docCh.size(); ++i)
            c.controls.insert(QStringLiteral("DocCh(%1)").arg(i), docCh.at(i));
        const RecordingPrintDevice device = print(chart, c);
        for (const QString& t : texts) {
            const QStringList f = t.split('|');
            QVERIFY2(hasItem(device, f.at(0), 1, f.at(1).toDouble(), 1, B + f.at(2).toDouble(), f.at(3).toDouble()),
                     qPrintable(itemsOf(device, f.at(0))));
        }
        QVERIFY(hasCircle(device, 1, B + 194, 220, 2.0));
    }

    // The office of the farmer's municipality, the last match winning.
    void kyosaiAd_data()
    {
        QTest::addColumn<QString>("address");
        QTest::addColumn<QString>("office");
        QTest::newRow("佐賀市") << "佐賀県佐賀市大和町1" << "佐賀市本庄町1 本所";
        QTest::newRow("杵島郡") << "佐賀県杵島郡白石町2" << "武雄市武雄町2 西部支所";
        QTest::newRow("佐賀市 and 小城市") << "佐賀市の北、小城市" << "小城市三日月町3 中部支所";
        QTest::newRow("none") << "福岡県久留米市" << "";
        QTest::newRow("kana") << "さがし" << "";
        QTest::newRow("no address") << "" << "";
    }
    void kyosaiAd()
    {
        QFETCH(QString, address);
        QFETCH(QString, office);
        const QStringList lines = {"Main'東谷'山本 一郎'00010001'" + address + "'"};
        QCOMPARE(SindansyoSagaProc::KyosaiAdSagaProc(lines, siteRow(ClinicARow)), office);
        QCOMPARE(SindansyoSagaProc::KyosaiAdSagaProc(lines, SiteProfile()), QString());
    }

    // Treatment entries follow each other by the lines the previous one took; a PL test row
    // takes none and draws its mark; "診療点数無" prints no category.
    void treatmentLines()
    {
        SindansyoChart chart = sagaChart();
        chart.tiryo(0, 3, {"PLテスト結果", "左前 -  右前 +  左後 -  右後 -", "", "", "", "0", "0"});
        chart.tiryo(0, 4, {"診療点数無", "処置", "", "", "", "0", "0"});
        chart.tiryo(0, 5, {"経口", QString(20, QChar(0x3042)), "", "(3)", "", "12", "0"});
        chart.tiryo(0, 6, {QString(17, QChar(0x3044)), "ABC", "5ml", "2", "", "0", "0"});
        const RecordingPrintDevice device = print(chart, context());
        // The injection took two lines: the next entry starts at 149 + 2 x 4.
        QVERIFY2(hasItem(device, "処置", 1, 9, 1, B + 72, 157), qPrintable(itemsOf(device, "処置")));
        QVERIFY(!device.findText("診療点数無"));
        // That entry took two lines too (its content's one + 1). A content of 20 full-width
        // characters: 15, then 5 with the quantity; two lines + 1.
        QVERIFY(hasItem(device, QString(15, QChar(0x3042)), 1, 9, 1, B + 72, 165));
        QVERIFY(hasItem(device, QString(5, QChar(0x3042)) + "×(3)", 1, 9, 1, B + 72, 169));
        QVERIFY(hasItem(device, "12", 1, 9, 2, B + 146, 165));
        // After 2 + 2 + 3 lines, a category of 34 bytes or more: the content with its standard and
        // quantity from the first line, the category wrapped in pieces of six bytes.
        QVERIFY2(hasItem(device, "ABC：5ml×2", 1, 9, 1, B + 72, 177), qPrintable(itemsOf(device, "ABC：5ml×2")));
        QVERIFY(hasItem(device, QString(3, QChar(0x3044)), 1, 9, 1, B + 61.5, 177));
        QVERIFY(hasItem(device, QString(2, QChar(0x3044)), 1, 9, 1, B + 61.5, 177 + 5 * 4));
    }

    // The owner's report of 30 full-width characters takes two lines (28 and 2); the cause
    // follows at 123. An onset date beginning with "." leaves the whole date row empty.
    void reportAndDates()
    {
        SindansyoChart chart = sagaChart();
        chart.block.setCell(2, 2, QString(30, QChar(0x3046)));
        chart.block.setCell(0, 4, ".4.2");
        const RecordingPrintDevice device = print(chart, context());
        QVERIFY(hasItem(device, QString(28, QChar(0x3046)), 1, 10, 1, B + 19, 115));
        QVERIFY(hasItem(device, QString(2, QChar(0x3046)), 1, 10, 1, B + 19, 118.5));
        QVERIFY(hasItem(device, "(分娩後)", 1, 10, 1, B + 19, 123));
        for (const auto& op : device.ofKind(RecordingPrintDevice::Kind::Text))
            QVERIFY2(std::abs(op.yMm() + op.fontSize / 6 - 76.5) > 0.05, qPrintable(op.text));
    }

    void refusedEntry()
    {
        sagaChart().write(root);
        RecordingPrintDevice device;
        const auto result = SindansyoSagaProc::print(device, context(), {"H7_00010001_1234_0.sxd", "肺炎", "7.4.3"});
        QCOMPARE(result.refusal, QStringLiteral("印刷できません。"));
        QVERIFY(device.ops.isEmpty());
    }
};

NOLVARI_TEST(SindansyoSagaProcTest)
#include "SindansyoSagaProcTest.moc"
