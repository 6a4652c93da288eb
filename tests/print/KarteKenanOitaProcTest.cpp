#include "PrintFixture.h"
#include "TestFixture.h"
#include "TestRegistry.h"

#include "chart/KarteBlock.h"
#include "common/DataPath.h"
#include "common/MsgBox.h"
#include "common/RecordingPrintDevice.h"
#include "common/SharedState.h"
#include "print/oita_aichi/KarteKenanOitaProc.h"
#include "print/oita_aichi/KarteSheetOitaProc.h"
#include "print/oita_aichi/KarteWaku.h"

#include <QtTest>

namespace {

using Kind = RecordingPrintDevice::Kind;
const PrintJobEntry Entry{"H7_00010001_1234_0.sxd", "第四胃変位", "7.4.3"};

SindansyoPrintContext context(bool doc1 = true, bool byoCh = false)
{
    SindansyoPrintContext c = sampleContext(Ken::Oita);
    c.Site = SiteProfile::parseRow("OB,大分県,SiteOitaClinicB,DoctorName1=大分　一郎,DoctorAd1=大分市東1-1,"
                                   "DoctorName2=別府　二郎,DoctorAd2=別府市西2-2,ClinicName=東診療所,ClinicTel=TEL 097-000");
    c.controls = {{"DocOp(0)", doc1 ? "1" : "0"}, {"DocOp(1)", doc1 ? "0" : "1"}, {"ByoCh", byoCh ? "1" : "0"},
                  {"inpTx(0)", "3"}, {"inpTx(1)", "1"}, {"inpTx(2)", "0"}, {"inpTx(3)", "0"}};
    return c;
}

SindansyoChart dated(const QList<int>& visits)
{
    SindansyoChart chart;
    for (int v : visits) {
        chart.exam(v - 1, QStringLiteral("7.4.%1").arg(v + 2));
        chart.block.setCell(KarteBlock::sinsatuRow(v - 1), 1, QString::number(v));
    }
    return chart;
}

void setRow(SindansyoChart& chart, int row, const QStringList& cells)
{
    for (int c = 0; c < cells.size(); ++c)
        chart.block.setCell(row, c, cells.at(c));
}

} // namespace

// The second Oita layout: the chart on drawn B5 sheets and the data on the prescribed sheet.
class KarteKenanOitaProcTest : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;

    RecordingPrintDevice print(const SindansyoChart& chart, int mode, const SindansyoPrintContext& c = context())
    {
        chart.write(DataPath::root());
        RecordingPrintDevice d;
        KarteKenanOitaProc::print(d, c, Entry, mode);
        return d;
    }

private slots:
    void init()
    {
        TestFixture::resetGlobals();
        DataPath::setRoot(dir.path());
    }

    void sheets_data()
    {
        QTest::addColumn<QList<int>>("visits");
        QTest::addColumn<int>("sheets");
        QTest::newRow("none") << QList<int>{} << 0;
        QTest::newRow("3") << QList<int>{1, 3} << 1;
        QTest::newRow("4") << QList<int>{4} << 2;
        QTest::newRow("10") << QList<int>{10} << 2;
        QTest::newRow("11") << QList<int>{11} << 3;
        QTest::newRow("12 after undated 4 to 11") << QList<int>{1, 2, 3, 12} << 3;
        QTest::newRow("17") << QList<int>{17} << 3;
        QTest::newRow("18") << QList<int>{18} << 4;
        QTest::newRow("20") << QList<int>{20} << 4;
    }
    void sheets()
    {
        QFETCH(QList<int>, visits);
        QFETCH(int, sheets);
        const RecordingPrintDevice d = print(dated(visits), 1);
        QCOMPARE(d.ofKind(Kind::NewPage).size(), sheets);
        QCOMPARE(d.ops.isEmpty(), sheets == 0);
        for (const auto& op : d.ops)
            QCOMPARE(op.paper, PrintDevice::Paper::JisB5);
        if (sheets > 1)
            QVERIFY(hasItem(d, QStringLiteral("%1ページ").arg(sheets), sheets, 9, 1, 17.5 + 5, 23.5 + 3));
    }

    // Outer lines in the frame thickness, rules in the rule thickness; below 1 draws with 1.
    void lineWidths_data()
    {
        QTest::addColumn<QString>("frame");
        QTest::addColumn<QString>("rule");
        QTest::addColumn<int>("frameWidth");
        QTest::addColumn<int>("ruleWidth");
        QTest::newRow("3 and 1") << "3" << "1" << 3 << 1;
        QTest::newRow("2.7 and 2") << "2.7" << "2" << 2 << 2;
        QTest::newRow("empty and negative") << "" << "-1" << 1 << 1;
        QTest::newRow("word") << "abc" << "4" << 1 << 4;
    }
    void lineWidths()
    {
        QFETCH(QString, frame);
        QFETCH(QString, rule);
        QFETCH(int, frameWidth);
        QFETCH(int, ruleWidth);
        SindansyoPrintContext c = context();
        c.controls["inpTx(0)"] = frame;
        c.controls["inpTx(1)"] = rule;
        const RecordingPrintDevice d = print(dated({1}), 1, c);
        const QList<RecordingPrintDevice::Op> lines = d.ofKind(Kind::Line);
        QCOMPARE(lines.size(), KarteWaku::lines1(1, 1).lines.size());
        QCOMPARE(lines.at(0).lineWidth, frameWidth);                      // top edge
        QCOMPARE(lines.at(8).lineWidth, frameWidth);                      // the bottom band's divider
        QCOMPARE(lines.at(9).lineWidth, ruleWidth);
        QVERIFY(qAbs(lines.at(0).xMm() - 17.5) < 0.001 && qAbs(lines.at(0).yMm() - 23.5) < 0.001);
        QVERIFY(qAbs(lines.at(0).x2Mm() - 168.5) < 0.001);
    }

    void firstSheet()
    {
        SindansyoChart chart = dated({1, 2});
        setRow(chart, 0, {"Name", "", "第四胃変位", "2-15-0", "5.4.1", "7.4.3", "30.4.30", "", "未", "2"});
        setRow(chart, 1, {"Data", "", "", "", "", "", "", "", "", "", "", "", "4.11.2"});
        setRow(chart, 2, {"Data", "", "食欲不振", "", "", "寒冷"});
        chart.kotai[1] = "乳用牛(育)";
        chart.tiryo(0, 1, {"筋肉内注射", "アンピシリン", "1V", "2", "1200", "15", "0"});
        chart.tiryo(0, 2, {"往診", "自宅より3km", "", "", "", "0", "0"});
        chart.exam(0, "7.4.3", "T=38.5 P=72 R=24", "9:30", "", "食欲なし");
        SindansyoPrintContext c = context(false);
        c.CurrentKarteFile = Entry.karteFile;
        const RecordingPrintDevice d = print(chart, 1, c);
        const double x0 = 17.5, y0 = 23.5;
        QVERIFY(hasItem(d, "稟告・", 1, 7.2, 0, x0 + 1.5, y0 + 52.5));
        QVERIFY(hasItem(d, "乳用牛(成・育・仔・胎)　・　他肉牛（成・仔・胎）", 1, 7.2, 0, x0 + 13.5, y0 + 25.5));
        QVERIFY(hasCircle(d, 1, x0 + 26.5, y0 + 25.5, 2));                 // 乳用牛(育)
        // Dates carry the era of their year: R up to this Reiwa year, H beyond it.
        QVERIFY(hasItem(d, "R5.4.1", 1, 9, 1, x0 + 67, y0 + 41));
        QVERIFY(hasItem(d, "H30.4.30", 1, 9, 1, x0 + 116, y0 + 41));
        QVERIFY(hasItem(d, "R4.11.2", 1, 9.5, 1, x0 + 105, y0 + 52.5));
        QVERIFY(hasItem(d, "食欲不振  寒冷", 1, 9.5, 1, x0 + 11, y0 + 52.5));
        QVERIFY(hasItem(d, "1234", 1, 10, 3, x0 + 28, y0 + 35));           // ear tag
        // 医師2: the second veterinarian, no clinic name or telephone.
        QVERIFY(hasItem(d, "別府　二郎", 1, 12, 1, x0 + 62, y0 + 184));
        QVERIFY(hasItem(d, "別府市西2-2", 1, 9.5, 1, x0 + 35, y0 + 173));
        QVERIFY(!d.findText("東診療所"));
        QVERIFY(hasItem(d, "令和7年5月20日", 1, 8.5, 1, x0 + 6, y0 + 167));
        // Visit 1 in the 41 mm row from 73.
        QVERIFY(hasItem(d, "4", 1, 9.5, 3, x0 + 2, y0 + 73 + 20.5));
        QVERIFY(hasItem(d, "38.5", 1, 10, 1, x0 + 29, y0 + 73 + 41 - 2.5));
        QVERIFY(hasItem(d, "9", 1, 9, 3, x0 + 74, y0 + 75));
        QVERIFY(hasItem(d, "30", 1, 9, 3, x0 + 81, y0 + 75));
        QVERIFY(hasItem(d, "自宅より3", 1, 8.5, 3, x0 + 65, y0 + 75));
        QVERIFY(hasItem(d, "筋肉注", 1, 7, 1, x0 + 54, y0 + 80));
        QVERIFY(hasItem(d, "アンピシリン", 1, 8, 1, x0 + 62, y0 + 80));
        QVERIFY(hasItem(d, "1V", 1, 6.5, 1, x0 + 87, y0 + 80));
        QVERIFY(hasItem(d, "1,200", 1, 9.5, 2, x0 + 123, y0 + 80));
        QVERIFY(!hasItem(d, "0", 1, 9.5, 2, x0 + 148, y0 + 80));
        QCOMPARE(SharedState::get().DoctorInfo.DoctorName, QStringLiteral("大分一郎"));
        QCOMPARE(SharedState::get().DoctorInfo.DoctorCode, QStringLiteral("****"));
    }

    void eraDate_data()
    {
        QTest::addColumn<QString>("date");
        QTest::addColumn<QString>("printed");
        QTest::newRow("Reiwa") << "5.4.1" << "R5.4.1";
        QTest::newRow("this Reiwa year") << "7.1.1" << "R7.1.1";
        QTest::newRow("Heisei") << "30.4.30" << "H30.4.30";
        QTest::newRow("not a year") << ".4.1" << "H.4.1";
        QTest::newRow("empty") << "" << "";
    }
    void eraDate()
    {
        QFETCH(QString, date);
        QFETCH(QString, printed);
        QCOMPARE(KarteSheetOitaProc::eraDate(date, 7), printed);
    }

    // The prescribed sheet with ByoCh ticked and no disease 2: disease 1 in row B.
    void kenanSheet()
    {
        SindansyoChart chart = dated({1});
        setRow(chart, 0, {"Name", "", "第四胃変位", "2-15-0", "7.4.1", "7.4.3", "7.4.30", "7.5.1", "死亡", "13"});
        for (int j = 0; j < 14; ++j)
            chart.exam(j, QStringLiteral("7.4.%1").arg(j + 3), "", "", "",
                       j == 1 ? QString(71, QChar(0x5C71)) : QStringLiteral("経過%1").arg(j + 1));
        SindansyoPrintContext c = context(true, true);
        c.controls["inpTx(2)"] = "1.5";
        c.controls["inpTx(3)"] = "-2";
        TestFixture::setPrintHosei("0.5/0.5/1");
        const RecordingPrintDevice d = print(chart, 4, c);
        QVERIFY(d.ofKind(Kind::NewPage).isEmpty());
        QCOMPARE(d.ops.first().orientation, PrintDevice::Orientation::Landscape);
        const double x = 18 + 1.5, y = 28 - 2;
        QVERIFY(hasItem(d, "第四胃変位", 1, 10, 1, x + 13, y + 56));         // row B
        QVERIFY(hasItem(d, "13", 1, 11, 3, x + 247, y + 56));
        QVERIFY(!hasItem(d, "第四胃変位", 1, 10, 1, x + 13, y + 48));
        QVERIFY(hasItem(d, "7", 1, 10, 3, x + 208, y + 56));                 // outcome date
        QVERIFY(hasCircle(d, 1, x + 236, y + 37, 2));                       // 死亡
        QVERIFY(hasItem(d, "20", 1, 14, 3, x + 38, y + 27));
        // The course: exam 2 takes two lines, so exam 3 is two rows below it; exam 14 not printed.
        QVERIFY(hasItem(d, "7.4.3  経過1", 1, 10.5, 1, x + 7, y + 92));
        QVERIFY(hasItem(d, "7.4.5  経過3", 1, 10.5, 1, x + 7, y + 92 + 3 * 4.5));
        QVERIFY(hasItem(d, "7.4.15  経過13", 1, 10.5, 1, x + 7, y + 92 + 13 * 4.5));
        QVERIFY(!d.findText("7.4.16  経過14"));
        QVERIFY(hasItem(d, "大分市東1-1", 1, 10, 1, x + 95, y + 155));
        QVERIFY(hasItem(d, "大分　一郎", 1, 12, 1, x + 210, y + 154));
        QVERIFY(hasItem(d, "東診療所", 1, 13, 1, x + 200, y + 148));
        // The adjustment applied to this print only.
        QCOMPARE(SharedState::get().PrintHosei.YokoHosei, 0.5f);
        QCOMPARE(SharedState::get().PrintHosei.TateHosei, 0.5f);
    }

    // The ear tag prints on an adult's chart unless it is a provisional number; the B5 sheet also
    // leaves out a tag with a branch.
    void mimiban_data()
    {
        QTest::addColumn<QString>("tag");
        QTest::addColumn<QString>("karteFile");
        QTest::addColumn<bool>("onSheet");
        QTest::addColumn<bool>("onKenan");
        QTest::newRow("adult") << "1234" << "H7_00010001_1234_0.sxd" << true << true;
        QTest::newRow("k") << "k12" << "H7_00010001_1234_0.sxd" << false << false;
        QTest::newRow("K") << "K12" << "H7_00010001_1234_0.sxd" << false << false;
        QTest::newRow("branch") << "12-3" << "H7_00010001_1234_0.sxd" << false << true;
        QTest::newRow("calf chart") << "1234" << "H7_00010001_1234_1.sxd" << false << false;
    }
    void mimiban()
    {
        QFETCH(QString, tag);
        QFETCH(QString, karteFile);
        QFETCH(bool, onSheet);
        QFETCH(bool, onKenan);
        SindansyoChart chart = dated({1});
        chart.kotai[10] = tag;
        SindansyoPrintContext c = context();
        c.CurrentKarteFile = karteFile;
        QCOMPARE(hasItem(print(chart, 1, c), tag, 1, 10, 3, 17.5 + 28, 23.5 + 35), onSheet);
        QCOMPARE(hasItem(print(chart, 4, c), tag, 1, 12, 1, 18 + 210, 28 + 27), onKenan);
    }

    void otherModePrintsNothing()
    {
        const RecordingPrintDevice d = print(dated({1}), 2);
        QVERIFY(d.ops.isEmpty());
    }
};

NOLVARI_TEST(KarteKenanOitaProcTest)
#include "KarteKenanOitaProcTest.moc"
