#include "PrintFixture.h"
#include "TestFixture.h"
#include "TestRegistry.h"

#include "common/DataPath.h"
#include "common/SharedState.h"
#include "print/tottori_miyazaki/MiyazakiOcr.h"
#include "print/tottori_miyazaki/MiyazakiSinsatuProc.h"
#include "print/tottori_miyazaki/SindansyoMiyazakiProc.h"

#include <QtTest>

namespace {

SindansyoChart miyazakiChart(int exams = 3)
{
    SindansyoChart chart("乳房炎", "5.4.3");
    chart.kotai[1] = "成";
    chart.kotai[4] = "R3.3.15";
    chart.kotai[6] = "はなこ:12345";
    chart.kotai[10] = "1234567890";
    const QStringList name = {"Name", "", "乳房炎", "3-12-0", "5.4.2", "5.4.3", "5.4.20", "5.4.25", "治癒", "7"};
    for (int c = 0; c < name.size(); ++c)
        chart.block.setCell(0, c, name.at(c));
    chart.block.setCell(1, 12, "R4.6.1");
    chart.block.setCell(1, 13, "R4.8.20");
    chart.block.setCell(2, 2, "食欲不振");
    chart.block.setCell(2, 5, "分娩後");
    for (int j = 0; j < exams; ++j)
        chart.exam(j, QStringLiteral("5.4.%1").arg(3 + j));
    chart.exam(0, "5.4.3", "T=39.0 P=80 R=30", "9:0", "", "発熱");
    chart.tiryo(0, 1, {"往診", "3km", "", "", "0105", ""});
    chart.tiryo(0, 2, {"文書", "診断書", "", "", "0901", ""});
    chart.tiryo(0, 3, {"筋肉内注射", "ペニシリン", "5mLバイアル", "1.5", "0301", "1234"});
    chart.tiryo(0, 4, {"経口", "整腸剤", "", "12", "", "0500"});
    return chart;
}

SindansyoPrintContext miyazakiContext(const QList<int>& options = {0, 1, 4, 5})
{
    SindansyoPrintContext c = sampleContext(Ken::Miyazaki);
    SharedState::get().Hand.OcrWidth = 7;
    c.NenDo = "5";
    c.PrintHiduke = "R5.5.20";
    for (int i = 0; i < 9; ++i)
        c.controls.insert(SindansyoPrintContext::arrayName("PrintCh", i), options.contains(i) ? "1" : "0");
    c.MainGd15 = "500";
    c.MainGd16 = "1234";
    c.DataGrid.Yakka = {{"1234", "1", "100"}, {"0500", "1", "3"}};
    c.DataGrid.Sinryo = {{"0301", "25"}, {"0105", "60"}, {"0901", "100"}};
    return c;
}

// The digits of a text printed by the OCR routines from x: box k at x + 5.1 k.
bool hasDigits(const RecordingPrintDevice& device, int page, const QString& text, double x, double y)
{
    for (int k = 0; k < text.size(); ++k) {
        if (text.at(k) != QLatin1Char(' ') && !hasDigit(device, page, text.at(k), x + 5.1 * k, y))
            return false;
    }
    return true;
}

} // namespace

class SindansyoMiyazakiProcTest : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;
    QString root;

    RecordingPrintDevice print(const SindansyoChart& chart, const SindansyoPrintContext& context, bool earlier = false)
    {
        chart.write(root);
        RecordingPrintDevice device;
        device.assumePicturesExist = true;
        const PrintJobEntry entry{"H7_00010001_1234_0.sxd", "乳房炎", "5.4.3"};
        const auto result = earlier ? SindansyoMiyazakiProc::SindansyoMiyazakiProc2(device, context, entry)
                                    : SindansyoMiyazakiProc::print(device, context, entry);
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

    void pages_data()
    {
        QTest::addColumn<int>("exams");
        QTest::addColumn<QString>("pageTx");
        QTest::addColumn<int>("pages");
        QTest::newRow("3") << 3 << "" << 1;
        QTest::newRow("4") << 4 << "" << 2;
        QTest::newRow("19") << 19 << "" << 7;
        QTest::newRow("20") << 20 << "" << 7;
        QTest::newRow("page 3 of 7") << 20 << "3" << 1;
        QTest::newRow("page 2.7") << 20 << "2.7" << 1;
        QTest::newRow("page 9 of 7") << 20 << "9" << 0;
        QTest::newRow("page -1") << 20 << "-1" << 0;
    }
    void pages()
    {
        QFETCH(int, exams);
        QFETCH(QString, pageTx);
        QFETCH(int, pages);
        SindansyoPrintContext c = miyazakiContext();
        if (!pageTx.isEmpty()) {
            c.controls.insert("PrintCh(2)", "1");
            c.controls.insert("PageTx", pageTx);
        }
        const RecordingPrintDevice device = print(miyazakiChart(exams), c);
        QCOMPARE(device.ofKind(RecordingPrintDevice::Kind::NewPage).size(), pages);
        if (pageTx == "3") // exam 7 (4.9) in slot 0 of page 3, printed as the only page
            QVERIFY(hasDigits(device, 1, " 9", 40.5, 116.5 + 3.5));
        if (pageTx == "2.7") // page 2 holds exams 4 to 6
            QVERIFY(hasDigits(device, 1, " 6", 40.5, 116.5 + 3.5));
    }

    // Text items of the header, identification and closing tables (new paper).
    void textItems_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("size");
        QTest::addColumn<int>("align");
        QTest::addColumn<double>("x");
        QTest::addColumn<double>("y");
        QTest::newRow("H1 farmer name") << "山本 一郎" << 16.0 << 1 << 148.0 << 64.5;
        QTest::newRow("H2 farmer address") << "鳥取県中央市東谷1-2" << 14.0 << 1 << 145.0 << 50.5;
        QTest::newRow("H3 history report") << "食欲不振" << 10.5 << 1 << 25.0 << 96.0;
        QTest::newRow("H4 cause") << "分娩後" << 10.5 << 1 << 98.0 << 96.0;
        QTest::newRow("H5 disease 1") << "乳房炎" << 9.7 << 1 << 27.0 << 59.0;
        QTest::newRow("H11 birth year") << "R3" << 8.0 << 1 << 115.5 << 46.5;
        QTest::newRow("H11 birth day") << "15" << 8.0 << 1 << 130.0 << 46.5;
        QTest::newRow("H12 cover year") << "R6" << 8.0 << 1 << 115.5 << 52.5;
        QTest::newRow("H13 animal name") << "はなこ" << 7.5 << 1 << 31.0 << 52.5;
        QTest::newRow("H18 last calving year") << "4" << 9.0 << 1 << 176.0 << 94.5;
        QTest::newRow("H19 last insemination day") << "20" << 9.0 << 1 << 193.0 << 101.5;
        QTest::newRow("L1 veterinarian name") << "佐藤 誠" << 12.0 << 1 << 108.0 << 283.5;
        QTest::newRow("L2 veterinarian address") << "鳥取県中央市本町2-5 佐藤家畜診療所" << 10.0 << 1 << 88.0 << 278.5;
        QTest::newRow("L3 chart date year") << "5" << 9.0 << 1 << 39.5 << 266.5;
        QTest::newRow("L3 chart date day") << "20" << 9.0 << 1 << 58.0 << 266.5;
        QTest::newRow("L4 drug-price total") << "1,234" << 10.0 << 2 << 195.0 << 260.5;
        QTest::newRow("L5 B points total") << "623" << 10.0 << 2 << 195.0 << 268.5;
        QTest::newRow("V1 start time") << "9:00" << 8.0 << 2 << 72.5 << 116.5 + 10;
        QTest::newRow("V2 temperature") << "39.0" << 9.0 << 1 << 22.0 << 116.5 + 13;
        QTest::newRow("V4 course text") << "発熱" << 10.5 << 1 << 19.0 << 116.5 + 17;
        QTest::newRow("V5 house call") << "3" << 8.5 << 2 << 61.0 << 116.5 + 10;
        QTest::newRow("V5 house call points") << "60" << 10.0 << 2 << 198.0 << 116.5 + 10;
        QTest::newRow("V6 document fee points") << "100" << 10.0 << 2 << 198.0 << 116.5 + 3.5;
        QTest::newRow("R category") << "筋肉内注射" << 9.0 << 1 << 50.0 << 116.5 + 18.5;
        QTest::newRow("R content") << "ペニシリン:5mLB[1.5]" << 8.0 << 1 << 101.0 << 116.5 + 18.5;
        QTest::newRow("R B points") << "25" << 10.0 << 2 << 198.0 << 116.5 + 18.5;
        QTest::newRow("R drug price") << "150" << 10.0 << 2 << 185.0 << 116.5 + 18.5;
        QTest::newRow("R second row") << "整腸剤" << 9.0 << 1 << 101.0 << 116.5 + 18.5 + 7.2;
        QTest::newRow("R second price") << "36" << 10.0 << 2 << 185.0 << 116.5 + 18.5 + 7.2;
    }
    void textItems()
    {
        QFETCH(QString, text);
        QFETCH(double, size);
        QFETCH(int, align);
        QFETCH(double, x);
        QFETCH(double, y);
        const RecordingPrintDevice device = print(miyazakiChart(), miyazakiContext());
        QVERIFY2(hasItem(device, text, 1, size, align, x, y), qPrintable(itemsOf(device, text)));
    }

    // Digits of the header and identification block; the non-digits of a text leave their box
    // empty (an ear tag with a hyphen, the era letter of a year).
    void digitItems_data()
    {
        QTest::addColumn<QString>("digits");
        QTest::addColumn<double>("x");
        QTest::addColumn<double>("y");
        QTest::newRow("H7 examinations") << "7" << 152.0 << 87.0;
        QTest::newRow("H8 code part 0") << " 3" << 97.0 << 60.0;
        QTest::newRow("H8 code part 1") << "12" << 112.0 << 60.0;
        QTest::newRow("H10 onset year") << "05" << 25.5 << 79.5;
        QTest::newRow("H10 onset month") << "04" << 35.5 << 79.5;
        QTest::newRow("H10 onset day") << "02" << 45.5 << 79.5;
        QTest::newRow("H10 first exam year") << "05" << 56.0 << 79.5;
        QTest::newRow("H10 last exam day") << "20" << 106.5 << 79.5;
        QTest::newRow("H10 outcome day") << "25" << 137.0 << 79.5;
        QTest::newRow("H17 ear tag") << "1234567890" << 122.0 << 38.5;
        QTest::newRow("I2 year") << "5" << 71.0 << 38.5;
        QTest::newRow("I3 member code") << "00010001" << 20.5 << 38.5;
        QTest::newRow("I4 species code") << "10" << 61.0 << 38.5;
        QTest::newRow("I5 individual number") << "12345" << 91.5 << 38.5;
        QTest::newRow("I6 veterinarian number") << "1234" << 56.2 << 25.5;
        QTest::newRow("I8 association") << "101" << 81.0 << 38.5;
        QTest::newRow("V1 exam year") << " 5" << 20.5 << 120.0;
        QTest::newRow("V1 exam day") << " 3" << 40.5 << 120.0;
        QTest::newRow("V5 house-call code") << "0105" << 81.5 << 126.5;
        QTest::newRow("V6 document-fee code") << "0901" << 81.5 << 120.0;
        QTest::newRow("R treatment code") << "0301" << 81.5 << 135.5;
        QTest::newRow("R drug code") << "1234" << 132.0 << 135.5;
    }
    void digitItems()
    {
        QFETCH(QString, digits);
        QFETCH(double, x);
        QFETCH(double, y);
        const RecordingPrintDevice device = print(miyazakiChart(), miyazakiContext());
        QVERIFY(hasDigits(device, 1, digits, x, y));
    }

    void circles()
    {
        const RecordingPrintDevice device = print(miyazakiChart(), miyazakiContext());
        QVERIFY(hasCircle(device, 1, 158.0, 79.0, 2.0));  // 治癒
        QVERIFY(hasCircle(device, 1, 89.5, 46.5, 2.0));   // 雌
        QVERIFY(hasCircle(device, 1, 32.5, 46.0, 2.0));   // 成
        // Without option 0 the machine-read items stay empty, the texts print.
        const RecordingPrintDevice plain = print(miyazakiChart(), miyazakiContext({}));
        QVERIFY(!hasCircle(plain, 1, 158.0, 79.0, 2.0));
        QVERIFY(!hasDigits(plain, 1, "7", 152.0, 87.0));
        QVERIFY(hasDigits(plain, 1, "0301", 81.5, 135.5));
        QVERIFY(!plain.findText("1,234"));
        QVERIFY(!plain.findText("150"));
        QVERIFY(plain.findText("山本 一郎"));
    }

    // The ear tag "1234-56" and a birth year "R5": the hyphen and the letter leave their boxes empty.
    void nonDigitsLeaveBoxesEmpty()
    {
        RecordingPrintDevice device;
        SharedState::get().ken = Ken::Miyazaki;
        SharedState::get().Hand.OcrWidth = 7;
        MiyazakiOcr::SujiPrintProc(device, "12-4", 100, 50);
        QVERIFY(hasDigits(device, 1, "12 4", 100, 50));
        QVERIFY(!hasDigit(device, 1, '0', 100 + 2 * 5.1, 50));
        const int lines = device.ofKind(RecordingPrintDevice::Kind::Line).size();
        MiyazakiOcr::SujiPrintProc(device, "R", 100, 60);
        QCOMPARE(device.ofKind(RecordingPrintDevice::Kind::Line).size(), lines);
        // The "1" is the stroke (5,1)-(5,13) of 16.2-twip units from the box's anchor.
        RecordingPrintDevice one;
        MiyazakiOcr::SujiPrintProc(one, "1", 20, 30);
        const auto strokes = one.ofKind(RecordingPrintDevice::Kind::Line);
        QCOMPARE(strokes.size(), 1);
        QCOMPARE(strokes.at(0).y2 - strokes.at(0).y, 194.0);
        QCOMPARE(strokes.at(0).x2, strokes.at(0).x);
        QCOMPARE(strokes.at(0).lineWidth, 7);
    }

    void quantities_data()
    {
        QTest::addColumn<QString>("quantity");
        QTest::addColumn<bool>("noZeros");
        QTest::addColumn<QString>("boxes");   // from the box before the decimal box's left neighbour
        QTest::newRow("1.5") << "1.5" << false << " 15";
        QTest::newRow("12") << "12" << false << "12 ";
        QTest::newRow("0.5 without zeros") << "0.5" << true << "  5";
        QTest::newRow("0.5") << "0.5" << false << " 05";
        QTest::newRow("10 without zeros") << "10" << true << "1  ";
    }
    void quantities()
    {
        QFETCH(QString, quantity);
        QFETCH(bool, noZeros);
        QFETCH(QString, boxes);
        SharedState::get().ken = Ken::Miyazaki;
        SharedState::get().Hand.OcrWidth = 7;
        RecordingPrintDevice device;
        MiyazakiOcr::SuryoPrintProc(device, quantity, 17, 100, noZeros);
        const double first = 17 + 155.5 - 2 * 5.1;
        QVERIFY(hasDigits(device, 1, boxes, first, 100));
        for (int k = 0; k < boxes.size(); ++k) {
            if (boxes.at(k) == QLatin1Char(' '))
                QVERIFY(!hasDigit(device, 1, '0', first + 5.1 * k, 100));
        }
    }

    // The price of a drug line is the unit price times the quantity; a product no amount can be
    // prints nothing instead of an integer out of range.
    void drugPrices_data()
    {
        QTest::addColumn<QString>("price");
        QTest::addColumn<QString>("quantity");
        QTest::addColumn<QString>("yen");
        QTest::newRow("1.5 at 100") << "100" << "1.5" << "150";
        QTest::newRow("rounds to 0") << "0.2" << "1" << "";
        QTest::newRow("product past the limit") << "99999999999999" << "99999999999999" << "";
        QTest::newRow("price past the limit") << "1e30" << "1" << "";
    }
    void drugPrices()
    {
        QFETCH(QString, price);
        QFETCH(QString, quantity);
        QFETCH(QString, yen);
        MiyazakiDataGrid grid;
        grid.Yakka = {{"1234", "1", price}};
        QCOMPARE(MiyazakiSinsatuProc::CodeKingakuMiyazakiProc(grid, "1234", quantity), yen);
    }

    void codesWithoutZeros()
    {
        SharedState::get().ken = Ken::Miyazaki;
        SharedState::get().Hand.OcrWidth = 7;
        RecordingPrintDevice device;
        MiyazakiOcr::CodeSujiPrintProc(device, "0105", 81.5, 100, true);
        QVERIFY(hasDigits(device, 1, " 1 5", 81.5, 100));
        QVERIFY(!hasDigit(device, 1, '0', 81.5, 100));
        QVERIFY(!hasDigit(device, 1, '0', 81.5 + 2 * 5.1, 100));
        RecordingPrintDevice all;
        MiyazakiOcr::CodeSujiPrintProc(all, "0105", 81.5, 100, false);
        QVERIFY(hasDigits(all, 1, "0105", 81.5, 100));
        RecordingPrintDevice bango;
        MiyazakiOcr::BangoSujiPrintProc(bango, "0102", 56.2, 25.5);
        QVERIFY(hasDigits(bango, 1, " 102", 56.2, 25.5));
        QVERIFY(!hasDigit(bango, 1, '0', 56.2, 25.5));
    }

    void naiyo_data()
    {
        QTest::addColumn<QString>("kikaku");
        QTest::addColumn<bool>("nameOnly");
        QTest::addColumn<QString>("text");
        QTest::newRow("standard shortened") << "5mLバイアル" << false << "名:5mLB[2]";
        QTest::newRow("name only") << "5mLバイアル" << true << "名[2]";
        QTest::newRow("units") << "1処方単位Hまで" << false << "名:1T[2]";
    }
    void naiyo()
    {
        QFETCH(QString, kikaku);
        QFETCH(bool, nameOnly);
        QFETCH(QString, text);
        QCOMPARE(MiyazakiSinsatuProc::naiyoText("名", kikaku, "2", nameOnly, true), text);
    }

    // 60 bytes print in three lines; 61 fall back to the name; a name of more than three lines
    // prints its first three.
    void naiyoLines()
    {
        const QString name = "ブドウ糖注射液";                     // 14 bytes
        const QString standard = QString(22, QChar(0x3042));       // 44 bytes
        const QString sixty = MiyazakiSinsatuProc::naiyoText(name, standard + "a", "", false, false);
        QCOMPARE(sixty, name + ":" + standard + "a");                          // 14 + 1 + 45 = 60
        QCOMPARE(MiyazakiSinsatuProc::naiyoLines(sixty).size(), 3);
        QCOMPARE(MiyazakiSinsatuProc::naiyoText(name, standard + "ab", "", false, false), name);
        QCOMPARE(MiyazakiSinsatuProc::naiyoLines(QString(30, QChar(0x3042))).size(), 3);
        QCOMPARE(MiyazakiSinsatuProc::naiyoLines(QString(30, QChar(0x3042))).at(1).size(), 11);
        RecordingPrintDevice device;
        MiyazakiSinsatuProc::NaiyoPrintProc(device, QString(40, QChar(0x3044)), 101, 100);
        const auto texts = device.ofKind(RecordingPrintDevice::Kind::Text);
        QCOMPARE(texts.size(), 3);
        QVERIFY(qAbs(texts.at(0).fontSize - 7.3) < 0.001);
        QVERIFY(hasItem(device, texts.at(2).text, 1, 7.3, 1, 101, 102.3));
        RecordingPrintDevice two;
        MiyazakiSinsatuProc::NaiyoPrintProc(two, QString(12, QChar(0x3044)), 101, 100);
        QVERIFY(hasItem(two, QString(10, QChar(0x3044)), 1, 8, 1, 101, 98.7));
        QVERIFY(hasItem(two, QString(2, QChar(0x3044)), 1, 8, 1, 101, 101.3));
    }

    void henkanSeireki_data()
    {
        QTest::addColumn<QString>("year");
        QTest::addColumn<QString>("western");
        QTest::newRow("4") << "4" << "22";
        QTest::newRow("19") << "19" << "37";
        QTest::newRow("20") << "20" << "20";
        QTest::newRow("31") << "31" << "31";
    }
    void henkanSeireki()
    {
        QFETCH(QString, year);
        QFETCH(QString, western);
        QStringList parts{year, "5", "6"};
        const QStringList copy = SindansyoMiyazakiProc::HenkanSeirekiProc(parts);
        QCOMPARE(parts, (QStringList{western, "5", "6"}));
        QCOMPARE(copy, parts);
    }

    // With SeirekiFlag the dates of the episode print Western years, the birth year with an R
    // four digits 2.5 mm left, the chart date four digits on the new paper and as stored on the old.
    void westernYears()
    {
        SindansyoPrintContext c = miyazakiContext();
        c.SeirekiFlag = 1;
        RecordingPrintDevice device = print(miyazakiChart(), c);
        QVERIFY(hasDigits(device, 1, "23", 25.5, 79.5));
        QVERIFY(hasDigits(device, 1, "04", 35.5, 79.5));
        QVERIFY(hasDigits(device, 1, "23", 20.5, 120.0));
        QVERIFY(hasItem(device, "2021", 1, 8, 1, 113.0, 46.5));
        QVERIFY(hasItem(device, "2023", 1, 9, 1, 39.5, 266.5));
        c.controls.insert("PrintCh(8)", "1");
        device = print(miyazakiChart(), c);
        QVERIFY(hasItem(device, "5", 1, 9, 1, 129.0, 27.0));
        QVERIFY(hasItem(device, "はなこ", 1, 7.5, 1, 81.0, 52.5));
        QVERIFY(hasItem(device, "1234567890", 1, 10, 1, 29.0, 52.5));
        // The earlier layout keeps era years whatever the flag.
        device = print(miyazakiChart(), c, true);
        QVERIFY(hasDigits(device, 1, "05", 25.5, 79.5));
    }

    // The earlier layout: a month of 0 stays empty, no codes, quantities or totals, the chart's
    // farmer, the closing items at the top, its own species code.
    void earlierLayout()
    {
        SindansyoChart chart = miyazakiChart();
        chart.block.setCell(0, 4, "5.0.12");
        chart.nouka[2] = "山本 一郎（カルテ）";
        chart.kotai[1] = "肥";
        SindansyoPrintContext c = miyazakiContext();
        const RecordingPrintDevice earlier = print(chart, c, true);
        QVERIFY(hasDigits(earlier, 1, "05", 25.5, 79.5));
        QVERIFY(hasDigits(earlier, 1, "12", 45.5, 79.5));
        QVERIFY(!hasDigit(earlier, 1, '0', 35.5, 79.5));
        QVERIFY(hasItem(earlier, "山本 一郎（カルテ）", 1, 16, 1, 148.0, 64.5));
        QVERIFY(hasDigits(earlier, 1, "30", 61.0, 38.5));
        QVERIFY(!hasDigits(earlier, 1, "0301", 81.5, 135.5));
        QVERIFY(!earlier.findText("1,234"));
        QVERIFY(hasItem(earlier, "佐藤 誠", 1, 12, 1, 158.0, 31.5));
        QVERIFY(hasItem(earlier, "診断書", 1, 9, 1, 50.0, 116.5 + 18.5));  // 文書 is a row
        QVERIFY(hasItem(earlier, "ペニシリン:5mLB", 1, 9, 1, 101.0, 116.5 + 18.5 + 7.2));
        QVERIFY(!earlier.findText("9:00"));
        QVERIFY(hasItem(earlier, "3", 1, 10, 1, 57.0, 116.5 + 11));
        const RecordingPrintDevice current = print(chart, c);
        QVERIFY(hasDigits(current, 1, "00", 35.5, 79.5));
        QVERIFY(hasDigits(current, 1, "20", 61.0, 38.5));
    }

    void sites()
    {
        SharedState::get().SiteRows = SiteProfile::parse(
            {"MZC,宮崎県,SiteMiyazakiVetC", "MZF,宮崎県,SiteMiyazakiVetF,FixedDoctorCode=7777,CodeHenkan=00010001>00990001,"
                                            "CodeNameHenkan=00010001>山本牧場",
             "*,宮崎県,SeiHenkan=一郎>市郎"});
        SharedState::get().SiteKey = "MZC";
        RecordingPrintDevice device = print(miyazakiChart(4), miyazakiContext());
        QVERIFY(!hasDigits(device, 1, "1234", 56.2, 25.5));             // no veterinarian number
        QVERIFY(!device.findText("佐藤 誠"));
        QVERIFY(hasItem(device, "山本 市郎", 2, 16, 1, 148.0, 64.5));  // name on the later page
        SharedState::get().SiteKey = "MZF";
        device = print(miyazakiChart(), miyazakiContext());
        QVERIFY(hasDigits(device, 1, "7777", 56.2, 25.5));
        QVERIFY(hasDigits(device, 1, "00990001", 20.5, 38.5));
        QVERIFY(hasItem(device, "山本牧場", 1, 16, 1, 148.0, 64.5));
    }
};

NOLVARI_TEST(SindansyoMiyazakiProcTest)
#include "SindansyoMiyazakiProcTest.moc"
