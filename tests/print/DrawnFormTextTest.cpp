#include "TestRegistry.h"

#include "common/RecordingPrintDevice.h"
#include "common/SharedState.h"
#include "print/common/CircleMarkProc.h"
#include "print/common/GyoWakePrint.h"
#include "print/common/PrintTextAlignProc.h"
#include "print/common/TextFitProc.h"
#include "print/common/TextWrapProc.h"

#include <QtTest>

namespace {

using Op = RecordingPrintDevice::Op;
const QString Gothic = QStringLiteral("ＭＳ Ｐゴシック");
const QString Mincho = QStringLiteral("ＭＳ Ｐ明朝");
// A form origin and a calibration, so that every position shows both were added.
const FormOffset Offset{13, 18, 0.5f, -0.25f};
constexpr double K = 56.7;

double pageXmm(float x) { return x + 13 + 0.5; }
double pageYmm(float y) { return y + 18 - 0.25; }

// The width of a text in mm as the device measures it in the op's face and size.
double widthMm(const Op& op)
{
    RecordingPrintDevice d;
    d.setFontName(op.fontName);
    d.setFontSize(op.fontSize);
    return d.textWidth(op.text) / K;
}

double middleMm(const Op& op)
{
    RecordingPrintDevice d;
    d.setFontName(op.fontName);
    d.setFontSize(op.fontSize);
    return (op.y + d.textHeight(op.text) / 2) / K;
}

} // namespace

class DrawnFormTextTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { SharedState::reset(); }

    void alignments_data()
    {
        QTest::addColumn<int>("align");
        QTest::addColumn<QString>("text");
        // Where the text must start, centre or end (mm from x), by alignment.
        QTest::addColumn<QString>("anchor");
        QTest::newRow("2 starts at x") << 2 << "ABC" << "start";
        QTest::newRow("3 centred on x") << 3 << "ABC" << "centre";
        QTest::newRow("4 ends at x") << 4 << "ABC" << "end";
        QTest::newRow("1 of one character starts at x") << 1 << "山" << "start";
        QTest::newRow("1 with one character left after the blanks") << 1 << "　山" << "start";
        QTest::newRow("1 with nothing left after the blanks") << 1 << " 　" << "start";
    }

    void alignments()
    {
        QFETCH(int, align);
        QFETCH(QString, text);
        QFETCH(QString, anchor);
        RecordingPrintDevice d;
        PrintTextAlignProc(d, Gothic, 12, align, 25, text, 50, 100, Offset);
        const QList<Op> texts = d.ofKind(RecordingPrintDevice::Kind::Text);
        QCOMPARE(texts.size(), 1);
        const Op& op = texts.first();
        QCOMPARE(op.text, text);
        QCOMPARE(op.fontName, Gothic);
        QCOMPARE(op.fontSize, 12.0);
        const double shift = anchor == "start" ? 0 : anchor == "centre" ? widthMm(op) / 2 : widthMm(op);
        QVERIFY(qAbs(op.xMm() + shift - pageXmm(50)) < 0.001);
        QVERIFY(qAbs(middleMm(op) - pageYmm(100)) < 0.001);
    }

    void nothingPrinted_data()
    {
        QTest::addColumn<int>("align");
        QTest::addColumn<QString>("text");
        QTest::newRow("align 0") << 0 << "ABC";
        QTest::newRow("align 5") << 5 << "ABC";
        QTest::newRow("empty text, align 3") << 3 << "";
        QTest::newRow("empty text, align 1") << 1 << "";
    }

    void nothingPrinted()
    {
        QFETCH(int, align);
        QFETCH(QString, text);
        RecordingPrintDevice d;
        PrintTextAlignProc(d, Mincho, 14, align, 25, text, 50, 100, Offset);
        QVERIFY(d.ops.isEmpty());
        QCOMPARE(d.fontName(), Mincho);
        QCOMPARE(d.fontSize(), 14.0);
    }

    void spread_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("groups");
        // Whether the last group ends at x + width (it falls one gap short per "。").
        QTest::addColumn<int>("kutenCount");
        QTest::newRow("name with a full-width blank") << "山田　太郎" << QStringList{"山", "田", "太", "郎"} << 0;
        QTest::newRow("half-width blanks") << "A B C" << QStringList{"A", "B", "C"} << 0;
        QTest::newRow("kuten glued") << "治癒。中止" << QStringList{"治", "癒。", "中", "止"} << 1;
        QTest::newRow("leading kuten is its own group") << "。治癒" << QStringList{"。", "治", "癒"} << 0;
    }

    void spread()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, groups);
        QFETCH(int, kutenCount);
        RecordingPrintDevice d;
        PrintTextAlignProc(d, Mincho, 10.5f, 1, 25, text, 40, 60, Offset);
        const QList<Op> ops = d.ofKind(RecordingPrintDevice::Kind::Text);
        QStringList printed;
        for (const Op& op : ops)
            printed.append(op.text);
        QCOMPARE(printed, groups);
        QVERIFY(qAbs(ops.first().xMm() - pageXmm(40)) < 0.001);
        // Equal gaps between consecutive groups.
        const double gap = ops.at(1).xMm() - (ops.at(0).xMm() + widthMm(ops.at(0)));
        for (qsizetype i = 2; i < ops.size(); ++i)
            QVERIFY(qAbs(ops.at(i).xMm() - (ops.at(i - 1).xMm() + widthMm(ops.at(i - 1))) - gap) < 0.001);
        const double end = ops.last().xMm() + widthMm(ops.last());
        QVERIFY2(qAbs(end + kutenCount * gap - pageXmm(40 + 25)) < 0.001, qPrintable(QString::number(end)));
        for (const Op& op : ops)
            QVERIFY(qAbs(middleMm(op) - pageYmm(60)) < 0.001);
    }

    void wrap_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("width");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("empty text") << "" << 20.0 << QStringList{""};
        QTest::newRow("first character wider than width") << "山A" << 2.0 << QStringList{"", "山", "A"};
        // 10 pt: a full-width character is about 3.5 mm, so three fit under 11 mm; words break too.
        QTest::newRow("breaks inside words") << "あいうえおかき" << 11.0 << QStringList{"あいう", "えおか", "き"};
    }

    void wrap()
    {
        QFETCH(QString, text);
        QFETCH(double, width);
        QFETCH(QStringList, lines);
        RecordingPrintDevice d;
        d.setFontName(Mincho);
        QCOMPARE(TextWrapProc(d, 10, float(width), text), lines);
        QCOMPARE(d.fontSize(), 10.0);
        QVERIFY(d.ops.isEmpty());
    }

    void wrapLinesStayUnderWidth()
    {
        RecordingPrintDevice d;
        d.setFontName(Mincho);
        const QString text = QStringLiteral("左前肢の跛行を認め、触診により蹄底潰瘍と診断した。");
        const QStringList lines = TextWrapProc(d, 9, 30, text);
        QCOMPARE(lines.join(QString()), text);
        for (const QString& line : lines)
            QVERIFY(d.textWidth(line) / K < 30);
        for (qsizetype i = 0; i + 1 < lines.size(); ++i)
            QVERIFY(d.textWidth(lines.at(i) + lines.at(i + 1).left(1)) / K >= 30);
    }

    void fit_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("width");
        QTest::addColumn<double>("height");
        QTest::addColumn<double>("minSize");
        QTest::addColumn<double>("maxSize");
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<double>("size");
        QTest::addColumn<QList<double>>("middles");   // mm from y, line by line
        const double twoLines6 = (6 - 0.3) / 2 / 0.3527;
        const double twoLines5 = (5 - 0.3) / 2 / 0.3527;
        // A kanji is one em wide: 8 pt is 2.82 mm, 8.08 pt 2.85 mm, 6.66 pt 2.35 mm.
        QTest::newRow("fits at every size: 9.9 pt, the bound missed")
            << "乳房炎" << 20.0 << 6.0 << 8.0 << 10.0 << QStringList{"乳房炎"} << 9.9 << QList<double>{0};
        QTest::newRow("8 to 9 ends at 8.9")
            << "乳房炎" << 20.0 << 6.0 << 8.0 << 9.0 << QStringList{"乳房炎"} << 8.9 << QList<double>{0};
        QTest::newRow("too long: two lines of five, the rest dropped")
            << "第四胃左方変位急性乳房炎蹄底潰瘍合併症" << 17.0 << 6.0 << 8.0 << 10.0
            << QStringList{"第四胃左方", "変位急性乳"} << twoLines6 << QList<double>{-1.5, 1.5};
        QTest::newRow("just too long, height 5: one line at y - 1.25")
            << "第四胃左方変位" << 19.5 << 5.0 << 8.0 << 10.0 << QStringList{"第四胃左方変位"} << twoLines5
            << QList<double>{-1.25};
        QTest::newRow("MinSize above MaxSize: set as two lines")
            << "乳房炎" << 20.0 << 6.0 << 10.0 << 8.0 << QStringList{"乳房炎"} << twoLines6 << QList<double>{-1.5};
    }

    void fit()
    {
        QFETCH(QString, text);
        QFETCH(double, width);
        QFETCH(double, height);
        QFETCH(double, minSize);
        QFETCH(double, maxSize);
        QFETCH(QStringList, lines);
        QFETCH(double, size);
        QFETCH(QList<double>, middles);
        RecordingPrintDevice d;
        d.setFontName(Mincho);
        TextFitProc(d, 30, 80, float(width), float(height), text, float(minSize), float(maxSize), Offset);
        const QList<Op> ops = d.ofKind(RecordingPrintDevice::Kind::Text);
        QStringList printed;
        for (const Op& op : ops)
            printed.append(op.text);
        QCOMPARE(printed, lines);
        for (qsizetype i = 0; i < ops.size(); ++i) {
            QCOMPARE(ops.at(i).fontName, Mincho);
            QVERIFY2(qAbs(ops.at(i).fontSize - size) < 1e-4, qPrintable(QString::number(ops.at(i).fontSize)));
            QVERIFY(qAbs(ops.at(i).xMm() - pageXmm(30)) < 0.001);
            QVERIFY(qAbs(middleMm(ops.at(i)) - pageYmm(80 + middles.at(i))) < 0.001);
            QVERIFY(widthMm(ops.at(i)) <= width);
        }
    }

    void emptyFitPrintsNothing()
    {
        RecordingPrintDevice d;
        TextFitProc(d, 30, 80, 20, 6, QString(), 8, 10, Offset);
        QVERIFY(d.ops.isEmpty());
    }

    void circle()
    {
        RecordingPrintDevice d;
        d.setLineWidth(1);
        d.setLineStyle(PrintDevice::Dash);
        CircleMarkProc(d, 40, 50, 2, Offset);
        const QList<Op> circles = d.ofKind(RecordingPrintDevice::Kind::Circle);
        QCOMPARE(circles.size(), 1);
        QVERIFY(qAbs(circles.first().radius - 113.4) < 0.001);
        QVERIFY(qAbs(circles.first().xMm() - pageXmm(40)) < 0.001);
        QVERIFY(qAbs(circles.first().yMm() - pageYmm(50)) < 0.001);
        QCOMPARE(circles.first().lineWidth, 3);
        QCOMPARE(circles.first().lineStyle, int(PrintDevice::Solid));
        QCOMPARE(d.lineWidth(), 3);
    }

    void gyoWake_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("lines");   // the texts printed, line by line
        QTest::addColumn<int>("count");
        QTest::addColumn<GyoWakeCount>("counted");
        const QString full19 = QString(19, QChar(0x5C71));   // 山
        QTest::newRow("19 full-width: one line") << full19 << QStringList{full19} << 1 << GyoWakeCount::Hankaku;
        QTest::newRow("20 full-width: 19 + 1") << full19 + "川" << QStringList{full19, "川"} << 2
            << GyoWakeCount::Hankaku;
        QTest::newRow("40 half-width: 38 + 2") << QString(40, 'a') << QStringList{QString(38, 'a'), "aa"} << 2
            << GyoWakeCount::Hankaku;
        QTest::newRow("30 half-width: one line") << QString(30, 'a') << QStringList{QString(30, 'a')} << 1
            << GyoWakeCount::Hankaku;
        QTest::newRow("empty: 1") << "" << QStringList{} << 1 << GyoWakeCount::Hankaku;
        QTest::newRow("a voiced katakana: an empty second line")
            << QString(18, QChar(0x5C71)) + "ガ" << QStringList{QString(18, QChar(0x5C71)) + "ガ"} << 2
            << GyoWakeCount::Hankaku;
        QTest::newRow("a half-width letter lets a line hold one byte more")
            << "a" + full19 + "b" << QStringList{"a" + full19, "b"} << 2 << GyoWakeCount::Hankaku;
        QTest::newRow("a voiced katakana counted as it stands: one line")
            << QString(18, QChar(0x5C71)) + "ガ" << QStringList{QString(18, QChar(0x5C71)) + "ガ"} << 1
            << GyoWakeCount::Characters;
        QTest::newRow("counted as it stands, 20 full-width: 19 + 1")
            << full19 + "川" << QStringList{full19, "川"} << 2 << GyoWakeCount::Characters;
    }

    void gyoWake()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, lines);
        QFETCH(int, count);
        QFETCH(GyoWakeCount, counted);
        RecordingPrintDevice d;
        QCOMPARE(GyoWakePrint(d, text, 20, 100, 19, 4.5f, 9, 1, 1, counted), count);
        const QList<Op> ops = d.ofKind(RecordingPrintDevice::Kind::Text);
        QCOMPARE(ops.size(), lines.size());
        for (qsizetype i = 0; i < ops.size(); ++i) {
            QCOMPARE(ops.at(i).text, lines.at(i));
            // MojiPrintProc align 1: the text's top is half the estimated character height above y.
            const double top = 100 + 4.5 * i - 9.0 / 3 * 0.5;
            QVERIFY2(qAbs(ops.at(i).yMm() - top) < 0.02, qPrintable(QString::number(ops.at(i).yMm())));
            QVERIFY(qAbs(ops.at(i).xMm() - 20) < 0.02);
        }
    }
};

NOLVARI_TEST(DrawnFormTextTest)
#include "DrawnFormTextTest.moc"
