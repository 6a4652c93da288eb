#include "TestFixture.h"
#include "TestRegistry.h"

#include "treatment/JyoYakuList.h"
#include "treatment/YakuhinRows.h"
#include "treatment/ZotenTensu.h"

#include <QtTest>

namespace {
const QStringList Table{
    "注あ'アンピシリンKSK注'1g1V'*'312''1'V",
    "注あ'アミノ酸注'500mL1袋'*'''500'mL",
    "注へ'ヘパリン注'5mL1A'g5'g6''5'mL",
    "注ヘ'ヘモ注'1S'*'50''1'S",
    "内り'リン散'100g'*'200''100'g",
    "内リ'リモ散'100g'*'300''100'g",
    "",
    "注あ'後の行'1A'*'10''1'A",
};
}

class JyoYakuListTest : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        TestFixture::resetGlobals();
    }

    void normalize_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<bool>("withSyringe");
        QTest::addColumn<QString>("normal");
        QTest::newRow("unit words") << "注'薬'1バイアル1パイアル1瓶1管" << true << "注'薬'1V1V1V1A";
        QTest::newRow("KMK") << "注'KMK注'1V" << true << "注'KSK注'1V";
        QTest::newRow("syringe, injections") << "注'薬'1シリンジ" << true << "注'薬'1S";
        QTest::newRow("syringe kept, drug classes") << "内'薬'1シリンジ1管" << false << "内'薬'1シリンジ1A";
    }
    void normalize()
    {
        QFETCH(QString, line);
        QFETCH(bool, withSyringe);
        QFETCH(QString, normal);
        QCOMPARE(JyoYakuList::normalize(line, withSyringe), normal);
    }

    // Both sides are normalised: a drug whose own name or standard holds a unit word is found
    // again, so it is neither appended twice nor left behind by a removal; lines keep their text.
    void registerAndRemove()
    {
        TempDataRoot root;
        root.write("code/Record1.ini", {"注'アンピシリンKMK注'1g1バイアル", "注'薬B'10mL1V"});
        JyoYakuList list(1);
        QCOMPARE(list.touroku(JyoYakuList::line("注", " アンピシリンKSK注 ", "1g1V"), true), JyoYakuList::AlreadyRegistered);
        const QString syringe = JyoYakuList::line("注", "薬C", "1シリンジ");
        QCOMPARE(list.touroku(syringe, true), JyoYakuList::Registered);
        QCOMPARE(list.touroku(syringe, true), JyoYakuList::AlreadyRegistered);
        const QString kan = JyoYakuList::line("注", "薬D", "1管");
        QCOMPARE(list.touroku(kan, true), JyoYakuList::Registered);
        QCOMPARE(TestFixture::readCp932(root.file("code/Record1.ini")),
                 (QStringList{"注'アンピシリンKMK注'1g1バイアル", "注'薬B'10mL1V", "注'薬C'1シリンジ", "注'薬D'1管"}));
        QCOMPARE(list.sakujyo(kan, true), JyoYakuList::Removed);
        QCOMPARE(list.sakujyo(JyoYakuList::line("注", "薬Z", "1A"), true), JyoYakuList::NotFound);
        QCOMPARE(list.sakujyo(JyoYakuList::line("注", "アンピシリンKSK注", "1g1V"), true), JyoYakuList::Removed);
        QCOMPARE(TestFixture::readCp932(root.file("code/Record1.ini")), (QStringList{"注'薬B'10mL1V", "注'薬C'1シリンジ"}));
        QCOMPARE(list.message(JyoYakuList::Registered), QStringLiteral("選択された薬を登録しました。"));
        QCOMPARE(list.message(JyoYakuList::AlreadyRegistered), QStringLiteral("既に登録されています。"));
        QCOMPARE(list.message(JyoYakuList::Removed), QStringLiteral("選択された薬を「常」から削除しました。"));
    }

    void removesFirstOfTwoAndStartsEmpty()
    {
        TempDataRoot root;
        JyoYakuList empty(3);
        QVERIFY(empty.ok());
        QCOMPARE(empty.touroku(JyoYakuList::line("外", "軟膏", "5g", "1"), false), JyoYakuList::Registered);
        QCOMPARE(TestFixture::readCp932(root.file("code/Record3.ini")), QStringList{"外'軟膏'5g'1"});
        root.write("code/Record2.ini", {"内'散'1g'2", "内'散'1g'2", "内'散'1g'5"});
        JyoYakuList twice(2);
        QCOMPARE(twice.sakujyo("内'散'1g'2", false), JyoYakuList::Removed);
        QCOMPARE(twice.lines(), (QStringList{"内'散'1g'2", "内'散'1g'5"}));
        QCOMPARE(twice.touroku("内'散'1g'3", false), JyoYakuList::Registered);
    }

    void unreadableFileIsNeverReplaced()
    {
        TempDataRoot root;
        TestFixture::writeBytes(root.file("code/Record1.ini"), QByteArray("\x81\r\n", 3));
        JyoYakuList list(1);
        QVERIFY(!list.ok());
        QCOMPARE(list.touroku("注'薬'1A", true), JyoYakuList::WriteFailed);
        QVERIFY(!list.message(JyoYakuList::WriteFailed).isEmpty());
        QCOMPARE(TestFixture::readBytes(root.file("code/Record1.ini")), QByteArray("\x81\r\n", 3));
    }

    void kanaRows_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QStringList>("names");
        QTest::newRow("あ, up to the first empty line") << "注あ" << QStringList{"アンピシリンKSK注", "アミノ酸注"};
        QTest::newRow("hiragana へ") << "注へ" << QStringList{"ヘパリン注"};
        QTest::newRow("katakana ヘ") << "注ヘ" << QStringList{"ヘモ注"};
        QTest::newRow("katakana リ only") << "内リ" << QStringList{"リモ散"};
        QTest::newRow("nothing") << "注か" << QStringList{};
    }
    void kanaRows()
    {
        QFETCH(QString, key);
        QFETCH(QStringList, names);
        QStringList got;
        for (const YakuhinRows::Row& r : YakuhinRows::kana(Table, key))
            got << r.name;
        QCOMPARE(got, names);
    }

    void priceTexts()
    {
        const QList<YakuhinRows::Row> rows = YakuhinRows::kana(Table, "注あ") + YakuhinRows::kana(Table, "注へ");
        QCOMPARE(rows.at(0).yakka, QStringLiteral("312"));
        QCOMPARE(rows.at(1).yakka, QStringLiteral("*"));
        QCOMPARE(rows.at(2).yakka, QStringLiteral("g5"));
        QCOMPARE(rows.at(0).kijyun + rows.at(0).unit, QStringLiteral("1V"));
    }

    // The 常 view: a line written with unit words or "KMK" finds its drug, a line saved twice
    // is listed twice, a drug gone from the table is not listed; the drug-treatment view leaves
    // out lines with "KMK" but keeps them in the list.
    void jyoRows()
    {
        const QStringList lines{"注'アンピシリンKMK注'1g1バイアル", "内'リモ散'100g'10", "内'リモ散'100g'20",
                                "注'消えた薬'1A", "内'リン散'100g"};
        QList<YakuhinRows::Row> rows = YakuhinRows::jyo(Table, lines, false);
        QCOMPARE(rows.size(), 4);
        QCOMPARE(rows.at(0).name, QStringLiteral("アンピシリンKSK注"));
        QCOMPARE(rows.at(1).tani + "/" + rows.at(2).tani + "/" + rows.at(3).tani, QStringLiteral("10/20/"));
        QCOMPARE(YakuhinRows::jyo(Table, lines, true).size(), 3);
        YakuhinRows::setTouroku(rows, {"内'リモ散：100g'リモ", "注'アミノ酸注：500mL1袋'アミ", "内'短い"});
        QCOMPARE(rows.at(1).touroku, QStringLiteral("リモ"));
        QCOMPARE(rows.at(2).touroku, QString());
    }

    void zotenTensu_data()
    {
        QTest::addColumn<QString>("boxB");
        QTest::addColumn<QStringList>("items");
        QTest::newRow("none") << "" << QStringList{"20", "30", "0", "0", "20", "30"};
        QTest::newRow("5") << "5" << QStringList{"20", "30", "5", "0", "25", "30"};
        QTest::newRow("5本") << "5本" << QStringList{"20", "30", "5本", "0", "25", "30"};
        QTest::newRow("letters") << "abc" << QStringList{"20", "30", "abc", "0", "20", "30"};
        QTest::newRow("half") << "2.5" << QStringList{"20", "30", "2.5", "0", "22.5", "30"};
    }
    // The surcharge typed counts in the totals whether it was typed before or after the base.
    void zotenTensu()
    {
        QFETCH(QString, boxB);
        QFETCH(QStringList, items);
        ZotenTensu before;
        before.setZoten(boxB, "");
        before.setBase("20", "30");
        QCOMPARE(before.items(), items);
        ZotenTensu after;
        after.setBase("20", "30");
        after.setZoten(boxB, "");
        QCOMPARE(after.items(), items);
    }
};

NOLVARI_TEST(JyoYakuListTest)
#include "JyoYakuListTest.moc"
