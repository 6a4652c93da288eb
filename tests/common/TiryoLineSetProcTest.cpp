#include "TestFixture.h"
#include "TestRegistry.h"

#include "chart/KarteBlock.h"
#include "common/SindansyoEpisode.h"
#include "common/TiryoLineSetProc.h"

#include <QtTest>

namespace {

// An episode whose first visit has the treatment lines given as {category, content, standard,
// quantity} (at most seven).
SindansyoEpisode visit(const QList<QStringList>& lines)
{
    KarteBlock block;
    block.setCell(0, 2, "肺炎");
    block.setCell(0, 5, "7.4.1");
    const int r = KarteBlock::sinsatuRow(0);
    for (int i = 0; i < lines.size(); ++i) {
        for (int c = 0; c < lines.at(i).size(); ++c)
            block.setCell(r + 1 + i, 3 + c, lines.at(i).at(c));
    }
    // The lines as stored, cells untrimmed.
    QStringList stored = {"Main'", "Main'"};
    for (int row = 0; row < KarteBlock::LineCount; ++row)
        stored.append(block.row(row).join(QLatin1Char('\'')) + QLatin1Char('\''));
    return SindansyoEpisode::fromLines(stored, "肺炎", "7.4.1");
}

} // namespace

class TiryoLineSetProcTest : public QObject
{
    Q_OBJECT

private slots:
    void texts_data()
    {
        QTest::addColumn<QString>("content");
        QTest::addColumn<QString>("standard");
        QTest::addColumn<QString>("quantity");
        QTest::addColumn<QString>("text");
        QTest::newRow("all three") << " ABC " << "5ml" << "(2)" << "ABC:5ml×2";
        QTest::newRow("quantity 1") << "ABC" << "" << "1" << "ABC";
        QTest::newRow("quantity 1.0") << "ABC" << "" << "1.0" << "ABC";
        QTest::newRow("quantity (1)") << "ABC" << "" << "(1)" << "ABC";
        QTest::newRow("quantity 2") << "ABC" << "" << "2" << "ABC×2";
        QTest::newRow("quantity without a number") << "ABC" << "" << "(適量)" << "ABC×適量";
        QTest::newRow("empty content") << "" << "" << "" << "";
    }
    void texts()
    {
        QFETCH(QString, content);
        QFETCH(QString, standard);
        QFETCH(QString, quantity);
        QFETCH(QString, text);
        QCOMPARE(TiryoLineText(content, standard, quantity), text);
    }

    // Lines of 22 bytes count one, of 23 two; the first box holds 10 lines, the others 9.
    void factors_data()
    {
        QTest::addColumn<QList<QStringList>>("lines");
        QTest::addColumn<int>("k");
        QTest::addColumn<double>("factor");
        const QStringList one = {"経口", QString(11, QChar(0x3042))};             // 22 bytes
        const QStringList two = {"経口", QString(11, QChar(0x3042)) + "A"};       // 23 bytes
        QTest::newRow("nothing measured")
            << QList<QStringList>{{"往診", "3km"}, {"PLテスト結果", "右前 -"}, {"", "薬"}} << 0 << 1.0;
        QTest::newRow("box 0, 10 lines") << QList<QStringList>{two, two, two, two, two} << 0 << 1.0;
        QTest::newRow("box 0, 11 lines") << QList<QStringList>{two, two, two, two, two, one} << 0 << 0.8;
        QTest::newRow("box 1, 9 lines") << QList<QStringList>{two, two, two, two, one} << 1 << 1.0;
        QTest::newRow("box 1, 10 lines") << QList<QStringList>{two, two, two, two, two} << 1 << 0.8;
        QTest::newRow("empty content counts")
            << QList<QStringList>{two, two, two, two, {"経口", ""}, {"経口", ""}} << 2 << 0.8;
        QTest::newRow("blank before 往診 is measured")
            << QList<QStringList>{two, two, two, two, one, {" 往診", "3km"}, {"往診", "5km"}} << 1 << 0.8;
    }
    void factors()
    {
        QFETCH(QList<QStringList>, lines);
        QFETCH(int, k);
        QFETCH(double, factor);
        QCOMPARE(double(TiryoLineSetProc(visit(lines), k, SindansyoEpisode::sinsatuRow(0))), double(float(factor)));
    }
};

NOLVARI_TEST(TiryoLineSetProcTest)
#include "TiryoLineSetProcTest.moc"
