#include "TestRegistry.h"

#include "treatment/TiryoLine.h"

#include <QtTest>

Q_DECLARE_METATYPE(TiryoLine)

namespace {
// TyusyaOut: name, standard, unit price, base B, base A, surcharge B, surcharge A, B total,
// A total, method, quantity, surcharge conditions.
QStringList tyusyaOut(const QString& price, const QString& quantity, const QString& zouB = "0",
                      const QString& zouA = "0", const QString& method = "筋肉内注射", const QString& jyouken = "")
{
    return {"薬A", "500ml", price, "40", "36", zouB, zouA, "60", "56", method, quantity, jyouken};
}
}

class TiryoLineTest : public QObject
{
    Q_OBJECT

private slots:
    void lines_data()
    {
        QTest::addColumn<TiryoLine>("line");
        QTest::addColumn<QStringList>("cells");
        const QStringList ousin{"夜間", "12", "10～16", "45", "40"};
        QTest::newRow("house call") << TiryoLine::ousin(ousin, "")
                                    << QStringList{"往診", "12km", "夜間:10～16", "", "", "45", "40", ""};
        QTest::newRow("house call with place") << TiryoLine::ousin(ousin, "X")
                                               << QStringList{"往診", "12km：X宅より", "夜間:10～16", "", "", "45", "40", ""};
        QTest::newRow("house call, distance 0") << TiryoLine::ousin({"日中", "0", "0.5k以内", "45", "40"}, "X")
                                                << QStringList{"往診", "同時診療", "", "", "", "", "", ""};
        QTest::newRow("stay") << TiryoLine::ousin({"滞在診", "3", "", "80", "70"}, "X")
                              << QStringList{"滞在診", "", "", "", "", "80", "70", ""};
        QTest::newRow("injection 2.5 x 60") << TiryoLine::tyusya(tyusyaOut("60", "2.5"), Ken::Oita, false, false)
                                            << QStringList{"筋肉内注射", "薬A", "500ml", "2.5", "150", "60", "56", "40･36･0･0"};
        QTest::newRow("injection 3 x 37.4") << TiryoLine::tyusya(tyusyaOut("37.4", "3"), Ken::Oita, false, false)
                                            << QStringList{"筋肉内注射", "薬A", "500ml", "3", "112.2", "60", "56", "40･36･0･0"};
        QTest::newRow("method none") << TiryoLine::tyusya(tyusyaOut("10", "1", "0", "0", "無"), Ken::Oita, false, false)
                                     << QStringList{"診療点数無", "薬A", "500ml", "1", "10", "60", "56", "40･36･0･0"};
        QTest::newRow("鳥取県 surcharges") << TiryoLine::tyusya(tyusyaOut("10", "1", "20", "20"), Ken::Tottori, false, false)
                                          << QStringList{"筋肉内注射", "薬A", "500ml増点B=20増点A=20", "1", "10", "60", "56", "40･36･20･20"};
        QTest::newRow("鳥取県 B surcharge only")
            << TiryoLine::tyusya(tyusyaOut("10", "1", "20", "0", "静脈内注射", "夜間"), Ken::Tottori, false, true)
            << QStringList{"静脈内注射", "薬A", "500ml増点B=20夜間", "1", "10", "60", "56", "40･36･20･0"};
        QTest::newRow("鳥取県 plain intravenous")
            << TiryoLine::tyusya(tyusyaOut("10", "1", "20", "20", "静脈内注射"), Ken::Tottori, true, false)
            << QStringList{"静脈内注射", "薬A", "500ml", "1", "10", "60", "56", "40･36･20･20"};
        QTest::newRow("群馬県 conditions") << TiryoLine::tyusya(tyusyaOut("10", "1", "20", "0", "皮下注射", "夜間 休日"), Ken::Gunma, false, false)
                                           << QStringList{"皮下注射", "薬A", "500ml:夜間 休日", "1", "10", "60", "56", "40･36･20･0"};
        QTest::newRow("沖縄県 arterial") << TiryoLine::tyusya(tyusyaOut("10", "1", "5", "0", "点滴注射", "動脈内注射"), Ken::Okinawa, false, false)
                                         << QStringList{"動脈内注射", "薬A", "500ml", "1", "10", "60", "56", "40･36･5･0"};
        QTest::newRow("drug with prescription unit")
            << TiryoLine::yakuji({"薬B", "500ml", "1000", "10", "9", "0", "0", "10", "9", "調剤要", "2", "100", "500", "ml"})
            << QStringList{"調剤要", "薬B", "500ml(処方単位:100ml)", "2", "400", "10", "9", "10･9･0･0"};
        QTest::newRow("drug of its base quantity")
            << TiryoLine::yakuji({"薬B", "500ml", "1000", "10", "9", "0", "0", "10", "9", "経口", "2", "500", "500", "ml"})
            << QStringList{"経口", "薬B", "500ml", "2", "2000", "10", "9", "10･9･0･0"};
        QTest::newRow("treatment code") << TiryoLine::sinryo({"処置A", "30", "27", "30", "27", "0", "0", "30", "27", ""}, "処置", Ken::Mie)
                                        << QStringList{"処置", "処置A", "", "", "", "30", "27", "30･27･0･0"};
        QTest::newRow("treatment code surcharge") << TiryoLine::sinryo({"検査A", "30", "27", "30", "27", "10", "0", "40", "27", "休日"}, "検査", Ken::Mie)
                                                  << QStringList{"検査", "検査A", "増点 B=10A=0", "", "", "40", "27", "30･27･10･0"};
        QTest::newRow("群馬県 code, no conditions") << TiryoLine::sinryo({"検査A", "30", "27", "30", "27", "10", "0", "40", "27", ""}, "検査", Ken::Gunma)
                                                    << QStringList{"検査", "検査A", "", "", "", "40", "27", "30･27･10･0"};
        const TiryoLine old = TiryoLine::tyusya(tyusyaOut("60", "2.5"), Ken::Oita, false, false);
        QTest::newRow("PL test keeps the breakdown") << TiryoLine::plTest(old, "++--")
                                                     << QStringList{"PLテスト結果", "++--", "", "", "", "", "", "40･36･0･0"};
        QTest::newRow("outside the tables") << TiryoLine::tensuGai(TiryoLine(), "削蹄")
                                            << QStringList{"点数外入力", "削蹄", "", "", "", "", "", ""};
        QTest::newRow("宮崎県 house call") << TiryoLine::miyazakiOusin({"夜間：10～16", "12", "0101", "一般", ""})
                                           << QStringList{"往診", "12km", "夜間：10～16", "", "0101", "", "", ""};
        QTest::newRow("宮崎県 other call") << TiryoLine::miyazakiOusin({"", "0", "0110", "滞在診", ""})
                                           << QStringList{"滞在診", "", "", "", "0110", "", "", ""};
        QTest::newRow("宮崎県 injection") << TiryoLine::miyazakiTyusya({"Y001", "薬A", "100", "ml", "0301", "筋肉内注射", "筋注", "2"})
                                          << QStringList{"筋肉内注射", "薬A", "100ml", "2", "0301", "Y001", "", ""};
        QTest::newRow("宮崎県 no fee class") << TiryoLine::miyazakiTyusya({"Y001", "薬A", "100", "ml", "", "診療区分無", "", "2"})
                                             << QStringList{"診療区分無", "薬A", "", "2", "", "Y001", "", ""};
        QTest::newRow("宮崎県 treatment code") << TiryoLine::miyazakiSinryo({"0501", "直腸検査", "一般", "", "", "", "", ""}, "検査")
                                               << QStringList{"検査", "直腸検査", "一般", "", "0501", "", "", ""};
        // The code entry rewrites a Miyazaki line by the category of the fee code typed.
        const TiryoLine coded({"処置", "旧", "旧規格", "3", "0301", "Y9", "120", "45"});
        const auto code = [&](const QStringList& out) { return TiryoLine::miyazakiCode(coded, out).value_or(TiryoLine()); };
        QTest::newRow("宮崎県 code: house call keeps price and points")
            << code({"", "", "", "2", "0102", "往診", "日中", "", "0"})
            << QStringList{"往診", "2km", "日中", "", "0102", "", "120", "45"};
        QTest::newRow("宮崎県 code: injection")
            << code({"1301", "フルニキシン", "50", "mL", "0501", "注射", "筋肉内注射:", "2", "0"})
            << QStringList{"筋肉内注射", "フルニキシン", "50mL", "2", "0501", "1301", "", ""};
        QTest::newRow("宮崎県 code: fee code left out with *")
            << code({"2001", "ビフィズス", "500", "g", "0201", "薬治", "薬治:", "1", "1"})
            << QStringList{"薬治", "ビフィズス", "500g", "1", "", "2001", "", ""};
        QTest::newRow("宮崎県 code: test") << code({"", "", "", "", "0401", "検査", "血液検査:一般", "", "0"})
                                           << QStringList{"検査", "血液検査", "一般", "", "0401", "", "", ""};
        QTest::newRow("宮崎県 code: other category, unchanged") << code({"", "", "", "", "0001", "診察", "初診:", "", "0"})
                                                                << QStringList{};
        QTest::newRow("宮崎県 code: closed") << code({"non", "", "", "", "0401", "検査", "血液検査:一般", "", "0"})
                                             << QStringList{};
    }
    void lines()
    {
        QFETCH(TiryoLine, line);
        QFETCH(QStringList, cells);
        QCOMPARE(line.cells(), cells.isEmpty() ? TiryoLine().cells() : cells);
    }

    void emptyAndOccupied()
    {
        TiryoLine line;
        QVERIFY(line.isEmpty());
        QVERIFY(!line.occupied());
        line.setText(TiryoLine::Utiwake, QStringLiteral("1･1･0･0"));
        QVERIFY(!line.isEmpty());
        QVERIFY(!line.occupied());
        QCOMPARE(TiryoLine::yakkaColumn(TiryoLine::isMiyazaki(Ken::Miyazaki)), 7);
        QCOMPARE(TiryoLine::bTenColumn(TiryoLine::isMiyazaki(Ken::Tottori)), 6);
    }
};

NOLVARI_TEST(TiryoLineTest)
#include "TiryoLineTest.moc"
