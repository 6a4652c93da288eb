#include "TestFixture.h"
#include "TestRegistry.h"

#include "common/KarteFolderList.h"
#include "registers/KotaiTable.h"
#include "registers/KotaiYomikomi.h"

#include <QtTest>

class KotaiTableTest : public QObject
{
    Q_OBJECT

    // species, ear tag, birth, sex, name, insurance, colour, features, key, cover
    static QStringList cols(const QString& syurui, const QString& mimi, const QString& meigou = "ハナ",
                            const QString& tokutyo = "", const QString& key = "")
    {
        return {syurui, mimi, "H30.1.2", "雌", meigou, "包", "黒", tokutyo,
                key.isEmpty() ? "H7_00010001_" + mimi + "_0" : key, "-"};
    }

    static QStringList column(const KotaiTable& t, int col)
    {
        QStringList out;
        for (int r = 1; !t.cell(r, KotaiTable::Syurui).isEmpty(); ++r)
            out.append(t.cell(r, col));
        return out;
    }

private slots:
    void rebuildDropsDelRowsAndRowsBelowAGap()
    {
        KotaiTable t(10);
        t.setRow(1, cols("成", "20"));
        t.setRow(2, cols("Del", "5"));
        t.setRow(3, cols("育", "3"));
        t.setRow(5, cols("成", "1"));
        t.gridSet({});
        QCOMPARE(column(t, KotaiTable::Mimi), (QStringList{"3", "20"}));
        QCOMPARE(t.cell(5, KotaiTable::Mimi), QString());
    }

    void rebuildOrders_data()
    {
        QTest::addColumn<bool>("sortCh");
        QTest::addColumn<bool>("ibaragiSortCh");
        QTest::addColumn<QString>("ken");
        QTest::addColumn<QStringList>("mimi");
        QTest::newRow("by ear tag as numbers") << false << false << "" << QStringList{"9", "0010", "12-1", "12-2", "100"};
        QTest::newRow("by species first") << true << false << "" << QStringList{"9", "100", "12-1", "0010", "12-2"};
        QTest::newRow("by name in 茨城県") << false << true << "茨城県" << QStringList{"12-2", "9", "100", "0010", "12-1"};
        QTest::newRow("species wins over name") << true << true << "茨城県" << QStringList{"9", "100", "12-1", "0010", "12-2"};
        QTest::newRow("by name part in 大分県") << false << false << "大分県" << QStringList{"12-2", "9", "100", "0010", "12-1"};
    }
    void rebuildOrders()
    {
        QFETCH(bool, sortCh);
        QFETCH(bool, ibaragiSortCh);
        QFETCH(QString, ken);
        QFETCH(QStringList, mimi);
        KotaiTable t(10);
        t.setRow(1, cols("成", "100", "モモ:2"));
        t.setRow(2, cols("育", "12-2", "アイ"));
        t.setRow(3, cols("成", "9", "モモ:1"));
        t.setRow(4, cols("育", "0010", "ユキ"));
        t.setRow(5, cols("成", "12-1", "ユキ"));
        t.gridSet({sortCh, ibaragiSortCh, ken == "茨城県", ken == "大分県"});
        QCOMPARE(column(t, KotaiTable::Mimi), mimi);
    }

    void deadAndShippedFilter()
    {
        KotaiTable t(10);
        t.setRow(1, cols("成", "3", "ハナ", "H5.1.2 [死亡]"));
        t.setRow(2, cols("成", "1"));
        t.setRow(3, cols("成", "2", "ハナ", "出荷"));
        t.sibouSyukkaHyoji(6, {});
        QCOMPARE(column(t, KotaiTable::Mimi), (QStringList{"3", "1", "2"}));
        t.sibouSyukkaHyoji(7, {});
        QCOMPARE(column(t, KotaiTable::Mimi), (QStringList{"1"}));
        t.sibouSyukkaHyoji(6, {});
        QCOMPARE(column(t, KotaiTable::Mimi), (QStringList{"1"}));
    }

    void freeAndExistingRows()
    {
        KotaiTable t(3);
        const QString k0 = "H7_00010001_1234_0";
        const QString k1 = "H7_00010001_1234_1";
        t.setRow(1, cols("成", "1234", "子", "", k1));
        QCOMPARE(t.akiRow(), 2);
        // Only the calf's chart listed and the calf not clicked: a new own chart in the free row.
        KotaiTable::Kizon k = t.kizonRow(k0, k1, "", t.akiRow());
        QVERIFY(!k.existing);
        QCOMPARE(k.row, 2);
        QCOMPARE(k.key, k0);
        k = t.kizonRow(k0, k1, k1, t.akiRow());
        QCOMPARE(k.row, 1);
        QCOMPARE(k.key, k1);
        t.setRow(2, cols("成", "1234", "親", "", k0));
        k = t.kizonRow(k0, k1, "", t.akiRow());
        QVERIFY(k.existing);
        QCOMPARE(k.row, 2);
        QCOMPARE(k.key, k0);
        t.setRow(3, cols("成", "5"));
        QCOMPARE(t.akiRow(), -1);
    }

    void headerLinesGiveGridRows_data()
    {
        QTest::addColumn<QString>("ken");
        QTest::addColumn<QString>("line1");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("sekinin");
        const QString base = "Main'成'''H30.1.2'雌'ハナ:123''包''1234'黒'白斑'H7_00010001_1234_0'";
        QTest::newRow("new chart, 14 fields") << "" << base << "H7_00010001_1234_0" << "";
        QTest::newRow("register, 17 fields") << "" << base + "'R5.4.1''" << "H7_00010001_1234_0" << "R5.4.1";
        QTest::newRow("typographic separators") << "" << QString(base).replace('\'', QChar(u'\u2019')) + "’R5.4.1’’"
                                                << "H7_00010001_1234_0" << "R5.4.1";
        QTest::newRow("茨城県 date needs a dot") << "茨城県" << base + "'R5''" << "H7_00010001_1234_0" << "";
        QTest::newRow("鳥取県 field 14 date") << "鳥取県" << base + "R4.1.1'x''" << "H7_00010001_1234_0" << "R4.1.1";
        QTest::newRow("older key in field 14") << "" << base + "H15_0001_1234_0'''" << "H15_0001_1234_0" << "";
        QTest::newRow("宮崎県 key in field 12")
            << "宮崎県" << "Main'成'''H30.1.2'雌'ハナ''包''1234'黒'H15_1_1234'x'" << "H15_1_1234" << "";
    }
    void headerLinesGiveGridRows()
    {
        QFETCH(QString, ken);
        QFETCH(QString, line1);
        QFETCH(QString, key);
        QFETCH(QString, sekinin);
        const std::optional<QStringList> row =
            KotaiYomikomi::row("H7_00010001_1234_0.sxd", "Main'東谷'", line1, "00010001", KenInfo::fromName(ken));
        QVERIFY(row);
        QCOMPARE(row->at(KotaiTable::Mimi - 1), QStringLiteral("1234"));
        QCOMPARE(row->at(KotaiTable::Meigou - 1), line1.contains(":") ? QStringLiteral("ハナ:123") : QStringLiteral("ハナ"));
        QCOMPARE(row->at(KotaiTable::KarteKey - 1), key);
        QCOMPARE(row->at(KotaiTable::Sekinin - 1), sekinin);
    }

    void chartsPassedOver()
    {
        const QString line1 = "Main'成'''-'雌'''包''1'''H7_00010001_1_0'";
        QVERIFY(!KotaiYomikomi::row("H7_00010001_1_0.sxd", "", line1, "00010001", Ken::Sonota));
        QVERIFY(!KotaiYomikomi::row("H7_00010001_1_0.sxd", "Main'", "Main'成'", "00010001", Ken::Sonota));
        QVERIFY(!KotaiYomikomi::row("H70_0010001_1_0.sxd", "Main'", line1, "00010001", Ken::Sonota));
    }

    void farmersChartsByNamePrefix()
    {
        TempDataRoot root;
        for (const char* name : {"H7_00010001_1_0.sxd", "h7_00010001_2_0.sxd", "H7_00010002_1_0.sxd",
                                 "H70_0010001_2_0.sxd", "H7_000100011_1_0.sxd", "x.sxd"})
            root.write(QStringLiteral("H7/") + name, {"x"});
        KarteFolderList list;
        list.refresh(root.file("H7"));
        QCOMPARE(KotaiYomikomi::toridasi(list, " 7", "00010001 "), QStringList{"H7_00010001_1_0.sxd"});
    }

    void readsOnlyTheFarmersCharts()
    {
        TempDataRoot root;
        const QString head0 = "Main'東谷'山本'00010001'住所'''''''''''";
        root.write("H7/H7_00010001_2_0.sxd", {head0, "Main'成'''-'雌'ハナ''包''2'''H7_00010001_2_0'''-''", "Name'"});
        root.write("H7/H7_00010001_1_0.sxd", {head0, "Main'育'''-'雄'タロ''個''1'''H7_00010001_1_0'''-''"});
        root.write("H7/H7_00010001_3_0.sxd", {head0});
        TestFixture::writeBytes(root.file("H7/H7_00010001_4_0.sxd"), QByteArray("Main'\r\n\x80\r\n"));
        KotaiTable t(2);
        KarteFolderList list;
        list.refresh(root.file("H7"));
        KotaiYomikomi::read(t, KotaiYomikomi::toridasi(list, "7", "00010001"), list.folder(), "00010001", Ken::Sonota);
        QCOMPARE(t.cell(1, KotaiTable::Meigou), QStringLiteral("タロ"));
        QCOMPARE(t.cell(2, KotaiTable::Meigou), QStringLiteral("ハナ"));
    }
};

NOLVARI_TEST(KotaiTableTest)
#include "KotaiTableTest.moc"
