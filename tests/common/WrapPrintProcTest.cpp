#include "TestFixture.h"
#include "TestRegistry.h"

#include "common/RecordingPrintDevice.h"
#include "common/SharedState.h"
#include "common/WrapPrintProc.h"

#include <QtTest>

class WrapPrintProcTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { TestFixture::resetGlobals(); }

    void lines_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("width");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("short, leading mark dropped") << "。左前肢跛行" << 10 << QStringList{"左前肢跛行"};
        QTest::newRow("exactly width") << "一二三四五六七八九十" << 10 << QStringList{"一二三四五六七八九十"};
        QTest::newRow("one more") << "一二三四五六七八九十壱" << 10 << QStringList{"一二三四五六七八九十", "壱"};
        QTest::newRow("mark hung at the end, dropped below")
            << "一二三四五六七八九十。次" << 10 << QStringList{"一二三四五六七八九十。", "次"};
        QTest::newRow("nothing left") << "一二三四五六七八九十。" << 10 << QStringList{"一二三四五六七八九十。", ""};
        QTest::newRow("half-width within the bytes") << "abcdefghijklmnop" << 10 << QStringList{"abcdefghijklmnop"};
        QTest::newRow("a line may hold one byte more") << "a一二三四五六七八九十壱" << 10
                                                   << QStringList{"a一二三四五六七八九十", "壱"};
        QTest::newRow("two full lines") << "一二三四五六七八九十一二三四五六七八九十一" << 10
                                        << QStringList{"一二三四五六七八九十", "一二三四五六七八九十", "一"};
        QTest::newRow("only one mark dropped") << "、、左" << 10 << QStringList{"、左"};
    }
    void lines()
    {
        QFETCH(QString, text);
        QFETCH(int, width);
        QFETCH(QStringList, lines);
        QCOMPARE(WrapText::lines(text, width), lines);
    }

    // The plain character-count wrap: no hanging marks, a short rest is the last line.
    void pieces_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("width");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("11 characters of any width") << "一二三四五六七八九十壱" << 11 << QStringList{"一二三四五六七八九十壱"};
        QTest::newRow("12 half-width never fill 22 bytes") << "abcdefghijkl" << 11 << QStringList{"abcdefghijkl"};
        QTest::newRow("12 full-width") << "一二三四五六七八九十壱弐" << 11 << QStringList{"一二三四五六七八九十壱", "弐"};
        QTest::newRow("21 half-width and a full-width make 23 bytes")
            << "abcdefghijklmnopqrstu一二" << 11 << QStringList{"abcdefghijklmnopqrstu一", "二"};
        QTest::newRow("no mark hangs") << "一二三。四" << 2 << QStringList{"一二", "三。", "四"};
        QTest::newRow("five-character category at 3") << "関節腔内注" << 3 << QStringList{"関節腔", "内注"};
        QTest::newRow("nothing left") << "一二三四" << 2 << QStringList{"一二", "三四"};
    }
    void pieces()
    {
        QFETCH(QString, text);
        QFETCH(int, width);
        QFETCH(QStringList, lines);
        QCOMPARE(WrapText::pieces(text, width), lines);
    }

    // Line i prints at y0 + i x pitch; the count is full lines + 1 even when the last is empty.
    void printsLinesAtThePitch()
    {
        RecordingPrintDevice device;
        const int n = WrapPrintProc(device, "一二三四五六七八九十。", 9, 1, 1, 20, 94, 10, 3.0f);
        QCOMPARE(n, 2);
        const auto texts = device.ofKind(RecordingPrintDevice::Kind::Text);
        QCOMPARE(texts.size(), 1);
        QCOMPARE(texts.at(0).text, QStringLiteral("一二三四五六七八九十。"));
        RecordingPrintDevice two;
        QCOMPARE(WrapPrintProc(two, "一二三四五六七八九十壱弐", 9, 1, 1, 20, 94, 10, 3.0f), 2);
        const auto lines = two.ofKind(RecordingPrintDevice::Kind::Text);
        QCOMPARE(lines.size(), 2);
        QVERIFY(qAbs(lines.at(1).yMm() - lines.at(0).yMm() - 3.0) < 0.05);
        QCOMPARE(lines.at(1).text, QStringLiteral("壱弐"));
    }
};

NOLVARI_TEST(WrapPrintProcTest)
#include "WrapPrintProcTest.moc"
