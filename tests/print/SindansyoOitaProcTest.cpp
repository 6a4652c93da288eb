#include "PrintFixture.h"
#include "TestFixture.h"
#include "TestRegistry.h"

#include "chart/KarteBlock.h"
#include "common/DataPath.h"
#include "common/MsgBox.h"
#include "common/RecordingPrintDevice.h"
#include "common/SharedState.h"
#include "print/oita_aichi/SindansyoOitaProc.h"

#include <QDir>
#include <QImage>
#include <QtTest>

namespace {

using Layout = SindansyoOitaProc::Layout;
using Kind = RecordingPrintDevice::Kind;

const PrintJobEntry Entry{"H7_00010001_1234_0.sxd", "第四胃変位", "7.4.3"};

SindansyoPrintContext context(Layout layout)
{
    SindansyoPrintContext c = sampleContext(layout == Layout::Oita ? Ken::Oita : Ken::Aichi);
    c.Site = SiteProfile::parseRow(layout == Layout::Oita
                                       ? "OA,大分県,SiteOitaClinicA,DoctorName=大分 花子,DoctorAd=大分市中央1-1"
                                       : "AV,愛知県,SiteAichiVet,DoctorName=愛知 次郎,DoctorAd=名古屋市東1-1,"
                                         "ClinicName=東家畜診療所,KumiaiNumber=23,FixedCode=AB1234");
    return c;
}

// The form point (x, y) of a layout on the page.
QPointF page(Layout layout, double x, double y)
{
    return layout == Layout::Oita ? QPointF(13 + x, 18 + y) : QPointF(17 + x, 20 + y);
}

void setRow(SindansyoChart& chart, int row, const QStringList& cells)
{
    for (int c = 0; c < cells.size(); ++c) {
        if (!cells.at(c).isNull())
            chart.block.setCell(row, c, cells.at(c));
    }
}

// Examinations 1 to n, dated and numbered.
SindansyoChart examinations(int n)
{
    SindansyoChart chart;
    for (int j = 0; j < n; ++j) {
        chart.exam(j, QStringLiteral("7.4.%1").arg(j + 3));
        chart.block.setCell(KarteBlock::sinsatuRow(j), 1, QString::number(j + 1));
    }
    return chart;
}

} // namespace

// The certificate of 大分県 and of 愛知県 drawn whole on A4: pages, fixed items and visit bands.
class SindansyoOitaProcTest : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;

    RecordingPrintDevice print(const SindansyoChart& chart, Layout layout, SindansyoPrintRun::Result* result = nullptr)
    {
        chart.write(DataPath::root());
        RecordingPrintDevice d;
        const SindansyoPrintRun::Result r = SindansyoOitaProc::print(d, context(layout), Entry, layout);
        if (result)
            *result = r;
        return d;
    }

    bool item(const RecordingPrintDevice& d, Layout layout, const QString& text, int pageNo, double size, int align,
              double x, double y)
    {
        const QPointF at = page(layout, x, y);
        if (hasFormItem(d, text, pageNo, size, align, at.x(), at.y()))
            return true;
        qWarning("%s", qPrintable(itemsOf(d, text)));
        return false;
    }

private slots:
    void init()
    {
        TestFixture::resetGlobals();
        DataPath::setRoot(dir.path());
    }

    void pages_data()
    {
        QTest::addColumn<int>("layout");
        QTest::addColumn<QList<int>>("dated");   // examination numbers with a date
        QTest::addColumn<int>("dotted");         // one whose date begins with "." (0: none)
        QTest::addColumn<int>("pages");
        const auto oita = int(Layout::Oita);
        const auto aichi = int(Layout::Aichi);
        QTest::newRow("Oita none") << oita << QList<int>{} << 0 << 0;
        QTest::newRow("Oita 5, a dotted 9") << oita << QList<int>{1, 2, 3, 4, 5} << 9 << 1;
        QTest::newRow("Oita 6") << oita << QList<int>{1, 6} << 0 << 2;
        QTest::newRow("Oita 16") << oita << QList<int>{16} << 0 << 4;
        QTest::newRow("Oita 20") << oita << QList<int>{20} << 0 << 4;
        QTest::newRow("Oita 1 and 7") << oita << QList<int>{1, 7} << 0 << 2;
        QTest::newRow("Aichi 7, a dotted 20") << aichi << QList<int>{7} << 20 << 1;
        QTest::newRow("Aichi 8") << aichi << QList<int>{8} << 0 << 2;
        QTest::newRow("Aichi 14") << aichi << QList<int>{14} << 0 << 2;
        QTest::newRow("Aichi 15") << aichi << QList<int>{15} << 0 << 3;
    }
    void pages()
    {
        QFETCH(int, layout);
        QFETCH(QList<int>, dated);
        QFETCH(int, dotted);
        QFETCH(int, pages);
        SindansyoChart chart;
        for (int v : dated) {
            chart.exam(v - 1, "7.4.3");
            chart.block.setCell(KarteBlock::sinsatuRow(v - 1), 1, QString::number(v));
        }
        if (dotted > 0) {
            chart.exam(dotted - 1, ".4.30");
            chart.block.setCell(KarteBlock::sinsatuRow(dotted - 1), 1, QString::number(dotted));
        }
        SindansyoPrintRun::Result result;
        const RecordingPrintDevice d = print(chart, Layout(layout), &result);
        QCOMPARE(result.pages, pages);
        QCOMPARE(d.ofKind(Kind::NewPage).size(), pages);
        QCOMPARE(d.ops.isEmpty(), pages == 0);
        QVERIFY(MsgBox::log().isEmpty());
    }

    void notFound()
    {
        SindansyoChart chart;
        chart.write(DataPath::root());
        RecordingPrintDevice d;
        const auto result = SindansyoOitaProc::print(d, context(Layout::Oita),
                                                     {Entry.karteFile, "乳房炎", Entry.syosinDate}, Layout::Oita);
        QCOMPARE(result.refusal, QStringLiteral("印刷できません。"));
        QVERIFY(d.ops.isEmpty());
    }

    // Every page carries the frame and the items of every page; the header items are on page 1
    // and the totals on the first page (Oita) or the last (Aichi).
    void itemsByPage_data()
    {
        QTest::addColumn<int>("layout");
        QTest::addColumn<int>("visits");
        QTest::addColumn<int>("totalsPage");
        QTest::newRow("Oita, 12 visits") << int(Layout::Oita) << 12 << 1;
        QTest::newRow("Aichi, 15 visits") << int(Layout::Aichi) << 15 << 3;
        QTest::newRow("Aichi, one page") << int(Layout::Aichi) << 7 << 1;
    }
    void itemsByPage()
    {
        QFETCH(int, layout);
        QFETCH(int, visits);
        QFETCH(int, totalsPage);
        const Layout l = Layout(layout);
        SindansyoChart chart = examinations(visits);
        setRow(chart, 0, {"Name", "", "第四胃変位", "2-15-0", "7.4.1", "7.4.3", "7.4.30", "7.5.1", "治癒", "12"});
        setRow(chart, 3, {"Data", "", "9250", "", "890", "", "983", "", "9,830"});
        chart.kotai[12] = "白斑あり";
        const RecordingPrintDevice d = print(chart, l);
        const int pages = d.ofKind(Kind::NewPage).size();
        QCOMPARE(pages, l == Layout::Oita ? 3 : (visits + 6) / 7);
        for (int p = 1; p <= pages; ++p) {
            QVERIFY(item(d, l, "病", p, 14, 2, 66, -7.5));                     // the frame's title
            QVERIFY(item(d, l, "山本 一郎", p, 11, 2, 137, 3));
            QVERIFY(item(d, l, "1234", p, 11, 2, 73, 21));                       // ear tag
            QVERIFY(item(d, l, "7", p, 10, 2, 19.5, 212.5));                     // date of issue R7.5.20
            QVERIFY(item(d, l, "20", p, 10, 2, 45.5, 212.5));
            QVERIFY(item(d, l, l == Layout::Oita ? "大" : "愛", p, 12, 2, 63, 231.5));
            const auto at = [l](double x, double y) { return page(l, x, y); };
            QCOMPARE(hasFormItem(d, "9,250", p, 9.5, 4, at(148, 205.5).x(), at(148, 205.5).y()), p == totalsPage);
            QCOMPARE(hasFormItem(d, "9,830", p, 9.5, 4, at(174, 222).x(), at(174, 222).y()), p == totalsPage);
            QCOMPARE(hasFormItem(d, "1012345678", p, 9.5, 2, at(156, 9).x(), at(156, 9).y()), p == 1);
            QCOMPARE(hasFormItem(d, "12", p, 12, 3, at(74, 27).x(), at(74, 27).y()), p == 1);
        }
        if (l == Layout::Oita) {
            QVERIFY(item(d, l, "大分市中央1-1", 1, 11, 2, 32, 222.5));
            QVERIFY(hasItem(d, "白斑あり", 1, 8.5, 1, 63, 34));
        } else {
            QVERIFY(item(d, l, "名古屋市東1-1", pages, 11, 2, 32, 220));
            QVERIFY(item(d, l, "東家畜診療所", pages, 11, 2, 32, 225));
            QVERIFY(!d.findText("白斑あり"));
        }
        const DoctorInfoData& doctor = SharedState::get().DoctorInfo;
        QCOMPARE(doctor.DoctorCode, QStringLiteral("****"));
        QCOMPARE(doctor.DoctorName, l == Layout::Oita ? QStringLiteral("大分 花子") : QStringLiteral("愛知 次郎"));
    }

    // Choice marks, disease dates and calving on the first page.
    void firstPage()
    {
        SindansyoChart chart = examinations(1);
        setRow(chart, 0, {"Name", "", "第四胃変位", "2-15-0", "7.4.1", "7.4.3", "7.4.30", "5.4.1", "治癒", "1"});
        setRow(chart, 1, {"Data", "", "乳房炎", "-", "7.4.2", "7.4.3", "", "", "", "2", "", "", "4.11.0"});
        chart.kotai[1] = "乳用牛(育)";
        const RecordingPrintDevice d = print(chart, Layout::Oita);
        const QPointF tenki = page(Layout::Oita, 137, 21);
        QVERIFY(hasCircle(d, 1, tenki.x(), tenki.y(), 1.7));
        QVERIFY(hasCircle(d, 1, 13 + 28, 18 + 3, 2));                 // 包, always
        QVERIFY(hasCircle(d, 1, 13 + 80.5, 18 + 15, 2));              // 雌
        QVERIFY(hasCircle(d, 1, 13 + 31.5, 18 + 13.5, 1.2));          // 乳用牛(育)
        QCOMPARE(d.ofKind(Kind::Circle).size(), 4);
        QVERIFY(item(d, Layout::Oita, "5", 1, 9, 3, 168, 27));        // the outcome date
        QVERIFY(item(d, Layout::Oita, "1", 1, 9, 3, 181.5, 27));
        QVERIFY(item(d, Layout::Oita, "2", 1, 12, 3, 74, 33));        // disease-2 visits, no dates
        QVERIFY(!hasFormItem(d, "2", 1, 9, 3, 13 + 104.5, 18 + 33));
        QVERIFY(item(d, Layout::Oita, "4", 1, 8, 3, 155, 38));        // calving, day 0 left out
        QVERIFY(item(d, Layout::Oita, "11", 1, 8, 3, 165, 38));
        QVERIFY(!hasFormItem(d, "0", 1, 8, 3, 13 + 174, 18 + 38));
    }

    void aichiSpecies_data()
    {
        QTest::addColumn<QString>("tikushu");
        QTest::addColumn<double>("x");
        QTest::addColumn<double>("y");
        QTest::newRow("肥育成牛") << "肥育成牛" << 25.0 << 16.5;
        QTest::newRow("肥育用成牛") << "肥育用成牛" << 25.0 << 16.5;
        QTest::newRow("肥育子牛") << "肥育子牛" << 38.0 << 16.5;
        QTest::newRow("種豚") << "種豚" << 57.5 << 13.5;
        QTest::newRow("an Oita value") << "乳用牛(成)" << -1.0 << -1.0;
    }
    void aichiSpecies()
    {
        QFETCH(QString, tikushu);
        QFETCH(double, x);
        QFETCH(double, y);
        SindansyoChart chart = examinations(1);
        chart.kotai[1] = tikushu;
        chart.kotai[5] = "未確認";
        const RecordingPrintDevice d = print(chart, Layout::Aichi);
        const int circles = d.ofKind(Kind::Circle).size();
        QCOMPARE(circles, x < 0 ? 1 : 2);   // 包, and the species
        if (x >= 0)
            QVERIFY(hasCircle(d, 1, 17 + x, 20 + y, 1.2));
    }

    // One visit band's items, Oita band 0 and Aichi band 0.
    void band_data()
    {
        QTest::addColumn<int>("layout");
        QTest::newRow("大分県") << int(Layout::Oita);
        QTest::newRow("愛知県") << int(Layout::Aichi);
    }
    void band()
    {
        QFETCH(int, layout);
        const Layout l = Layout(layout);
        const bool oita = l == Layout::Oita;
        SindansyoChart chart;
        chart.exam(0, "7.6.12", "T=38.5 P=72 R=24", "9:0", "10:30", "食欲不振");
        chart.block.setCell(KarteBlock::sinsatuRow(0), 1, "1");
        chart.block.setCell(KarteBlock::sinsatuRow(0) + 8, 2, "3");
        chart.tiryo(0, 1, {"往診", "12km", "", "", "", "0", "0"});
        chart.tiryo(0, 2, {"筋肉内注射", "アンピシリン", "1バイアル", "２", "1200", "15", "13"});
        chart.tiryo(0, 3, {"診療点数無", "生理食塩液", "", "3", "0", "0", "0"});
        chart.tiryo(0, 4, {"PLテスト結果", "右前 -  左前 +  右後 -  左後 -"});
        chart.exam(1, "7.6.13", "", "", "10:0");
        chart.block.setCell(KarteBlock::sinsatuRow(1), 1, "2");
        chart.tiryo(1, 1, {"往診", "同時診療", "", "", "", "120", "0"});
        QImage picture(20, 20, QImage::Format_RGB32);
        picture.fill(Qt::black);
        QDir().mkpath(DataPath::root() + "/pict");
        QVERIFY(picture.save(DataPath::root() + "/pict/Pict_2.bmp"));
        const RecordingPrintDevice d = print(chart, l);
        const double y0 = 54;
        const double pitch = 8.2 * 0.3527 + 0.1;
        QVERIFY(item(d, l, "6", 1, 9.5, 3, 3, y0 + (oita ? 10.5 : 6.5)));
        QVERIFY(item(d, l, "12", 1, 9.5, 3, 6, y0 + (oita ? 19 : 15)));
        QVERIFY(item(d, l, "9:00～10:30", 1, 8.2, 2, 113, y0 + 1.8));
        QVERIFY(item(d, l, "～10:00", 1, 8.2, 2, 113, y0 + (oita ? 29.4 : 21) + 1.8));
        for (const auto& [value, x] : {std::pair{"38.5", 18.0}, {"72", 28.5}, {"24", 38.5}})
            QVERIFY(item(d, l, value, 1, 8.5, 3, x, y0 + (oita ? 27.4 : 19)));
        QVERIFY(item(d, l, "食欲不振", 1, 9, 2, 10, y0 + 2.5));
        QVERIFY(item(d, l, "12", 1, 8.2, 3, 82, y0 + 1.7));              // the house call's distance
        QVERIFY(item(d, l, "0", 1, 8.2, 4, 164, y0 + 1.7));              // and its points, also 0
        QVERIFY(item(d, l, "同時診療", 1, 8.2, 3, 82, y0 + (oita ? 29.4 : 21) + 1.7));
        QVERIFY(!d.findText("120"));
        QVERIFY(item(d, l, "筋肉注射", 1, 7, 3, 71, y0 + 4.5));
        QVERIFY(item(d, l, "1,200", 1, 8.2, 4, 147, y0 + 4.5));
        QVERIFY(item(d, l, "アンピシリン", 1, 8, 2, 77, y0 + 4.5));
        QVERIFY(item(d, l, "1B×2", 1, 7.2, 2, 107.5, y0 + 4.5));
        QVERIFY(!d.findText("診療点数無"));
        QVERIFY(item(d, l, "生理食塩液", 1, 8, 2, 77, y0 + 4.5 + pitch));
        QVERIFY(item(d, l, "×3", 1, 7.2, 2, 131.5, y0 + 4.5 + pitch));
        const QPointF noPoints = page(l, 164, y0 + 4.5 + pitch);          // B points 0
        QVERIFY(!hasFormItem(d, "0", 1, 8.2, 4, noPoints.x(), noPoints.y()));
        const QList<RecordingPrintDevice::Op> pictures = d.ofKind(Kind::Picture);
        QCOMPARE(pictures.size(), 1);
        QVERIFY(pictures.first().text.endsWith("Pict_2.bmp"));
        QVERIFY(qAbs(pictures.first().xMm() - (oita ? 65 : 69)) < 0.02);
        QVERIFY(qAbs(pictures.first().yMm() - (y0 + (oita ? 27 : 22))) < 0.02);
        // The PL mark: its cross's vertical stroke from the middle of its top edge.
        const double markX = (oita ? 65 : 67) + 6;
        bool cross = false;
        for (const auto& op : d.ofKind(Kind::Line))
            cross |= op.lineWidth == 5 && qAbs(op.xMm() - markX) < 0.05 && qAbs(op.yMm() - (y0 + 27)) < 0.05;
        QVERIFY(cross);
        QVERIFY(d.findText("+"));
    }

    void noVeterinarianNameWithoutAddress()
    {
        SindansyoChart chart = examinations(1);
        chart.write(DataPath::root());
        SindansyoPrintContext c = context(Layout::Oita);
        c.Site.texts.remove("DoctorAd");
        RecordingPrintDevice d;
        SindansyoOitaProc::print(d, c, Entry, Layout::Oita);
        QVERIFY(!d.findText("大"));
        QVERIFY(d.findText("山本 一郎"));
    }

    void bandTexts()
    {
        QCOMPARE(SindansyoOitaProc::jikanText("9:0", "10:30"), QStringLiteral("9:00～10:30"));
        QCOMPARE(SindansyoOitaProc::jikanText("9:15", ""), QStringLiteral("9:15"));
        QCOMPARE(SindansyoOitaProc::jikanText("", "10:0"), QStringLiteral("～10:00"));
        QCOMPARE(SindansyoOitaProc::jikanText("", ""), QString());
        QCOMPARE(SindansyoOitaProc::kikakuText("1バイアル", "２"), QStringLiteral("1B×2"));
        QCOMPARE(SindansyoOitaProc::kikakuText("２処方単位", ""), QStringLiteral("2T"));
        QCOMPARE(SindansyoOitaProc::bunruiText("静脈内注射"), QStringLiteral("静脈注射"));
        QCOMPARE(SindansyoOitaProc::bunruiText("点数外入力"), QStringLiteral("点数外"));
        QCOMPARE(SindansyoOitaProc::bunruiText("調剤不要"), QStringLiteral("調剤不要"));
    }
};

NOLVARI_TEST(SindansyoOitaProcTest)
#include "SindansyoOitaProcTest.moc"
