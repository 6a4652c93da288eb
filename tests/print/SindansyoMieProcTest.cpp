#include "PrintFixture.h"
#include "TestFixture.h"
#include "TestRegistry.h"

#include "common/DataPath.h"
#include "common/SharedState.h"
#include "print/mie_saga_okinawa/SindansyoMieProc.h"

#include <QtTest>

namespace {

// An episode of three visits (two on one day), a house call and an injection, two diseases,
// dates, report and cause, last calving and totals.
SindansyoChart mieChart()
{
    SindansyoChart chart;
    chart.kotai[12] = "額に星";
    const QStringList name = {"Name", "", "第四胃変位", "5-12-0", "7.4.2", "7.4.3", "7.4.20", "7.4.25", "中止", "3"};
    for (int c = 0; c < name.size(); ++c)
        chart.block.setCell(0, c, name.at(c));
    chart.block.setCell(1, 2, "ケトーシス");
    chart.block.setCell(1, 12, "R6.6.12");
    chart.block.setCell(2, 2, "食欲不振");
    chart.block.setCell(2, 5, "分娩後");
    const QStringList data3 = {"Data", "", "12345", "200", "890", "782", "983", "875"};
    for (int c = 0; c < data3.size(); ++c)
        chart.block.setCell(3, c, data3.at(c));
    chart.exam(0, "7.4.3", "T=39.2 P=84 R=32", "9:0", "10:30", "食欲廃絶");
    chart.tiryo(0, 1, {"往診", "3.5km", "", "", "", "60", "54"});
    chart.tiryo(0, 2, {"静脈内注射", "カルシウム剤", "500ml", "1", "320", "60", "36"});
    chart.exam(1, "7.4.3");
    chart.exam(2, "7.4.6");
    return chart;
}

} // namespace

class SindansyoMieProcTest : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;
    QString root;

    // The context of a print start with the paper chosen as the dialog stores it.
    SindansyoPrintContext context(bool a4)
    {
        SindansyoPrintContext c = sampleContext(Ken::Mie);
        SharedState::get().MieSizeOpKioku = a4 ? -1 : 0;
        c.controls.insert("SizeOp(0)", a4 ? "1" : "0");
        c.controls.insert("HinsyuOp(0)", "1");
        return c;
    }

    RecordingPrintDevice print(const SindansyoChart& chart, const SindansyoPrintContext& c,
                               const QString& fileName = QStringLiteral("H7_00010001_1234_0.sxd"))
    {
        chart.write(root, fileName);
        RecordingPrintDevice device;
        device.assumePicturesExist = true;
        const auto result = SindansyoMieProc::print(device, c, {fileName, chart.block.cell(0, 2), "7.4.3"});
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

    // Every text item of a one-page certificate on each paper: text, size, alignment, point (mm).
    void items_data()
    {
        QTest::addColumn<bool>("a4");
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("size");
        QTest::addColumn<int>("align");
        QTest::addColumn<double>("x");
        QTest::addColumn<double>("y");
        // B4: every page.
        QTest::newRow("B4 vet number") << false << "1234" << 12.0 << 1 << 114.0 << 325.0;
        QTest::newRow("B4 vet name") << false << "佐藤 誠" << 12.0 << 1 << 79.0 << 317.0;
        QTest::newRow("B4 vet address") << false << "鳥取県中央市本町2-5 佐藤家畜診療所" << 10.0 << 1 << 55.0 << 312.0;
        QTest::newRow("B4 chart year") << false << "7" << 10.0 << 1 << 63.0 << 307.0;
        QTest::newRow("B4 chart month") << false << "5" << 10.0 << 1 << 79.0 << 307.0;
        QTest::newRow("B4 chart day") << false << "20" << 10.0 << 1 << 92.0 << 307.0;
        // B4: the farmer and the animal.
        QTest::newRow("B4 farmer name") << false << "山本 一郎" << 11.0 << 1 << 169.0 << 55.5;
        QTest::newRow("B4 farmer address") << false << "鳥取県中央市東谷1-2" << 10.0 << 1 << 169.0 << 48.5;
        QTest::newRow("B4 year") << false << "6" << 12.0 << 1 << 80.0 << 47.5;
        QTest::newRow("B4 farmer code") << false << "00010001" << 11.0 << 1 << 55.0 << 55.5;
        QTest::newRow("B4 ear tag") << false << "1234" << 12.0 << 1 << 179.0 << 81.0;
        QTest::newRow("B4 birth year") << false << "H30" << 10.0 << 1 << 113.0 << 62.0;
        QTest::newRow("B4 birth day") << false << "15" << 10.0 << 1 << 138.0 << 62.0;
        QTest::newRow("B4 animal name") << false << "はなこ" << 10.0 << 1 << 111.0 << 70.0;
        QTest::newRow("B4 individual number") << false << "1012345678" << 12.0 << 1 << 109.0 << 52.0;
        QTest::newRow("B4 coat colour") << false << "黒白" << 12.0 << 1 << 179.0 << 70.0;
        QTest::newRow("B4 features") << false << "額に星" << 12.0 << 1 << 199.0 << 81.0;
        // B4: the episode.
        QTest::newRow("B4 exam count") << false << "3" << 13.0 << 1 << 64.0 << 90.5;
        QTest::newRow("B4 disease 1") << false << "第四胃変位" << 8.5 << 1 << 23.5 << 90.0;
        QTest::newRow("B4 disease 2") << false << "ケトーシス" << 8.5 << 1 << 23.5 << 102.5;
        QTest::newRow("B4 code part 1") << false << "12" << 11.0 << 1 << 214.5 << 112.0;
        QTest::newRow("B4 code part 2 zero") << false << "-" << 11.0 << 1 << 228.0 << 112.0;
        QTest::newRow("B4 onset day") << false << "2" << 10.0 << 1 << 134.0 << 90.0;
        QTest::newRow("B4 last-exam day") << false << "20" << 10.0 << 1 << 198.0 << 90.0;
        QTest::newRow("B4 outcome day") << false << "25" << 10.0 << 1 << 229.0 << 90.0;
        QTest::newRow("B4 report") << false << "食欲不振" << 9.0 << 1 << 32.0 << 110.0;
        QTest::newRow("B4 cause") << false << "分娩後" << 9.0 << 1 << 32.0 << 118.0;
        QTest::newRow("B4 calving month") << false << "6" << 9.0 << 1 << 144.0 << 121.2;
        QTest::newRow("B4 calving day") << false << "12" << 9.0 << 1 << 154.0 << 121.2;
        QTest::newRow("B4 association") << false << "101" << 12.0 << 1 << 28.0 << 52.0;
        // B4: the totals.
        QTest::newRow("B4 drug-price total") << false << "12,345" << 9.5 << 2 << 194.0 << 301.5;
        QTest::newRow("B4 drug-price points") << false << "200" << 9.5 << 2 << 194.0 << 308.0;
        QTest::newRow("B4 B points") << false << "890" << 9.5 << 2 << 214.0 << 308.0;
        QTest::newRow("B4 A total") << false << "875" << 9.5 << 2 << 227.5 << 319.0;
        // B4: visit 1 in slot 0 (row top 134.5), visit 3 in slot 2 (195.8).
        QTest::newRow("B4 visit month") << false << "4" << 9.0 << 1 << 15.5 << 141.0;
        QTest::newRow("B4 visit day") << false << "3" << 9.0 << 1 << 18.0 << 159.5;
        QTest::newRow("B4 slot 2 day") << false << "6" << 9.0 << 1 << 18.0 << 215.8;
        QTest::newRow("B4 temperature") << false << "T.39.2" << 10.0 << 1 << 24.0 << 137.0;
        QTest::newRow("B4 respiration") << false << "R.32" << 10.0 << 1 << 46.0 << 137.0;
        QTest::newRow("B4 times") << false << "開始 9:00 終了 10:30" << 8.5 << 1 << 58.0 << 137.0;
        QTest::newRow("B4 course") << false << "食欲廃絶" << 10.0 << 1 << 24.0 << 142.5;
        QTest::newRow("B4 house call") << false << "3.5" << 9.0 << 1 << 100.0 << 137.0;
        QTest::newRow("B4 house call A") << false << "54" << 9.5 << 2 << 232.0 << 137.0;
        QTest::newRow("B4 category") << false << "静脈内注射" << 9.0 << 1 << 91.0 << 142.0;
        QTest::newRow("B4 drug price") << false << "320" << 9.0 << 2 << 194.0 << 142.0;
        QTest::newRow("B4 line A") << false << "36" << 9.0 << 2 << 232.0 << 142.0;
        QTest::newRow("B4 content") << false << "カルシウム剤：500ml×1" << 9.0 << 1 << 112.0 << 142.0;
        // A4.
        QTest::newRow("A4 vet number") << true << "1234" << 11.0 << 1 << 52.0 << 260.5;
        QTest::newRow("A4 chart day") << true << "20" << 9.0 << 1 << 68.5 << 242.0;
        QTest::newRow("A4 farmer name") << true << "山本 一郎" << 10.5 << 1 << 139.5 << 41.0;
        QTest::newRow("A4 farmer address") << true << "鳥取県中央市東谷1-2" << 9.0 << 1 << 138.0 << 34.3;
        QTest::newRow("A4 farmer code") << true << "00010001" << 11.0 << 1 << 47.0 << 37.5;
        QTest::newRow("A4 ear tag") << true << "1234" << 12.0 << 1 << 144.0 << 60.0;
        QTest::newRow("A4 birth year") << true << "H30" << 8.5 << 1 << 99.0 << 47.0;
        QTest::newRow("A4 breed") << true << "ホルスタイン種" << 9.5 << 1 << 105.0 << 53.5;
        QTest::newRow("A4 individual number") << true << "1012345678" << 10.0 << 1 << 167.0 << 53.5;
        QTest::newRow("A4 coat colour") << true << "黒白" << 12.0 << 1 << 157.0 << 47.0;
        QTest::newRow("A4 features") << true << "額に星" << 12.0 << 1 << 167.0 << 60.0;
        QTest::newRow("A4 exam count") << true << "3" << 12.0 << 3 << 54.0 << 70.0;
        QTest::newRow("A4 disease 1") << true << "第四胃変位" << 8.0 << 1 << 20.0 << 71.0;
        QTest::newRow("A4 disease 2") << true << "ケトーシス" << 8.0 << 1 << 20.0 << 78.5;
        QTest::newRow("A4 code part 1") << true << "12" << 10.0 << 3 << 178.0 << 87.5;
        QTest::newRow("A4 code part 2 zero") << true << "-" << 10.0 << 3 << 191.0 << 87.5;
        QTest::newRow("A4 onset day") << true << "2" << 9.0 << 3 << 111.5 << 70.0;
        QTest::newRow("A4 outcome day") << true << "25" << 9.0 << 3 << 193.8 << 70.0;
        QTest::newRow("A4 report") << true << "食欲不振" << 8.2 << 1 << 40.0 << 84.0;
        QTest::newRow("A4 cause below one line") << true << "分娩後" << 8.2 << 1 << 40.0 << 87.9;
        QTest::newRow("A4 calving day") << true << "12" << 8.5 << 3 << 132.0 << 95.8;
        QTest::newRow("A4 association") << true << "101" << 11.0 << 3 << 27.5 << 37.5;
        QTest::newRow("A4 drug-price total") << true << "12,345" << 9.5 << 2 << 162.0 << 237.0;
        QTest::newRow("A4 A total") << true << "875" << 9.5 << 2 << 192.0 << 254.5;
        QTest::newRow("A4 visit month") << true << "4" << 8.5 << 3 << 14.0 << 112.5;
        QTest::newRow("A4 visit day") << true << "3" << 8.5 << 3 << 17.0 << 121.0;
        QTest::newRow("A4 slot 2 day") << true << "6" << 8.5 << 3 << 17.0 << 168.0;
        QTest::newRow("A4 temperature") << true << "T.39.2" << 8.5 << 1 << 19.5 << 107.5;
        QTest::newRow("A4 times") << true << "開始 9:00 終了 10:30" << 7.0 << 1 << 19.5 << 110.0;
        QTest::newRow("A4 course") << true << "食欲廃絶" << 8.8 << 1 << 20.0 << 113.5;
        QTest::newRow("A4 house call") << true << "3.5" << 8.5 << 1 << 81.0 << 108.0;
        QTest::newRow("A4 house call B") << true << "60" << 9.5 << 2 << 179.0 << 108.0;
        QTest::newRow("A4 category") << true << "静脈内注射" << 8.5 << 1 << 73.5 << 112.0;
        QTest::newRow("A4 drug price") << true << "320" << 9.0 << 2 << 162.0 << 112.0;
        QTest::newRow("A4 content") << true << "カルシウム剤：500ml×1" << 8.5 << 1 << 92.0 << 112.0;
    }
    void items()
    {
        QFETCH(bool, a4);
        QFETCH(QString, text);
        QFETCH(double, size);
        QFETCH(int, align);
        QFETCH(double, x);
        QFETCH(double, y);
        const RecordingPrintDevice device = print(mieChart(), context(a4));
        QCOMPARE(device.pageCount(), 2); // one page, then the new page it ends with
        QCOMPARE(device.paper(), a4 ? PrintDevice::Paper::A4 : PrintDevice::Paper::JisB4);
        QVERIFY2(hasItem(device, text, 1, size, align, x, y), qPrintable(itemsOf(device, text)));
        QCOMPARE(device.findText(text)->fontName, QStringLiteral("ＭＳ Ｐ明朝"));
    }

    // The circles of the choices on each paper: outcome, sex, species and use, disease class,
    // and on A4 the insurance type.
    void circles_data()
    {
        QTest::addColumn<bool>("a4");
        QTest::addColumn<QList<QPointF>>("points");
        QTest::addColumn<double>("radius");
        QTest::addColumn<int>("count");
        QTest::newRow("B4") << false << QList<QPointF>{{89.5, 100}, {86.5, 63.5}, {29, 61.5}, {158.8, 108}} << 2.0 << 4;
        QTest::newRow("A4") << true << QList<QPointF>{{75, 73.5}, {79.5, 49}, {130, 84.5}} << 2.0 << 6;
        QTest::newRow("A4 radius 3") << true << QList<QPointF>{{24, 50.5}, {97.5, 37.5}, {51, 50.5}} << 3.0 << 6;
    }
    void circles()
    {
        QFETCH(bool, a4);
        QFETCH(QList<QPointF>, points);
        QFETCH(double, radius);
        QFETCH(int, count);
        const RecordingPrintDevice device = print(mieChart(), context(a4));
        for (const QPointF& p : points)
            QVERIFY2(hasCircle(device, 1, p.x(), p.y(), radius), qPrintable(QString("%1,%2").arg(p.x()).arg(p.y())));
        QCOMPARE(device.ofKind(RecordingPrintDevice::Kind::Circle).size(), count);
    }

    // Pages from the last dated visit, six a page: the first page carries the header, the last
    // the totals, every page its vet block.
    void pages_data()
    {
        QTest::addColumn<QString>("visits");   // "d" dated, "-" undated
        QTest::addColumn<int>("pages");
        QTest::newRow("6") << QString(6, 'd') << 1;
        QTest::newRow("7") << QString(7, 'd') << 2;
        QTest::newRow("13") << QString(13, 'd') << 3;
        QTest::newRow("19") << QString(19, 'd') << 4;
        QTest::newRow("20") << QString(20, 'd') << 4;
        QTest::newRow("1-5 and 7") << "ddddd-d" << 2;
        QTest::newRow("none") << "--" << 0;
    }
    void pages()
    {
        QFETCH(QString, visits);
        QFETCH(int, pages);
        SindansyoChart chart = mieChart();
        chart.datedExams(visits);
        const RecordingPrintDevice device = print(chart, context(false));
        QCOMPARE(device.ofKind(RecordingPrintDevice::Kind::NewPage).size(), pages);
        if (pages == 0)
            return;
        QVERIFY(hasItem(device, "山本 一郎", 1, 11, 1, 169, 55.5));
        QVERIFY(hasItem(device, "875", pages, 9.5, 2, 227.5, 319));
        QVERIFY(hasItem(device, "1234", pages, 12, 1, 114, 325));
        if (pages > 1) {
            QVERIFY(!hasItem(device, "山本 一郎", 2, 11, 1, 169, 55.5));
            QVERIFY(!hasItem(device, "875", 1, 9.5, 2, 227.5, 319));
        }
    }

    // A visit on the date printed last shows no date, also as the first visit of a new page.
    void dateOncePerDay()
    {
        SindansyoChart chart = mieChart();
        for (int j = 2; j < 7; ++j)
            chart.exam(j, "7.4.9");
        const RecordingPrintDevice device = print(chart, context(false));
        QVERIFY(hasItem(device, "3", 1, 9, 1, 18, 159.5));
        QVERIFY(!hasItem(device, "3", 1, 9, 1, 18, 165.2 + 25));         // visit 2, same day
        QVERIFY(hasItem(device, "9", 1, 9, 1, 18, 195.8 + 20));           // visit 3
        QVERIFY(!hasItem(device, "9", 1, 9, 1, 18, 221.5 + 20));          // visit 4
        QVERIFY(!hasItem(device, "9", 2, 9, 1, 18, 134.5 + 25));          // visit 7, page 2
        QCOMPARE(device.ofKind(RecordingPrintDevice::Kind::NewPage).size(), 2);
    }

    // The disease-1 code: the class circled by its number, the sub-codes printed all the same.
    void diseaseCode_data()
    {
        QTest::addColumn<bool>("a4");
        QTest::addColumn<QString>("code");
        QTest::addColumn<QPointF>("mark");    // (0, 0): none
        QTest::addColumn<bool>("subCodes");
        QTest::newRow("B4 5") << false << "5-12-0" << QPointF(158.8, 108) << true;
        QTest::newRow("B4 11") << false << "11-3-1" << QPointF(122, 115.5) << true;
        QTest::newRow("A4 15") << true << "15-12-0" << QPointF(130, 90.5) << true;
        QTest::newRow("A4 20") << true << "20-12-0" << QPointF() << true;
        QTest::newRow("two parts") << false << "5-12" << QPointF() << false;
        QTest::newRow("dash") << false << "-" << QPointF() << false;
        QTest::newRow("class 0") << false << "0-12-0" << QPointF() << false;
    }
    void diseaseCode()
    {
        QFETCH(bool, a4);
        QFETCH(QString, code);
        QFETCH(QPointF, mark);
        QFETCH(bool, subCodes);
        SindansyoChart chart = mieChart();
        chart.block.setCell(0, 3, code);
        chart.block.setCell(0, 8, "未");
        chart.kotai[5] = "未確認";
        chart.kotai[1] = "種豚";
        chart.kotai[8] = "";
        const RecordingPrintDevice device = print(chart, context(a4));
        const auto circles = device.ofKind(RecordingPrintDevice::Kind::Circle);
        const int species = a4 ? 2 : 1;
        QCOMPARE(circles.size(), species + (mark.isNull() ? 0 : 1));
        if (!mark.isNull())
            QVERIFY(hasCircle(device, 1, mark.x(), mark.y(), 2.0));
        const QString part1 = code.section('-', 1, 1);
        QCOMPARE(hasItem(device, part1, 1, a4 ? 10 : 11, a4 ? 3 : 1, a4 ? 178 : 214.5, a4 ? 87.5 : 112), subCodes);
    }

    // Disease names wrap at the line width: on A4 a long name prints at 6 pt from its long place,
    // and the next name stays at 6 pt; the B4 report wraps at 22 characters.
    void wrappedTexts()
    {
        SindansyoChart chart = mieChart();
        chart.block.setCell(0, 2, "一二三四五六七八九");
        chart.block.setCell(2, 2, QString("あ").repeated(40));
        RecordingPrintDevice device = print(chart, context(true));
        QVERIFY(hasItem(device, "一二三四五六七八", 1, 6, 1, 23.5, 69));
        QVERIFY(hasItem(device, "九", 1, 6, 1, 23.5, 71.7));
        QVERIFY(hasItem(device, "ケトーシス", 1, 6, 1, 20, 78.5));
        QVERIFY(hasItem(device, QString("あ").repeated(19), 1, 8.2, 1, 40, 84 + 2.6));
        QVERIFY(hasItem(device, "分娩後", 1, 8.2, 1, 40, 84 + 3 * 2.6 + 1.3));
        device = print(chart, context(false));
        QVERIFY(hasItem(device, QString("あ").repeated(22), 1, 9, 1, 32, 110));
        QVERIFY(hasItem(device, QString("あ").repeated(18), 1, 9, 1, 32, 113));
        QVERIFY(hasItem(device, "一二三四五六七八九", 1, 8.5, 1, 23.5, 90));
    }

    // A treatment text of 50 bytes or more is fitted into its row.
    void fitting_data()
    {
        QTest::addColumn<int>("chars");
        QTest::addColumn<QList<int>>("lengths");
        QTest::addColumn<QList<double>>("offsets");
        QTest::addColumn<double>("size");
        QTest::newRow("25") << 25 << QList<int>{25} << QList<double>{0} << 9.0;
        QTest::newRow("26") << 26 << QList<int>{26} << QList<double>{0} << 8.5;
        QTest::newRow("50") << 50 << QList<int>{50} << QList<double>{0} << 8.5;
        QTest::newRow("51") << 51 << QList<int>{25, 25, 1} << QList<double>{-1.25, 2, 4} << 8.5;
        QTest::newRow("76") << 76 << QList<int>{25, 25, 25, 1} << QList<double>{-1.25, 2, 4, 6} << 8.5;
    }
    void fitting()
    {
        QFETCH(int, chars);
        QFETCH(QList<int>, lengths);
        QFETCH(QList<double>, offsets);
        QFETCH(double, size);
        const QList<SindansyoMieProc::FitLine> lines = SindansyoMieProc::fitLines(QString(chars, QChar(0x3042)), 25, 5);
        QCOMPARE(lines.size(), lengths.size());
        for (int i = 0; i < lines.size(); ++i) {
            QCOMPARE(lines.at(i).text.size(), lengths.at(i));
            QVERIFY(qAbs(lines.at(i).dy - offsets.at(i)) < 1e-4);
            QCOMPARE(double(lines.at(i).size), size);
        }
    }
    // In the row: 49 bytes print whole at the line's size, 51 characters in three lines.
    void fittingInTheRow()
    {
        SindansyoChart chart = mieChart();
        const QString bytes49 = QString("あ").repeated(24) + "A";
        chart.tiryo(0, 2, {"静脈内注射", bytes49, "", "", "", "60", "36"});
        chart.tiryo(0, 3, {"経口", QString("い").repeated(51), "", "", "", "10", "9"});
        const RecordingPrintDevice device = print(chart, context(false));
        QVERIFY(hasItem(device, bytes49, 1, 9, 1, 112, 142));
        QVERIFY(hasItem(device, QString("い").repeated(25), 1, 8.5, 1, 112, 147 - 1.25));
        QVERIFY(hasItem(device, "い", 1, 8.5, 1, 112, 147 + 4));
    }

    // The veterinarian number: not with DocCh, not "Doctor"; no name without an address; a
    // site's identity row replaces the registers'.
    void veterinarian()
    {
        SindansyoPrintContext c = context(false);
        c.controls.insert("DocCh", "1");
        RecordingPrintDevice device = print(mieChart(), c);
        QVERIFY(!hasItem(device, "1234", 1, 12, 1, 114, 325));
        c = context(false);
        c.DoctorInfo = {"", "佐藤 誠", "Doctor"};
        device = print(mieChart(), c);
        QVERIFY(!device.findText("Doctor"));
        QVERIFY(!device.findText("佐藤 誠"));
        SharedState::get().SiteKey = "MIEB";
        SharedState::get().SiteRows =
            SiteProfile::parse({"MIEB,三重県,SiteMieVetB,DoctorName=三重 太郎,DoctorCode=,DoctorAd=津市1-1"});
        device = print(mieChart(), context(true));
        QVERIFY(hasItem(device, "三重 太郎", 1, 11, 1, 62, 252.5));
        QVERIFY(hasItem(device, "津市1-1", 1, 9, 1, 46, 247.5));
        QVERIFY(!hasItem(device, "1234", 1, 11, 1, 52, 260.5));
        QVERIFY(hasItem(device, "山本 一郎", 1, 9, 1, 139.5, 41));      // that site's name size
        QVERIFY(hasItem(device, "額に星", 1, 12, 1, 162, 47));
    }

    // The new edition of the B4 form moves the birth date, the animal name, the sex and the
    // species columns; 乳用胎児 has a column only there.
    void newEdition()
    {
        SindansyoChart chart = mieChart();
        chart.kotai[1] = "乳用胎児";
        SindansyoPrintContext c = context(false);
        RecordingPrintDevice device = print(chart, c);
        QCOMPARE(device.ofKind(RecordingPrintDevice::Kind::Circle).size(), 3);   // outcome, class, sex
        c.controls.insert("YousiCh", "1");
        device = print(chart, c);
        QVERIFY(hasItem(device, "H30", 1, 10, 1, 118.5, 62));
        QVERIFY(hasItem(device, "はなこ", 1, 10, 1, 121, 70));
        QVERIFY(hasCircle(device, 1, 86.5 + 13, 63.5, 2.0));
        QVERIFY(hasCircle(device, 1, 29 + 6.7 * 3, 61.5, 2.0));
    }

    // Pictures and PL marks take the calibration on B4 and none on A4, like the texts and the
    // drawn form there.
    void calibrationByPaper_data()
    {
        QTest::addColumn<bool>("a4");
        QTest::addColumn<double>("shiftX");
        QTest::newRow("B4") << false << 1.5;
        QTest::newRow("A4") << true << 0.0;
    }
    void calibrationByPaper()
    {
        QFETCH(bool, a4);
        QFETCH(double, shiftX);
        SindansyoChart chart = mieChart();
        chart.tiryo(0, 3, {"PLテスト結果", "右前 -  左前 +  右後 -  左後 -", "", "", "", "0", "0"});
        chart.block.setCell(KarteBlock::sinsatuRow(0) + 8, 2, "2");
        const QString printSet = root + "/set/PrintSet.ini";
        QFile file(printSet);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray stored = file.readAll();
        file.close();
        TestFixture::writeCp932(printSet, {"1.5", "0", "1"});
        const RecordingPrintDevice device = print(chart, context(a4));
        TestFixture::writeBytes(printSet, stored);
        const auto pictures = device.ofKind(RecordingPrintDevice::Kind::Picture);
        QCOMPARE(pictures.size(), 1);
        QVERIFY2(qAbs(pictures.at(0).xMm() - ((a4 ? 58 : 69) + shiftX)) < 0.05, qPrintable(QString::number(pictures.at(0).xMm())));
        bool mark = false;
        const double markX = (a4 ? 26 : 29) + shiftX + (a4 ? 4 : 6);   // the cross's vertical bar
        for (const auto& line : device.ofKind(RecordingPrintDevice::Kind::Line))
            mark = mark || qAbs(line.xMm() - markX) < 0.05;
        QVERIFY2(mark, "PL mark");
        QVERIFY(hasItem(device, "食欲廃絶", 1, a4 ? 8 : 9, 1, (a4 ? 20 : 24) + shiftX, a4 ? 113.5 : 142.5)); // with a picture
    }

    // With KaiCh the count of one a day the editor shows is printed; without it, the stored one.
    void examCountWithKaiCh()
    {
        SindansyoPrintContext c = context(false);
        c.controls.insert("KaiCh", "1");
        c.SinryoKaiChGd = "2";
        QVERIFY(hasItem(print(mieChart(), c), "2", 1, 13, 1, 64, 90.5));
        c.SinryoKaiChGd.clear();
        QVERIFY(hasItem(print(mieChart(), c), "3", 1, 13, 1, 64, 90.5));
        c.controls.insert("KaiCh", "0");
        c.SinryoKaiChGd = "2";
        QVERIFY(hasItem(print(mieChart(), c), "3", 1, 13, 1, 64, 90.5));
    }

    // On A4 the blank form is drawn first on every page, at the origin (12, 10); B4 draws none.
    void a4FormUnderEveryPage()
    {
        SindansyoChart chart = mieChart();
        chart.exam(6, "7.4.20");
        RecordingPrintDevice device = print(chart, context(true));
        QCOMPARE(device.ofKind(RecordingPrintDevice::Kind::NewPage).size(), 2);
        for (int page : {1, 2}) {
            QList<RecordingPrintDevice::Op> texts;
            for (const auto& op : device.ofKind(RecordingPrintDevice::Kind::Text)) {
                if (op.page == page)
                    texts.append(op);
            }
            QCOMPARE(texts.first().text, QStringLiteral("病"));
            QVERIFY(qAbs(texts.first().xMm() - (12 + 56)) < 0.01);
            int lines = 0;
            for (const auto& op : device.ofKind(RecordingPrintDevice::Kind::Line))
                lines += op.page == page && op.lineWidth == 9 ? 1 : 0;
            QCOMPARE(lines, 17);
        }
        device = print(chart, context(false));
        QVERIFY(!device.findText("病傷事故診断書") && !device.findText("病"));
    }

    void refusedEntry()
    {
        mieChart().write(root);
        RecordingPrintDevice device;
        const auto result = SindansyoMieProc::print(device, context(false), {"H7_00010001_1234_0.sxd", "肺炎", "7.4.3"});
        QCOMPARE(result.refusal, QStringLiteral("印刷できません。"));
        QVERIFY(device.ops.isEmpty());
    }
};

NOLVARI_TEST(SindansyoMieProcTest)
#include "SindansyoMieProcTest.moc"
