#include "BookSetup.h"
#include "TestRegistry.h"

#include "common/RecordingPrintDevice.h"
#include "treatmentbook/TiryoboLayout.h"
#include "treatmentbook/TiryoboPrint.h"

#include <QImage>
#include <QDir>
#include <QtTest>

namespace {
using Kind = RecordingPrintDevice::Kind;

TiryoboPrint::Input input(int rows)
{
    TiryoboPrint::Input in;
    for (int i = 0; i < rows; ++i)
        in.rows.append(BookSetup::row({{0, QString("5.3.%1").arg(i + 1)}, {2, "経過"}}));
    in.printData = QStringList(12);
    in.kotaiData = {"はなこ:1012345678", "H30.3.15", "38.5"};
    in.companyForm = "有限会社";
    in.companyName = "県北ファーム";
    return in;
}

int pages(const RecordingPrintDevice& device)
{
    int last = 0;
    for (const auto& op : device.ops)
        last = std::max(last, op.page);
    return last;
}

// The texts of a page with their top-left corners in millimetres.
QList<const RecordingPrintDevice::Op*> textsOn(const RecordingPrintDevice& device, int page, const QString& text)
{
    QList<const RecordingPrintDevice::Op*> out;
    for (const auto& op : device.ops)
        if (op.kind == Kind::Text && op.page == page && op.text == text)
            out.append(&op);
    return out;
}
}

class TiryoboPrintTest : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        TestFixture::resetGlobals();
    }

    void rowHeights_data()
    {
        QTest::addColumn<int>("col");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("twips");
        QTest::newRow("empty") << 0 << "" << 225;
        QTest::newRow("20 characters in 1500 twips") << 2 << QString("あ").repeated(20) << 675;
        QTest::newRow("a line break counts") << 2 << QString("あ").repeated(16) + "\r\n" << 675;
        QTest::newRow("calving text") << 12 << "a" << 1125;
        QTest::newRow("hidden column") << 10 << QString("x").repeated(500) << 225;
        QTest::newRow("column 16 is not measured") << 16 << QString("x").repeated(500) << 225;
        QTest::newRow("long drug name") << 4 << QString("x").repeated(12) << 225 * 2;
    }
    void rowHeights()
    {
        QFETCH(int, col);
        QFETCH(QString, text);
        QFETCH(int, twips);
        QCOMPARE(TiryoboLayout::rowHeightTwips(BookSetup::row({{col, text}})), twips);
    }

    void displaySizes()
    {
        const TiryoboLayout::Sizes syo = TiryoboLayout::sizes(TiryoboLayout::Syo);
        QCOMPARE(syo.dataHeight, 11000);
        QCOMPARE(syo.frameTop(), 13000);
        QCOMPARE(syo.frameHeight, 1500);
        QCOMPARE(syo.inportHeight, 1000);
        QCOMPARE(TiryoboLayout::sizes(TiryoboLayout::Dai).dataHeight, 7000);
        QCOMPARE(TiryoboLayout::sizes(TiryoboLayout::Tyu).inportHeight, 3000);
    }

    void pagesOfElevenRows_data()
    {
        QTest::addColumn<int>("rows");
        QTest::addColumn<int>("pages");
        QTest::newRow("0") << 0 << 1;
        QTest::newRow("11") << 11 << 2;
        QTest::newRow("12") << 12 << 2;
        QTest::newRow("22") << 22 << 3;
    }
    void pagesOfElevenRows()
    {
        QFETCH(int, rows);
        QFETCH(int, pages);
        RecordingPrintDevice device;
        QVERIFY(TiryoboPrint::TiryoboPrintProc(device, input(rows)).isEmpty());
        QCOMPARE(::pages(device), pages);
        QCOMPARE(device.paper(), PrintDevice::Paper::JisB5);
        QCOMPARE(textsOn(device, 1, "家畜治療簿").size(), 1);
        for (int p = 2; p <= pages; ++p) {
            QCOMPARE(textsOn(device, p, "家畜治療簿").size(), 0);
            QCOMPARE(textsOn(device, p, "現症及び経過").size(), 1);
            QVERIFY(qAbs(textsOn(device, p, "現症及び経過").at(0)->xMm()
                         - (51 - 3.5 - QString("現症及び経過").size() * 2 * 9 * 25.0 / 72 * 0.5 / 2)) < 0.02);
        }
        if (rows == 12) {
            const auto* twelfth = textsOn(device, 2, "5.3.12").value(0);
            QVERIFY(twelfth);
            QVERIFY(qAbs(twelfth->yMm() - (27 + 7.5 - 9 * 25.0 / 72 / 2 - 2)) < 0.05);
        }
    }

    void rowTextsAndTheirPlaces()
    {
        TiryoboPrint::Input in = input(0);
        in.rows = {TiryoboRow(),
                   BookSetup::row({{0, "5.3.1"}, {2, "食欲不振"}, {3, "筋肉内注射"}, {4, "ペニシリン"}, {5, "100ml"},
                                   {6, "2"}, {11, "39.1"}, {14, "洗浄:1"}}),
                   BookSetup::row({{0, "治療終了"}}), BookSetup::row({{0, "5.3.9"}, {2, "印刷されない"}})};
        RecordingPrintDevice device;
        TiryoboPrint::TiryoboPrintProc(device, in);
        const QString a = "T39.1  食欲不振  ";
        QCOMPARE(TiryoboPrint::gensyoText(in.rows.at(1)), a);
        QCOMPARE(TiryoboPrint::gensyoText(BookSetup::row({{2, "不振"}, {11, "39"}, {13, "搾乳停止"}, {15, "黒毛"}})),
                 "T39  不振  搾乳停止  種牛:黒毛");
        QCOMPARE(TiryoboPrint::syochiText(in.rows.at(1)), "筋肉内注射  ペニシリン  100ml  :2  洗浄:1");
        const auto* text = device.findText(a);
        QVERIFY(text);
        // One line of 18 characters or fewer: its middle at the band's top + 2 (band 0 at 77 mm).
        QVERIFY(qAbs(text->xMm() - (26 - 3.5)) < 0.02);
        QVERIFY(qAbs(text->yMm() - (77 + 2 - 9 * 25.0 / 72 / 2 - 2)) < 0.02);
        QCOMPARE(text->fontName, "ＭＳ Ｐ明朝");
        QVERIFY(!device.findText("5.3.9"));
        QVERIFY(!device.findText("  印刷されない  "));
        QCOMPARE(TiryoboPrint::gensyoText(BookSetup::row({{2, "x"}})), "  x  ");
    }

    void wrapping_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QList<double>>("middles");
        const QString a18 = QString("あ").repeated(18);
        QTest::newRow("18 full-width") << a18 << QStringList{a18} << QList<double>{2};
        QTest::newRow("19 full-width") << a18 + "い" << QStringList{a18, "い"} << QList<double>{1, 4.8};
        QTest::newRow("30 half-width") << QString("x").repeated(30) << QStringList{QString("x").repeated(30)}
                                       << QList<double>{1};
        QTest::newRow("40 half-width") << QString("x").repeated(40)
                                       << QStringList{QString("x").repeated(36), "xxxx"} << QList<double>{1, 4.8};
        QTest::newRow("crossing the limit") << QString("x").repeated(35) + "ああ"
                                            << QStringList{QString("x").repeated(35) + "あ", "あ"}
                                            << QList<double>{1, 4.8};
    }
    void wrapping()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, lines);
        QFETCH(QList<double>, middles);
        RecordingPrintDevice device;
        TiryoboPrint::TiryoboWrapProc(device, text, 26, 100 + 2, 9, 18);
        const QList<RecordingPrintDevice::Op> texts = device.ofKind(Kind::Text);
        QCOMPARE(texts.size(), lines.size());
        for (int i = 0; i < lines.size(); ++i) {
            QCOMPARE(texts.at(i).text, lines.at(i));
            QVERIFY(qAbs(texts.at(i).yMm() - (100 + middles.at(i) - 9 * 25.0 / 72 / 2 - 2)) < 0.02);
        }
    }

    void picturesLabelsAndMissingFiles()
    {
        BookSetup setup;
        QImage image(10, 10, QImage::Format_RGB32);
        image.fill(Qt::white);
        QVERIFY(QDir().mkpath(setup.path("pict")));
        QVERIFY(image.save(setup.path("pict/Pict2_2.bmp"), "BMP"));
        TiryoboPrint::Input in = input(0);
        in.rows = {BookSetup::row({{0, "5.3.1"}, {17, "3:5:a:b:c"}}), BookSetup::row({{0, "5.3.2"}, {17, "::::"}}),
                   BookSetup::row({{0, "5.3.3"}, {17, "72:x:::"}}), BookSetup::row({{0, "5.3.4"}, {17, "3:5"}}),
                   BookSetup::row({{0, "5.3.5"}, {17, "0:5:::"}})};
        RecordingPrintDevice device;
        const QStringList missing = TiryoboPrint::TiryoboPrintProc(device, in);
        QCOMPARE(missing, (QStringList{"pict2_4.bmp", "pict2_71.bmp"}));
        const QList<RecordingPrintDevice::Op> pictures = device.ofKind(Kind::Picture);
        QCOMPARE(pictures.size(), 1);
        QVERIFY(qAbs(pictures.at(0).xMm() - 129) < 0.02);
        QVERIFY(qAbs(pictures.at(0).yMm() - (77 - 3)) < 0.02);
        QVERIFY(qAbs(device.findText("b")->xMm() - (132 - 3.5)) < 0.02);
        QVERIFY(qAbs(device.findText("a")->xMm() - (152 - 3.5 - 9 * 25.0 / 72 / 4)) < 0.02);
        QVERIFY(qAbs(device.findText("c")->xMm() - (169 - 3.5 - 9 * 25.0 / 72 / 2)) < 0.02);
        QCOMPARE(device.findText("5.3.5")->page, 1);   // the job went on past the missing pictures
    }

    void plMarkAndFindings()
    {
        TiryoboPrint::Input in = input(0);
        in.rows = {BookSetup::row({{0, "5.3.1"}, {3, "PLテスト結果"}, {4, "前左 +  前右 -  後左 ±  後右 -"},
                                   {18, "硬:大:"}})};
        RecordingPrintDevice device;
        TiryoboPrint::TiryoboPrintProc(device, in);
        QVERIFY(device.findText("+"));
        QVERIFY(device.findText("±"));
        const auto* findings = device.findText("硬:大:");
        QVERIFY(findings);
        QCOMPARE(findings->fontSize, 8.0);
    }

    void headerTexts()
    {
        TiryoboPrint::Input in = input(1);
        in.printData = {"5.3.1", "2 ", "♀", "有 ", "無", "和牛 ", "B", "異常", "後産停滞", "♂", "有 ", "有"};
        RecordingPrintDevice device;
        TiryoboPrint::TiryoboPrintProc(device, in);
        const QStringList texts = device.texts();
        QVERIFY(texts.contains("2  産  5.3.1 分娩  （分娩状況　   　　　　　         　　　　　　　　　　　）  BCS"));
        QVERIFY(texts.contains("異常  後産停滞"));
        QVERIFY(texts.contains("初乳比重　B  ランク"));
        QVERIFY(texts.contains("子牛の状況　♀    和牛       双子  ♂"));
        QVERIFY(texts.contains("はなこ:1012345678"));
        QVERIFY(texts.contains("有限会社"));
        QVERIFY(texts.contains("県北ファーム"));
        QVERIFY(texts.contains("NO."));
        QCOMPARE(device.ofKind(Kind::Line).size(), 4 + 3 + 1 + 4 + 1 + 7 + 4 + 1 + 10 + 3);
        const auto* title = device.findText("家畜治療簿");
        QCOMPARE(title->fontSize, 16.0);
        QVERIFY(qAbs(title->xMm() - (92 - 3.5 - 10 * 16 * 25.0 / 72 * 0.5 / 2)) < 0.02);
        QVERIFY(qAbs(title->yMm() - (16 - 16 * 25.0 / 72 / 2 - 2)) < 0.02);
    }
};

NOLVARI_TEST(TiryoboPrintTest)
#include "TiryoboPrintTest.moc"
