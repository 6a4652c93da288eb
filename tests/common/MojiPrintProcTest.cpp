#include "PdfWords.h"
#include "RecordedOps.h"
#include "TestFixture.h"
#include "TestRegistry.h"

#include "common/MojiPrintProc.h"
#include "common/QtPrintDevice.h"
#include "common/RecordingPrintDevice.h"
#include "common/SharedState.h"

#include <QtTest>

namespace {

// A glyph written as chains "x,y x,y ... | x,y ..." (a lone point "cx,y" is a circle of 50 twips)
// as the operations it draws at an anchor.
QStringList glyphOps(const QString& strokes, QPoint at, int width)
{
    QStringList ops;
    for (const QString& stroke : strokes.split(QLatin1Char('|'), Qt::SkipEmptyParts)) {
        QList<QPoint> points;
        for (QString p : stroke.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
            const bool circle = p.startsWith(QLatin1Char('c'));
            const QStringList xy = p.remove(QLatin1Char('c')).split(QLatin1Char(','));
            const QPoint point = at + QPoint(xy.at(0).toInt(), xy.at(1).toInt());
            if (circle)
                ops.append(QStringLiteral("C %1 %2 50 %3").arg(point.x()).arg(point.y()).arg(width));
            points.append(point);
        }
        for (qsizetype i = 1; i < points.size(); ++i)
            ops.append(QStringLiteral("L %1 %2 %3 %4 %5").arg(points.at(i - 1).x()).arg(points.at(i - 1).y())
                           .arg(points.at(i).x()).arg(points.at(i).y()).arg(width));
    }
    return ops;
}

} // namespace

class MojiPrintProcTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { SharedState::reset(); }

    void items_data()
    {
        QTest::addColumn<QString>("ken");
        QTest::addColumn<QString>("hosei");
        QTest::addColumn<int>("mieSize");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("font");
        QTest::addColumn<double>("x");
        QTest::addColumn<double>("y");
        QTest::addColumn<int>("align");
        QTest::addColumn<int>("mode");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<QString>("textAfter");
        QTest::addColumn<QStringList>("expected");
        QTest::addColumn<int>("widthAfter");

        const QString none;
        const QString mie = QStringLiteral("三重県");
        // Size 10 everywhere: the shift up is 10/6 mm, a half-width character 10/6 mm wide.
        QTest::newRow("calibration 0/0/1") << none << "0/0/1" << 1 << "AB" << 0 << 20.0 << 30.0 << 1 << 0
            << true << "AB" << QStringList{"T AB 1134 1606 10"} << 1;
        QTest::newRow("offsets, whole value stretched") << none << "1.5/-2/1.02" << 1 << "AB" << 0 << 20.0 << 30.0 << 1 << 0
            << true << "AB" << QStringList{"T AB 1219 1523 10"} << 1;
        QTest::newRow("stretch 0 counts as 1") << none << "0/0/0" << 1 << "AB" << 0 << 20.0 << 30.0 << 1 << 0
            << true << "AB" << QStringList{"T AB 1134 1606 10"} << 1;
        QTest::newRow("right, six bytes") << none << "0/0/1" << 1 << "AB牛乳" << 0 << 20.0 << 30.0 << 2 << 0
            << true << "AB牛乳" << QStringList{"T AB牛乳 567 1606 10"} << 1;
        QTest::newRow("centred, six bytes") << none << "0/0/1" << 1 << "AB牛乳" << 0 << 20.0 << 30.0 << 3 << 0
            << true << "AB牛乳" << QStringList{"T AB牛乳 838 1606 10"} << 1;
        QTest::newRow("right, offset 1.5") << none << "1.5/0/1" << 1 << "AB牛乳" << 0 << 20.0 << 30.0 << 2 << 0
            << true << "AB牛乳" << QStringList{"T AB牛乳 652 1606 10"} << 1;
        QTest::newRow("centred, offset 1.5") << none << "1.5/0/1" << 1 << "AB牛乳" << 0 << 20.0 << 30.0 << 3 << 0
            << true << "AB牛乳" << QStringList{"T AB牛乳 923 1606 10"} << 1;
        QTest::newRow("digit box, not a drawn digit") << none << "0/0/1" << 1 << "12" << 0 << 20.0 << 30.0 << 0 << 0
            << true << "12" << QStringList{"T 12 1086 1606 10"} << 1;
        QTest::newRow("other alignment: top-left at the point") << none << "0/0/1" << 1 << "AB" << 1 << 20.0 << 30.0 << 5 << 0
            << true << "AB" << QStringList{"T AB 1134 1701 10"} << 1;
        QTest::newRow("floor below zero") << none << "0/0/1" << 1 << "AB" << 0 << -10.0 << 30.0 << 1 << 0
            << true << "AB" << QStringList{"T AB -568 1606 10"} << 1;
        QTest::newRow("stretched half goes to even") << none << "0/0/1.5" << 1 << "AB" << 0 << 20.0 << 30.02 << 1 << 0
            << true << "AB" << QStringList{"T AB 1134 2410 10"} << 1;
        QTest::newRow("Miyazaki, left aligned digit is text") << "宮崎県" << "0/0/1" << 1 << "7" << 0 << 20.0 << 30.0 << 1 << 0
            << true << "7" << QStringList{"T 7 1134 1606 10"} << 1;

        QTest::newRow("mode 3 ignores calibration") << none << "1.5/-2/1.02" << 1 << "" << 0 << 20.0 << 30.0 << 1 << 3
            << true << "" << QStringList{"C 1134 1701 79.38 3"} << 1;
        QTest::newRow("mode 1 calibrated") << none << "1.5/-2/1.02" << 1 << "" << 0 << 20.0 << 30.0 << 1 << 1
            << true << "" << QStringList{"C 1219 1619 113.4 3"} << 1;
        QTest::newRow("mode 2 elsewhere") << none << "0/0/1" << 1 << "" << 0 << 20.0 << 30.0 << 1 << 2
            << true << "" << QStringList{"C 1134 1701 283.5 3"} << 1;
        QTest::newRow("mode 2 Tottori") << "鳥取県" << "0/0/1" << 1 << "" << 0 << 20.0 << 30.0 << 1 << 2
            << true << "" << QStringList{"C 1134 1701 170.1 3"} << 1;
        QTest::newRow("mode 2 Mie") << mie << "0/0/1" << 1 << "" << 0 << 20.0 << 30.0 << 1 << 2
            << true << "" << QStringList{"C 1134 1701 170.1 5"} << 1;
        QTest::newRow("mode 1 Mie") << mie << "0/0/1" << 1 << "" << 0 << 20.0 << 30.0 << 1 << 1
            << true << "" << QStringList{"C 1134 1701 113.4 5"} << 1;
        QTest::newRow("circle ignores the font number") << none << "0/0/1" << 1 << "" << 2 << 20.0 << 30.0 << 1 << 1
            << true << "" << QStringList{"C 1134 1701 113.4 3"} << 1;
        QTest::newRow("Mie A4 ignores calibration") << mie << "1.5/-2/1.02" << -1 << "AB" << 0 << 20.0 << 30.0 << 1 << 0
            << true << "AB" << QStringList{"T AB 1134 1606 10"} << 1;
        QTest::newRow("Mie A4 circle ignores calibration") << mie << "1.5/-2/1.02" << -1 << "" << 0 << 20.0 << 30.0 << 1 << 2
            << true << "" << QStringList{"C 1134 1701 170.1 5"} << 1;
        QTest::newRow("Mie B4 calibrated") << mie << "1.5/-2/1.02" << 0 << "AB" << 0 << 20.0 << 30.0 << 1 << 0
            << true << "AB" << QStringList{"T AB 1219 1523 10"} << 1;
        QTest::newRow("A4 choice outside Mie") << none << "1.5/-2/1.02" << -1 << "AB" << 0 << 20.0 << 30.0 << 1 << 0
            << true << "AB" << QStringList{"T AB 1219 1523 10"} << 1;

        QTest::newRow("mode 4") << none << "0/0/1" << 1 << "AB" << 0 << 20.0 << 30.0 << 1 << 4
            << true << "AB" << QStringList{} << 1;
        QTest::newRow("mode -1") << none << "0/0/1" << 1 << "AB" << 0 << 20.0 << 30.0 << 1 << -1
            << true << "AB" << QStringList{} << 1;
        QTest::newRow("empty text") << none << "0/0/1" << 1 << "" << 0 << 20.0 << 30.0 << 1 << 0
            << true << "" << QStringList{} << 1;
        QTest::newRow("点数外入力 skipped, width kept") << none << "0/0/1" << 1 << "点数外入力" << 0 << 20.0 << 30.0 << 1 << 0
            << true << "点数外入力" << QStringList{} << 2;
        QTest::newRow("点数外入力 after a blank is printed") << none << "0/0/1" << 1 << " 点数外入力" << 0 << 20.0 << 30.0 << 1 << 0
            << true << "点数外入力" << QStringList{"T 点数外入力 1134 1606 10"} << 1;
        QTest::newRow("blanks trimmed") << none << "0/0/1" << 1 << " 12 " << 0 << 20.0 << 30.0 << 1 << 0
            << true << "12" << QStringList{"T 12 1134 1606 10"} << 1;
        QTest::newRow("CR LF removed") << none << "0/0/1" << 1 << "A\r\nB" << 0 << 20.0 << 30.0 << 1 << 0
            << true << "AB" << QStringList{"T AB 1134 1606 10"} << 1;

        QTest::newRow("x beyond 16 bits") << none << "0/0/1" << 1 << "AB" << 0 << 600.0 << 30.0 << 1 << 0
            << false << "AB" << QStringList{} << 2;
        QTest::newRow("y beyond 16 bits") << none << "0/0/1" << 1 << "AB" << 0 << 20.0 << 600.0 << 1 << 1
            << false << "AB" << QStringList{} << 2;
        QTest::newRow("stretch beyond 16 bits") << none << "0/0/2" << 1 << "AB" << 0 << 20.0 << 300.0 << 1 << 0
            << false << "AB" << QStringList{} << 2;
        QTest::newRow("font number 2") << none << "0/0/1" << 1 << "AB" << 2 << 20.0 << 30.0 << 1 << 0
            << false << "AB" << QStringList{} << 2;
    }
    void items()
    {
        QFETCH(QString, ken);
        QFETCH(QString, hosei);
        QFETCH(int, mieSize);
        QFETCH(QString, text);
        QFETCH(int, font);
        QFETCH(double, x);
        QFETCH(double, y);
        QFETCH(int, align);
        QFETCH(int, mode);
        QFETCH(bool, ok);
        QFETCH(QString, textAfter);
        QFETCH(QStringList, expected);
        QFETCH(int, widthAfter);

        SharedState::get().setKen(ken);
        SharedState::get().MieSizeOpKioku = mieSize;
        TestFixture::setPrintHosei(hosei);
        RecordingPrintDevice device;
        device.setLineWidth(2);
        device.setLineStyle(PrintDevice::Dot);

        QCOMPARE(MojiPrintProc(device, text, 10, font, float(x), float(y), align, mode), ok);
        QCOMPARE(text, textAfter);
        const QString mismatch = RecordedOps::mismatch(device, expected);
        QVERIFY2(mismatch.isEmpty(), qPrintable(mismatch));
        QCOMPARE(device.lineWidth(), widthAfter);
        for (const auto& circle : device.ofKind(RecordingPrintDevice::Kind::Circle))
            QCOMPARE(circle.lineStyle, int(PrintDevice::Solid));
    }

    void stretchZeroBecomesOneInSharedState()
    {
        RecordingPrintDevice device;
        QString skipped = QStringLiteral("点数外入力");
        MojiPrintProc(device, skipped, 10, 0, 20, 30, 1, 0);
        QCOMPARE(SharedState::get().PrintHosei.NobiHosei, 0.0f);
        MojiPrintProc(device, QStringLiteral("AB"), 10, 0, 20, 30, 1, 0);
        QCOMPARE(SharedState::get().PrintHosei.NobiHosei, 1.0f);
    }

    void fontOfText_data()
    {
        QTest::addColumn<int>("font");
        QTest::addColumn<QString>("name");
        QTest::newRow("0 gothic") << 0 << "ＭＳ Ｐゴシック";
        QTest::newRow("1 mincho") << 1 << "ＭＳ Ｐ明朝";
    }
    void fontOfText()
    {
        QFETCH(int, font);
        QFETCH(QString, name);
        RecordingPrintDevice device;
        device.setFontBold(true);
        device.setFontItalic(true);
        QVERIFY(MojiPrintProc(device, QStringLiteral("家畜"), 10.5f, font, 20, 30, 1, 0));
        const RecordingPrintDevice::Op* op = device.findText(QStringLiteral("家畜"));
        QVERIFY(op);
        QCOMPARE(op->fontName, name);
        QCOMPARE(op->fontSize, 10.5);
        QVERIFY(!op->bold);
        QVERIFY(!op->italic);
    }

    void digits_data()
    {
        QTest::addColumn<QString>("ken");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("strokes");  // the glyph drawn; empty: none
        QTest::addColumn<int>("width");
        QTest::addColumn<bool>("printed");     // the text itself printed

        const QString miyazaki = QStringLiteral("宮崎県");
        const QString seven = QStringLiteral("16,49 16,17 146,17 114,66 98,98 82,147 82,196");
        const QString four = QStringLiteral("16,16 16,162 129,162 | 81,16 81,210");
        const QString zero = QStringLiteral("65,16 97,16 129,32 145,64 145,161 129,193 97,209 65,209 "
                                            "33,193 17,161 17,64 33,32 65,16");
        QTest::newRow("Miyazaki 7") << miyazaki << "7" << seven << 7 << false;
        QTest::newRow("Miyazaki 7 between blanks") << miyazaki << " 7 " << seven << 7 << false;
        QTest::newRow("Miyazaki 4.0") << miyazaki << "4.0" << four << 7 << false;
        QTest::newRow("Miyazaki letter is 0") << miyazaki << "A" << zero << 7 << false;
        QTest::newRow("Miyazaki 10") << miyazaki << "10" << "" << 7 << false;
        QTest::newRow("Miyazaki -1") << miyazaki << "-1" << "" << 7 << false;
        QTest::newRow("Miyazaki 0.5") << miyazaki << "0.5" << "" << 7 << false;
        QTest::newRow("stroke 4") << "大分県" << "4" << "50,50 -15,175 120,175 | 65,120 65,230" << 10 << false;
        QTest::newRow("stroke 6") << "大分県" << "6" << "70,50 32,85 5,130 | c50,175" << 10 << false;
        QTest::newRow("stroke 9") << "" << "9" << "c50,100 | 95,140 80,185 30,230" << 10 << false;
        QTest::newRow("4.0 printed") << "大分県" << "4.0" << "" << 10 << true;
        QTest::newRow("14 printed") << "大分県" << "14" << "" << 10 << true;
    }
    void digits()
    {
        QFETCH(QString, ken);
        QFETCH(QString, text);
        QFETCH(QString, strokes);
        QFETCH(int, width);
        QFETCH(bool, printed);
        SharedState::get().setKen(ken);
        SharedState::get().Hand.OcrWidth = 7;
        RecordingPrintDevice device;

        QVERIFY(MojiPrintProc(device, text, 10, 0, 20, 30, 0, 0));
        // Size 10 in the digit box: the anchor moves 10/12 mm left and 10/6 mm up.
        QStringList expected = glyphOps(strokes, QPoint(1086, 1606), width);
        if (printed)
            expected = QStringList{QStringLiteral("T %1 1086 1606 10").arg(text.trimmed())};
        const QString mismatch = RecordedOps::mismatch(device, expected);
        QVERIFY2(mismatch.isEmpty(), qPrintable(mismatch));
        QCOMPARE(device.lineWidth(), 1);
    }

    void ocrWidthBelowOneFails()
    {
        SharedState::get().setKen(QStringLiteral("宮崎県"));
        SharedState::get().Hand.OcrWidth = 0;
        RecordingPrintDevice device;
        QVERIFY(!MojiPrintProc(device, QStringLiteral("7"), 10, 0, 20, 30, 0, 0));
        QVERIFY(device.ops.isEmpty());
    }

    // Items printed to a PDF land where the primitive put them and read back as printed.
    void pdfItemsLandWherePlaced()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed");
        TempDataRoot root;
        SharedState::get().PrintHosei = {1.5f, 0, 1};
        const QString pdf = root.path() + QStringLiteral("/items.pdf");
        auto device = QtPrintDevice::toPdf(pdf);
        QVERIFY(MojiPrintProc(*device, QStringLiteral("家畜共済"), 12, 1, 40, 50, 1, 0));
        QVERIFY(MojiPrintProc(*device, QStringLiteral("12345"), 10, 0, 100, 80, 2, 0));
        QVERIFY(MojiPrintProc(*device, QStringLiteral("診断書"), 14, 0, 60, 100, 3, 0));
        QVERIFY(MojiPrintProc(*device, QString(), 10, 0, 60, 100, 1, 1));
        QVERIFY(device->endDoc());

        const QMap<QString, QPointF> words = PdfWords::topLeftMm(pdf);
        // Left edges: x + offset - the estimated shift; tops: y - size / 6.
        const struct { const char* text; double x, y; } items[] = {
            {"家畜共済", 41.5, 48.0},
            {"12345", 100 + 1.5 - 10.0 / 6 * 5, 80 - 10.0 / 6},
            {"診断書", 60 + 1.5 - 6 * 14 * 25.0 / 72 / 4, 100 - 14.0 / 6},
        };
        for (const auto& item : items) {
            const QString text = QString::fromUtf8(item.text);
            QVERIFY2(words.contains(text), qPrintable(text));
            QVERIFY2(qAbs(words.value(text).x() - item.x) < 0.5, qPrintable(text));
            QVERIFY2(qAbs(words.value(text).y() - item.y) < 1.0, qPrintable(text));
        }
    }
};

NOLVARI_TEST(MojiPrintProcTest)
#include "MojiPrintProcTest.moc"
