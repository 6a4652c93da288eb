#include "TestFixture.h"
#include "TestRegistry.h"

#include "common/RecordingPrintDevice.h"
#include "common/SharedState.h"
#include "print/mie_saga_okinawa/SindansyoWakuMieProc.h"

#include <QtTest>

namespace {

using Op = RecordingPrintDevice::Op;

double widthMm(const Op& op)
{
    RecordingPrintDevice d;
    d.setFontName(op.fontName);
    d.setFontSize(op.fontSize);
    return d.textWidth(op.text) / 56.7;
}

QStringList opsOf(const FormOffset& offset)
{
    RecordingPrintDevice device;
    SindansyoWakuMieProc::print(device, offset);
    QStringList ops;
    for (const Op& op : device.ops)
        ops.append(QStringLiteral("%1 %2 %3 %4 %5 %6").arg(int(op.kind)).arg(op.text).arg(op.x).arg(op.y).arg(op.x2).arg(op.y2));
    return ops;
}

} // namespace

class SindansyoWakuMieProcTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { TestFixture::resetGlobals(); }

    // 177 captions in "ＭＳ Ｐ明朝", then 138 rules: 17 thick, the thin ones, the six date
    // dividers last, the printer left at width 3.
    void captionsAndRules()
    {
        const DrawnForm& form = SindansyoWakuMieProc::form();
        QCOMPARE(form.captions.size(), 177);
        QCOMPARE(form.lines.size(), 138);
        for (const DrawnForm::Caption& c : form.captions)
            QCOMPARE(c.face, QStringLiteral("ＭＳ Ｐ明朝"));
        for (int i = 0; i < form.lines.size(); ++i)
            QCOMPARE(form.lines.at(i).width, i < 17 ? 9 : 3);
        const DrawnForm::Line& last = form.lines.last();
        QCOMPARE(QList<float>({last.x1, last.y1, last.x2, last.y2}), QList<float>({5, 208, 1, 220}));
        RecordingPrintDevice device;
        SindansyoWakuMieProc::print(device, {12, 10, 0, 0});
        QCOMPARE(device.ofKind(RecordingPrintDevice::Kind::Line).size(), 138);
        QCOMPARE(device.lineWidth(), 3);
        const Op frame = device.ofKind(RecordingPrintDevice::Kind::Line).first();   // y 56, 0 to 184
        QVERIFY(qAbs(frame.xMm() - 12) < 0.01 && qAbs(frame.yMm() - 66) < 0.01);
    }

    // The form origin and the calibration offsets add up alike; no print calibration applies.
    void offsets()
    {
        TestFixture::setPrintHosei("3/4/1.5");
        QCOMPARE(opsOf({12, 10, 0, 0}), opsOf({0, 0, 12, 10}));
        QVERIFY(opsOf({12, 10, 0, 0}) != opsOf({0, 0, 0, 0}));
    }

    // The title spreads from x 56 to x 114 of the form whatever the glyph widths.
    void titleSpread()
    {
        RecordingPrintDevice device;
        SindansyoWakuMieProc::print(device, {0, 0, 0, 0});
        const QList<Op> texts = device.ofKind(RecordingPrintDevice::Kind::Text);
        QCOMPARE(texts.at(0).text, QStringLiteral("病"));
        QCOMPARE(texts.at(6).text, QStringLiteral("書"));
        QVERIFY(qAbs(texts.at(0).xMm() - 56) < 0.01);
        QVERIFY(qAbs(texts.at(6).xMm() + widthMm(texts.at(6)) - 114) < 0.01);
        QCOMPARE(texts.at(0).fontSize, 17.0);
    }
};

NOLVARI_TEST(SindansyoWakuMieProcTest)
#include "SindansyoWakuMieProcTest.moc"
