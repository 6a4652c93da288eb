#include "TestFixture.h"
#include "TestRegistry.h"

#include "shell/NoukaSelect.h"

#include <QtTest>

class NoukaSelectTest : public QObject
{
    Q_OBJECT

private:
    const QStringList registerLines = {
        "東谷,山本 一郎,00010001,東谷1-2,や,101,,01,12-3,,",
        "東谷,川口 花子,00010002,東谷3-8,か,101,,01,12-4,,",
        " 西原 ,森田 健,00020001,西原5,も,102,,02,20-1,,",
        "北浜,山本 一郎,00030001,北浜7,や,103,,03,-,,",
        "",
        "北浜,矢野 誠,00030002,北浜9,ヤ,103,,03,-,,",
        "北浜",
    };

private slots:
    void kanaIndex()
    {
        QCOMPARE(NoukaSelect::kana(0, 0), QStringLiteral("あ"));
        QCOMPARE(NoukaSelect::kana(4, 0), QStringLiteral("お"));
        QCOMPARE(NoukaSelect::kana(2, 7), QStringLiteral("よ"));
        QCOMPARE(NoukaSelect::kana(3, 7), QString());
        QCOMPARE(NoukaSelect::kana(4, 8), QStringLiteral("ろ"));
        QCOMPARE(NoukaSelect::kana(0, 9), QStringLiteral("わ"));
        QCOMPARE(NoukaSelect::kana(1, 9), QString());
        QCOMPARE(NoukaSelect::kana(4, 9), QStringLiteral("全"));
        QCOMPARE(NoukaSelect::kana(5, 0), QString());
    }

    void namesOf_data()
    {
        QTest::addColumn<QString>("tiku");
        QTest::addColumn<QString>("kana");
        QTest::addColumn<QStringList>("names");
        QTest::newRow("district") << "東谷" << "" << QStringList{"山本 一郎", "川口 花子"};
        QTest::newRow("all") << "北浜" << "全" << QStringList{"山本 一郎", "矢野 誠"};
        QTest::newRow("kana") << "東谷" << "か" << QStringList{"川口 花子"};
        QTest::newRow("katakana initial matches no cell") << "北浜" << "や" << QStringList{"山本 一郎"};
        QTest::newRow("district trimmed") << "西原" << "" << QStringList{"森田 健"};
        QTest::newRow("unknown district") << "南山" << "" << QStringList{};
    }

    void namesOf()
    {
        QFETCH(QString, tiku);
        QFETCH(QString, kana);
        QFETCH(QStringList, names);
        QCOMPARE(NoukaSelect::namesOf(registerLines, tiku, kana), names);
    }

    void sameNameInTwoDistricts_data()
    {
        QTest::addColumn<QString>("tiku");
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("address");
        QTest::newRow("東谷") << "東谷" << "00010001" << "東谷1-2";
        QTest::newRow("北浜") << "北浜" << "00030001" << "北浜7";
    }

    void sameNameInTwoDistricts()
    {
        NoukaInfo nouka;
        QFETCH(QString, tiku);
        QVERIFY(NoukaSelect::find(registerLines, tiku, "山本 一郎", nouka));
        QFETCH(QString, code);
        QCOMPARE(nouka.NoukaCode, code);
        QFETCH(QString, address);
        QCOMPARE(nouka.NoukaJyusyo, address);
    }

    void notFoundKeepsTheValues()
    {
        NoukaInfo nouka{"東谷", "森田 健", "old", "old address"};
        QVERIFY(!NoukaSelect::find(registerLines, "東谷", "森田 健", nouka));
        QCOMPARE(nouka.NoukaCode, QStringLiteral("old"));
        QCOMPARE(nouka.NoukaJyusyo, QStringLiteral("old address"));
    }

    void autoNouka_data()
    {
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<bool>("found");
        QTest::addColumn<QString>("code");
        QTest::newRow("first line holding a text") << QStringList{"花子", "一郎"} << true << "00010001";
        QTest::newRow("second text only") << QStringList{"該当なし", "森田"} << true << "00020001";
        QTest::newRow("none") << QStringList{"該当なし"} << false << "";
        QTest::newRow("no texts") << QStringList{} << false << "";
    }

    void autoNouka()
    {
        NoukaInfo nouka;
        nouka.NoukaJyusyo = "kept";
        QFETCH(QStringList, texts);
        QFETCH(bool, found);
        QCOMPARE(NoukaSelect::autoNouka(registerLines, texts, nouka), found);
        QFETCH(QString, code);
        QCOMPARE(nouka.NoukaCode, code);
        QCOMPARE(nouka.NoukaJyusyo, QStringLiteral("kept"));
    }

    void siteColumns()
    {
        const SiteProfile site = SiteProfile::parseRow(
            "OITAA,大分県,AutoNoukaTexts=県北牧場:中央ランチ,FixedNouka=本院:大分 太郎:00090001");
        QCOMPARE(NoukaSelect::autoNoukaTexts(site), (QStringList{"県北牧場", "中央ランチ"}));
        NoukaInfo nouka;
        QVERIFY(NoukaSelect::fixedNouka(site, nouka));
        QCOMPARE(nouka.NoukaTiku, QStringLiteral("本院"));
        QCOMPARE(nouka.NoukaName, QStringLiteral("大分 太郎"));
        QCOMPARE(nouka.NoukaCode, QStringLiteral("00090001"));
        QVERIFY(!NoukaSelect::fixedNouka(SiteProfile(), nouka));
    }
};

NOLVARI_TEST(NoukaSelectTest)
#include "NoukaSelectTest.moc"
