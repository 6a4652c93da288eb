#include "RecordedOps.h"
#include "TestFixture.h"
#include "TestRegistry.h"

#include "common/MarkPrintProc.h"
#include "common/RecordingPrintDevice.h"
#include "common/SharedState.h"

#include <QtTest>

class MarkPrintProcTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { SharedState::reset(); }

    // A mark at x = 20 mm, y = 30 mm (1134 / 1701 twips without calibration).
    void marks_data()
    {
        QTest::addColumn<QString>("ken");
        QTest::addColumn<int>("mieA4Flag");
        QTest::addColumn<QString>("hosei");
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("x");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<QStringList>("expected");
        QTest::addColumn<double>("xAfter");
        QTest::addColumn<double>("yAfter");

        const QString full = QStringLiteral("前左 +  前右 ++  後左 血  後右 盲");
        const QStringList cross12 = {"L 1474.2 1701 1474.2 2381.4 5", "L 1134 2041.2 1814.4 2041.2 5",
                                     "L 1474.2 1701 1417.5 1757.7 5", "L 1474.2 1701 1530.9 1757.7 5"};
        const QStringList cross8 = {"L 1360.8 1701 1360.8 2154.6 5", "L 1134 1927.8 1587.6 1927.8 5",
                                    "L 1360.8 1701 1321.11 1740.69 5", "L 1360.8 1701 1400.49 1740.69 5"};
        // 12 mm: results of 9 points, their middle on the quarter lines; a left result ends at
        // 0.35 of the width (1 byte = 1.5 mm), a right one starts at 0.6 of it.
        const QString ul12 = QStringLiteral("T + 1287.09 1786.05 9");
        const QString ur12 = QStringLiteral("T ++ 1542.24 1786.05 9");
        const QString ll12 = QStringLiteral("T 血 1202.04 2126.25 9");
        const QString lr12 = QStringLiteral("T 盲 1542.24 2126.25 9");
        const QString none;
        const QString mie = QStringLiteral("三重県");

        QTest::newRow("12 mm") << none << 0 << "0/0/1" << full << 20.0 << true
            << cross12 + QStringList{ul12, ur12, ll12, lr12} << 1542.24 << 2211.3;
        QTest::newRow("Mie on B4: 12 mm") << mie << 0 << "0/0/1" << "" << 20.0 << true
            << cross12 << 20.0 << 30.0;
        QTest::newRow("Tottori: 8 mm, 8 points") << "鳥取県" << 0 << "0/0/1" << full << 20.0 << true
            << cross8 + QStringList{"T + 1217.16 1738.8 8", "T ++ 1406.16 1738.8 8",
                                    "T 血 1141.56 1965.6 8", "T 盲 1406.16 1965.6 8"}
            << 1406.16 << 2041.2;
        QTest::newRow("Mie on A4: 8 mm, 7.5 points") << mie << 1 << "0/0/1" << full << 20.0 << true
            << cross8 + QStringList{"T + 1221.885 1743.525 7.5", "T ++ 1406.16 1743.525 7.5",
                                    "T 血 1151.01 1970.325 7.5", "T 盲 1406.16 1970.325 7.5"}
            << 1406.16 << 2041.2;
        QTest::newRow("empty text: cross only") << none << 0 << "0/0/1" << "" << 20.0 << true
            << cross12 << 20.0 << 30.0;
        QTest::newRow("three parts: cross only") << none << 0 << "0/0/1" << "前左 +  前右 ++  後左 血" << 20.0 << true
            << cross12 << 20.0 << 30.0;
        QTest::newRow("five parts: cross only") << none << 0 << "0/0/1" << full + "  前 +" << 20.0 << true
            << cross12 << 20.0 << 30.0;
        QTest::newRow("result holding a blank") << none << 0 << "0/0/1" << "前左 + +  前右 ++  後左 血  後右 盲" << 20.0 << true
            << cross12 + QStringList{ur12, ll12, lr12} << 1542.24 << 2211.3;
        QTest::newRow("three blanks before a part") << none << 0 << "0/0/1" << "前左 +   前右 ++  後左 血  後右 盲" << 20.0 << true
            << cross12 + QStringList{ul12, ll12, lr12} << 1542.24 << 2211.3;
        QTest::newRow("empty result") << none << 0 << "0/0/1" << "前左 +  前右 ++  後左 血  後右 " << 20.0 << true
            << cross12 + QStringList{ul12, ur12, ll12, "T \"\" 1542.24 2126.25 9"} << 1542.24 << 2211.3;
        QTest::newRow("full-width result measured half-width") << none << 0 << "0/0/1" << "前左 ＋＋  前右 ++  後左 血  後右 盲"
            << 20.0 << true << cross12 + QStringList{"T ＋＋ 1202.04 1786.05 9", ur12, ll12, lr12} << 1542.24 << 2211.3;
        // The stretch moves y to 30.6 mm; the offsets are added after it: corner (1219, 1621).
        QTest::newRow("stretch scales y alone") << none << 0 << "1.5/-2/1.02" << "" << 20.0 << true
            << QStringList{"L 1559.2 1621 1559.2 2301.4 5", "L 1219 1961.2 1899.4 1961.2 5",
                           "L 1559.2 1621 1502.5 1677.7 5", "L 1559.2 1621 1615.9 1677.7 5"}
            << 20.0 << 30.6;
        QTest::newRow("corner beyond 16 bits") << none << 0 << "0/0/1" << full << 600.0 << false
            << QStringList{} << 600.0 << 30.0;
    }
    void marks()
    {
        QFETCH(QString, ken);
        QFETCH(int, mieA4Flag);
        QFETCH(QString, hosei);
        QFETCH(QString, text);
        QFETCH(double, x);
        QFETCH(bool, ok);
        QFETCH(QStringList, expected);
        QFETCH(double, xAfter);
        QFETCH(double, yAfter);

        SharedState& state = SharedState::get();
        state.setKen(ken);
        state.MieA4Flag = mieA4Flag;
        TestFixture::setPrintHosei(hosei);
        RecordingPrintDevice device;
        float markX = float(x);
        float markY = 30;

        QCOMPARE(MarkPrintProc(device, text, markX, markY), ok);
        const QString mismatch = RecordedOps::mismatch(device, expected);
        QVERIFY2(mismatch.isEmpty(), qPrintable(mismatch));
        QVERIFY(qAbs(markX - xAfter) < 0.01);
        QVERIFY(qAbs(markY - yAfter) < 0.01);
        if (ok)
            QCOMPARE(device.lineWidth(), 5);
        for (const auto& op : device.ofKind(RecordingPrintDevice::Kind::Text)) {
            QCOMPARE(op.fontName, QStringLiteral("ＭＳ Ｐゴシック"));
            QVERIFY(!op.bold && !op.italic);
        }
    }
};

NOLVARI_TEST(MarkPrintProcTest)
#include "MarkPrintProcTest.moc"
