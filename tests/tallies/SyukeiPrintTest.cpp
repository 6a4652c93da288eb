#include "FailingPrintDevice.h"
#include "SyukeiFixture.h"
#include "TestRegistry.h"

#include "common/Ken.h"
#include "common/MsgBox.h"
#include "common/RecordingPrintDevice.h"
#include "common/SiteProfile.h"
#include "print/common/PrintEndProc.h"
#include "tallies/BetuPrintProc.h"
#include "tallies/BetuSyukeiProc.h"
#include "tallies/GridHeightProc.h"
#include "tallies/IninjyoOitaPrintProc.h"
#include "tallies/KarteMaisuProc.h"
#include "tallies/SyukeiList.h"
#include "tallies/SyukeiListPrintProc.h"

#include <QtTest>

namespace {

constexpr double K = 56.7;
constexpr double Em = 25.0 / 72;

QStringList listRow(const QString& name, const QString& code, const QString& kaisu, const QString& fee,
                    const QString& teisyutu = QString())
{
    QStringList r(SyukeiList::ColCount);
    r[SyukeiList::Tiku] = "東谷";
    r[SyukeiList::Name] = name;
    r[SyukeiList::Code] = code;
    r[SyukeiList::Kaisu] = kaisu;
    r[SyukeiList::Fee] = fee;
    r[SyukeiList::Teisyutu] = teisyutu;
    return r;
}

QStringList oitaRow(const QString& name, const QString& byo, const QString& syu = "成乳牛",
                    const QString& fee = "1,000")
{
    QStringList r = listRow(name, "00090001", "1", fee);
    r[SyukeiList::Syu] = syu;
    r[SyukeiList::Meigou] = "はな:0123456789";
    r[SyukeiList::Byo] = byo;
    r[SyukeiList::Syosin] = "7.6.1";
    r[SyukeiList::Syusin] = "7.6.5";
    return r;
}

// The y in millimetres a text was placed at (its top), by text, on a page.
QList<double> textTops(const RecordingPrintDevice& d, const QString& text, int page = 0)
{
    QList<double> out;
    for (const auto& op : d.ofKind(RecordingPrintDevice::Kind::Text))
        if (op.text == text && (page == 0 || op.page == page))
            out.append(op.yMm());
    return out;
}

} // namespace

class SyukeiPrintTest : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        TestFixture::resetGlobals();
        answerMessages();
    }

    void maisu_data()
    {
        QTest::addColumn<int>("ken");
        QTest::addColumn<QString>("visits");
        QTest::addColumn<int>("sheets");
        QTest::newRow("tottori 5") << int(Ken::Tottori) << "5" << 1;
        QTest::newRow("tottori 6") << int(Ken::Tottori) << "6" << 2;
        QTest::newRow("tottori 21 no cap") << int(Ken::Tottori) << "21" << 5;
        QTest::newRow("tottori 26") << int(Ken::Tottori) << "26" << 6;
        QTest::newRow("miyazaki 16") << int(Ken::Miyazaki) << "16" << 6;
        QTest::newRow("empty") << int(Ken::Sonota) << "" << 1;
        QTest::newRow("zero") << int(Ken::Oita) << "0" << 1;
    }
    void maisu()
    {
        QFETCH(int, ken);
        QFETCH(QString, visits);
        QTEST(KarteMaisuProc::sheets(visits, KarteMaisuProc::perSheet(Ken(ken), SiteProfile())), "sheets");
    }

    void kagoshimaDistrict()
    {
        SiteProfile district;
        district.switches.insert("SiteKagoshimaDistrict");
        QCOMPARE(KarteMaisuProc::perSheet(Ken::Kagoshima, district), 6);
        QCOMPARE(KarteMaisuProc::perSheet(Ken::Kagoshima, SiteProfile()), 4);
    }

    // Members whose rows are apart count together; namesakes with other codes count apart and
    // show their codes; a row whose district is empty does not end the counting.
    void betuRows()
    {
        QList<QStringList> rows = {listRow("山本 一郎", "00010001", "6", "12,340", "7･5"),
                                   listRow("森田 健", "00020001", "1", "1,000", "7･6"),
                                   listRow("山本 一郎", "00030001", "1", "500", "7･6"),
                                   listRow("山本 一郎", "00010001", "2", "5,000", "7･6")};
        rows[1][SyukeiList::Tiku].clear();
        const QList<QStringList> betu = BetuSyukeiProc::rows(rows, 5);
        QCOMPARE(betu.size(), 4);
        QCOMPARE(betu.at(0), (QStringList{"1", "山本 一郎（00010001）", "3:2", "17,340", "7･6"}));
        QCOMPARE(betu.at(1), (QStringList{"2", "森田 健", "1:1", "1,000", "7･6"}));
        QCOMPARE(betu.at(2), (QStringList{"3", "山本 一郎（00030001）", "1:1", "500", "7･6"}));
        QCOMPARE(betu.at(3), (QStringList{"計", "", "5:4", "18,840", ""}));
        QCOMPARE(BetuSyukeiProc::rows({}, 5), (QList<QStringList>{{"計", "", "0:0", "", ""}}));
    }

    // 36 rows: 35 lines on the first page, the totals line alone on the second; columns 1 to 4 at
    // their places, the numbers not printed.
    void betuPrint()
    {
        QList<QStringList> rows;
        for (int i = 1; i <= 35; ++i)
            rows.append({QString::number(i), QString("組合員%1").arg(i), "1:1", "1,000", "7･6"});
        rows.append({"計", "", "35:35", "35,000", ""});
        RecordingPrintDevice d;
        BetuPrintProc::print(d, rows);
        QCOMPARE(d.pageCount(), 2);
        QCOMPARE(textTops(d, "35:35", 2).size(), 1);
        QCOMPARE(textTops(d, "組合員35", 1).size(), 1);
        QVERIFY(textTops(d, "計").isEmpty());
        const auto* first = d.findText("組合員1");
        QVERIFY(first);
        QVERIFY(qAbs(first->xMm() - 10) < 0.05);
        QCOMPARE(first->fontName, QString("ＭＳ Ｐ明朝"));
        QCOMPARE(first->fontSize, 11.0);
        QCOMPARE(d.orientation(), PrintDevice::Orientation::Portrait);
        rows.removeAt(0);
        RecordingPrintDevice exact;
        BetuPrintProc::print(exact, rows);
        QCOMPARE(exact.pageCount(), 1);
    }

    void listPrint_data()
    {
        QTest::addColumn<int>("episodes");
        QTest::addColumn<int>("pages");
        QTest::newRow("29 and totals") << 29 << 1;
        QTest::newRow("30 and totals") << 30 << 2;
    }
    // 30 lines a page, no blank sheet after a full page; the first text 3.5 mm left of its x and
    // its em above y - 2 mm.
    void listPrint()
    {
        QFETCH(int, episodes);
        QList<QStringList> rows;
        for (int i = 1; i <= episodes; ++i) {
            QStringList r = listRow("山本", "1", "1", "1,000", "7･6");
            r[0] = QString::number(i);
            r[SyukeiList::File] = "H7_x.sxd";
            rows.append(r);
        }
        SyukeiList list;
        list.rows = rows;
        rows.append(list.totals());
        RecordingPrintDevice d;
        SyukeiListPrintProc::print(d, rows);
        QTEST(d.pageCount(), "pages");
        QCOMPARE(d.orientation(), PrintDevice::Orientation::Landscape);
        const auto* one = d.findText("1");
        QVERIFY(one);
        QVERIFY(qAbs(one->x - std::floor((10 - 3.5) * K)) < 1);
        QVERIFY(qAbs(one->y - std::floor((21 - 2 - 9 * Em) * K)) < 1);
        QVERIFY(!d.texts().contains("7･6"));
        QVERIFY(!d.texts().contains("H7_x.sxd"));
        QCOMPARE(d.texts().count("合計"), 1);
    }

    // Ten episodes fit a sheet, the eleventh starts a second with its own total; unchosen members
    // print nothing and leave no blank page; "乳用牛" stacks; a 12-character disease puts the
    // dates at y + 2; the date is a 令和 date.
    void oitaMandate()
    {
        IninjyoOitaData data;
        for (int i = 0; i < 11; ++i)
            data.rows.append(oitaRow("佐藤 一", "乳房炎"));
        QStringList other = oitaRow("阿部 二", "第四胃左方変位症候群群群", "乳用牛", "2,500");
        other[SyukeiList::Code] = "00090002";
        data.rows.prepend(other);
        data.members = {{"佐藤 一", "00090001"}};
        data.date = {"7", "6", "30"};
        data.printName = true;
        data.addresses = IninjyoOitaPrintProc::addresses({"本院,佐藤 一,00090001,大分市1-1", "x,阿部 二,00090002,別府市"});
        data.chairman = "大分 太郎";
        data.clinic = "本院";
        RecordingPrintDevice d;
        IninjyoOitaPrintProc::print(d, data);
        QCOMPARE(d.pageCount(), 2);
        QCOMPARE(textTops(d, IninjyoOitaPrintProc::title()).size(), 2);
        QCOMPARE(d.texts().count("R7.6.1"), 11);
        QVERIFY(d.texts().contains("令和 7 年 6 月 30 日"));
        QVERIFY(d.texts().contains("大分市1-1"));
        QVERIFY(!d.texts().contains("別府市"));
        QVERIFY(d.texts().contains("10,000"));
        QCOMPARE(textTops(d, "1,000", 2).size(), 2);   // the row and the sheet total

        data.members = {{"阿部 二", "00090002"}};
        RecordingPrintDevice stacked;
        IninjyoOitaPrintProc::print(stacked, data);
        QCOMPARE(stacked.pageCount(), 1);
        const double y = 152.5;
        const auto top = [](double mid, int size) { return std::floor((mid - size * Em / 2 - 2) * K) / K; };
        QVERIFY(qAbs(textTops(stacked, "成乳牛").value(0) - top(y - 3.5, 10)) < 0.05);
        QVERIFY(qAbs(textTops(stacked, "育成乳牛").value(0) - top(y + 3.5, 10)) < 0.05);
        QVERIFY(qAbs(textTops(stacked, "R7.6.1").value(0) - top(y + 2, 11)) < 0.05);
        QVERIFY(qAbs(textTops(stacked, "2,500").value(0) - top(y + 2, 12)) < 0.05);
        const auto* fee = stacked.findText("2,500");
        QVERIFY(qAbs(fee->xMm() - std::floor((192 - 12 * Em / 2 * 5 - 3.5) * K) / K) < 0.05);
        QVERIFY(stacked.texts().contains("0123456789"));
    }

    // Namesakes of two member codes get a mandate each, with the address of their own code and
    // their own total; choosing one leaves the other out.
    void oitaNamesakes()
    {
        IninjyoOitaData data;
        QStringList other = oitaRow("佐藤 一", "肺炎", "成乳牛", "2,000");
        other[SyukeiList::Code] = "00090003";
        data.rows = {oitaRow("佐藤 一", "乳房炎"), other, oitaRow("佐藤 一", "蹄病")};
        data.members = {{"佐藤 一", "00090001"}, {"佐藤 一", "00090003"}};
        data.date = {"7", "6", "30"};
        data.printName = true;
        data.addresses = IninjyoOitaPrintProc::addresses({"本院,佐藤 一,00090001,大分市1-1", "本院,佐藤 一,00090003,別府市"});
        RecordingPrintDevice d;
        IninjyoOitaPrintProc::print(d, data);
        QCOMPARE(d.pageCount(), 2);
        QCOMPARE(textTops(d, "大分市1-1", 1).size(), 1);
        QCOMPARE(textTops(d, "別府市", 2).size(), 1);
        QCOMPARE(textTops(d, "2,000", 1).size(), 1);   // the sheet total of the two 1,000 rows
        QCOMPARE(textTops(d, "肺炎", 2).size(), 1);
        QCOMPARE(textTops(d, "2,000", 2).size(), 2);   // the row and the sheet total

        data.members = {{"佐藤 一", "00090003"}};
        RecordingPrintDevice one;
        IninjyoOitaPrintProc::print(one, data);
        QCOMPARE(one.pageCount(), 1);
        QVERIFY(!one.texts().contains("大分市1-1"));
        QVERIFY(!one.texts().contains("乳房炎"));
    }

    void printEnd()
    {
        FailingPrintDevice failing;
        QVERIFY(!PrintEndProc(failing));
        QCOMPARE(MsgBox::log().last().text, FailingPrintDevice::failureText());
        RecordingPrintDevice fine;
        QVERIFY(PrintEndProc(fine));
        QCOMPARE(MsgBox::log().last().text, QString("終了しました。"));
        QCOMPARE(MsgBox::log().last().title, QString("印刷"));
    }

    void gridHeight_data()
    {
        QTest::addColumn<QStringList>("cells");
        QTest::addColumn<int>("height");
        const QString eighteen(18, QChar(0x3042));
        QTest::newRow("18 characters") << QStringList{"1", eighteen} << 225;
        QTest::newRow("19 characters") << QStringList{"1", eighteen + "a"} << 450;
        QTest::newRow("standard of 13") << QStringList{"1", "", QString(13, 'x')} << 450;
        QTest::newRow("number 100") << QStringList{"100"} << 450;
        QTest::newRow("quantity 12.25") << QStringList{"1", "", "", "12.25"} << 450;
        QTest::newRow("hidden column") << QStringList{"1", "", "", "", QString(40, 'x')} << 225;
    }
    void gridHeight()
    {
        QFETCH(QStringList, cells);
        QTEST(GridHeightProc::height(cells, {450, 3300, 2200, 750, 1}, 9), "height");
    }
};

NOLVARI_TEST(SyukeiPrintTest)
#include "SyukeiPrintTest.moc"
