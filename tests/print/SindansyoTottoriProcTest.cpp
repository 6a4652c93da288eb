#include "PrintFixture.h"
#include "TestFixture.h"
#include "TestRegistry.h"

#include "common/DataPath.h"
#include "common/SharedState.h"
#include "print/tottori_miyazaki/SindansyoTottoriProc.h"

#include <QtTest>

namespace {

// The episode of the item table: three examinations, the first with a house call, an injection
// and the document fee; two diseases, dates, history report and cause, totals.
SindansyoChart tottoriChart()
{
    SindansyoChart chart;
    const QStringList name = {"Name", "", "第四胃変位", "2-15-0", "7.4.2", "7.4.3", "7.4.6", "7.4.12", "治癒", "3"};
    for (int c = 0; c < name.size(); ++c)
        chart.block.setCell(0, c, name.at(c));
    const QStringList data1 = {"Data", "", "ケトーシス", "3-4-1", "7.4.3", "7.4.3", "7.4.5", "7.4.12",
                               "", "", "", "", "R6.6.1", "R6.8.20"};
    for (int c = 0; c < data1.size(); ++c)
        chart.block.setCell(1, c, data1.at(c));
    chart.block.setCell(2, 2, "昨日から食欲がなく乳量が減った");
    chart.block.setCell(2, 5, "分娩後の飼養管理");
    chart.block.setCell(2, 8, "(満了)");
    chart.block.setCell(2, 9, "成乳牛･雌");
    const QStringList data3 = {"Data", "", "925", "93", "890", "782", "983", "875", "9,830"};
    for (int c = 0; c < data3.size(); ++c)
        chart.block.setCell(3, c, data3.at(c));
    chart.exam(0, "7.4.3", "T=39.2 P=84 R=32", "9:30", "10:40", "食欲廃絶");
    chart.tiryo(0, 1, {"往診", "3.5km", "日中:4k以内", "", "", "60", "54"});
    chart.tiryo(0, 2, {"静脈内注射", "カルシウム剤注射液", "500ml", "1", "320", "60", "36"});
    chart.tiryo(0, 3, {"文書", "診断書", "", "", "", "100", "90"});
    chart.exam(1, "7.4.4");
    chart.exam(2, "7.4.6");
    return chart;
}

constexpr double X0 = 13.2;
constexpr double Y0 = -3.0;

} // namespace

class SindansyoTottoriProcTest : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;
    QString root;

    RecordingPrintDevice print(const SindansyoChart& chart, const SindansyoPrintContext& context, int paper = 0,
                               const QString& fileName = QStringLiteral("H7_00010001_1234_0.sxd"))
    {
        chart.write(root, fileName);
        RecordingPrintDevice device;
        device.assumePicturesExist = true;
        const SindansyoPrintRun::Result result =
            SindansyoTottoriProc::print(device, context, {fileName, chart.block.cell(0, 2), "7.4.3"}, paper);
        if (!result.refusal.isEmpty())
            qWarning("%s", qPrintable(result.refusal));
        return device;
    }

    SindansyoPrintContext context()
    {
        SindansyoPrintContext c = sampleContext(Ken::Tottori);
        c.controls.insert("ByoCh", "1");
        return c;
    }

private slots:
    void initTestCase()
    {
        root = TestFixture::copySample(dir.path());
    }
    void init()
    {
        TestFixture::resetGlobals();
        DataPath::setRoot(root);
    }

    // Every fixed item of the first page: text, size, item point (mm), alignment.
    void items_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("size");
        QTest::addColumn<int>("align");
        QTest::addColumn<double>("x");
        QTest::addColumn<double>("y");
        // Every page.
        QTest::newRow("farmer name") << "山本 一郎" << 11.0 << 1 << X0 + 86 << Y0 + 61;
        QTest::newRow("farmer address") << "鳥取県中央市東谷1-2" << 10.0 << 1 << X0 + 85 << Y0 + 53;
        QTest::newRow("print year") << "6" << 12.0 << 1 << X0 + 50 << Y0 + 36;
        QTest::newRow("veterinarian number") << "1234" << 11.0 << 1 << X0 + 37 << Y0 + 273.5;
        QTest::newRow("veterinarian name") << "佐藤 誠" << 14.0 << 1 << X0 + 66 << Y0 + 273;
        QTest::newRow("veterinarian address") << "鳥取県中央市本町2-5 佐藤家畜診療所" << 10.0 << 1 << X0 + 62 << Y0 + 266;
        QTest::newRow("chart date, year") << "7" << 10.0 << 1 << X0 + 38 << Y0 + 260;
        QTest::newRow("chart date, month") << "5" << 10.0 << 1 << X0 + 55 << Y0 + 260;
        QTest::newRow("chart date, day") << "20" << 10.0 << 1 << X0 + 66 << Y0 + 260;
        // First page, the animal.
        QTest::newRow("member code") << "00010001" << 11.0 << 1 << X0 + 27 << Y0 + 44.5;
        QTest::newRow("ear tag") << "1234" << 11.0 << 1 << X0 + 145 << Y0 + 52.5;
        QTest::newRow("birth year") << "H30" << 8.0 << 1 << X0 + 106.5 << Y0 + 37;
        QTest::newRow("birth month") << "3" << 8.0 << 1 << X0 + 115 << Y0 + 37;
        QTest::newRow("birth day") << "15" << 8.0 << 1 << X0 + 124 << Y0 + 37;
        QTest::newRow("animal name") << "はなこ" << 10.0 << 1 << X0 + 142 << Y0 + 62;
        QTest::newRow("individual number") << "1012345678" << 12.0 << 1 << X0 + 71 << Y0 + 39.5;
        QTest::newRow("stop reason") << "(満了)" << 7.5 << 3 << X0 + 144 << Y0 + 78;
        // The episode.
        QTest::newRow("examinations") << "3" << 14.0 << 1 << X0 + 169 << Y0 + 78;
        QTest::newRow("disease 1") << "第四胃変位" << 8.5 << 1 << X0 + 7 << 68.5;
        QTest::newRow("disease 2") << "ケトーシス" << 8.5 << 1 << X0 + 7 << 79.5;
        QTest::newRow("code 1 part 0") << "2" << 10.0 << 1 << X0 + 39.5 << Y0 + 72;
        QTest::newRow("code 1 part 1") << "15" << 10.0 << 1 << X0 + 50.5 << Y0 + 72;
        QTest::newRow("code 1 part 2 zero") << "-" << 10.0 << 1 << X0 + 63.5 << Y0 + 72;
        QTest::newRow("code 2 part 2") << "1" << 10.0 << 1 << X0 + 63.5 << Y0 + 82;
        QTest::newRow("onset day") << "2" << 9.0 << 1 << X0 + 81 << Y0 + 75;
        QTest::newRow("first-exam day") << "3" << 9.0 << 1 << X0 + 97 << Y0 + 75;
        QTest::newRow("last-exam day") << "6" << 9.0 << 1 << X0 + 114 << Y0 + 75;
        QTest::newRow("outcome day") << "12" << 9.0 << 1 << X0 + 131 << Y0 + 75;
        QTest::newRow("outcome month") << "4" << 9.0 << 1 << X0 + 126 << Y0 + 75;
        QTest::newRow("disease 2 last-exam day") << "5" << 9.0 << 1 << X0 + 114 << Y0 + 85;
        QTest::newRow("history report") << "昨日から食欲がなく乳量が減った" << 9.0 << 1 << X0 + 11 << 94.0;
        QTest::newRow("cause below one line") << "分娩後の飼養管理" << 9.0 << 1 << X0 + 11 << 98.0;
        QTest::newRow("last calving year") << "6" << 8.0 << 1 << X0 + 71 << Y0 + 97;
        QTest::newRow("last calving day") << "1" << 8.0 << 1 << X0 + 90 << Y0 + 97;
        QTest::newRow("last insemination year") << "6" << 8.0 << 1 << X0 + 72 << Y0 + 105;
        QTest::newRow("last insemination month") << "8" << 8.0 << 1 << X0 + 82 << Y0 + 105;
        QTest::newRow("association") << "101" << 10.0 << 1 << X0 + 24 << Y0 + 36;
        // Examination slot 0 (base 112).
        QTest::newRow("exam month") << "4" << 9.0 << 1 << X0 << 115.0;
        QTest::newRow("exam day") << "3" << 9.0 << 1 << X0 + 2 << 148.0;
        QTest::newRow("temperature") << "T.39.2" << 10.0 << 1 << X0 + 12 << 114.5;
        QTest::newRow("pulse") << "P.84" << 10.0 << 1 << X0 + 24 << 114.5;
        QTest::newRow("respiration") << "R.32" << 10.0 << 1 << X0 + 34 << 114.5;
        QTest::newRow("course text") << "食欲廃絶" << 10.0 << 1 << X0 + 11 << 118.0;
        QTest::newRow("start time") << "9:30～" << 8.5 << 1 << X0 + 117 << 115.5;
        QTest::newRow("end time") << "10:40" << 8.5 << 1 << X0 + 117 << 118.0;
        QTest::newRow("house call distance") << "3.5" << 8.8 << 1 << X0 + 77 << 116.0;
        QTest::newRow("house call B") << "60" << 8.8 << 2 << X0 + 161 << 118.5;
        QTest::newRow("house call A") << "54" << 8.8 << 2 << X0 + 177 << 118.5;
        QTest::newRow("category") << "静脈注" << 8.8 << 1 << X0 + 64.5 << 121.5;
        QTest::newRow("drug price") << "320" << 8.8 << 2 << X0 + 146 << 121.5;
        QTest::newRow("line B") << "60" << 8.8 << 2 << X0 + 161 << 121.5;
        QTest::newRow("line A") << "36" << 8.8 << 2 << X0 + 177 << 121.5;
        QTest::newRow("content") << "カルシウム剤注射液：500ml×1" << 8.8 << 1 << X0 + 75 << 121.5;
        // Last page.
        QTest::newRow("document fee B") << "100" << 9.0 << 2 << X0 + 161 << Y0 + 246.5;
        QTest::newRow("document fee A") << "90" << 9.0 << 2 << X0 + 177 << Y0 + 246.5;
        QTest::newRow("drug-price total") << "925" << 10.0 << 2 << X0 + 145 << Y0 + 255;
        QTest::newRow("B points") << "890" << 10.0 << 2 << X0 + 161 << Y0 + 255;
        QTest::newRow("A points") << "782" << 10.0 << 2 << X0 + 178 << Y0 + 255;
        QTest::newRow("B total") << "983" << 10.0 << 2 << X0 + 161 << Y0 + 264;
        QTest::newRow("A total") << "875" << 10.0 << 2 << X0 + 178 << Y0 + 264;
        QTest::newRow("B fee") << "9,830" << 10.0 << 2 << X0 + 148 << Y0 + 275;
        QTest::newRow("A fee") << "8,750" << 10.0 << 2 << X0 + 175 << Y0 + 275;
    }
    void items()
    {
        QFETCH(QString, text);
        QFETCH(double, size);
        QFETCH(int, align);
        QFETCH(double, x);
        QFETCH(double, y);
        const RecordingPrintDevice device = print(tottoriChart(), context());
        QCOMPARE(device.pageCount(), 2); // one page, then the new page it ends with
        QVERIFY2(hasItem(device, text, 1, size, align, x, y), qPrintable(itemsOf(device, text)));
        QCOMPARE(device.findText(text)->fontName, QStringLiteral("ＭＳ Ｐ明朝"));
    }

    void choiceCircles()
    {
        const RecordingPrintDevice device = print(tottoriChart(), context());
        QVERIFY(hasCircle(device, 1, X0 + 111, Y0 + 44, 2.0));       // 雌
        QVERIFY(hasCircle(device, 1, X0 + 11, Y0 + 59, 2.0));        // 成乳牛, old paper
        QVERIFY(hasCircle(device, 1, X0 + 144, Y0 + 74.5, 2.0));     // 治癒
        QVERIFY(hasCircle(device, 1, X0, Y0 + 36.5, 2.0));           // 包
        QVERIFY(hasCircle(device, 1, X0 + 68, Y0 + 245.5, 2.0));     // document fee
        QCOMPARE(device.ofKind(RecordingPrintDevice::Kind::Circle).size(), 5);
        // A chart date of another shape prints no date; "Doctor" is no number; no address, no name.
        SindansyoPrintContext c = context();
        c.PrintHiduke = "R7.5";
        c.DoctorInfo = {"", "佐藤 誠", "Doctor"};
        const RecordingPrintDevice other = print(tottoriChart(), c);
        QVERIFY(!other.findText("Doctor"));
        QVERIFY(!other.findText("佐藤 誠"));
        QVERIFY(!hasItem(other, "20", 1, 10, 1, X0 + 66, Y0 + 260));
    }

    void speciesByPaper_data()
    {
        QTest::addColumn<int>("paper");
        QTest::addColumn<double>("x");
        QTest::addColumn<double>("y");
        QTest::addColumn<double>("radius");
        QTest::newRow("old paper") << 0 << X0 + 51.5 << Y0 + 62 << 2.0;
        QTest::newRow("new paper") << 1 << X0 + 45.7 << Y0 + 59 << 3.0;
    }
    void speciesByPaper()
    {
        QFETCH(int, paper);
        QFETCH(double, x);
        QFETCH(double, y);
        QFETCH(double, radius);
        SindansyoChart chart = tottoriChart();
        chart.block.setCell(2, 9, "");       // no episode species: the animal's
        chart.kotai[1] = "他肉子牛";
        const RecordingPrintDevice device = print(chart, context(), paper);
        QVERIFY(hasCircle(device, 1, x, y, radius));
        QVERIFY(hasCircle(device, 1, X0 + 111, Y0 + 44, 2.0));      // the sex from the animal
    }

    // Six examinations: two pages; the second repeats the every-page items and the individual
    // number, holds examination 6 in slot 0, the page numbers and the totals.
    void secondPage()
    {
        SindansyoChart chart = tottoriChart();
        for (int j = 3; j < 6; ++j)
            chart.exam(j, QStringLiteral("7.4.%1").arg(10 + j));
        const RecordingPrintDevice device = print(chart, context());
        QCOMPARE(device.ofKind(RecordingPrintDevice::Kind::NewPage).size(), 2);
        QVERIFY(hasItem(device, "1", 1, 14, 1, X0 + 120, Y0 + 19));
        QVERIFY(hasItem(device, "2", 2, 14, 1, X0 + 120, Y0 + 19));
        QVERIFY(hasItem(device, "山本 一郎", 2, 11, 1, X0 + 86, Y0 + 61));
        QVERIFY(hasItem(device, "1012345678", 2, 12, 1, X0 + 71, Y0 + 39.5));
        QVERIFY(!hasItem(device, "00010001", 2, 11, 1, X0 + 27, Y0 + 44.5));
        QVERIFY(hasItem(device, "15", 2, 9, 1, X0 + 2, 148));        // examination 6, day 15
        QVERIFY(hasItem(device, "925", 2, 10, 2, X0 + 145, Y0 + 255));
        QVERIFY(!hasItem(device, "925", 1, 10, 2, X0 + 145, Y0 + 255));
        QVERIFY(hasItem(device, "100", 2, 9, 2, X0 + 161, Y0 + 246.5)); // fee of page 1 on page 2
    }

    // The same examination in slot 0 and slot 3.
    void slotOffsets()
    {
        SindansyoChart chart = tottoriChart();
        for (int j : {0, 3}) {
            chart.exam(j, "7.4.9", "", "", "", "");
            chart.tiryo(j, 1, {"PLテスト結果", "右前 -  左前 +  右後 -  左後 -", "", "", "", "0", "0"});
            chart.tiryo(j, 2, {"筋肉内注射", "ビタミン剤", "", "", "", "25", "22"});
            chart.tiryo(j, 3, {"", "", "", "", "", "", ""});
            chart.block.setCell(KarteBlock::sinsatuRow(j) + 8, 2, "3:5");
        }
        const RecordingPrintDevice device = print(chart, context());
        const struct { double base, day, line, mark, picture; } cases[] = {{112, 36, 9.5, 28.5, 20}, {199, 20, 7, 13.5, 5}};
        for (const auto& s : cases) {
            QVERIFY(hasItem(device, "9", 1, 9, 1, X0 + 2, s.base + s.day));
            QVERIFY(hasItem(device, "筋肉注", 1, 8.8, 1, X0 + 64.5, s.base + s.line));
            bool mark = false;
            for (const auto& line : device.ofKind(RecordingPrintDevice::Kind::Line))
                mark = mark || (qAbs(line.xMm() - (X0 + 53 + 4)) < 0.05 && qAbs(line.yMm() - (s.base + s.mark)) < 0.05);
            QVERIFY2(mark, "PL mark");
            bool picture = false;
            for (const auto& p : device.ofKind(RecordingPrintDevice::Kind::Picture))
                picture = picture || (p.text.endsWith("Pict_2.bmp") && qAbs(p.yMm() - (s.base + s.picture)) < 0.05);
            QVERIFY2(picture, "picture 3");
        }
    }

    void timesCategoriesAndHouseCalls()
    {
        SindansyoChart chart = tottoriChart();
        chart.exam(1, "7.4.4", "", "8:5", "13:0", "");
        chart.exam(2, "7.4.6", "", "", "9:0", "");
        chart.tiryo(1, 1, {"往診", "同時診療", "", "", "", "0", "0"});
        chart.tiryo(1, 2, {"筋肉内注射", "ビタミンB1注射液", "10ml", "2", "125", "25", "0"});
        chart.tiryo(1, 3, {"往診", "5.0km", "", "", "", "80", "72"});
        chart.tiryo(1, 4, {"筋肉内注射", "ビタミンB1注射液", "", "", "", "25", "22"});
        chart.tiryo(1, 5, {"往診", "2.0km", "", "", "", "40", "36"});
        chart.tiryo(1, 6, {"調剤不要", "整腸剤", "", "", "", "10", "9"});
        const RecordingPrintDevice device = print(chart, context());
        const double base = 151;
        QVERIFY(hasItem(device, "8:05～", 1, 8.5, 1, X0 + 117, base + 2));
        QVERIFY(hasItem(device, "13:00", 1, 8.5, 1, X0 + 117, base + 4.5));
        QVERIFY(hasItem(device, "9:00", 1, 8.5, 1, X0 + 117, 175 + 4.5));
        QVERIFY(!device.findText("～"));
        QVERIFY(hasItem(device, "同時診療", 1, 8, 1, X0 + 74, base + 2.5));
        QVERIFY(hasItem(device, "5.0", 1, 8.8, 1, X0 + 77, base + 2.5));
        QVERIFY(hasItem(device, "80", 1, 8.8, 2, X0 + 161, base + 2.5));
        QVERIFY(!device.findText("2.0"));
        QVERIFY(hasItem(device, "筋肉注", 1, 8.8, 1, X0 + 64.5, base + 7));
        QVERIFY(hasItem(device, "ビタミンB1注射液：10ml×2", 1, 8.8, 1, X0 + 75, base + 7));
        QVERIFY(!hasItem(device, "0", 1, 8.8, 2, X0 + 177, base + 7));       // A points "0"
        QVERIFY(hasItem(device, "筋肉注", 1, 8.8, 1, X0 + 64.5, base + 7 + 2.9));
        QVERIFY(hasItem(device, "調剤無", 1, 8.8, 1, X0 + 64.5, base + 7 + 2 * 2.9));
    }

    // A long content wraps at 36 bytes and pushes the next line below it; 点数外入力 wraps in its
    // column unless the site leaves it out, and that site cuts the surcharge text off the standard.
    void wrappedLinesAndSiteVariant()
    {
        SindansyoChart chart = tottoriChart();
        chart.tiryo(1, 1, {"点数外入力", "処置料", "", "", "", "30", "27"});
        chart.tiryo(1, 2, {"静脈内注射", "カルシウム剤注射液", "５００ｍｌ増点B=2", "1", "", "60", "36"});
        chart.tiryo(1, 3, {"静脈内注射", "長い名前のブドウ糖加リンゲル注射液", "500ml", "2", "", "60", "36"});
        chart.tiryo(1, 4, {"経口", "整腸剤", "", "", "", "10", "9"});
        RecordingPrintDevice device = print(chart, context());
        const double base = 151 + 7;
        QVERIFY(hasItem(device, "点数外", 1, 8.8, 1, X0 + 64.5, base));
        QVERIFY(hasItem(device, "入力", 1, 8.8, 1, X0 + 64.5, base + 2.9));
        QVERIFY(hasItem(device, "カルシウム剤注射液：500ml増点B=2×1", 1, 8.8, 1, X0 + 75, base + 2 * 2.9));
        QVERIFY(hasItem(device, "長い名前のブドウ糖加リンゲル注射液：", 1, 8.8, 1, X0 + 75, base + 3 * 2.9));
        QVERIFY(hasItem(device, "500ml×2", 1, 8.8, 1, X0 + 75, base + 4 * 2.9));
        QVERIFY(hasItem(device, "経口", 1, 8.8, 1, X0 + 64.5, base + 5 * 2.9));

        SharedState::get().SiteRows = SiteProfile::parse({"佐藤,鳥取県,SiteTottoriVetA"});
        device = print(chart, context());
        QVERIFY(!device.findText("点数外"));
        QVERIFY(hasItem(device, "処置料", 1, 8.8, 1, X0 + 75, base));
        QVERIFY(hasItem(device, "カルシウム剤注射液：500ml×1", 1, 8.8, 1, X0 + 75, base + 2.9));
    }

    // The disease rows: a name of more than ten characters starts higher and wraps after 20
    // bytes; the first code row that stops ends the codes of the rows below it, while a code of
    // another shape only skips its own row; an onset date beginning with "." drops every date.
    void diseaseRows_data()
    {
        QTest::addColumn<QStringList>("cells");       // row,field,value triples
        QTest::addColumn<QStringList>("present");     // text@x@y in paper mm
        QTest::addColumn<QStringList>("absent");
        const QString y72 = QString::number(Y0 + 72), y82 = QString::number(Y0 + 82), y85 = QString::number(Y0 + 85.5);
        const QString xc0 = QString::number(X0 + 39.5), xc2 = QString::number(X0 + 63.5);
        QTest::newRow("long disease 1")
            << QStringList{"0", "2", "一二三四五六七八九十壱"}
            << QStringList{"一二三四五六七八九十@" + QString::number(X0 + 7) + "@66",
                           "壱@" + QString::number(X0 + 7) + "@68.7"}
            << QStringList{"一二三四五六七八九十壱@" + QString::number(X0 + 7) + "@68.5"};
        QTest::newRow("long disease 2 and disease 3 with its code")
            << QStringList{"1", "2", "一二三四五六七八九十壱", "0", "14", "肺炎", "0", "15", "5-7-2"}
            << QStringList{"一二三四五六七八九十@" + QString::number(X0 + 7) + "@76.5", "肺炎@" + QString::number(X0 + 7) + "@83",
                           "5@" + xc0 + "@" + y85, "2@" + xc2 + "@" + y85}
            << QStringList{};
        QTest::newRow("empty disease-1 code stops every row")
            << QStringList{"0", "3", "", "0", "14", "肺炎", "0", "15", "5-7-2"}
            << QStringList{}
            << QStringList{"3@" + xc0 + "@" + y82, "5@" + xc0 + "@" + y85};
        QTest::newRow("disease-2 code beginning with - stops disease 3")
            << QStringList{"1", "3", "-4-1", "0", "14", "肺炎", "0", "15", "5-7-2"}
            << QStringList{"2@" + xc0 + "@" + y72}
            << QStringList{"5@" + xc0 + "@" + y85};
        QTest::newRow("code of two parts skips its row only")
            << QStringList{"0", "3", "2-15"}
            << QStringList{"3@" + xc0 + "@" + y82}
            << QStringList{"2@" + xc0 + "@" + y72};
        QTest::newRow("no disease 3 name: no disease-3 code")
            << QStringList{"0", "15", "5-7-2"}
            << QStringList{"3@" + xc0 + "@" + y82}
            << QStringList{"5@" + xc0 + "@" + y85};
        QTest::newRow("onset beginning with . drops both date rows")
            << QStringList{"0", "4", ".."}
            << QStringList{}
            << QStringList{"3@" + QString::number(X0 + 97) + "@" + QString::number(Y0 + 75),
                           "5@" + QString::number(X0 + 114) + "@" + QString::number(Y0 + 85)};
    }
    void diseaseRows()
    {
        QFETCH(QStringList, cells);
        QFETCH(QStringList, present);
        QFETCH(QStringList, absent);
        SindansyoChart chart = tottoriChart();
        for (int i = 0; i + 2 < cells.size(); i += 3)
            chart.block.setCell(cells.at(i).toInt(), cells.at(i + 1).toInt(), cells.at(i + 2));
        const RecordingPrintDevice device = print(chart, context());
        for (const QString& item : present) {
            const QStringList p = item.split('@');
            const double size = p.at(0).at(0).isDigit() ? 10 : 8.5; // a code part, else a name
            QVERIFY2(hasItem(device, p.at(0), 1, size, 1, p.at(1).toDouble(), p.at(2).toDouble()),
                     qPrintable(item + "\n" + itemsOf(device, p.at(0))));
        }
        for (const QString& item : absent) {
            const QStringList p = item.split('@');
            for (double size : {8.5, 9.0, 10.0})
                QVERIFY2(!hasItem(device, p.at(0), 1, size, 1, p.at(1).toDouble(), p.at(2).toDouble()), qPrintable(item));
        }
    }

    // The ear tag prints only on an adult's chart, for a tag without "K" in front or a hyphen;
    // the chart date drops its era letter.
    void earTagAndChartYear_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("tag");
        QTest::addColumn<bool>("printed");
        QTest::newRow("adult") << "H7_00010001_1234_0.sxd" << "1234" << true;
        QTest::newRow("calf chart") << "H7_00010001_1234_1.sxd" << "1234" << false;
        QTest::newRow("k tag") << "H7_00010001_1234_0.sxd" << "k1234" << false;
        QTest::newRow("K tag") << "H7_00010001_1234_0.sxd" << "K1234" << false;
        QTest::newRow("hyphen") << "H7_00010001_1234_0.sxd" << "12-34" << false;
    }
    void earTagAndChartYear()
    {
        QFETCH(QString, file);
        QFETCH(QString, tag);
        QFETCH(bool, printed);
        SindansyoChart chart = tottoriChart();
        chart.kotai[10] = tag;
        SindansyoPrintContext c = context();
        c.PrintHiduke = "H30.3.12";
        const RecordingPrintDevice device = print(chart, c, 0, file);
        QCOMPARE(hasItem(device, tag, 1, 11, 1, X0 + 145, Y0 + 52.5), printed);
        QVERIFY(hasItem(device, "30", 1, 10, 1, X0 + 38, Y0 + 260));
        QVERIFY(hasItem(device, "12", 1, 10, 1, X0 + 66, Y0 + 260));
    }

    // The course text's size, width and pitch follow the picture and the PL test of the block.
    void courseText_data()
    {
        QTest::addColumn<QString>("picture");
        QTest::addColumn<bool>("plTest");
        QTest::addColumn<double>("size");
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<double>("pitch");
        const QString text = "一二三四五六七八九十壱弐参四";
        QTest::newRow("plain") << "" << false << 10.0 << QStringList{text} << 3.5;
        QTest::newRow("picture 3 of 3:5") << "3:5" << false << 9.0 << QStringList{text.left(13), "四"} << 3.2;
        QTest::newRow("PL test") << "" << true << 9.0 << QStringList{text.left(13), "四"} << 3.0;
        QTest::newRow("picture 0") << "0" << false << 10.0 << QStringList{text} << 3.5;
    }
    void courseText()
    {
        QFETCH(QString, picture);
        QFETCH(bool, plTest);
        QFETCH(double, size);
        QFETCH(QStringList, lines);
        QFETCH(double, pitch);
        SindansyoChart chart = tottoriChart();
        chart.exam(1, "7.4.4", "", "", "", "一二三四五六七八九十壱弐参四");
        chart.block.setCell(KarteBlock::sinsatuRow(1) + 8, 2, picture);
        if (plTest)
            chart.tiryo(1, 1, {"PLテスト結果", "右前 -  左前 +  右後 -  左後 -", "", "", "", "0", "0"});
        const RecordingPrintDevice device = print(chart, context());
        for (int i = 0; i < lines.size(); ++i)
            QVERIFY2(hasItem(device, lines.at(i), 1, size, 1, X0 + 11, 151 + 6 + i * pitch), qPrintable(itemsOf(device, lines.at(i))));
    }

    // The last document-fee line met, here on page 1 and again on page 2, is the one the totals
    // print; neither is listed among the treatment lines.
    void documentFeeOfTheLastLine()
    {
        SindansyoChart chart = tottoriChart();
        for (int j = 3; j < 7; ++j)
            chart.exam(j, QStringLiteral("7.4.%1").arg(10 + j));
        chart.tiryo(6, 1, {"文書", "診断書", "", "", "", "120", "108"});
        const RecordingPrintDevice device = print(chart, context());
        QVERIFY(hasItem(device, "120", 2, 9, 2, X0 + 161, Y0 + 246.5));
        QVERIFY(hasItem(device, "108", 2, 9, 2, X0 + 177, Y0 + 246.5));
        QVERIFY(hasCircle(device, 2, X0 + 68, Y0 + 245.5, 2.0));
        QVERIFY(!device.findText("100"));
        QVERIFY(!device.findText("診断書"));
    }

    // The other choice values: 雄, 中止 with its reason, 個, a single-letter species on the new paper.
    void otherChoices()
    {
        SindansyoChart chart = tottoriChart();
        chart.block.setCell(2, 9, "肥･雄");
        chart.block.setCell(0, 8, "中止");
        chart.kotai[8] = " 個 ";
        const RecordingPrintDevice device = print(chart, context(), 1);
        QVERIFY(hasCircle(device, 1, X0 + 117.5, Y0 + 44, 2.0));
        QVERIFY(hasCircle(device, 1, X0 + 34, Y0 + 60.5, 2.0));
        QVERIFY(hasCircle(device, 1, X0 + 154.5, Y0 + 74.5, 2.0));
        QVERIFY(hasItem(device, "(満了)", 1, 7.5, 3, X0 + 154.5, Y0 + 78));
        QVERIFY(hasCircle(device, 1, X0, Y0 + 42.5, 2.0));
        QCOMPARE(device.ofKind(RecordingPrintDevice::Kind::Circle).size(), 5);
    }

    // The site's substitution tables: the member code printed as its partner, and without a
    // registered name the chart's farmer name printed as its partner.
    void siteSubstitutions()
    {
        SharedState::get().SiteRows =
            SiteProfile::parse({"佐藤,鳥取県,CodeHenkan=00010001>00019999,NameHenkan=山本 一郎>山本 一朗"});
        SindansyoChart chart = tottoriChart();
        RecordingPrintDevice device = print(chart, context());
        QVERIFY(hasItem(device, "00019999", 1, 11, 1, X0 + 27, Y0 + 44.5));
        QVERIFY(hasItem(device, "山本 一郎", 1, 11, 1, X0 + 86, Y0 + 61));   // the register's name
        SindansyoPrintContext c = context();
        c.CurrentNouka.NoukaCode = "00099999";                               // not registered
        device = print(chart, c);
        QVERIFY(hasItem(device, "山本 一朗", 1, 11, 1, X0 + 86, Y0 + 61));
        QVERIFY(hasItem(device, "00010001", 1, 11, 1, X0 + 27, Y0 + 44.5));
    }

    // An A total of 0 prints no A fee; an outcome of 未 no circle, dates or reason; the empty
    // history report puts the cause at 98 mm; SyusinCh drops the last-exam dates.
    void emptiesAndOptions()
    {
        SindansyoChart chart = tottoriChart();
        chart.block.setCell(3, 7, "0");
        chart.block.setCell(0, 8, "未");
        chart.block.setCell(2, 2, "");
        SindansyoPrintContext c = context();
        c.controls.insert("SyusinCh", "1");
        c.controls.insert("ByoCh", "0");
        const RecordingPrintDevice device = print(chart, c);
        QVERIFY(!device.findText("8,750"));
        QVERIFY(hasItem(device, "9,830", 1, 10, 2, X0 + 148, Y0 + 275));
        QVERIFY(!device.findText("(満了)"));
        QVERIFY(!hasItem(device, "12", 1, 9, 1, X0 + 131, Y0 + 75));
        QVERIFY(!hasItem(device, "6", 1, 9, 1, X0 + 114, Y0 + 75));
        QVERIFY(hasItem(device, "3", 1, 9, 1, X0 + 97, Y0 + 75));
        QVERIFY(!hasItem(device, "3", 1, 9, 1, X0 + 97, Y0 + 85));    // no disease-2 dates
        QVERIFY(device.findText("ケトーシス"));
        QVERIFY(hasItem(device, "分娩後の飼養管理", 1, 9, 1, X0 + 11, 98));
        QCOMPARE(device.ofKind(RecordingPrintDevice::Kind::Circle).size(), 4);
    }

    // A missing episode refuses the entry; an episode without counted examinations prints nothing.
    void refusalsAndEmptyEpisodes()
    {
        tottoriChart().write(root);
        RecordingPrintDevice device;
        const auto result =
            SindansyoTottoriProc::print(device, context(), {"H7_00010001_1234_0.sxd", "第四胃変位", "7.4.30"}, 0);
        QCOMPARE(result.refusal, QStringLiteral("印刷できません。"));
        QVERIFY(device.ops.isEmpty());
        SindansyoChart empty;
        const RecordingPrintDevice none = print(empty, context());
        QCOMPARE(none.ofKind(RecordingPrintDevice::Kind::Text).size(), 0);
        QCOMPARE(none.pageCount(), 1);
    }
};

NOLVARI_TEST(SindansyoTottoriProcTest)
#include "SindansyoTottoriProcTest.moc"
