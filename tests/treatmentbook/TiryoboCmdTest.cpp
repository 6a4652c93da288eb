#include "BookSetup.h"
#include "TestRegistry.h"

#include "treatmentbook/TiryoboBook.h"
#include "treatmentbook/TiryoboCmdCheck.h"
#include "treatmentbook/TiryoboEntryCmd.h"

#include <QtTest>

namespace {
QStringList tiryo(const TiryoboRow& row)
{
    return row.cellList().mid(3, 8);
}

QStringList out(int size, const QList<QPair<int, QString>>& values)
{
    QStringList list(size);
    for (const auto& v : values)
        list[v.first] = v.second;
    return list;
}

TiryoboBook bookAt(const TiryoboRow& row, int selRow = 4)
{
    TiryoboBook book = TiryoboBook::fresh();
    book.row(4) = row;
    book.Row = 4;
    book.SelRow = selRow;
    return book;
}
}

class TiryoboCmdTest : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        TestFixture::resetGlobals();
    }

    void treatmentLines_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<QStringList>("result");
        QTest::addColumn<QStringList>("cells");
        QTest::newRow("house call 12 km")
            << int(TiryoboCmdCheck::Ousin) << QStringList{"日中", "12", "15k以内", "120", "100"}
            << QStringList{"往診", "12km", "日中:15k以内", "", "", "120", "100", ""};
        QTest::newRow("house call 0 km") << int(TiryoboCmdCheck::Ousin) << QStringList{"日中", "0", "", "50", "40"}
                                         << QStringList{"同時診療", "", "", "", "", "", "", ""};
        QTest::newRow("injection 120 x 2.5")
            << int(TiryoboCmdCheck::Tyusya)
            << out(12, {{0, "ペニシリン"}, {1, "100ml"}, {2, "120"}, {3, "30"}, {4, "25"}, {5, "0"}, {6, "0"},
                        {7, "60"}, {8, "50"}, {9, "筋肉内注射"}, {10, "2.5"}})
            << QStringList{"筋肉内注射", "ペニシリン", "100ml", "2.5", "300", "60", "50", "30･25･0･0"};
        QTest::newRow("injection without method")
            << int(TiryoboCmdCheck::Tyusya) << out(12, {{0, "A"}, {2, "10"}, {9, "無"}, {10, "1"}})
            << QStringList{"診療点数無", "A", "", "1", "10", "", "", "･･･"};
        QTest::newRow("drug in another unit")
            << int(TiryoboCmdCheck::Yakuji)
            << out(14, {{0, "軟膏"}, {1, "10g"}, {2, "500"}, {3, "10"}, {4, "8"}, {5, "0"}, {6, "0"}, {7, "12"},
                        {8, "10"}, {9, "外用"}, {10, "3"}, {11, "2"}, {12, "10"}, {13, "g"}})
            << QStringList{"外用", "軟膏", "10g(処方単位:2g)", "3", "300", "12", "10", "10･8･0･0"};
        QTest::newRow("drug in its base unit")
            << int(TiryoboCmdCheck::Yakuji)
            << out(14, {{0, "散剤"}, {2, "40"}, {9, "経口"}, {10, "3"}, {11, "10"}, {12, "10"}})
            << QStringList{"経口", "散剤", "", "3", "120", "", "", "･･･"};
        QTest::newRow("treatment code with surcharge")
            << int(TiryoboCmdCheck::Syochi)
            << out(11, {{0, "洗浄"}, {3, "40"}, {4, "30"}, {5, "10"}, {6, "5"}, {7, "50"}, {8, "35"}})
            << QStringList{"処置", "洗浄", "増点 B=10A=5", "", "", "50", "35", "40･30･10･5"};
        QTest::newRow("treatment code without surcharge")
            << int(TiryoboCmdCheck::Kensa)
            << out(11, {{0, "血液検査"}, {3, "40"}, {4, "30"}, {5, "0"}, {6, "0"}, {7, "40"}, {8, "30"}})
            << QStringList{"検査", "血液検査", "", "", "", "40", "30", "40･30･0･0"};
    }
    void treatmentLines()
    {
        QFETCH(int, code);
        QFETCH(QStringList, result);
        QFETCH(QStringList, cells);
        TiryoboRow row = BookSetup::row({{0, "5.3.1"}, {3, "old"}, {10, "old"}, {16, "keep"}});
        switch (code) {
        case TiryoboCmdCheck::Ousin: TiryoboEntryCmd::ousin(row, result); break;
        case TiryoboCmdCheck::Tyusya: TiryoboEntryCmd::tyusya(row, result); break;
        case TiryoboCmdCheck::Yakuji: QVERIFY(!TiryoboEntryCmd::yakuji(row, result)); break;
        case TiryoboCmdCheck::Syochi: TiryoboEntryCmd::sinryo(row, result, "処置"); break;
        default: TiryoboEntryCmd::sinryo(row, result, "検査"); break;
        }
        QCOMPARE(tiryo(row), cells);
        QCOMPARE(row.at(0), "5.3.1");
        QCOMPARE(row.at(16), "keep");
    }

    void nothingChosenLeavesTheRow()
    {
        const TiryoboRow before = BookSetup::row({{3, "注射"}, {4, "A"}});
        TiryoboRow row = before;
        TiryoboEntryCmd::ousin(row, QStringList(5));
        TiryoboEntryCmd::tyusya(row, QStringList(12));
        QVERIFY(!TiryoboEntryCmd::yakuji(row, QStringList(14)));
        TiryoboEntryCmd::sinryo(row, QStringList(11), "処置");
        TiryoboEntryCmd::plTest(row, QString());
        QCOMPARE(row.cells, before.cells);
    }

    void drugWithoutBaseQuantityLeavesThePriceEmpty_data()
    {
        QTest::addColumn<QString>("base");
        QTest::newRow("0") << "0";
        QTest::newRow("no number") << "g";
    }
    void drugWithoutBaseQuantityLeavesThePriceEmpty()
    {
        QFETCH(QString, base);
        TiryoboRow row;
        const TiryoboNotice notice = TiryoboEntryCmd::yakuji(
            row, out(14, {{0, "軟膏"}, {2, "500"}, {9, "外用"}, {10, "3"}, {11, "2"}, {12, base}, {13, "g"}}));
        QVERIFY(notice);
        QVERIFY(notice->text.contains("軟膏"));
        QCOMPARE(row.at(TiryoboRow::Naiyou), "軟膏");
        QCOMPARE(row.at(TiryoboRow::Yakka), "");
    }

    void saisinAndPlTest()
    {
        TiryoboRow row = BookSetup::row({{3, "注射"}, {4, "A"}, {5, "B"}, {6, "1"}, {7, "10"}, {10, "1･2･3･4"}});
        TiryoboEntryCmd::saisin(row);
        QCOMPARE(tiryo(row), (QStringList{"再診", "", "", "", "", "55", "7", ""}));
        TiryoboEntryCmd::plTest(row, "前左 +  前右 -  後左 ±  後右 -");
        QCOMPARE(tiryo(row), (QStringList{"PLテスト結果", "前左 +  前右 -  後左 ±  後右 -", "", "", "", "", "", ""}));
        QCOMPARE(TiryoboEntryCmd::plTestIn(row, true), "前左 +  前右 -  後左 ±  後右 -");
        QCOMPARE(TiryoboEntryCmd::plTestIn(row, false), "");
        TiryoboEntryCmd::saisin(row);
        QCOMPARE(TiryoboEntryCmd::plTestIn(row, true), "");
    }

    void bunsyoIsTakenInTheChart()
    {
        QCOMPARE(TiryoboEntryCmd::bunsyoRule(Ken::Ibaraki), TiryoboEntryCmd::BunsyoRule::Refuse);
        QCOMPARE(TiryoboEntryCmd::bunsyoRule(Ken::Miyazaki), TiryoboEntryCmd::BunsyoRule::Silent);
        QCOMPARE(TiryoboEntryCmd::bunsyoRule(Ken::Oita), TiryoboEntryCmd::BunsyoRule::Open);
        QCOMPARE(TiryoboEntryCmd::bunsyoMessage().text, "文書料はカルテで入力してください。");
    }

    void cellResults()
    {
        TiryoboRow row = BookSetup::row({{1, "乳房炎:1-2-3"}, {11, "38.5"}, {12, "a\r\nb"}, {14, "洗浄:1"}});
        TiryoboEntryCmd::byoMei(row, "", "");
        QCOMPARE(row.at(1), "乳房炎:1-2-3");
        TiryoboEntryCmd::byoMei(row, "del", "");
        QCOMPARE(row.at(1), "");
        TiryoboEntryCmd::byoMei(row, "第四胃変位", "04-02-1");
        QCOMPARE(row.at(1), "第四胃変位:04-02-1");

        QCOMPARE(TiryoboEntryCmd::bunbenIn(row), "a\tb");
        TiryoboEntryCmd::bunben(row, "NON");
        QCOMPARE(row.at(12), "a\r\nb");
        TiryoboEntryCmd::bunben(row, "Del");
        QCOMPARE(row.at(12), "");

        TiryoboEntryCmd::taion(row, "Non");
        QCOMPARE(row.at(11), "38.5");
        TiryoboEntryCmd::taion(row, "");
        QCOMPARE(row.at(11), "");

        TiryoboEntryCmd::syochiGai(row, "");
        QCOMPARE(row.at(14), "洗浄:1");

        std::array<QString, 9> syoken{"a", "", "b"};
        QCOMPARE(TiryoboEntryCmd::syoken(row, syoken), (QStringList{"a", "b"}));
        QCOMPARE(row.at(18), "a:b:");
        QCOMPARE(TiryoboEntryCmd::syoken(row, {}), QStringList());
        QCOMPARE(row.at(18), "");

        QCOMPARE(TiryoboEntryCmd::pict2In(row), "::::");
        row.set(17, "3:0::a:");
        QCOMPARE(TiryoboEntryCmd::pict2In(row), "3:0::a:");
    }

    void commonChecks_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("selRow");
        QTest::addColumn<QString>("date");
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("title");
        const QString noRow = "入力する行を選択してください。";
        const QString end = "「治療終了」が記入されている行には入力できません。";
        const QString marking = "行選択を解除してください。";
        QTest::newRow("injection, no row") << 1 << -1 << "" << 0 << noRow << "確認";
        QTest::newRow("print, no row") << 26 << -1 << "" << 0 << "印刷する日の日付入力行を選択してください。" << "確認";
        QTest::newRow("injection on the end row") << 1 << 4 << "治療終了" << 0 << end << "";
        QTest::newRow("row deletion on the end row") << 9 << 4 << "治療終了" << 0 << "" << "";
        QTest::newRow("entry while marking") << 20 << 4 << "" << 1 << marking << "確認";
        QTest::newRow("size caption while marking") << 40 << 4 << "" << 1 << marking << "確認";
        QTest::newRow("chart while marking") << 29 << -1 << "" << 1 << "" << "";
        QTest::newRow("day paste while marking") << 35 << -1 << "" << 1 << "" << "";
        QTest::newRow("partner's day copy") << 37 << -1 << "" << 1 << "" << "";
        QTest::newRow("closing label") << 15 << 4 << "" << 0 << "" << "";
    }
    void commonChecks()
    {
        QFETCH(int, code);
        QFETCH(int, selRow);
        QFETCH(QString, date);
        QFETCH(int, mode);
        QFETCH(QString, message);
        QFETCH(QString, title);
        TiryoboBook book = bookAt(BookSetup::row({{0, date}}), selRow);
        book.GyoSiteiMode = mode;
        const TiryoboNotice notice = TiryoboCmdCheck::common(book, code);
        QCOMPARE(notice ? notice->text : QString(), message);
        if (notice)
            QCOMPARE(notice->title, title);
    }

    void dateRowMessages_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("message");
        QTest::newRow("course") << 18 << "現症経過は日付が入力してある行にのみ入力できます。";
        QTest::newRow("disease") << 21 << "病名は日付が入力してある行にのみ入力できます。";
        QTest::newRow("pictures") << 24 << "子宮画像は、日付が入力してある行にのみ入力できます。";
        QTest::newRow("sire") << 25 << "種名は、日付が入力してある行にのみ入力できます。";
        QTest::newRow("print") << 26 << "印刷は、日付が入力してある行を選択してください。";
        QTest::newRow("calving") << 27 << "分娩情報は、日付が入力してある行にのみ入力できます。";
        QTest::newRow("temperature") << 28 << "体温は、日付が入力してある行にのみ入力できます。";
        QTest::newRow("management on any row") << 20 << "";
        QTest::newRow("outside the insurance on any row") << 22 << "";
        QTest::newRow("findings on any row") << 23 << "";
    }
    void dateRowMessages()
    {
        QFETCH(int, code);
        QFETCH(QString, message);
        const TiryoboNotice refused = TiryoboCmdCheck::dateRow(bookAt(TiryoboRow()), code);
        QCOMPARE(refused ? refused->text : QString(), message);
        QVERIFY(!TiryoboCmdCheck::dateRow(bookAt(BookSetup::row({{0, "5.3.1"}})), code));
    }

    void layoutAfterCommands()
    {
        QCOMPARE(TiryoboCmdCheck::layoutAfter(35), TiryoboCmdCheck::Layout::AllRows);
        QCOMPARE(TiryoboCmdCheck::layoutAfter(32), TiryoboCmdCheck::Layout::AllRows);
        for (int code : {15, 29, 30, 31, 33})
            QCOMPARE(TiryoboCmdCheck::layoutAfter(code), TiryoboCmdCheck::Layout::None);
        QCOMPARE(TiryoboCmdCheck::layoutAfter(1), TiryoboCmdCheck::Layout::CurrentRow);
    }
};

NOLVARI_TEST(TiryoboCmdTest)
#include "TiryoboCmdTest.moc"
