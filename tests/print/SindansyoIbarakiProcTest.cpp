#include "PrintFixture.h"
#include "TestFixture.h"
#include "TestRegistry.h"

#include "common/DataPath.h"
#include "common/SharedState.h"
#include "common/SindansyoEpisode.h"
#include "common/SiteProfile.h"
#include "common/TextFile.h"
#include "print/ibaraki/SindansyoIbarakiProc.h"

#include <QtTest>

using Layout = SindansyoIbarakiProc::Layout;
Q_DECLARE_METATYPE(Layout)

namespace {

const QString Farm2A = QStringLiteral(
    "IBF2A,茨城県,SiteIbarakiFarm2A,DoctorName1=田中 一郎,DoctorName2=鈴木 二郎,DoctorName3=高橋 三郎,"
    "ClinicLine=北町1-1 北診療所,NewClinicLine=北町1-1 新北診療所,OwnerName=北牧場 第二農場,"
    "OwnerAddress=北町/大字北/1-1,AreaNumber=12,KumiaiNumber=345");

// One episode of three examinations: a house call and an injection on the first, codes, dates,
// report and cause, last calving and totals.
SindansyoChart ibarakiChart()
{
    SindansyoChart chart;
    const QStringList name = {"Name", "", "第四胃変位", "8-1-3", "7.4.2", "7.4.3", "7.4.20", "7.4.25", "治癒", "3",
                              "", "", "", "7･5"};
    for (int c = 0; c < name.size(); ++c)
        chart.block.setCell(0, c, name.at(c));
    chart.block.setCell(1, 12, "R6.6.12");
    chart.block.setCell(2, 2, "食欲不振");
    chart.block.setCell(2, 5, "分娩後");
    const QStringList data3 = {"Data", "", "12345", "1234", "890", "782", "2124", "1234", "21,240"};
    for (int c = 0; c < data3.size(); ++c)
        chart.block.setCell(3, c, data3.at(c));
    chart.exam(0, "7.4.3", "T=39.2 P=84 R=32", "", "", "食欲廃絶");
    chart.tiryo(0, 1, {"往診", "3.5km：北町宅より", "", "", "", "60", "54"});
    chart.tiryo(0, 2, {"静脈内注射", "カルシウム剤", "500ml", "1", "320", "60", "36"});
    chart.exam(1, "7.4.4");
    chart.exam(2, "7.4.6");
    return chart;
}

int countAt(const RecordingPrintDevice& device, const QString& text, int page)
{
    int n = 0;
    for (const auto& op : device.ofKind(RecordingPrintDevice::Kind::Text))
        n += op.text == text && op.page == page ? 1 : 0;
    return n;
}

} // namespace

class SindansyoIbarakiProcTest : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;
    QString root;

    SindansyoPrintContext context(const QString& row = Farm2A)
    {
        SindansyoPrintContext c = sampleContext(Ken::Ibaraki);
        c.Site = SiteProfile::parseRow(row);
        c.controls.insert("Option1(0)", "1");
        return c;
    }

    RecordingPrintDevice print(const SindansyoChart& chart, const SindansyoPrintContext& c, Layout layout,
                               QList<TcbLogFile::Kiroku>* log = nullptr)
    {
        const QString fileName = QStringLiteral("H7_00010001_1234_0.sxd");
        chart.write(root, fileName);
        RecordingPrintDevice device;
        device.assumePicturesExist = true;
        const auto result =
            SindansyoIbarakiProc::print(device, c, {fileName, chart.block.cell(0, 2), chart.block.cell(0, 5)}, layout, log);
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
        TestFixture::writeCp932(root + "/set/DocBunrui.ini", {"指定"});
    }

    // The paper boxes choose the layout; the clinic prints on blank paper only.
    void layoutChoice_data()
    {
        QTest::addColumn<bool>("yousi");
        QTest::addColumn<bool>("hakusi");
        QTest::addColumn<bool>("clinic");
        QTest::addColumn<int>("layout");   // -1 none
        QTest::newRow("old") << false << false << false << int(Layout::Kyu);
        QTest::newRow("old, blank box alone") << false << true << false << int(Layout::Kyu);
        QTest::newRow("new") << true << false << false << int(Layout::New);
        QTest::newRow("blank") << true << true << false << int(Layout::Hakusi);
        QTest::newRow("clinic blank") << true << true << true << int(Layout::Hakusi);
        QTest::newRow("clinic new") << true << false << true << -1;
        QTest::newRow("clinic old") << false << false << true << -1;
    }
    void layoutChoice()
    {
        QFETCH(bool, yousi);
        QFETCH(bool, hakusi);
        QFETCH(bool, clinic);
        QFETCH(int, layout);
        const auto chosen = SindansyoIbarakiProc::chosen(yousi, hakusi, clinic);
        QCOMPARE(chosen ? int(*chosen) : -1, layout);
    }

    // Every text item of a one-page certificate on each layout: text, size, alignment, point (mm).
    void items_data()
    {
        QTest::addColumn<Layout>("layout");
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("size");
        QTest::addColumn<int>("align");
        QTest::addColumn<double>("x");
        QTest::addColumn<double>("y");
        for (Layout l : {Layout::Kyu, Layout::New, Layout::Hakusi, Layout::New2}) {
            const char* n = l == Layout::Kyu ? "old " : l == Layout::New ? "new " : l == Layout::Hakusi ? "blank " : "variant ";
            const bool hakusi = l == Layout::Hakusi;
            const auto row = [&](const char* item) -> QTestData& { return QTest::newRow((QByteArray(n) + item).constData()) << l; };
            row("owner") << "北牧場 第二農場" << 10.0 << 2 << 270.5 << 34.0;
            row("address 1") << "北町" << 11.0 << 2 << 194.5 << 34.0;
            row("address 3") << "1-1" << 11.0 << 1 << 219.5 << 34.0;
            row("farmer code") << "00010001" << 13.0 << 1 << 92.5 << 34.0;
            row("area") << "12" << 13.0 << 1 << 32.5 << 34.0;
            row("association") << "345" << 13.0 << 1 << 63.5 << 34.0;
            row("vet") << "田中 一郎" << 12.0 << 1 << 182.5 << 165.0;
            row("clinic line") << "北町1-1 北診療所" << 10.0 << 2 << 206.5 << 161.5;
            row("cover year") << "R6" << (l == Layout::Kyu ? 10.0 : 9.5) << 2 << 134.5 << 25.0;
            row("report") << "食欲不振" << 9.0 << 1 << 66.5 << (hakusi ? 69.0 : 68.5);
            row("cause") << "分娩後" << 9.0 << 1 << 164.5 << (hakusi ? 69.0 : 68.5);
            row("disease 1") << "第四胃変位" << 9.0 << 1 << (hakusi ? 27.5 : 28.0) << (hakusi ? 51.5 : 51.0);
            row("code 1") << "08" << 12.0 << 1 << 25.5 << 69.0;
            row("code 3") << "03" << 12.0 << 1 << 47.5 << 69.0;
            row("exam count") << "3" << 13.0 << 1 << 63.5 << 51.0;
            row("onset day") << "2" << 10.0 << 2 << 102.0 << (hakusi ? 51.25 : 51.0);
            row("outcome day") << "25" << 10.0 << 2 << 198.0 << (hakusi ? 51.25 : 51.0);
            row("calving year") << "6" << 11.0 << 1 << 242.5 << 51.0;
            row("calving day") << "12" << 11.0 << 1 << 264.5 << 51.0;
            row("certificate year") << "7" << 11.0 << 1 << 166.5 << 150.5;
            row("certificate day") << "20" << 11.0 << 2 << 192.5 << 150.5;
            row("drug-price total") << "12,345" << 10.5 << 2 << 238.5 << 153.0;
            row("B points") << "890" << 10.5 << 2 << (hakusi ? 257.0 : 257.5) << 143.0;
            row("A drug points") << "1,234" << 10.5 << 2 << 270.5 << 153.0;
            row("B fee") << "21,240" << 10.5 << 2 << 250.5 << 167.5;
            row("A fee") << "12,340" << 10.5 << 2 << 269.5 << 167.5;
            row("exam month") << "4" << 10.5 << 1 << 19.0 << 90.5;
            row("exam day, box 2") << "6" << 10.5 << 1 << 20.0 << 157.5;
            row("temperature") << "39.2" << 10.0 << 1 << 31.0 << 84.2;
            row("house call") << "3.5" << 9.0 << 2 << 91.5 << (hakusi ? 83.0 : 84.0);
            row("house-call place") << "(北町より)" << 7.8 << 2 << 101.5 << 86.5;
            row("house-call A") << "54" << 9.0 << 2 << 138.5 << (hakusi ? 83.0 : 84.0);
            row("category") << "静注" << 8.5 << 1 << 63.5 << 90.0;
            row("drug price") << "320" << 9.5 << 2 << 111.5 << 90.0;
            row("content") << "カルシウム剤:500ml" << 8.0 << 1 << 72.5 << 90.0;
            row("course") << "食欲廃絶" << 9.7 << 1 << 26.5 << 89.0;
        }
        // Where the layouts part.
        QTest::newRow("new ear tag") << Layout::New << "1234" << 10.0 << 1 << 158.5 << 41.0;
        QTest::newRow("blank ear tag") << Layout::Hakusi << "1234" << 9.5 << 1 << 45.5 << 15.0;
        QTest::newRow("variant ear tag") << Layout::New2 << "1234" << 10.0 << 1 << 45.5 << 15.0;
        QTest::newRow("old ear tag") << Layout::Kyu << "1234" << 9.5 << 1 << 152.5 << 41.0;
        QTest::newRow("new name") << Layout::New << "はなこ" << 10.0 << 1 << 159.5 << 44.5;
        QTest::newRow("blank name") << Layout::Hakusi << "はなこ" << 9.5 << 1 << 46.5 << 18.5;
        QTest::newRow("old name") << Layout::Kyu << "はなこ" << 9.5 << 1 << 152.5 << 44.5;
        QTest::newRow("new number") << Layout::New << "1012345678" << 10.0 << 1 << 133.5 << 34.0;
        QTest::newRow("old number") << Layout::Kyu << "1012345678" << 10.0 << 1 << 133.5 << 34.0;
        QTest::newRow("new birth year") << Layout::New << "H30" << 9.5 << 2 << 122.0 << 42.5;
        QTest::newRow("new birth day") << Layout::New << "15" << 9.5 << 2 << 137.5 << 42.5;
        QTest::newRow("blank birth year") << Layout::Hakusi << "H30" << 9.5 << 2 << 165.0 << 42.5;
        QTest::newRow("old birth year") << Layout::Kyu << "H30" << 10.0 << 2 << 123.5 << 42.5;
        QTest::newRow("new document fee") << Layout::New << "130" << 9.5 << 2 << 127.0 << 145.0;
        QTest::newRow("old document fee") << Layout::Kyu << "100" << 9.5 << 2 << 127.0 << 145.0;
        QTest::newRow("old document fee A") << Layout::Kyu << "5" << 9.5 << 2 << 140.0 << 145.0;
        QTest::newRow("blank seal") << Layout::Hakusi << "印" << 8.8 << 1 << 208.5 << 167.0;
    }
    void items()
    {
        QFETCH(Layout, layout);
        QFETCH(QString, text);
        QFETCH(double, size);
        QFETCH(int, align);
        QFETCH(double, x);
        QFETCH(double, y);
        const RecordingPrintDevice device = print(ibarakiChart(), context(), layout);
        QCOMPARE(device.pageCount(), 2);
        QCOMPARE(device.paper(), PrintDevice::Paper::A4);
        QCOMPARE(device.orientation(), PrintDevice::Orientation::Landscape);
        QVERIFY2(hasItem(device, text, 1, size, align, x, y), qPrintable(itemsOf(device, text)));
    }

    // The circles of one certificate: sex, species, outcome, insurance, 保険関係, title.
    void circles_data()
    {
        QTest::addColumn<Layout>("layout");
        QTest::addColumn<QList<QPointF>>("points");
        QTest::addColumn<int>("count");   // every circle of the page, the title's included
        // "成乳牛" is circled as "成" on blank paper only; the document fee in the box of the last
        // dated exam (box 2).
        QTest::newRow("new") << Layout::New << QList<QPointF>{{92, 42.5}, {231, 42.5}, {35.5, 25.5}, {64, 25.5}, {67.5, 145}} << 6;
        QTest::newRow("blank") << Layout::Hakusi << QList<QPointF>{{135, 42.5}, {41.5, 43}, {232, 42.5}, {35.5, 25.5}, {64, 25.5}} << 6;
        QTest::newRow("variant") << Layout::New2 << QList<QPointF>{{135, 42.5}, {231, 42.5}, {35.5, 25.5}, {64, 25.5}} << 5;
        QTest::newRow("old") << Layout::Kyu << QList<QPointF>{{92, 42.5}, {232.5, 42.5}, {35.5, 25.5}, {64, 25.5}, {67.5, 145}} << 6;
    }
    void circles()
    {
        QFETCH(Layout, layout);
        QFETCH(QList<QPointF>, points);
        QFETCH(int, count);
        const RecordingPrintDevice device = print(ibarakiChart(), context(), layout);
        for (const QPointF& p : points)
            QVERIFY2(hasCircle(device, 1, p.x(), p.y(), 2.0), qPrintable(QString("%1,%2").arg(p.x()).arg(p.y())));
        QVERIFY(hasCircle(device, 1, 121.5, 15, 5.0));
        QCOMPARE(device.ofKind(RecordingPrintDevice::Kind::Circle).size(), count);
    }

    // 法令殺 circles 病傷 in the title and its own outcome at 272; 死亡 circles 死廃 and its outcome
    // per layout; "未" no outcome and no outcome date.
    void outcomes_data()
    {
        QTest::addColumn<Layout>("layout");
        QTest::addColumn<QString>("tenki");
        QTest::addColumn<double>("titleX");
        QTest::addColumn<double>("outcomeX");   // 0: no outcome circle
        QTest::newRow("法令殺 new") << Layout::New << "法令殺" << 121.5 << 272.0;
        QTest::newRow("法令殺 blank") << Layout::Hakusi << "法令殺" << 121.5 << 272.0;
        QTest::newRow("死亡 new") << Layout::New << "死亡" << 97.5 << 260.0;
        QTest::newRow("死亡 blank") << Layout::Hakusi << "死亡" << 97.5 << 245.5;
        QTest::newRow("死亡 variant") << Layout::New2 << "死亡" << 97.5 << 242.5;
        QTest::newRow("未") << Layout::New << "未" << 121.5 << 0.0;
    }
    void outcomes()
    {
        QFETCH(Layout, layout);
        QFETCH(QString, tenki);
        QFETCH(double, titleX);
        QFETCH(double, outcomeX);
        SindansyoChart chart = ibarakiChart();
        chart.block.setCell(0, 8, tenki);
        const RecordingPrintDevice device = print(chart, context(), layout);
        QVERIFY(hasCircle(device, 1, titleX, 15, 5.0));
        if (outcomeX > 0)
            QVERIFY(hasCircle(device, 1, outcomeX, 42.5, 2.0));
        else
            QVERIFY(!hasItem(device, "25", 1, 10, 2, 198, 51));
    }

    // Pages from the last dated exam, six a page; the every-page, first-page and last-page items.
    void pages_data()
    {
        QTest::addColumn<QString>("exams");   // "d" dated, "-" undated
        QTest::addColumn<int>("pages");
        QTest::newRow("6") << QString(6, 'd') << 1;
        QTest::newRow("7") << QString(7, 'd') << 2;
        QTest::newRow("12") << QString(12, 'd') << 2;
        QTest::newRow("13") << QString(13, 'd') << 3;
        QTest::newRow("19") << QString(19, 'd') << 4;
        QTest::newRow("20") << QString(20, 'd') << 4;
        QTest::newRow("1-3 and 8") << "ddd----d" << 2;
        QTest::newRow("none") << "--" << 0;
    }
    void pages()
    {
        QFETCH(QString, exams);
        QFETCH(int, pages);
        SindansyoChart chart = ibarakiChart();
        chart.datedExams(exams);
        const RecordingPrintDevice device = print(chart, context(), Layout::New);
        QCOMPARE(device.ofKind(RecordingPrintDevice::Kind::NewPage).size(), pages);
        for (int p = 1; p <= pages; ++p) {
            QVERIFY(hasItem(device, "北牧場 第二農場", p, 10, 2, 270.5, 34));
            QCOMPARE(hasItem(device, "第四胃変位", p, 9, 1, 28, 51), p == 1);
            QCOMPARE(hasItem(device, "12,345", p, 10.5, 2, 238.5, 153), p == pages);
            if (pages > 1)
                QVERIFY(hasItem(device, QStringLiteral("No-%1/%2").arg(p).arg(pages), p, 13, 1, 259.5, 16));
        }
        if (pages == 1)
            QCOMPARE(countAt(device, "No-1/1", 1), 0);
        if (exams.size() == 20) {
            // Page 4 holds exams 19 and 20 in boxes 0 and 1.
            QVERIFY(hasItem(device, "6", 4, 10.5, 1, 19, 90.5));
            QVERIFY(hasItem(device, "6", 4, 10.5, 1, 19, 119.5));
        }
    }

    // Seven exams: the document fee in box 0 of page 2; "文書料無し" leaves it out; on blank paper
    // the last of two "文書" lines gives the points and takes no row.
    void documentFee()
    {
        SindansyoChart chart = ibarakiChart();
        for (int j = 0; j < 7; ++j)
            chart.exam(j, QStringLiteral("7.5.%1").arg(j + 1));
        chart.tiryo(1, 1, {"文書", "診断書", "", "", "", "100", "5"});
        chart.tiryo(6, 1, {"文書", "診断書", "", "", "", "130", "6"});
        chart.tiryo(6, 2, {"皮下注射", "ビタミン剤", "", "", "", "20", "10"});
        RecordingPrintDevice device = print(chart, context(), Layout::New);
        QVERIFY(hasItem(device, "130", 2, 9.5, 2, 127, 87));
        QVERIFY(hasItem(device, "5", 2, 9.5, 2, 140, 87));
        QVERIFY(hasCircle(device, 2, 67.5, 87, 2.0));
        QVERIFY(hasItem(device, "文書", 2, 8.5, 1, 63.5, 90));   // a row on the new form
        SindansyoPrintContext c = context();
        c.BunsyoCh = 1;
        device = print(chart, c, Layout::New);
        QCOMPARE(countAt(device, "130", 2), 1);   // the treatment row's points only
        QVERIFY(!hasCircle(device, 2, 67.5, 87, 2.0));
        device = print(chart, context(), Layout::Hakusi);
        QVERIFY(hasItem(device, "130", 2, 9.5, 2, 127, 86));
        QVERIFY(hasItem(device, "6", 2, 9.5, 2, 140, 86));
        QVERIFY(hasItem(device, "皮注", 2, 8.5, 1, 63.5, 90));  // the row after "文書" moves up
        QCOMPARE(countAt(device, "文書", 2), 0);               // no row (the form spreads its own captions)
    }

    // Disease codes: one code at y 69, two at 67 and 71; a disease-1 code that is not three
    // parts prints nothing of it; the clinic prints none.
    void codes_data()
    {
        QTest::addColumn<QString>("code1");
        QTest::addColumn<QString>("code2");
        QTest::addColumn<QStringList>("expected");   // text@y
        QTest::newRow("one") << "8-1-3" << "" << QStringList{"08@69", "01@69", "03@69"};
        QTest::newRow("two") << "8-1-3" << "1-2-10" << QStringList{"08@67", "03@67", "01@71", "10@71"};
        QTest::newRow("first of two parts") << "8-1" << "1-2-3" << QStringList{"01@71", "03@71"};
        QTest::newRow("first empty") << "" << "1-2-3" << QStringList{};
    }
    void codes()
    {
        QFETCH(QString, code1);
        QFETCH(QString, code2);
        QFETCH(QStringList, expected);
        SindansyoChart chart = ibarakiChart();
        chart.block.setCell(0, 3, code1);
        chart.block.setCell(1, 3, code2);
        const RecordingPrintDevice device = print(chart, context(), Layout::New);
        const double xs[] = {25.5, 36.5, 47.5};
        int printed = 0;
        for (const auto& op : device.ofKind(RecordingPrintDevice::Kind::Text)) {
            for (double x : xs)
                printed += std::abs(itemPointMm(op, 1).x() - x) < 0.05 && op.fontSize == 12 ? 1 : 0;
        }
        int wanted = 0;
        for (const QString& e : expected) {
            const QString text = e.section('@', 0, 0);
            const double y = e.section('@', 1).toDouble();
            bool found = false;
            for (double x : xs)
                found = found || hasItem(device, text, 1, 12, 1, x, y);
            QVERIFY2(found, qPrintable(itemsOf(device, text)));
        }
        wanted = code1.isEmpty() ? 0 : (code1.count('-') == 2 ? 3 : 0) + (code2.isEmpty() ? 0 : 3);
        QCOMPARE(printed, wanted);
    }

    // DateCh swaps the two last-exam dates.
    void dateChSwap()
    {
        SindansyoChart chart = ibarakiChart();
        const QStringList d1 = {"", "", "肺炎", "1-2-3", "7.4.5", "7.4.6", "7.4.28"};
        for (int c = 2; c < d1.size(); ++c)
            chart.block.setCell(1, c, d1.at(c));
        SindansyoPrintContext c = context();
        c.DateCh = 1;
        const RecordingPrintDevice device = print(chart, c, Layout::New);
        QVERIFY(hasItem(device, "28", 1, 10, 2, 166, 51));
        QVERIFY(hasItem(device, "20", 1, 10, 2, 166, 60));
    }

    // The coat colour as stored: B, BW, WB, empty; " B" and others draw no mark.
    void coatColour_data()
    {
        QTest::addColumn<QString>("keiro");
        QTest::addColumn<double>("x");
        QTest::newRow("B") << "B" << 194.5;
        QTest::newRow("BW") << "BW" << 196.7;
        QTest::newRow("WB") << "WB" << 199.0;
        QTest::newRow("empty") << "" << 196.7;
        QTest::newRow("blank B") << " B" << 0.0;
    }
    void coatColour()
    {
        QFETCH(QString, keiro);
        QFETCH(double, x);
        SindansyoChart chart = ibarakiChart();
        chart.kotai[11] = keiro;
        const RecordingPrintDevice device = print(chart, context(), Layout::New);
        int marks = 0;
        for (const auto& op : device.ofKind(RecordingPrintDevice::Kind::Circle))
            marks += std::abs(op.yMm() - 42.5) < 0.05 && op.xMm() > 190 && op.xMm() < 200 ? 1 : 0;
        QCOMPARE(marks, x > 0 ? 1 : 0);
        if (x > 0)
            QVERIFY(hasCircle(device, 1, x, 42.5, 2.0));
    }

    // An insurance type or 保険関係 value that names no choice draws no mark.
    void unknownChoicesNoMark()
    {
        SindansyoChart chart = ibarakiChart();
        chart.kotai[8] = "他";
        TestFixture::writeCp932(root + "/set/DocBunrui.ini", {"不明"});
        const RecordingPrintDevice device = print(chart, context(), Layout::New);
        for (const auto& op : device.ofKind(RecordingPrintDevice::Kind::Circle))
            QVERIFY(std::abs(op.yMm() - 25.5) > 0.05);
    }

    // The course text: 65 characters at 9.7 pt and 11 a line from BY + 8, 66 at 8 pt and 13 a
    // line from BY + 7.
    void courseLength()
    {
        for (int n : {65, 66}) {
            SindansyoChart chart = ibarakiChart();
            chart.block.setCell(SindansyoEpisode::sinsatuRow(0) + 1, 2, QString(n, QChar(u'あ')));
            const RecordingPrintDevice device = print(chart, context(), Layout::New);
            if (n == 65)
                QVERIFY(hasItem(device, QString(11, QChar(u'あ')), 1, 9.7, 1, 26.5, 89));
            else
                QVERIFY(hasItem(device, QString(13, QChar(u'あ')), 1, 8, 1, 26.5, 88));
        }
    }

    // House calls: "同時診療" only the mark; a content without "k" prints nothing, nor does a
    // later house-call line.
    void houseCall()
    {
        SindansyoChart chart = ibarakiChart();
        chart.tiryo(0, 1, {"往診", "同時診療", "", "", "", "60", "54"});
        RecordingPrintDevice device = print(chart, context(), Layout::New);
        QVERIFY(hasItem(device, "同時診療", 1, 9, 2, 93.5, 84));
        QCOMPARE(countAt(device, "54", 1), 0);
        chart.tiryo(0, 1, {"往診", "3.5ｍ", "", "", "", "60", "54"});
        chart.tiryo(0, 3, {"往診", "4km", "", "", "", "70", "64"});
        device = print(chart, context(), Layout::New);
        QCOMPARE(countAt(device, "3.5ｍ", 1) + countAt(device, "64", 1), 0);
        QVERIFY(!hasItem(device, "4", 1, 9, 2, 91.5, 84));
    }

    // Blank paper: eleven counted lines in box 0 set the rows at 0.8 on a 3.7 mm pitch; ten keep
    // 1.0 and 4 mm.
    void blankPaperScale()
    {
        for (int lines : {10, 11}) {
            SindansyoChart chart = ibarakiChart();
            for (int k = 1; k <= 6; ++k) {
                const QString content = k <= lines - 6 ? QString(12, QChar(u'薬')) : QString(2, QChar(u'薬'));
                chart.tiryo(0, k, {"投薬", content, "", "", "100", "10", "5"});
            }
            const RecordingPrintDevice device = print(chart, context(), Layout::Hakusi);
            const double scale = lines == 11 ? 0.8 : 1.0;
            const double pitch = lines == 11 ? 3.7 : 4.0;
            QVERIFY2(hasItem(device, "投薬", 1, 8.5 * scale, 1, 63.5, 90 + 5 * pitch), qPrintable(itemsOf(device, "投薬")));
            QVERIFY(hasItem(device, "100", 1, 9.5 * scale, 2, 111.5, 90 + 5 * pitch, 0.06));
        }
    }

    // The farm group's certificate gives its log record with the veterinarian printed; the
    // ranch's does not; a certificate of no page neither.
    void logEntries()
    {
        QList<TcbLogFile::Kiroku> log;
        SindansyoPrintContext c = context();
        c.controls.insert("Option1(0)", "0");
        c.controls.insert("Option1(2)", "1");
        c.controls.insert("nNameCh", "1");
        const RecordingPrintDevice device = print(ibarakiChart(), c, Layout::Hakusi, &log);
        QVERIFY(hasItem(device, "高橋 三郎", 1, 12, 1, 182.5, 165));
        QVERIFY(hasItem(device, "北町1-1 新北診療所", 1, 10, 2, 206.5, 161.5));
        QCOMPARE(SharedState::get().Hand.IbaragiDocNameOut, QStringLiteral("高橋 三郎"));
        QCOMPARE(log.size(), 1);
        QCOMPARE(log.at(0).month, QStringLiteral("7･5"));
        QCOMPARE(log.at(0).line, QStringLiteral("はなこ'1012345678'1234'第四胃変位'8-1-3'7.4.3'7.4.20'7.4.25'12345'"
                                                  "21,240'2124'1234'3'高橋 三郎'7･5'7.4.2'治癒"));
        SindansyoChart undated = ibarakiChart();
        for (int j = 0; j < 3; ++j)
            undated.exam(j, QString());
        print(undated, c, Layout::Hakusi, &log);
        QCOMPARE(log.size(), 1);
        print(ibarakiChart(), context("IBR,茨城県,SiteIbarakiRanch,DoctorName=牧 太郎,ClinicLine=牧場診療所"),
              Layout::New, &log);
        QCOMPARE(log.size(), 1);
    }

    // SiteIbarakiFarm2B prints the veterinarians of its own row.
    void farm2bOwnSet()
    {
        const RecordingPrintDevice device = print(
            ibarakiChart(), context("IBF2B,茨城県,SiteIbarakiFarm2B,DoctorName1=山田 花子,ClinicLine=南診療所"), Layout::New);
        QVERIFY(hasItem(device, "山田 花子", 1, 12, 1, 182.5, 165));
    }

    // Another site: the register's area and association by district and name compared apart;
    // "A" + "BC" does not match "AB" + "C".
    void registerLookup()
    {
        const QString path = root + "/set/NameCode.ini";
        TestFixture::writeCp932(path, {"東,谷山本 一郎,,,,77,,88", "東谷, 山本 一郎 ,,,,55,,66"});
        const RecordingPrintDevice device = print(ibarakiChart(), context("OTHER,茨城県"), Layout::New);
        QVERIFY(hasItem(device, "66", 1, 12, 1, 32.5, 34));
        QVERIFY(hasItem(device, "55", 1, 12, 1, 63.5, 34));
        QCOMPARE(countAt(device, "88", 1), 0);
    }

    // The clinic: the chart's farmer with its address from the register form, no codes, no
    // title, no A column.
    void clinic()
    {
        SindansyoChart chart = ibarakiChart();
        chart.nouka[4] = "茨城県／南町／２－３";
        const RecordingPrintDevice device = print(
            chart, context("IBC,茨城県,SiteIbarakiClinic,NameFragment1=山本,NameFragment2=一郎,SubstituteName=山本牧場"),
            Layout::Hakusi);
        QVERIFY(hasItem(device, "山本牧場", 1, 11, 2, 270.5, 34));
        QVERIFY(hasItem(device, "茨城県", 1, 11, 2, 194.5, 34));
        QVERIFY(hasItem(device, "南町", 1, 11, 2, 213.5, 34));
        QVERIFY(hasItem(device, "2-3", 1, 11, 1, 219.5, 34));
        QVERIFY(hasItem(device, "はなこ", 1, 12, 1, 159.5, 42.5));
        QCOMPARE(countAt(device, "08", 1), 0);
        QVERIFY(!hasCircle(device, 1, 121.5, 15, 5.0));
        QCOMPARE(countAt(device, "12,340", 1) + countAt(device, "36", 1) + countAt(device, "54", 1), 0);
    }

    // SiteOkayamaFarm on blank paper: its own identity, town and premium-expiry date; no
    // insurance marks; the "嘱託" mark.
    void okayama()
    {
        SindansyoPrintContext c = context("OKF,茨城県,SiteOkayamaFarm,DoctorName=岡 次郎,ClinicLine=岡山牧場診療所,"
                                          "FarmerCode=99990001,Town=岡山町,Street=1-2,OwnerLine=岡山牧場 岡 一");
        c.controls.insert("kText(0)", "8");
        c.controls.insert("kText(1)", "3");
        c.controls.insert("kText(2)", "31");
        const RecordingPrintDevice device = print(ibarakiChart(), c, Layout::Hakusi);
        QVERIFY(hasItem(device, "岡 次郎", 1, 12, 1, 182.5, 165));
        QVERIFY(hasItem(device, "岡山牧場診療所", 1, 8, 2, 206.5, 161.5));
        QVERIFY(hasCircle(device, 1, 162.5, 165.5, 2.0));
        QVERIFY(hasItem(device, "岡山町", 1, 10, 1, 184.5, 34));
        QVERIFY(hasItem(device, "99990001", 1, 13, 1, 92.5, 34));
        QVERIFY(hasItem(device, "31", 1, 9.5, 2, 197.5, 25));
        QVERIFY(!hasCircle(device, 1, 35.5, 25.5, 2.0));
        QVERIFY(!hasCircle(device, 1, 64, 25.5, 2.0));
        QVERIFY(device.findText("家"));
        QVERIFY(!device.findText("共済関係"));
    }

    // Picture cell 1 holding only "4", "6" or "9" is drawn as strokes (alignment 0), on every
    // layout, the old form included; other cells print as text.
    void strokeDigits()
    {
        for (const QString digit : {"4", "6", "9"}) {
            SindansyoChart chart = ibarakiChart();
            chart.block.setCell(SindansyoEpisode::sinsatuRow(0) + 8, 2, "0:0:" + digit + ":" + digit + ":");
            const RecordingPrintDevice device = print(chart, context(), Layout::Kyu);
            int strokes = 0;
            for (const auto& op : device.ofKind(RecordingPrintDevice::Kind::Line))
                strokes += op.lineWidth == 10 ? 1 : 0;
            QVERIFY(strokes > 0);
            QVERIFY(hasItem(device, digit, 1, 9, 1, 27.5, 106.5));   // cell 2 as text
            QVERIFY(!hasItem(device, digit, 1, 9, 0, 39.5, 94.5));
        }
    }

    // A start of cover in Heisei prints R1, 5, 1 on blank paper (as the form expects), as stored
    // elsewhere.
    void heiseiCover()
    {
        SindansyoChart chart = ibarakiChart();
        chart.kotai[15] = "H30.4.1";
        QVERIFY(hasItem(print(chart, context(), Layout::Hakusi), "R1", 1, 9.5, 2, 134.5, 25));
        QVERIFY(hasItem(print(chart, context(), Layout::New), "H30", 1, 9.5, 2, 134.5, 25));
    }

    // The treatment text of box 0's first row at (72.5, 90) per layout: the standard kept below
    // the layout's byte limit and dropped at it (44 on the new form, 45 on the old, 54 on blank
    // paper at 0.8), two lines at y - 1 and y + 1 x scale, three at most (a fourth line is never
    // printed).
    void treatmentText_data()
    {
        QTest::addColumn<Layout>("layout");
        QTest::addColumn<QString>("content");
        QTest::addColumn<QString>("standard");
        QTest::addColumn<QString>("quantity");
        QTest::addColumn<bool>("small");             // box 0 filled to 11 counted lines (blank paper)
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<double>("size");
        QTest::addColumn<QList<double>>("ys");
        const QString k9 = QString(9, QChar(u'薬'));
        const QString k11 = QString(11, QChar(u'薬'));
        const QString k12 = QString(12, QChar(u'薬'));
        const QString k20 = QString(20, QChar(u'薬'));
        const QString ten = QString(10, QChar(u'剤'));
        const QList<double> two{89, 91};
        QTest::newRow("new, 43 bytes keep") << Layout::New << k20 << "ab" << "" << false << QStringList{k11, k9 + ":ab"} << 7.7 << two;
        QTest::newRow("new, 44 bytes drop") << Layout::New << k20 << "abc" << "" << false << QStringList{k11, k9} << 7.7 << two;
        QTest::newRow("old, 44 bytes keep") << Layout::Kyu << k20 << "abc" << "" << false << QStringList{k11, k9 + ":abc"} << 7.7 << two;
        QTest::newRow("old, 45 bytes drop") << Layout::Kyu << k20 << "abcd" << "" << false << QStringList{k11, k9} << 7.7 << two;
        QTest::newRow("blank, 44 bytes drop") << Layout::Hakusi << k20 << "abc" << "" << false << QStringList{k11, k9} << 7.2 << two;
        QTest::newRow("blank 0.8, 53 bytes keep") << Layout::Hakusi << QString(25, QChar(u'薬')) << "ab" << "" << true
                                                  << QStringList{QString(13, QChar(u'薬')), k12 + ":ab"} << 7.2 * 0.8
                                                  << QList<double>{89, 90.8};
        QTest::newRow("blank 0.8, 54 bytes drop") << Layout::Hakusi << QString(25, QChar(u'薬')) << "abc" << "" << true
                                                  << QStringList{QString(13, QChar(u'薬')), k12} << 7.2 * 0.8
                                                  << QList<double>{89, 90.8};
        QTest::newRow("ten and ×2") << Layout::New << ten << "" << "2" << false << QStringList{ten + "×", "2"} << 7.7 << two;
        QTest::newRow("three lines") << Layout::New << QString(30, QChar(u'薬')) << "" << "" << false
                                     << QStringList{k11, k12, QString(7, QChar(u'薬'))} << 7.3 << QList<double>{87.7, 90, 92.3};
        QTest::newRow("fourth line left out") << Layout::New << QString(40, QChar(u'薬')) << "" << "" << false
                                              << QStringList{k11, k12, k12} << 7.3 << QList<double>{87.7, 90, 92.3};
        QTest::newRow("fourth line left out, old") << Layout::Kyu << QString(40, QChar(u'薬')) << "" << "" << false
                                                   << QStringList{k11, k12, k12} << 7.3 << QList<double>{87.7, 90, 92.3};
    }
    void treatmentText()
    {
        QFETCH(Layout, layout);
        QFETCH(QString, content);
        QFETCH(QString, standard);
        QFETCH(QString, quantity);
        QFETCH(bool, small);
        QFETCH(QStringList, lines);
        QFETCH(double, size);
        QFETCH(QList<double>, ys);
        SindansyoChart chart = ibarakiChart();
        if (small) {
            for (int k = 2; k <= 6; ++k)
                chart.tiryo(0, k, {"投薬", k < 6 ? QString(12, QChar(u'丸')) : "丸", "", "", "100", "10", "5"});
        }
        chart.tiryo(0, small ? 1 : 2, {"静脈内注射", content, standard, quantity, "320", "60", "36"});
        const RecordingPrintDevice device = print(chart, context(), layout);
        for (int i = 0; i < lines.size(); ++i)
            QVERIFY2(hasItem(device, lines.at(i), 1, size, 1, 72.5, ys.at(i)), qPrintable(itemsOf(device, lines.at(i))));
        int printed = 0;
        for (const auto& op : device.ofKind(RecordingPrintDevice::Kind::Text))
            printed += op.page == 1 && std::abs(itemPointMm(op, 1).x() - 72.5) < 0.05 && op.text.contains(QChar(u'薬')) ? 1 : 0;
        QCOMPARE(printed, int(std::count_if(lines.begin(), lines.end(), [](const QString& l) { return l.contains(QChar(u'薬')); })));
    }

    // Only the farm group logs, on every layout; the ranch, SiteOkayamaFarm, the clinic and
    // any other site never do.
    void logOnlyFarmGroup_data()
    {
        QTest::addColumn<QString>("row");
        QTest::addColumn<Layout>("layout");
        QTest::addColumn<int>("records");
        QTest::newRow("farm, old form") << Farm2A << Layout::Kyu << 1;
        QTest::newRow("farm, new form") << Farm2A << Layout::New << 1;
        QTest::newRow("ranch, blank") << "IBR,茨城県,SiteIbarakiRanch,DoctorName=牧 太郎" << Layout::Hakusi << 0;
        QTest::newRow("okayama, blank") << "OKF,茨城県,SiteOkayamaFarm,DoctorName=岡 次郎" << Layout::Hakusi << 0;
        QTest::newRow("clinic, blank") << "IBC,茨城県,SiteIbarakiClinic" << Layout::Hakusi << 0;
        QTest::newRow("other, old form") << "OTHER,茨城県" << Layout::Kyu << 0;
    }
    void logOnlyFarmGroup()
    {
        QFETCH(QString, row);
        QFETCH(Layout, layout);
        QFETCH(int, records);
        QList<TcbLogFile::Kiroku> log;
        const RecordingPrintDevice device = print(ibarakiChart(), context(row), layout, &log);
        QCOMPARE(device.ofKind(RecordingPrintDevice::Kind::NewPage).size(), 1);
        QCOMPARE(log.size(), records);
    }

    // Picture codes n print the pictures Pict2_<n - 1>, on every layout.
    void pictures()
    {
        SindansyoChart chart = ibarakiChart();
        chart.block.setCell(SindansyoEpisode::sinsatuRow(0) + 8, 2, "3:1.7:::");
        for (Layout l : {Layout::Kyu, Layout::New, Layout::Hakusi}) {
            QStringList names;
            for (const auto& op : print(chart, context(), l).ofKind(RecordingPrintDevice::Kind::Picture))
                names.append(QFileInfo(op.text).completeBaseName());
            QCOMPARE(names, (QStringList{"Pict2_2", "Pict2_0"}));
        }
    }

    // The prefecture's farmer-code correction pair prints its second code for its first; other
    // codes print as stored.
    void farmerCodeCorrection_data()
    {
        QTest::addColumn<QString>("pair");
        QTest::addColumn<QString>("printed");
        QTest::newRow("corrected") << "00010001>00019999" << "00019999";
        QTest::newRow("another code") << "00020002>00019999" << "00010001";
        QTest::newRow("no pair") << "" << "00010001";
    }
    void farmerCodeCorrection()
    {
        QFETCH(QString, pair);
        QFETCH(QString, printed);
        SindansyoPrintContext c = context();
        c.KenSite = SiteProfile::parseRow("*,茨城県,FarmerCodeHenkan=" + pair);
        const RecordingPrintDevice device = print(ibarakiChart(), c, Layout::New);
        QVERIFY2(hasItem(device, printed, 1, 13, 1, 92.5, 34), qPrintable(itemsOf(device, printed)));
    }

    // An entry whose episode is not in the chart, or whose chart cannot be read, prints no page,
    // gives the refusal message and no log record.
    void noEpisode_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("byoName");
        QTest::addColumn<QString>("syosin");
        QTest::newRow("other disease") << "H7_00010001_1234_0.sxd" << "肺炎" << "7.4.3";
        QTest::newRow("name and date joined differently") << "H7_00010001_1234_0.sxd" << "第四胃" << "変位7.4.3";
        QTest::newRow("no chart file") << "H7_00010001_9999_0.sxd" << "第四胃変位" << "7.4.3";
    }
    void noEpisode()
    {
        QFETCH(QString, file);
        QFETCH(QString, byoName);
        QFETCH(QString, syosin);
        ibarakiChart().write(root, QStringLiteral("H7_00010001_1234_0.sxd"));
        RecordingPrintDevice device;
        QList<TcbLogFile::Kiroku> log;
        const auto result = SindansyoIbarakiProc::print(device, context(), {file, byoName, syosin}, Layout::New, &log);
        QCOMPARE(result.pages, 0);
        QVERIFY(!result.refusal.isEmpty());
        QVERIFY(device.ops.isEmpty());
        QVERIFY(log.isEmpty());
    }
};

NOLVARI_TEST(SindansyoIbarakiProcTest)
#include "SindansyoIbarakiProcTest.moc"
