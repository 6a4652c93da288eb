#include "TestFixture.h"
#include "TestRegistry.h"

#include "common/RecordingPrintDevice.h"
#include "common/TiryoMojiProc.h"

#include <QtTest>

namespace {

const QChar A(0x3042);   // a full-width character, 2 bytes

} // namespace

class TiryoMojiProcTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { TestFixture::resetGlobals(); }

    // The text: content, ":" standard, "×" quantity unless it is 1; above two lines the
    // standard is dropped.
    void text_data()
    {
        QTest::addColumn<QString>("content");
        QTest::addColumn<QString>("standard");
        QTest::addColumn<QString>("quantity");
        QTest::addColumn<int>("lineBytes");
        QTest::addColumn<QString>("text");
        QTest::newRow("all three") << "ABC" << "5ml" << "(2)" << 30 << "ABC:5ml×2";
        QTest::newRow("quantity 1") << "ABC" << "5ml" << "1" << 30 << "ABC:5ml";
        QTest::newRow("no quantity") << "ABC" << "" << "" << 30 << "ABC";
        QTest::newRow("60 bytes keep the standard") << QString(27, A) << "12345" << "" << 30
                                                    << QString(27, A) + ":12345";
        QTest::newRow("61 bytes drop it") << QString(27, A) << "123456" << "3" << 30 << QString(27, A) + "×3";
        QTest::newRow("22-byte lines") << QString(20, A) << "12345" << "" << 22 << QString(20, A);
    }
    void text()
    {
        QFETCH(QString, content);
        QFETCH(QString, standard);
        QFETCH(QString, quantity);
        QFETCH(int, lineBytes);
        QFETCH(QString, text);
        QCOMPARE(TiryoMojiProc::text(content, standard, quantity, lineBytes), text);
    }

    // A character that takes the count past the width opens the next line and is not counted.
    void lines_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("lineBytes");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("fits") << QString(15, A) << 30 << QStringList{QString(15, A)};
        QTest::newRow("two of 30") << QString(30, A) << 30 << QStringList{QString(15, A), QString(15, A)};
        QTest::newRow("37 bytes") << QString(19, A) << 37 << QStringList{QString(18, A), QString(A)};
        QTest::newRow("opening character not counted")
            << QString(31, A) << 30 << QStringList{QString(15, A), QString(16, A)};
        QTest::newRow("empty") << QString() << 30 << QStringList{QString()};
    }
    void lines()
    {
        QFETCH(QString, text);
        QFETCH(int, lineBytes);
        QFETCH(QStringList, lines);
        QCOMPARE(TiryoMojiProc::lines(text, lineBytes), lines);
    }

    // Sizes and places by the number of lines; a text of four lines prints its first three.
    void print_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QList<double>>("sizes");
        QTest::addColumn<QList<double>>("ys");   // the y each line is printed at
        QTest::newRow("16 bytes") << QString(8, A) << QList<double>{8.5} << QList<double>{100};
        QTest::newRow("17 bytes") << QString(8, A) + "x" << QList<double>{8} << QList<double>{100};
        QTest::newRow("two lines") << QString(20, A) << QList<double>{7.2, 7.2} << QList<double>{99, 101};
        QTest::newRow("three lines") << QString(30, A) << QList<double>{7, 7, 7} << QList<double>{97.7, 100, 102.3};
        QTest::newRow("four lines") << QString(70, A) << QList<double>{7, 7, 7} << QList<double>{97.7, 100, 102.3};
    }
    void print()
    {
        QFETCH(QString, text);
        QFETCH(QList<double>, sizes);
        QFETCH(QList<double>, ys);
        const TiryoMojiProc::Style style{22, 8.5f, 8, 16, 7.2f, 1, 1, 7, 2.3f};
        RecordingPrintDevice device;
        TiryoMojiProc::print(device, text, 50, 100, style);
        const auto ops = device.ofKind(RecordingPrintDevice::Kind::Text);
        QCOMPARE(ops.size(), sizes.size());
        for (int i = 0; i < ops.size(); ++i) {
            QVERIFY(qAbs(ops.at(i).fontSize - sizes.at(i)) < 0.001);
            // The item's point: the text is moved up by size / 6 mm, then rounded to whole twips.
            QVERIFY2(qAbs(ops.at(i).yMm() + sizes.at(i) / 6 - ys.at(i)) < 0.02, qPrintable(ops.at(i).text));
        }
        if (text.size() == 70)
            QCOMPARE(ops.at(2).text, QString(12, A));
    }
};

NOLVARI_TEST(TiryoMojiProcTest)
#include "TiryoMojiProcTest.moc"
