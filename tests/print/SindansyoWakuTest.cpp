#include "PrintFixture.h"
#include "TestFixture.h"
#include "TestRegistry.h"

#include "common/RecordingPrintDevice.h"
#include "common/SharedState.h"
#include "print/oita_aichi/SindansyoWaku.h"

#include <QtTest>
#include <algorithm>

namespace {

using Op = RecordingPrintDevice::Op;
using Kind = RecordingPrintDevice::Kind;

RecordingPrintDevice drawn(bool aichi, float calibX = 0, float calibY = 0)
{
    RecordingPrintDevice d;
    if (aichi)
        SindansyoWaku::SindansyoWakuAichiProc(d, 17, 20, calibX, calibY, "23", "AB1234");
    else
        SindansyoWaku::SindansyoWakuOitaProc(d, 13, 18, calibX, calibY);
    return d;
}

int countWidth(const QList<Op>& lines, int width)
{
    return int(std::count_if(lines.begin(), lines.end(), [width](const Op& op) { return op.lineWidth == width; }));
}

bool hasLine(const QList<Op>& lines, double x1, double y1, double x2, double y2, int width)
{
    return std::any_of(lines.begin(), lines.end(), [&](const Op& op) {
        return qAbs(op.xMm() - x1) < 0.001 && qAbs(op.yMm() - y1) < 0.001 && qAbs(op.x2Mm() - x2) < 0.001
               && qAbs(op.y2Mm() - y2) < 0.001 && op.lineWidth == width;
    });
}

} // namespace

// The blank certificate of 大分県 and its 愛知県 variant, drawn at the page's origin.
class SindansyoWakuTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { TestFixture::resetGlobals(); }

    void geometry_data()
    {
        QTest::addColumn<bool>("aichi");
        QTest::addColumn<double>("x0");
        QTest::addColumn<double>("y0");
        QTest::addColumn<int>("thin");
        QTest::addColumn<int>("bands");
        QTest::addColumn<double>("bandHeight");
        // Thin lines: 58 rules, the Aichi ones with two more band lines and the dash, and one
        // diagonal per band.
        QTest::newRow("大分県") << false << 13.0 << 18.0 << 58 + 5 << 5 << 29.4;
        QTest::newRow("愛知県") << true << 17.0 << 20.0 << 61 + 7 << 7 << 21.0;
    }
    void geometry()
    {
        QFETCH(bool, aichi);
        QFETCH(double, x0);
        QFETCH(double, y0);
        QFETCH(int, thin);
        QFETCH(int, bands);
        QFETCH(double, bandHeight);
        const RecordingPrintDevice d = drawn(aichi);
        const QList<Op> lines = d.ofKind(Kind::Line);
        QCOMPARE(countWidth(lines, 7), 17);
        QCOMPARE(countWidth(lines, 2), thin);
        QCOMPARE(lines.size(), 17 + thin);
        QVERIFY(hasLine(lines, x0, y0, x0 + 184, y0, 7));                    // top of the main frame
        QVERIFY(hasLine(lines, x0 + 184, y0 - 16, x0 + 184, y0 + 265, 7));   // right side
        QVERIFY(hasLine(lines, x0 + 56, y0 + 265, x0 + 184, y0 + 265, 7));   // bottom
        for (int i = 0; i < bands; ++i) {
            const double top = y0 + 54 + bandHeight * i;
            QVERIFY(hasLine(lines, x0 + 9, top, x0, top + bandHeight, 2));
            QVERIFY(hasLine(lines, x0, top + bandHeight, x0 + 184, top + bandHeight, 2));
            const double tpr = top + (aichi ? 19.3 : 27.7);   // "ＴＰＲ" spread from 12 over 23 mm
            QVERIFY(hasFormItem(d, "Ｔ", 1, 6, 2, x0 + 12, tpr, 0.01));
            QVERIFY(hasFormItem(d, "Ｒ", 1, 6, 4, x0 + 12 + 23, tpr, 0.01));
        }
        QVERIFY(hasLine(lines, x0, y0 + 201, x0 + 184, y0 + 201, 2));        // the last band ends at 201
        QVERIFY(hasFormItem(d, "病", 1, 14, 2, x0 + 66, y0 - 7.5, 0.01));     // the spread title
        QCOMPARE(d.lineWidth(), 2);
        QCOMPARE(d.fontName(), QStringLiteral("ＭＳ Ｐゴシック"));
        const double right = std::max_element(lines.begin(), lines.end(), [](const Op& a, const Op& b) {
                                 return a.x2Mm() < b.x2Mm();
                             })->x2Mm();
        QVERIFY(qAbs(right - (x0 + 184)) < 0.001);
    }

    void oitaPagePoints()
    {
        const RecordingPrintDevice d = drawn(false);
        const QList<Op> lines = d.ofKind(Kind::Line);
        QVERIFY(hasLine(lines, 13, 18, 197, 18, 7));
        QVERIFY(hasLine(lines, 69, 283, 197, 283, 7));
        QVERIFY(hasFormItem(d, "病", 1, 14, 2, 79, 10.5, 0.01));
        // "治・死・法・廃・中" spread from 136 to 181.
        QVERIFY(hasFormItem(d, "治", 1, 6, 2, 13 + 136, 18 + 21, 0.01));
        QVERIFY(hasFormItem(d, "中", 1, 6, 4, 13 + 181, 18 + 21, 0.01));
        // The full-width blank of the exemption caption is dropped.
        QVERIFY(!d.findText("　"));
        QVERIFY(d.findText("※"));
    }

    void aichiDifferences()
    {
        const RecordingPrintDevice d = drawn(true);
        QVERIFY(hasFormItem(d, "３", 1, 8, 2, 17 + 23, 20 + 9, 0.01));
        QVERIFY(hasFormItem(d, "愛知県", 1, 6, 2, 17 + 67, 20 + 3, 0.01));
        QVERIFY(hasFormItem(d, "23", 1, 8, 3, 17 + 80.5, 20 + 9, 0.01));
        QVERIFY(hasFormItem(d, "AB1234", 1, 11, 2, 17 + 109, 20 + 236.5, 0.01));
        QVERIFY(d.findText("肥育用成牛・肥育用子牛・他肉成牛・他肉子牛等"));
        QVERIFY(!d.findText("種雄牛（乳・肉）"));
        QVERIFY(hasLine(d.ofKind(Kind::Line), 17 + 107, 29, 17 + 108.5, 29, 2));   // the dash
        QVERIFY(hasLine(d.ofKind(Kind::Line), 17 + 9, 200, 17, 221, 2));         // the seventh band
        QCOMPARE(d.fontSize(), 11.0);
    }

    void calibrationMovesEverything_data()
    {
        QTest::addColumn<bool>("aichi");
        QTest::newRow("大分県") << false;
        QTest::newRow("愛知県") << true;
    }
    void calibrationMovesEverything()
    {
        QFETCH(bool, aichi);
        SharedState::get().PrintHosei.NobiHosei = 1.2f;   // no stretch reaches the frame
        const RecordingPrintDevice plain = drawn(aichi);
        const RecordingPrintDevice moved = drawn(aichi, 1.5f, -2);
        QCOMPARE(moved.ops.size(), plain.ops.size());
        for (qsizetype i = 0; i < plain.ops.size(); ++i) {
            const Op& a = plain.ops.at(i);
            const Op& b = moved.ops.at(i);
            QVERIFY(qAbs(b.xMm() - a.xMm() - 1.5) < 0.001);
            QVERIFY(qAbs(b.yMm() - a.yMm() + 2) < 0.001);
            if (a.kind == Kind::Line) {
                QVERIFY(qAbs(b.x2Mm() - a.x2Mm() - 1.5) < 0.001);
                QVERIFY(qAbs(b.y2Mm() - a.y2Mm() + 2) < 0.001);
            }
        }
    }
};

NOLVARI_TEST(SindansyoWakuTest)
#include "SindansyoWakuTest.moc"
