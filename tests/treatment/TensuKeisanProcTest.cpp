#include "TestRegistry.h"

#include "chart/KarteEpisode.h"
#include "treatment/TensuKeisanProc.h"
#include "treatment/TensuText.h"

#include <QtTest>

namespace {
// Lines given as "price/B/A" (common) or "quantity/fee code/drug code/price/B" (宮崎県), placed
// one after another over the examinations, seven to an examination.
KarteEpisode episodeOf(const QStringList& lines, bool miyazaki)
{
    KarteEpisode episode;
    for (int i = 0; i < lines.size(); ++i) {
        const QStringList v = lines.at(i).split(QLatin1Char('/'));
        TiryoLine line;
        if (miyazaki) {
            line.setText(TiryoLine::Suuryou, v.value(0));
            line.setText(TiryoLine::SinryoCode, v.value(1));
            line.setText(TiryoLine::YakuhinCode, v.value(2));
            line.setText(TiryoLine::MiyazakiYakka, v.value(3));
            line.setText(TiryoLine::MiyazakiBTen, v.value(4));
        } else {
            line.setText(TiryoLine::Yakka, v.value(0));
            line.setText(TiryoLine::BTen, v.value(1));
            line.setText(TiryoLine::ATen, v.value(2));
        }
        episode.setTiryo(i / 7, i % 7, line);
    }
    return episode;
}

QStringList cells(const TotalGrid& g)
{
    return {g.text(1, 1), g.text(2, 1), g.text(1, 3), g.text(1, 4), g.text(2, 3), g.text(2, 4), g.text(1, 6), g.text(2, 6)};
}

MiyazakiDataGrid miyazakiTables()
{
    // Drug lines: code in field 2, base quantity in field 5, unit price in field 8; fee lines:
    // code in field 1, B points in field 5.
    return MiyazakiDataGrid::fromTables(
        {"注'薬A'Y001'''1''*'100'", "注'薬B'Y002'''1''*'12.5'", "注'薬A2'Y001'''1''*'999'", ""},
        {"往診'S01''''40'", "処置'S02''''12.5'", ""});
}
}

class TensuKeisanProcTest : public QObject
{
    Q_OBJECT

private slots:
    void numberTexts_data()
    {
        QTest::addColumn<float>("value");
        QTest::addColumn<QString>("number");
        QTest::addColumn<QString>("whole");
        QTest::addColumn<QString>("kingaku");
        QTest::newRow("zero") << 0.0f << "0" << "" << "";
        QTest::newRow("whole") << 250.0f << "250" << "250" << "250";
        QTest::newRow("tenths") << 1234.5f << "1234.5" << "1235" << "1,235";
        QTest::newRow("single precision") << 112.2f << "112.2" << "112" << "112";
        QTest::newRow("half rounds up") << 12.5f << "12.5" << "13" << "13";
        QTest::newRow("negative half") << -12.5f << "-12.5" << "-13" << "-13";
        QTest::newRow("below a half") << 0.4f << "0.4" << "" << "";
        QTest::newRow("seven digits") << 12345678.0f << "12345680" << "12345678" << "12,345,678";
        QTest::newRow("small") << 0.000125f << "0.000125" << "" << "";
        QTest::newRow("thousands") << 1234567.0f << "1234567" << "1234567" << "1,234,567";
    }
    void numberTexts()
    {
        QFETCH(float, value);
        QFETCH(QString, number);
        QFETCH(QString, whole);
        QFETCH(QString, kingaku);
        QCOMPARE(TensuText::number(value), number);
        QCOMPARE(TensuText::whole(value), whole);
        QCOMPARE(TensuText::kingaku(value), kingaku);
    }

    void commonTotals_data()
    {
        QTest::addColumn<QStringList>("lines");
        // (1,1) price total, (2,1) price points, (1,3) B sum, (1,4) A sum, (2,3) B total,
        // (2,4) A total, (1,6) fee, (2,6)
        QTest::addColumn<QStringList>("totals");
        QTest::newRow("no lines") << QStringList{} << QStringList{"", "", "", "", "0", "0", "", ""};
        QTest::newRow("125 yen, B 100") << QStringList{"125/100/90"}
                                        << QStringList{"125", "13", "100", "90", "113", "103", "1,130", ""};
        QTest::newRow("124 yen") << QStringList{"100/40/", "24/60/"} << QStringList{"124", "12", "100", "", "112", "12", "1,120", ""};
        QTest::newRow("3 yen") << QStringList{"3/50/"} << QStringList{"3", "0", "50", "", "50", "0", "500", ""};
        QTest::newRow("halves of B") << QStringList{"/12.5/", "/12.5/"} << QStringList{"", "", "25", "", "25", "0", "250", ""};
        QTest::newRow("half a point of fee") << QStringList{"/0.05/"} << QStringList{"", "", "0.05", "", "0.05", "0", "1", ""};
        QTest::newRow("comma and blank") << QStringList{"1,200/ /"} << QStringList{"1", "0", "", "", "0", "0", "", ""};
        QTest::newRow("A only") << QStringList{"//500"} << QStringList{"", "", "", "500", "0", "500", "", ""};
        QTest::newRow("minus ten") << QStringList{"/30/", "/-10/"} << QStringList{"", "", "20", "", "20", "0", "200", ""};
        QTest::newRow("price cancelled out") << QStringList{"125//", "-125//"} << QStringList{"", "", "", "", "0", "0", "", ""};
        QTest::newRow("past a 16-bit point count") << QStringList{"400000/10/"}
                                                   << QStringList{"400000", "40000", "10", "", "40010", "40000", "400,100", ""};
        QTest::newRow("price past the limit") << QStringList{"1e30/10/", "100//"}
                                              << QStringList{"100", "10", "10", "", "20", "10", "200", ""};
        QTest::newRow("points past the limit") << QStringList{"/1e300/1e20", "/5/"}
                                               << QStringList{"", "", "5", "", "5", "0", "50", ""};
        QTest::newRow("lines in every examination")
            << QStringList(140, QStringLiteral("10/1/1")) << QStringList{"1400", "140", "140", "140", "280", "280", "2,800", ""};
    }
    void commonTotals()
    {
        QFETCH(QStringList, lines);
        QFETCH(QStringList, totals);
        KarteEpisode episode = episodeOf(lines, false);
        const KarteEpisode before = episode;
        const TotalGrid grid = TensuKeisanProc(Ken::Tottori).run(episode);
        QCOMPARE(cells(grid), totals);
        QVERIFY(episode.block() == before.block());
        episode.setTotals(grid);
        const KarteData3Record d3 = episode.data3();
        QCOMPARE((QStringList{d3.YakkaGoukei, d3.YakkaTensu, d3.BGoukei, d3.AGoukei, d3.BTotal, d3.ATotal, d3.Ryoukin, d3.Field9}),
                 totals);
    }

    void drugPricePoints_data()
    {
        QTest::addColumn<float>("yen");
        QTest::addColumn<qint64>("points");
        QTest::newRow("4 yen") << 4.0f << qint64(0);
        QTest::newRow("5 yen") << 5.0f << qint64(1);
        QTest::newRow("124 yen") << 124.0f << qint64(12);
        QTest::newRow("125 yen") << 125.0f << qint64(13);
        QTest::newRow("327,675 yen") << 327675.0f << qint64(32768);
        QTest::newRow("minus 125 yen") << -125.0f << qint64(-13);
    }
    void drugPricePoints()
    {
        QFETCH(float, yen);
        QFETCH(qint64, points);
        QCOMPARE(TensuKeisanProc::yakkaTensu(yen), points);
    }

    void miyazakiTotals_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QStringList>("totals");
        QTest::addColumn<QStringList>("filled"); // price and B cells of the lines afterwards
        QTest::newRow("no coded lines") << QStringList{"1///100/50"} << QStringList{"0", "", "0", "", "0", "0", "", ""}
                                        << QStringList{"100/50"};
        QTest::newRow("drug found") << QStringList{"2.5//Y001//"} << QStringList{"250", "", "0", "", "0", "250", "250", ""}
                                    << QStringList{"100/"};
        QTest::newRow("first of two rows") << QStringList{"1//Y001//"} << QStringList{"100", "", "0", "", "0", "100", "100", ""}
                                           << QStringList{"100/"};
        QTest::newRow("price of 12.5") << QStringList{"2//Y002//"} << QStringList{"25", "", "0", "", "0", "25", "30", ""}
                                       << QStringList{"13/"};
        QTest::newRow("fee code") << QStringList{"1/S01///", "3/S02///"} << QStringList{"0", "", "52.5", "", "52.5", "0", "525", ""}
                                  << QStringList{"/40", "/13"};
        QTest::newRow("B cell kept") << QStringList{"1/S01//7/70"} << QStringList{"0", "", "70", "", "70", "0", "700", ""}
                                     << QStringList{"7/70"};
        QTest::newRow("unknown drug") << QStringList{"3//Y999//"} << QStringList{"0", "", "0", "", "0", "0", "", ""}
                                      << QStringList{"/"};
        QTest::newRow("3 yen and B 50") << QStringList{"1//Y003/3/", "1/S9/Y0/0/50"}
                                        << QStringList{"3", "", "50", "", "50", "3", "500", ""} << QStringList{"3/", "0/50"};
    }
    void miyazakiTotals()
    {
        QFETCH(QStringList, lines);
        QFETCH(QStringList, totals);
        QFETCH(QStringList, filled);
        KarteEpisode episode = episodeOf(lines, true);
        const TotalGrid grid = TensuKeisanProc(Ken::Miyazaki, miyazakiTables()).run(episode);
        QCOMPARE(cells(grid), totals);
        for (int i = 0; i < filled.size(); ++i) {
            const TiryoLine line = episode.tiryo(i / 7, i % 7);
            QCOMPARE(line.text(TiryoLine::MiyazakiYakka) + QLatin1Char('/') + line.text(TiryoLine::MiyazakiBTen), filled.at(i));
        }
    }

    void miyazakiFilledPriceCountsNextTime()
    {
        KarteEpisode episode = episodeOf({"2//Y002//"}, true);
        const TensuKeisanProc keisan(Ken::Miyazaki, miyazakiTables());
        QCOMPARE(keisan.run(episode).aTotal(), QStringLiteral("25"));
        QCOMPARE(keisan.run(episode).aTotal(), QStringLiteral("26"));
    }
};

NOLVARI_TEST(TensuKeisanProcTest)
#include "TensuKeisanProcTest.moc"
