#include "PrintFixture.h"
#include "TestFixture.h"
#include "TestRegistry.h"

#include "common/PrintDevice.h"
#include "common/RecordingPrintDevice.h"
#include "print/ibaraki/HakusiWakuProc.h"

#include <QtTest>

namespace {

using Op = RecordingPrintDevice::Op;

QStringList opsOf(const FormOffset& offset)
{
    RecordingPrintDevice device;
    HakusiWakuProc::print(device, false, offset);
    QStringList ops;
    for (const Op& op : device.ops)
        ops.append(QStringLiteral("%1 %2 %3 %4 %5 %6").arg(int(op.kind)).arg(op.text).arg(op.x).arg(op.y).arg(op.x2).arg(op.y2));
    return ops;
}

struct Counts
{
    int solid = 0, dotted = 0, slant = 0, marks = 0;
};

Counts countLines(const DrawnForm& form)
{
    Counts n;
    for (const DrawnForm::Line& l : form.lines) {
        if (l.width == 4)
            ++n.marks;
        else if (l.dotted)
            ++n.dotted;
        else if (l.x1 != l.x2 && l.y1 != l.y2)
            ++n.slant;
        else
            ++n.solid;
    }
    return n;
}

} // namespace

class HakusiWakuProcTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { TestFixture::resetGlobals(); }

    // The number of elements of the three forms: captions, the three pen-4 marks, solid, dotted
    // and slanted rules.
    void counts_data()
    {
        QTest::addColumn<int>("form");   // 0 general, 1 SiteOkayamaFarm, 2 the older layout
        QTest::addColumn<int>("captions");
        QTest::addColumn<int>("solid");
        QTest::newRow("general") << 0 << 190 << 96;
        QTest::newRow("okayama") << 1 << 182 << 96;
        QTest::newRow("older") << 2 << 191 << 92;
    }
    void counts()
    {
        QFETCH(int, form);
        QFETCH(int, captions);
        QFETCH(int, solid);
        const DrawnForm f = form == 2 ? HakusiWakuProc::form2() : HakusiWakuProc::form(form == 1);
        QCOMPARE(f.captions.size(), captions);
        const Counts n = countLines(f);
        QCOMPARE(n.marks, 3);
        QCOMPARE(n.solid, solid);
        QCOMPARE(n.dotted, 2);
        QCOMPARE(n.slant, 6);
        for (const DrawnForm::Caption& c : f.captions)
            QCOMPARE(c.face, QStringLiteral("ＭＳ Ｐ明朝"));
    }

    // The frame's corners lie at (16.5, 21) and (275.5, 197) plus the offsets; the stretch of the
    // calibration changes nothing; the printer is left solid at width 2.
    void cornersAndOffsets()
    {
        TestFixture::setPrintHosei("0/0/1.2");
        RecordingPrintDevice device;
        HakusiWakuProc::print(device, false, {16.5f, 21, 1, -2});
        double minX = 1e9, minY = 1e9, maxX = -1e9, maxY = -1e9;
        for (const Op& op : device.ofKind(RecordingPrintDevice::Kind::Line)) {
            if (op.lineWidth != 5 || op.yMm() < 19 - 0.01)   // the frame, not the box above it
                continue;
            minX = std::min({minX, op.xMm(), op.x2Mm()});
            minY = std::min({minY, op.yMm(), op.y2Mm()});
            maxX = std::max({maxX, op.xMm(), op.x2Mm()});
            maxY = std::max({maxY, op.yMm(), op.y2Mm()});
        }
        QVERIFY(qAbs(minX - 17.5) < 0.01 && qAbs(minY - 19) < 0.01);
        QVERIFY(qAbs(maxX - 276.5) < 0.01 && qAbs(maxY - 195) < 0.01);
        QCOMPARE(device.lineWidth(), 2);
        QCOMPARE(device.lineStyle(), int(PrintDevice::Solid));
        QCOMPARE(opsOf({16.5f, 21, 0, 0}), opsOf({0, 0, 16.5f, 21}));
        const QStringList stretched = opsOf({16.5f, 21, 1, -2});
        TestFixture::setPrintHosei("0/0/1");
        QCOMPARE(opsOf({16.5f, 21, 1, -2}), stretched);
    }

    // "ＴＰＲ" of the first visit row is spread from RX + 10.5 to RX + 36.5; "上記のとおり診断する。"
    // places ten pieces, "る。" together; the dotted rules are drawn dotted at width 1.
    void spreadAndDotted()
    {
        RecordingPrintDevice device;
        HakusiWakuProc::print(device, false, {16.5f, 21, 0, 0});
        QVERIFY(hasFormItem(device, "Ｔ", 1, 8, 2, 16.5 + 10.5, 21 + 59.5 + 2.5));
        QVERIFY(hasFormItem(device, "Ｒ", 1, 8, 4, 16.5 + 36.5, 21 + 59.5 + 2.5));
        QVERIFY(device.findText("る。"));
        int dotted = 0;
        for (const Op& op : device.ofKind(RecordingPrintDevice::Kind::Line))
            dotted += op.lineStyle == PrintDevice::Dot && op.lineWidth == 1 ? 1 : 0;
        QCOMPARE(dotted, 2);
        // The title's vertical middle 15 mm from the top edge.
        QVERIFY(hasFormItem(device, "死", 1, 17, 2, 16.5 + 75, 15, 0.05));
    }

    // The older layout differs inside band 3 and above the frame only.
    void olderLayout()
    {
        const DrawnForm now = HakusiWakuProc::form(false);
        const DrawnForm old = HakusiWakuProc::form2();
        for (const DrawnForm::Line& l : old.lines)
            QVERIFY(l.y1 >= 0 && l.y2 >= 0);
        const auto outsideBand3 = [](const DrawnForm::Caption& c) { return c.y < 17.5f || c.y > 26; };
        QStringList a, b;
        for (const DrawnForm::Caption& c : now.captions)
            if (outsideBand3(c) && c.text != QStringLiteral("個体識別番号"))
                a.append(c.text + QString::number(c.x) + "," + QString::number(c.y));
        for (const DrawnForm::Caption& c : old.captions)
            if (outsideBand3(c))
                b.append(c.text + QString::number(c.x) + "," + QString::number(c.y));
        QCOMPARE(b, a);
    }
};

NOLVARI_TEST(HakusiWakuProcTest)
#include "HakusiWakuProcTest.moc"
