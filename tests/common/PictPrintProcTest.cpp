#include "RecordedOps.h"
#include "TestFixture.h"
#include "TestRegistry.h"

#include "common/BitmapPicture.h"
#include "common/Pict2PrintProc.h"
#include "common/PictPrintProc.h"
#include "common/RecordingPrintDevice.h"
#include "common/SharedState.h"

#include <QImage>
#include <QtTest>

// The picture primitives on tiny bitmaps. The picture folder holds the files as the installations
// name them: "pict_0.bmp" (lower case, as the picture pickers list them) and "M_Left5.bmp".
class PictPrintProcTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { SharedState::reset(); }

    // A picture that cannot be read is named with the reason in Japanese, never in the image
    // reader's own words.
    void unreadablePictureSaysWhyInJapanese()
    {
        TempDataRoot root;
        const QString picture = TestFixture::writeBytes(root.file("pict/pict_1.bmp"), "BMgarbage");
        QString error;
        QVERIFY(BitmapPicture::load(picture, &error).isNull());
        QVERIFY2(error.startsWith(QStringLiteral("画像ファイルを読めません: ") + picture + QStringLiteral("（")), qPrintable(error));
        QVERIFY2(!error.mid(error.indexOf(picture) + picture.size()).contains(QRegularExpression("[A-Za-z]")),
                 qPrintable(error));
    }

    void pictures_data()
    {
        QTest::addColumn<QString>("ken");
        QTest::addColumn<QString>("proc");   // "pict" with a number, "pict2" with a code
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("hosei");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<QStringList>("expected");
        QTest::addColumn<double>("yAfter");

        const QString miyazaki = QStringLiteral("宮崎県");
        const QString none;
        // At x = 20 mm, y = 30 mm: 1134 / 1701 twips; 13 mm further right 1871 twips.
        QTest::newRow("n = 1 prints picture 0") << none << "pict" << "1" << "0/0/1" << true
            << QStringList{"P pict_0.bmp 1134 1701"} << 30.0;
        QTest::newRow("n = 0 prints nothing") << none << "pict" << "0" << "0/0/1" << true << QStringList{} << 30.0;
        QTest::newRow("n = -3 prints nothing") << none << "pict" << "-3" << "0/0/1" << true << QStringList{} << 30.0;
        QTest::newRow("missing picture") << none << "pict" << "2" << "0/0/1" << false << QStringList{} << 30.0;
        QTest::newRow("stretch scales y, offsets unstretched") << none << "pict" << "1" << "1.5/-2/1.02" << true
            << QStringList{"P pict_0.bmp 1219 1621"} << 30.6;
        QTest::newRow("stretch 0 counts as 1") << none << "pict" << "1" << "0/0/0" << true
            << QStringList{"P pict_0.bmp 1134 1701"} << 30.0;

        QTest::newRow("code 0 prints nothing") << none << "pict2" << "0" << "0/0/1" << true << QStringList{} << 30.0;
        QTest::newRow("code 3 prints annotation 2") << none << "pict2" << "3" << "0/0/1" << true
            << QStringList{"P PICT2_2.BMP 1134 1701"} << 30.0;
        QTest::newRow("code by its leading number") << none << "pict2" << "3:1" << "0/0/1" << true
            << QStringList{"P PICT2_2.BMP 1134 1701"} << 30.0;
        QTest::newRow("empty code: no picture -1") << none << "pict2" << "" << "0/0/1" << false << QStringList{} << 30.0;
        QTest::newRow("annotation stretched") << none << "pict2" << "3" << "0/0/1.02" << true
            << QStringList{"P PICT2_2.BMP 1134 1735"} << 30.6;
        QTest::newRow("pair code outside Miyazaki") << "佐賀県" << "pict2" << "0:5" << "0/0/1" << false
            << QStringList{} << 30.0;

        QTest::newRow("pair") << miyazaki << "pict2" << "0:5" << "0/0/1" << true
            << QStringList{"P M_Left5.bmp 1134 1701", "P M_Right5.bmp 1871 1701"} << 30.0;
        QTest::newRow("pair swapped") << miyazaki << "pict2" << "1:5" << "0/0/1" << true
            << QStringList{"P M_Right5.bmp 1134 1701", "P M_Left5.bmp 1871 1701"} << 30.0;
        QTest::newRow("pair calibrated") << miyazaki << "pict2" << "0:5" << "1.5/-2/1.02" << true
            << QStringList{"P M_Left5.bmp 1219 1621", "P M_Right5.bmp 1956 1621"} << 30.6;
        QTest::newRow("swap part 2") << miyazaki << "pict2" << "2:5" << "0/0/1" << true << QStringList{} << 30.0;
        QTest::newRow("no swap part") << miyazaki << "pict2" << "5" << "0/0/1" << true << QStringList{} << 30.0;
        QTest::newRow("three parts") << miyazaki << "pict2" << "0:5:1" << "0/0/1" << true << QStringList{} << 30.0;
        QTest::newRow("swap part not a number") << miyazaki << "pict2" << "x:5" << "0/0/1" << false
            << QStringList{} << 30.0;
        QTest::newRow("first of pair missing") << miyazaki << "pict2" << "0:6" << "0/0/1" << false
            << QStringList{} << 30.0;
        QTest::newRow("second of pair missing") << miyazaki << "pict2" << "0:7" << "0/0/1" << false
            << QStringList{"P M_Left7.bmp 1134 1701"} << 30.0;
    }
    void pictures()
    {
        QFETCH(QString, ken);
        QFETCH(QString, proc);
        QFETCH(QString, code);
        QFETCH(QString, hosei);
        QFETCH(bool, ok);
        QFETCH(QStringList, expected);
        QFETCH(double, yAfter);

        TempDataRoot root;
        QImage image(3, 2, QImage::Format_RGB32);
        image.fill(Qt::blue);
        for (const char* name : {"pict_0.bmp", "PICT2_2.BMP", "M_Left5.bmp", "M_Right5.bmp", "M_Right6.bmp",
                                 "M_Left7.bmp"})
            QVERIFY(image.save(root.file(QStringLiteral("pict/") + QString::fromLatin1(name)), "BMP"));
        SharedState& state = SharedState::get();
        state.setKen(ken);
        TestFixture::setPrintHosei(hosei);
        RecordingPrintDevice device;
        float y = 30;

        const bool result = proc == QLatin1String("pict") ? PictPrintProc(device, code.toInt(), 20, y)
                                                          : Pict2PrintProc(device, code, 20, y);
        QCOMPARE(result, ok);
        const QString mismatch = RecordedOps::mismatch(device, expected);
        QVERIFY2(mismatch.isEmpty(), qPrintable(mismatch));
        QVERIFY(qAbs(y - yAfter) < 1e-4);
    }
};

NOLVARI_TEST(PictPrintProcTest)
#include "PictPrintProcTest.moc"
