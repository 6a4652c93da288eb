#include "BookSetup.h"
#include "TestRegistry.h"

#include "treatmentbook/BunbenInfoText.h"
#include "treatmentbook/IbaragiPrintData.h"

#include <QtTest>

namespace {
BunbenInfoText sample(bool twin)
{
    BunbenInfoText b;
    b.Sansu = "2";
    b.KoUsi = "♀";
    b.Hinsyu = "和牛";
    b.Syonyu = "B";
    b.Jyoho = "異常";
    b.Bikou = "後産停滞";
    b.Futago = twin;
    b.KoUsi2 = "♀";
    b.Genki2 = "無";
    return b;
}

QStringList fields(const BunbenInfoText& b)
{
    // The twin's values count only while a twin is recorded: a single calving leaves them out.
    QStringList out{b.Sansu, b.KoUsi, b.Genki, b.Syoku, b.Hinsyu, b.Syonyu, b.Jyoho, b.Bikou};
    if (b.Futago)
        out << b.KoUsi2 << b.Genki2 << b.Syoku2;
    return out;
}
}

class BunbenInfoTextTest : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        TestFixture::resetGlobals();
    }

    void textOfFiveOrSevenLines()
    {
        QCOMPARE(sample(false).text(), "【産数】2 【子牛】♀\r\n【元気】有 【食欲】有\r\n【品種】和牛 【比重】B\r\n【状況】異常\r\n[後産停滞]");
        QCOMPARE(sample(true).text(), "【産数】2 【子牛】♀\r\n【元気】有 【食欲】有\r\n【品種】和牛 【比重】B\r\n【状況】異常\r\n"
                                      "[後産停滞]:\r\n【双子】♀\r\n【元気】無 【食欲】有");
    }

    void builtTextReadsBackTheSame_data()
    {
        QTest::addColumn<bool>("twin");
        QTest::addColumn<QString>("separator");
        QTest::newRow("single, CR LF") << false << "\r\n";
        QTest::newRow("single, TAB") << false << "\t";
        QTest::newRow("twin, TAB") << true << "\t";
    }
    void builtTextReadsBackTheSame()
    {
        QFETCH(bool, twin);
        QFETCH(QString, separator);
        BunbenInfoText b = sample(twin);
        const QString stored = b.text().replace("\r\n", separator);
        QCOMPARE(fields(BunbenInfoText::read(stored)), fields(sample(twin)));
    }

    void remarkAndParityAreCleaned()
    {
        BunbenInfoText b;
        b.Sansu = "1:";
        b.Bikou = "【要注意】 [経過:良]";
        QVERIFY(b.text().endsWith("\r\n[(要注意) (経過：良)]"));
        QVERIFY(b.text().startsWith("【産数】1： "));
        const BunbenInfoText back = BunbenInfoText::read(b.text());
        QCOMPARE(back.Bikou, "(要注意) (経過：良)");
        QCOMPARE(back.Sansu, "1：");
        QVERIFY(!back.Futago);
    }

    void readingOddTexts()
    {
        BunbenInfoText start = sample(false);
        QCOMPARE(fields(BunbenInfoText::read("", start)), fields(start));
        const BunbenInfoText free = BunbenInfoText::read("自由な記述", start);
        QCOMPARE(free.Sansu, "1");
        QCOMPARE(free.Bikou, "");
        QCOMPARE(free.Hinsyu, "和牛");

        QString twoColons = sample(true).text();
        twoColons.replace("【元気】無", "【元気】:無");
        const BunbenInfoText noTwin = BunbenInfoText::read(twoColons);
        QVERIFY(!noTwin.Futago);
        QCOMPARE(noTwin.Jyoho, "異常");

        const BunbenInfoText partial = BunbenInfoText::read("【産数】 3 【子牛】オス");
        QCOMPARE(partial.Sansu, "3");
        QCOMPARE(partial.KoUsi, "オス");   // no such option: the dialog selects none
        QCOMPARE(partial.Genki, "有");
    }

    void printData_data()
    {
        QTest::addColumn<bool>("twin");
        QTest::addColumn<QString>("bikou");
        QTest::addColumn<QStringList>("data");
        QTest::newRow("single") << false << "後産停滞"
                                << QStringList{"5.3.12", "2 ", "♀", "有 ", "有", "和牛 ", "B", "異常", "後産停滞", "", "", ""};
        QTest::newRow("empty remark") << false << ""
                                      << QStringList{"5.3.12", "2 ", "♀", "有 ", "有", "和牛 ", "B", "異常", "", "", "", ""};
        QTest::newRow("twin") << true << "後産停滞"
                              << QStringList{"5.3.12", "2 ", "♀", "有 ", "有", "和牛 ", "B", "異常", "後産停滞", "♀", "無 ", "有"};
    }
    void printData()
    {
        QFETCH(bool, twin);
        QFETCH(QString, bikou);
        QFETCH(QStringList, data);
        BunbenInfoText b = sample(twin);
        b.Bikou = bikou;
        const TiryoboRow row = BookSetup::row({{0, "5.3.12"}, {11, "38.6"}, {12, b.text()}});
        QCOMPARE(IbaragiPrintData::build(row), data);
    }

    void printDataWithoutCalving()
    {
        QCOMPARE(IbaragiPrintData::build(BookSetup::row({{0, "5.3.12"}, {12, "メモ"}})),
                 (QStringList{"5.3.12", "", "", "", "", "", "", "", "", "", "", ""}));
    }
};

NOLVARI_TEST(BunbenInfoTextTest)
#include "BunbenInfoTextTest.moc"
