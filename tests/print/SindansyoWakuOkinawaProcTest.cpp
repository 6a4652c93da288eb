#include "PrintFixture.h"
#include "TestFixture.h"
#include "TestRegistry.h"

#include "common/RecordingPrintDevice.h"
#include "common/SharedState.h"
#include "print/mie_saga_okinawa/SindansyoWakuOkinawaProc.h"

#include <QtTest>

namespace {

using Kind = RecordingPrintDevice::Kind;

RecordingPrintDevice drawn(int page = 0, int pages = 1)
{
    RecordingPrintDevice device;
    SindansyoWakuOkinawaProc::print(device, page, pages);
    return device;
}

} // namespace

class SindansyoWakuOkinawaProcTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { TestFixture::resetGlobals(); }

    // 92 rules: the outline 8 wide, the three main dividers 3, the rest 1, nine of them dotted;
    // 139 labels and the page number; the two circles 1 wide.
    void rulesLabelsCircles()
    {
        const RecordingPrintDevice device = drawn();
        const auto lines = device.ofKind(Kind::Line);
        QCOMPARE(lines.size(), 92);
        int dotted = 0;
        for (int i = 0; i < lines.size(); ++i) {
            QCOMPARE(lines.at(i).lineWidth, i < 8 ? 8 : i < 11 ? 3 : 1);
            dotted += lines.at(i).lineStyle == PrintDevice::Dot ? 1 : 0;
        }
        QCOMPARE(dotted, 9);
        QCOMPARE(lines.at(11).lineStyle, int(PrintDevice::Dot));             // the first treatment column
        QVERIFY(qAbs(lines.first().xMm() - 21) < 0.01 && qAbs(lines.first().x2Mm() - 137) < 0.01);
        QCOMPARE(device.lineStyle(), int(PrintDevice::Solid));
        QCOMPARE(device.ofKind(Kind::Text).size(), 140);
        const auto circles = device.ofKind(Kind::Circle);
        QCOMPARE(circles.size(), 2);
        QVERIFY(hasCircle(device, 1, 48.5, 180, 3) && hasCircle(device, 1, 125.5, 176, 1.6));
        for (const auto& c : circles)
            QCOMPARE(c.lineWidth, 1);
        QVERIFY(hasItem(device, "病 傷 事 故 診 断 書", 1, 14, 0, 33, 16));
        QCOMPARE(device.findText("病 傷 事 故 診 断 書")->fontName, QStringLiteral("ＭＳ Ｐゴシック"));
        QVERIFY(hasItem(device, "（除初診料）", 1, 6.2, 0, 243, 194.5));
    }

    void pageNumber_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<int>("pages");
        QTest::addColumn<QString>("text");
        QTest::newRow("one page") << 0 << 1 << "No.";
        QTest::newRow("2 of 3") << 1 << 3 << "No. 2/3";
    }
    void pageNumber()
    {
        QFETCH(int, page);
        QFETCH(int, pages);
        QFETCH(QString, text);
        QVERIFY(hasItem(drawn(page, pages), text, 1, 8.2, 0, 251, 4.5));
    }

    // A stretch moves the labels down, not the rules and circles; the offsets move all alike.
    void calibration()
    {
        TestFixture::setPrintHosei("0/0/1.2");
        RecordingPrintDevice device = drawn();
        QVERIFY(qAbs(device.ofKind(Kind::Line).first().yMm() - 24) < 0.01);
        QVERIFY(hasCircle(device, 1, 48.5, 180, 3));
        QVERIFY(!hasItem(device, "指定", 1, 9.3, 0, 46, 180));
        TestFixture::setPrintHosei("3/4/0");
        device = drawn();
        QVERIFY(qAbs(device.ofKind(Kind::Line).first().xMm() - 24) < 0.01);
        QVERIFY(qAbs(device.ofKind(Kind::Line).first().yMm() - 28) < 0.01);
        QVERIFY(hasCircle(device, 1, 51.5, 184, 3));
        QVERIFY(hasItem(device, "指定", 1, 9.3, 0, 49, 184));
    }
};

NOLVARI_TEST(SindansyoWakuOkinawaProcTest)
#include "SindansyoWakuOkinawaProcTest.moc"
