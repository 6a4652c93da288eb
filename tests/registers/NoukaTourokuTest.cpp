#include "TestFixture.h"
#include "TestRegistry.h"

#include "registers/ListTouroku.h"
#include "registers/NoukaTouroku.h"

#include <QtTest>

class NoukaTourokuTest : public QObject
{
    Q_OBJECT

    static NoukaTouroku::Input input(const QString& name, const QString& code, const QString& yobi = "や")
    {
        NoukaTouroku::Input in;
        in.Name = name;
        in.Code = code;
        in.Yobi = yobi;
        in.Jyusyo = "中央市1-2";
        return in;
    }

private slots:
    void checks_data()
    {
        QTest::addColumn<int>("box");
        QTest::addColumn<QString>("boxText");
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("yobi");
        QTest::addColumn<bool>("touroku");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("title");
        QTest::newRow("apostrophe on the animal page") << 2 << "ハナ'" << "00010001" << "や" << true
                                                       << "' は使えません。" << "確認";
        QTest::newRow("typographic apostrophe") << 8 << "本町’2" << "00010001" << "や" << true
                                                << "’ は使えません。" << "確認";
        QTest::newRow("comma") << 12 << "1,2" << "00010001" << "や" << true << ", は使えません。" << "確認";
        QTest::newRow("apostrophe before comma") << 6 << "a,'" << "00010001" << "や" << true
                                                 << "' は使えません。" << "確認";
        QTest::newRow("short code") << -1 << "" << "0001001" << "や" << true
                                    << "コードの文字数を確認してください。" << "入力確認";
        QTest::newRow("blanks around the code do not count") << -1 << "" << " 0001001 " << "や" << false
                                                             << "コードの文字数を確認してください。" << "入力確認";
        QTest::newRow("blank inside the code counts") << -1 << "" << "0001 001" << "" << false << "" << "";
        QTest::newRow("no call-up initial") << -1 << "" << "00010001" << "" << true
                                            << "呼出文字を入力してください。" << "入力確認";
        QTest::newRow("code leaving the folder") << -1 << "" << "..\\..\\.." << "や" << true
                                                 << "使用できない文字 \\ が入力されています。" << "確認";
        QTest::newRow("tab in the code") << -1 << "" << "0001\t001" << "や" << true
                                         << "使用できない文字 タブ が入力されています。" << "確認";
        QTest::newRow("code of dots") << -1 << "" << "........" << "や" << true
                                      << "使用できない文字 ........ が入力されています。" << "確認";
        QTest::newRow("an old bad code can be deleted") << -1 << "" << "..\\..\\.." << "" << false << "" << "";
        QTest::newRow("delete needs no initial") << -1 << "" << "00010001" << "" << false << "" << "";
    }
    void checks()
    {
        QFETCH(int, box);
        QFETCH(QString, boxText);
        QFETCH(QString, code);
        QFETCH(QString, yobi);
        QFETCH(bool, touroku);
        QFETCH(QString, message);
        QFETCH(QString, title);
        QStringList boxes(15);
        if (box >= 0)
            boxes[box] = boxText;
        const TourokuCheck c = NoukaTouroku::check(
            boxes, input("山本", code, yobi), touroku ? NoukaTouroku::Action::Touroku : NoukaTouroku::Action::Sakujo);
        QCOMPARE(c.text, message);
        QCOMPARE(c.title, title);
    }

    void lineHasElevenFields()
    {
        NoukaTouroku::Input in = input(" 山本\r\n一郎 ", "00010001");
        QCOMPARE(NoukaTouroku::line("東谷", in), QStringLiteral("東谷,山本一郎,00010001,中央市1-2,や,,,,-,,"));
        in.TikuCode1 = "12";
        in.TikuCode2 = "3";
        QCOMPARE(NoukaTouroku::line("東谷", in).split(',').value(8), QStringLiteral("12-3"));
    }

    void registerMovesAFarmerAndKeepsHisPlace()
    {
        QStringList list{"", "東谷,山本,00010001,a,や,,,,-,,", "西原,森田,00020001,b,も,,,,-,,"};
        QVERIFY(NoukaTouroku::apply(list, NoukaTouroku::Action::Touroku, "北浜", input("山本", "00010001")));
        QCOMPARE(list.size(), 3);
        QVERIFY(list.at(1).startsWith("北浜,山本,00010001,"));
        QVERIFY(NoukaTouroku::apply(list, NoukaTouroku::Action::Touroku, "北浜", input("川口", "00030001")));
        QVERIFY(list.last().startsWith("北浜,川口,"));
        QVERIFY(!NoukaTouroku::apply(list, NoukaTouroku::Action::Touroku, "北浜", input("", "00030001")));
        QVERIFY(!NoukaTouroku::apply(list, NoukaTouroku::Action::Sakujo, "北浜", input("無し", "00090001")));
        QVERIFY(NoukaTouroku::apply(list, NoukaTouroku::Action::Sakujo, "西原", input(" 森田 ", "00020001")));
        QCOMPARE(list.size(), 3);
        QCOMPARE(NoukaTouroku::find(list, "森田", "00020001"), -1);
    }

    void gridListsADistrictByDistrictCode()
    {
        const QStringList list{"東谷,山本,00010001,a,や,,,,12-3,,", "西原,森田,00020001,b,も,,,,1-1,,",
                               "東谷, 川口 ,00010002,c,か,,,,2-1,,", "東谷,短い,00010003"};
        const QList<QStringList> afterButton = NoukaTouroku::gridRows(list, "東谷", false);
        QCOMPARE(afterButton.size(), 3);
        QCOMPARE(afterButton.at(0).at(0), QStringLiteral("短い"));
        QCOMPARE(afterButton.at(1).at(0), QStringLiteral("山本"));
        QCOMPARE(afterButton.at(2).at(0), QStringLiteral(" 川口 "));
        QCOMPARE(afterButton.at(2).at(7), QStringLiteral("2-1"));
        const QList<QStringList> afterClick = NoukaTouroku::gridRows(list, "東谷", true);
        QCOMPARE(afterClick.size(), 2);
        QCOMPARE(afterClick.at(1).at(0), QStringLiteral("川口"));
    }

    void rowClickSplitsTheDistrictCode_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("part1");
        QTest::addColumn<QString>("part2");
        QTest::newRow("two parts") << " 12-3 " << "12" << "3";
        QTest::newRow("no hyphen") << "123" << "" << "";
        QTest::newRow("two hyphens") << "1-2-3" << "" << "";
    }
    void rowClickSplitsTheDistrictCode()
    {
        QFETCH(QString, code);
        QFETCH(QString, part1);
        QFETCH(QString, part2);
        const NoukaTouroku::Input in = NoukaTouroku::fromRow({"山本", "00010001", "a", "や", "1", "2", "3", code});
        QCOMPARE(in.TikuCode1, part1);
        QCOMPARE(in.TikuCode2, part2);
        QCOMPARE(in.Kumiai, QStringLiteral("1"));
        QCOMPARE(in.Tiiki, QStringLiteral("3"));
    }

    void namesAddedAndDeletedByTheirTrimmedText()
    {
        QStringList list{"東谷"};
        QVERIFY(!ListTouroku::add(list, " 東谷 ", false));
        QVERIFY(!ListTouroku::add(list, "", false));
        QVERIFY(ListTouroku::add(list, "", true));
        QVERIFY(ListTouroku::add(list, " 西原", false));
        QCOMPARE(list, (QStringList{"東谷", "", "西原"}));
        QVERIFY(ListTouroku::remove(list, "西原 "));
        QVERIFY(!ListTouroku::remove(list, "北浜"));
        QCOMPARE(list, (QStringList{"東谷", ""}));
    }
};

NOLVARI_TEST(NoukaTourokuTest)
#include "NoukaTourokuTest.moc"
