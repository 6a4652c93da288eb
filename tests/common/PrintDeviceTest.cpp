#include "PdfWords.h"
#include "TestFixture.h"
#include "TestRegistry.h"

#include "common/FontSetup.h"
#include "common/QtPrintDevice.h"
#include "common/RecordingPrintDevice.h"

#include <QFontInfo>
#include <QImage>
#include <QStandardPaths>
#include <QtTest>

class PrintDeviceTest : public QObject
{
    Q_OBJECT

private slots:
    void windowsFontNamesResolveToIpaFonts_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("family");
        QTest::newRow("gothic") << "ＭＳ ゴシック" << "IPAGothic";
        QTest::newRow("p gothic") << "ＭＳ Ｐゴシック" << "IPAPGothic";
        QTest::newRow("mincho") << "ＭＳ 明朝" << "IPAMincho";
        QTest::newRow("p mincho") << "ＭＳ Ｐ明朝" << "IPAPMincho";
    }
    void windowsFontNamesResolveToIpaFonts()
    {
        QFETCH(QString, name);
        QFETCH(QString, family);
        QCOMPARE(QFontInfo(FontSetup::font(name, 10)).family(), family);
    }

    void fullWidthTextMeasuresTwiceHalfWidth()
    {
        // A monospaced gothic: one kanji is as wide as two digits, 10 pt = 200 twips.
        const double kanji = FontSetup::textWidthTwips("ＭＳ ゴシック", 10, false, false, "牛");
        const double digits = FontSetup::textWidthTwips("ＭＳ ゴシック", 10, false, false, "12");
        QVERIFY(qAbs(kanji - 200) < 2);
        QVERIFY(qAbs(kanji - digits) < 2);
    }

    void recordingKeepsPositionFontAndPage()
    {
        RecordingPrintDevice device;
        device.setPaper(PrintDevice::Paper::JisB4, PrintDevice::Orientation::Portrait);
        device.setFontName("ＭＳ Ｐ明朝");
        device.setFontSize(10.5);
        device.setFontBold(true);
        device.setCurrentX(PrintDevice::mmToTwips(20));
        device.setCurrentY(PrintDevice::mmToTwips(30));
        device.printText("診断書");
        QCOMPARE(device.currentX(), 0.0);
        QVERIFY(device.currentY() > PrintDevice::mmToTwips(30));
        device.newPage();
        device.setLineWidth(5);
        device.drawLine(0, 0, 567, 1134);
        device.drawCircle(1134, 1134, 170.1);
        QVERIFY(device.endDoc());

        const RecordingPrintDevice::Op* text = device.findText("診断書");
        QVERIFY(text);
        QCOMPARE(text->page, 1);
        QCOMPARE(text->xMm(), 20.0);
        QCOMPARE(text->yMm(), 30.0);
        QCOMPARE(text->fontName, QStringLiteral("ＭＳ Ｐ明朝"));
        QCOMPARE(text->fontSize, 10.5);
        QVERIFY(text->bold);
        QCOMPARE(text->paper, PrintDevice::Paper::JisB4);
        const auto lines = device.ofKind(RecordingPrintDevice::Kind::Line);
        QCOMPARE(lines.size(), 1);
        QCOMPARE(lines.first().page, 2);
        QCOMPARE(lines.first().lineWidth, 5);
        QCOMPARE(lines.first().y2Mm(), 20.0);
        QCOMPARE(device.ofKind(RecordingPrintDevice::Kind::Circle).first().radius, 170.1);
        QCOMPARE(device.pageCount(), 2);
    }

    void picturesMustExist()
    {
        TempDataRoot root;
        QImage image(4, 3, QImage::Format_RGB32);
        image.fill(Qt::red);
        QVERIFY(image.save(root.file("pict/Pict_0.bmp")));
        RecordingPrintDevice device;
        QVERIFY(device.drawPicture(root.path() + "/pict/Pict_0.bmp", 100, 200));
        QVERIFY(!device.drawPicture(root.path() + "/pict/Pict_9.bmp", 100, 200));
        QCOMPARE(device.ofKind(RecordingPrintDevice::Kind::Picture).size(), 1);
    }

    void paperSizes_data()
    {
        QTest::addColumn<int>("paper");
        QTest::addColumn<int>("orientation");
        QTest::addColumn<double>("width");
        QTest::addColumn<double>("height");
        QTest::newRow("A4") << int(PrintDevice::Paper::A4) << 0 << 210.0 << 297.0;
        QTest::newRow("A4 landscape") << int(PrintDevice::Paper::A4) << 1 << 297.0 << 210.0;
        QTest::newRow("B4") << int(PrintDevice::Paper::JisB4) << 0 << 257.0 << 364.0;
        QTest::newRow("B5 landscape") << int(PrintDevice::Paper::JisB5) << 1 << 257.0 << 182.0;
    }
    void paperSizes()
    {
        QFETCH(int, paper);
        QFETCH(int, orientation);
        QFETCH(double, width);
        QFETCH(double, height);
        const auto p = PrintDevice::Paper(paper);
        const auto o = PrintDevice::Orientation(orientation);
        QCOMPARE(PrintDevice::paperWidthMm(p, o), width);
        QCOMPARE(PrintDevice::paperHeightMm(p, o), height);
    }

    // The PDF device puts text where it was drawn: pdftotext -bbox reports it within 0.5 mm.
    void pdfTextLandsWhereDrawn()
    {
        if (QStandardPaths::findExecutable("pdftotext").isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed");
        TempDataRoot root;
        const QString pdf = root.path() + "/out.pdf";
        auto device = QtPrintDevice::toPdf(pdf);
        device->setPaper(PrintDevice::Paper::JisB5, PrintDevice::Orientation::Portrait);
        device->setFontName("ＭＳ 明朝");
        device->setFontSize(12);
        device->setCurrentX(PrintDevice::mmToTwips(40));
        device->setCurrentY(PrintDevice::mmToTwips(50));
        device->printText("家畜共済");
        device->drawLine(0, 0, 1000, 1000);
        device->newPage();
        device->setCurrentX(PrintDevice::mmToTwips(10));
        device->setCurrentY(PrintDevice::mmToTwips(100));
        device->printText("12345");
        QVERIFY(device->endDoc());

        int pages = 0;
        const QMap<QString, QPointF> found = PdfWords::topLeftMm(pdf, &pages);
        QCOMPARE(pages, 2);
        QVERIFY(found.contains("家畜共済"));
        QVERIFY(qAbs(found["家畜共済"].x() - 40) < 0.5);
        QVERIFY(qAbs(found["家畜共済"].y() - 50) < 1.0);
        QVERIFY(qAbs(found["12345"].x() - 10) < 0.5);
    }

    // The new page a form ends with prints no blank sheet; a page left blank between two stays.
    void trailingNewPagePrintsNoSheet()
    {
        if (QStandardPaths::findExecutable("pdftotext").isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed");
        TempDataRoot root;
        const QString pdf = root.path() + "/pages.pdf";
        auto device = QtPrintDevice::toPdf(pdf);
        device->printText("一");
        device->newPage();
        device->newPage();
        device->printText("三");
        device->newPage();
        QVERIFY(device->endDoc());
        int pages = 0;
        PdfWords::topLeftMm(pdf, &pages);
        QCOMPARE(pages, 3);
    }
};

NOLVARI_TEST(PrintDeviceTest)
#include "PrintDeviceTest.moc"
