#include "PrintItems.h"
#include "TestFixture.h"
#include "TestRegistry.h"

#include "chart/KarteBlock.h"
#include "common/RecordingPrintDevice.h"
#include "common/SharedState.h"
#include "tallies/KartePrintProc.h"

#include <QtTest>

namespace {
constexpr double P = 34.0 / 12.0;
const double HeadY[] = {95.5, 134.5, 173.5, 212.5};
const double Base[] = {100, 140, 178, 218};

QString repeat(const QString& s, int n)
{
    return s.repeated(n);
}

// Treatment line k (1 to 7) of examination j: category, content, standard, quantity, price, points.
void tiryo(KarteBlock& b, int j, int k, const QStringList& cells)
{
    for (int c = 0; c < cells.size(); ++c)
        b.setCell(KarteBlock::sinsatuRow(j) + k, 3 + c, cells.at(c));
}
} // namespace

// The chart sheet's variable content on the recording device: head values, treatment lines with
// their wrapping and the lines they take, amounts and the picture.
class KartePrintProcTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { SharedState::reset(); }

    // Sheet s prints examinations 4s + 1 to 4s + 4 in the slots 0 to 3; an empty examination
    // leaves its slot blank.
    void sheetTakesItsFourExaminations_data()
    {
        QTest::addColumn<int>("sheet");
        QTest::newRow("sheet 0") << 0;
        QTest::newRow("sheet 2") << 2;
        QTest::newRow("sheet 4") << 4;
    }
    void sheetTakesItsFourExaminations()
    {
        QFETCH(int, sheet);
        KarteBlock b;
        for (int j = 0; j < 20; ++j)
            b.setCell(KarteBlock::sinsatuRow(j), 2, QStringLiteral("5.%1.%2").arg(j + 1).arg(j + 10));
        b.setCell(KarteBlock::sinsatuRow(4 * sheet + 2), 2, QString());   // slot 2 left empty
        RecordingPrintDevice dev;
        KartePrintProc(dev, b, sheet, 0);
        for (int i : {0, 1, 3}) {
            const int j = 4 * sheet + i;
            QVERIFY2(hasItem(dev, QString::number(j + 1), 1, 9, 1, 7.5, HeadY[i] + 5), qPrintable(itemsOf(dev, QString::number(j + 1))));
            QVERIFY(hasItem(dev, QString::number(j + 10), 1, 9, 1, 20, HeadY[i] + 5));
        }
        QCOMPARE(dev.ofKind(RecordingPrintDevice::Kind::Text).size(), 6);
        QCOMPARE(dev.ofKind(RecordingPrintDevice::Kind::NewPage).size(), 0);
        QCOMPARE(dev.ofKind(RecordingPrintDevice::Kind::EndDoc).size(), 0);
    }

    // The head line of slot 1: split fields print only with their number of parts; the date
    // prints with "," or "." between its parts; every x lies right of the shared base.
    void headLine()
    {
        KarteBlock b;
        const int r = KarteBlock::sinsatuRow(5);
        b.setCell(r, 2, QStringLiteral("5,6,12"));
        b.setCell(r, 3, QStringLiteral("T=38.5 P=72 R=24"));
        b.setCell(r, 4, QStringLiteral("a,b,c,d"));
        b.setCell(r, 5, QStringLiteral("9,30"));
        b.setCell(r, 6, QStringLiteral("10,15,00"));   // three parts: nothing
        b.setCell(r, 7, QStringLiteral("甲"));
        b.setCell(r, 8, QStringLiteral("乙"));
        RecordingPrintDevice dev;
        KartePrintProc(dev, b, 1, 12);
        const double y = HeadY[1];
        const QList<std::tuple<QString, double, double>> want = {
            {"a", 10, y}, {"b", 17, y}, {"c", 25, y}, {"d", 35, y}, {"9", 54, y}, {"30", 64, y}, {"甲", 105, y},
            {"乙", 130, y}, {"6", 7.5, y + 5}, {"12", 20, y + 5}, {"38.5", 3, y + 10}, {"72", 18, y + 10},
            {"24", 32, y + 10}};
        for (const auto& [text, x, wy] : want)
            QVERIFY2(hasItem(dev, text, 1, 9, 1, 12 + x, wy), qPrintable(itemsOf(dev, text)));
        QCOMPARE(dev.ofKind(RecordingPrintDevice::Kind::Text).size(), want.size());

        RecordingPrintDevice dotted;
        b.setCell(r, 2, QStringLiteral("5.6.12"));
        b.setCell(r, 3, QStringLiteral("T=38.5 P=72"));   // two parts: nothing
        KartePrintProc(dotted, b, 1, 0);
        QVERIFY(hasItem(dotted, "12", 1, 9, 1, 20, y + 5));
        QVERIFY(!dotted.findText("38.5"));
    }

    // Content wrapping: the pieces, where they print and where the next treatment line starts
    // (a one-line marker "調剤要X" on treatment line 2).
    void contentLines_data()
    {
        QTest::addColumn<QString>("content");
        QTest::addColumn<QStringList>("pieces");

        const QString a = QStringLiteral("あ");
        QTest::newRow("25 full-width: 19 and 6") << repeat(a, 22)
            << QStringList{QStringLiteral("調剤要") + repeat(a, 16), repeat(a, 6)};
        QTest::newRow("30 with one colon: its two sides") << repeat(a, 9) + ":" + repeat(a, 17)
            << QStringList{QStringLiteral("調剤要") + repeat(a, 9), repeat(a, 17)};
        QTest::newRow("30 half-width bytes: one line") << QString(27, u'x') << QStringList{QStringLiteral("調剤要") + QString(27, u'x')};
        QTest::newRow("19 full-width: one line") << repeat(a, 16) << QStringList{QStringLiteral("調剤要") + repeat(a, 16)};
        QTest::newRow("45: 19, 19 and 7") << repeat(a, 42)
            << QStringList{QStringLiteral("調剤要") + repeat(a, 16), repeat(a, 19), repeat(a, 7)};
        QTest::newRow("65: 19, 19, 20 and 7") << repeat(a, 62)
            << QStringList{QStringLiteral("調剤要") + repeat(a, 16), repeat(a, 19), repeat(a, 20), repeat(a, 7)};
        QTest::newRow("colon with 20 after it: cut by length") << repeat(a, 5) + ":" + repeat(a, 20)
            << QStringList{QStringLiteral("調剤要") + repeat(a, 5) + ":" + repeat(a, 10), repeat(a, 10)};
    }
    void contentLines()
    {
        QFETCH(QString, content);
        QFETCH(QStringList, pieces);
        KarteBlock b;
        tiryo(b, 2, 1, {QStringLiteral("調剤要"), content});
        tiryo(b, 2, 2, {QStringLiteral("調剤要"), QStringLiteral("X")});
        RecordingPrintDevice dev;
        KartePrintProc(dev, b, 0, 0);
        const double y = Base[2];
        for (int k = 0; k < pieces.size(); ++k)
            QVERIFY2(hasItem(dev, pieces.at(k), 1, 7.5, 1, k == 0 ? 59 : 61, y + P * k), qPrintable(itemsOf(dev, pieces.at(k))));
        QVERIFY2(hasItem(dev, QStringLiteral("調剤要X"), 1, 7.5, 1, 59, y + P * pieces.size()),
                 qPrintable(itemsOf(dev, QStringLiteral("調剤要X"))));
        QCOMPARE(dev.ofKind(RecordingPrintDevice::Kind::Text).size(), pieces.size() + 1);
    }

    // Quantities: size, place and the lines they add, with and without a category; the next
    // line's marker shows where the column went on.
    void quantities_data()
    {
        QTest::addColumn<QStringList>("line");
        QTest::addColumn<QStringList>("texts");   // text@x@dy-in-pitches@size
        QTest::addColumn<int>("next");            // pitches to the next treatment line

        QTest::newRow("house call after a one-line content") << QStringList{"往診", "", "", "往診：5km：同時"}
            << QStringList{"往診:5km@108@0@7", "同時@108@1@7", "往診@59@0@7.5"} << 2;
        QTest::newRow("house call without category") << QStringList{"", "", "", "往診：12km：夜間"}
            << QStringList{"往診:12km@108@0@7", "夜間@108@1@7"} << 2;
        QTest::newRow("short quantity") << QStringList{"調剤要", "薬", "", "2本"}
            << QStringList{"2本@108@0@8", "調剤要薬@59@0@7.5"} << 1;
        QTest::newRow("short quantity alone") << QStringList{"", "", "", "2本"} << QStringList{"2本@108@0@8"} << 1;
        QTest::newRow("8 to 10 with category") << QStringList{"調剤要", "薬", "", "12345678"}
            << QStringList{"12345678@108@0@7"} << 1;
        QTest::newRow("8 to 10 alone at 103") << QStringList{"", "", "", "1234567890"}
            << QStringList{"1234567890@103@0@7"} << 1;
        QTest::newRow("long after a one-line content") << QStringList{"調剤要", "薬", "", "12345678901234"}
            << QStringList{"1234567890@108@0@7", "1234@108@1@7"} << 2;
        QTest::newRow("long alone at 103") << QStringList{"", "", "", "12345678901234"}
            << QStringList{"1234567890@103@0@7", "1234@103@1@7"} << 2;
        QTest::newRow("long beside a two-line content") << QStringList{"調剤要", QString(22, u'あ'), "", "12345678901234"}
            << QStringList{"1234567890@108@0@7", "1234@108@1@7"} << 2;
    }
    void quantities()
    {
        QFETCH(QStringList, line);
        QFETCH(QStringList, texts);
        QFETCH(int, next);
        KarteBlock b;
        tiryo(b, 0, 1, line);
        tiryo(b, 0, 2, {QStringLiteral("調剤要"), QStringLiteral("X")});
        RecordingPrintDevice dev;
        KartePrintProc(dev, b, 0, 0);
        for (const QString& t : texts) {
            const QStringList p = t.split(u'@');
            QVERIFY2(hasItem(dev, p.at(0), 1, p.at(3).toDouble(), 1, p.at(1).toDouble(), Base[0] + P * p.at(2).toDouble()),
                     qPrintable(itemsOf(dev, p.at(0))));
        }
        QVERIFY2(hasItem(dev, QStringLiteral("調剤要X"), 1, 7.5, 1, 59, Base[0] + P * next),
                 qPrintable(itemsOf(dev, QStringLiteral("調剤要X"))));
    }

    // Amounts right-aligned at 10 pt on the line's y; empty treatment lines take no line, so
    // the third line prints directly under the first.
    void amountsAndEmptyLines()
    {
        KarteBlock b;
        tiryo(b, 3, 1, {"調剤要", "ペニシリン", "10ml", "2", "1,200", "35"});
        tiryo(b, 3, 3, {"皮下注射", "ビタミン", "", "", "800", ""});
        RecordingPrintDevice dev;
        KartePrintProc(dev, b, 0, 0);
        QVERIFY(hasItem(dev, "10ml", 1, 10, 2, 138, Base[3]));
        QVERIFY(hasItem(dev, "1,200", 1, 10, 2, 157, Base[3]));
        QVERIFY(hasItem(dev, "35", 1, 10, 2, 175, Base[3]));
        QVERIFY(hasItem(dev, "2", 1, 8, 1, 108, Base[3]));
        QVERIFY(hasItem(dev, "皮下注射ビタミン", 1, 7.5, 1, 59, Base[3] + P));
        QVERIFY(hasItem(dev, "800", 1, 10, 2, 157, Base[3] + P));
    }

    // Many long lines run on downwards past the next slot's head line.
    void treatmentLinesRunPastTheSlot()
    {
        KarteBlock b;
        for (int k = 1; k <= 7; ++k)
            tiryo(b, 0, k, {QStringLiteral("調剤要"), QString(42, QChar(u'い' + k))});
        RecordingPrintDevice dev;
        KartePrintProc(dev, b, 0, 0);
        const QString last = QString(7, QChar(u'い' + 7));
        QVERIFY2(hasItem(dev, last, 1, 7.5, 1, 61, Base[0] + P * 20), qPrintable(itemsOf(dev, last)));
        QVERIFY(Base[0] + P * 20 > HeadY[1]);
    }

    // The picture by the leading number of line 8 field 2, rounded; 0 and empty print none.
    void picture_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("file");
        QTest::newRow("3") << "3" << "Pict_2.bmp";
        QTest::newRow("2.6 rounds to 3") << "2.6右" << "Pict_2.bmp";
        QTest::newRow("0") << "0" << "";
        QTest::newRow("empty") << "" << "";
    }
    void picture()
    {
        QFETCH(QString, code);
        QFETCH(QString, file);
        KarteBlock b;
        b.setCell(KarteBlock::sinsatuRow(6) + 8, 2, code);
        RecordingPrintDevice dev;
        dev.assumePicturesExist = true;
        KartePrintProc(dev, b, 1, 12);
        const auto pictures = dev.ofKind(RecordingPrintDevice::Kind::Picture);
        QCOMPARE(pictures.size(), file.isEmpty() ? 0 : 1);
        if (file.isEmpty())
            return;
        QVERIFY2(pictures.first().text.endsWith(file, Qt::CaseInsensitive), qPrintable(pictures.first().text));
        QVERIFY(qAbs(pictures.first().x - (12 + 45) * 56.7) <= 1);
        QVERIFY(qAbs(pictures.first().y - (HeadY[2] + 5) * 56.7) <= 1);
    }
};

NOLVARI_TEST(KartePrintProcTest)
#include "KartePrintProcTest.moc"
