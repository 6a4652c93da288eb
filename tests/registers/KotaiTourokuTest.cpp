#include "TestFixture.h"
#include "TestRegistry.h"

#include "KotaiFixture.h"
#include "common/Cp932.h"
#include "registers/CsvTouroku.h"
#include "registers/KotaiRename.h"
#include "registers/KotaiTable.h"
#include "registers/KotaiTouroku.h"
#include "registers/SibouKensaku.h"

#include <QtTest>

class KotaiTourokuTest : public QObject
{
    Q_OBJECT

    static NoukaInfo farmer()
    {
        return {"東谷", "山本 一郎", "00010001", "中央市東谷1-2"};
    }

    static KotaiTouroku::Input animal(const QString& mimi)
    {
        KotaiTouroku::Input in;
        in.Syurui = "成乳牛";
        in.Seibetu = "雌";
        in.Hoken = "包";
        in.BirthDay = "H30.1.2";
        in.Sekinin = "-";
        in.Meigou = "ハナ";
        in.Mimi = mimi;
        return in;
    }

private slots:
    void registerChecks_data()
    {
        QTest::addColumn<QString>("ken");
        QTest::addColumn<QString>("mimi");
        QTest::addColumn<int>("box");
        QTest::addColumn<QString>("boxText");
        QTest::addColumn<QString>("syurui");
        QTest::addColumn<bool>("farmerChosen");
        QTest::addColumn<QString>("message");
        QTest::newRow("no ear tag") << "" << "" << -1 << "" << "成乳牛" << true << "耳標番号は必ず必要です。";
        QTest::newRow("three digits") << "" << "123" << -1 << "" << "成乳牛" << true << "耳標番号は4桁又は10桁を入力してください。";
        QTest::newRow("eleven digits") << "" << "12345678901" << -1 << "" << "成乳牛" << true << "耳標番号は4桁又は10桁を入力してください。";
        QTest::newRow("blanks do not count") << "" << " 123 " << -1 << "" << "成乳牛" << true << "耳標番号は4桁又は10桁を入力してください。";
        QTest::newRow("hyphen takes any length") << "" << "12-34" << -1 << "" << "成乳牛" << true << "";
        QTest::newRow("four digits") << "" << "1234" << -1 << "" << "成乳牛" << true << "";
        QTest::newRow("ten digits") << "" << "1234567890" << -1 << "" << "成乳牛" << true << "";
        QTest::newRow("鹿児島県 takes an empty number") << "鹿児島県" << "" << -1 << "" << "成乳牛" << true << "";
        QTest::newRow("鹿児島県 takes any length") << "鹿児島県" << "12" << -1 << "" << "成乳牛" << true << "";
        QTest::newRow("apostrophe in a farmer box") << "" << "1234" << 8 << "a'b" << "成乳牛" << true << " ' は使用できません。";
        QTest::newRow("typographic apostrophe") << "" << "1234" << 4 << "黒’白" << "成乳牛" << true << " ’ は使用できません。";
        QTest::newRow("slash in the ear tag") << "" << "12/4" << -1 << "" << "成乳牛" << true << "使用できない文字 / が入力されています。";
        QTest::newRow("last bad character named") << "" << "1:*4" << -1 << "" << "成乳牛" << true << "使用できない文字 * が入力されています。";
        QTest::newRow("鹿児島県 tab in the number") << "鹿児島県" << "12\t4" << -1 << "" << "成乳牛" << true
                                                 << "使用できない文字 タブ が入力されています。";
        QTest::newRow("line break in a tag with a hyphen") << "" << "12-\n4" << -1 << "" << "成乳牛" << true
                                                           << "使用できない文字 改行 が入力されています。";
        QTest::newRow("鹿児島県 dots") << "鹿児島県" << ".." << -1 << "" << "成乳牛" << true
                                      << "使用できない文字 .. が入力されています。";
        QTest::newRow("no species") << "" << "1234" << -1 << "" << "" << true << "畜種を選択してください。";
        QTest::newRow("no farmer chosen") << "" << "1234" << -1 << "" << "成乳牛" << false << "地域・氏名が入力されていません。";
    }

    void farmerLabelEmpty()
    {
        QStringList boxes(15);
        boxes[3] = "1234";
        for (const QString& hyoji : {QString(), QStringLiteral("-")})
            QCOMPARE(KotaiTouroku::check(boxes, animal("1234"), Ken::Sonota, farmer(), hyoji).text,
                     QStringLiteral("地域・氏名が入力されていません。"));
    }
    void registerChecks()
    {
        QFETCH(QString, ken);
        QFETCH(QString, mimi);
        QFETCH(int, box);
        QFETCH(QString, boxText);
        QFETCH(QString, syurui);
        QFETCH(bool, farmerChosen);
        QFETCH(QString, message);
        QStringList boxes(15);
        boxes[3] = mimi;
        if (box >= 0)
            boxes[box] = boxText;
        KotaiTouroku::Input in = animal(mimi);
        in.Syurui = syurui;
        const NoukaInfo nouka = farmerChosen ? farmer() : NoukaInfo();
        const TourokuCheck c = KotaiTouroku::check(boxes, in, KenInfo::fromName(ken), nouka, "東谷  山本 一郎  00010001  中央市東谷1-2");
        QCOMPARE(c.text, message);
        QCOMPARE(c.title, message.startsWith("地域") ? QStringLiteral("入力確認") : message.isEmpty() ? QString() : QStringLiteral("確認"));
    }

    // A farmer code from an old register that cannot stand in a file name refuses the register.
    void farmerCodeOfTheRegisterIsChecked()
    {
        QStringList boxes(15);
        boxes[3] = "1234";
        NoukaInfo nouka = farmer();
        nouka.NoukaCode = "..\\..\\..";
        const TourokuCheck c = KotaiTouroku::check(boxes, animal("1234"), Ken::Sonota, nouka, "東谷  山本 一郎");
        QCOMPARE(c.text, QStringLiteral("農家番号に使用できない文字 \\ があります。"));
        nouka.NoukaCode = "0001\t001";
        QCOMPARE(KotaiTouroku::noukaCodeCheck(nouka).text, QStringLiteral("農家番号に使用できない文字 タブ があります。"));
    }

    void keysAndRows()
    {
        QCOMPARE(KotaiTouroku::key(" 7 ", "00010001", " 1234 ", false), QStringLiteral("H7_00010001_1234_0"));
        QCOMPARE(KotaiTouroku::key("7", "00010001", "", false), QStringLiteral("H7_00010001__0"));
        QCOMPARE(KotaiTouroku::keyEda("H7_00010001_1234_1"), QStringLiteral("1"));
        KotaiTouroku::Input in = animal(" 1234 ");
        in.Seibetu.clear();
        in.Hoken.clear();
        in.KotaiNo = "0123456789";
        const QStringList row = KotaiTouroku::gridRow(in, "H7_00010001_1234_0");
        QCOMPARE(row, (QStringList{"成乳牛", "1234", "H30.1.2", "雄", "ハナ:0123456789", "包", "", "", "H7_00010001_1234_0", "-"}));
        const QString line1 = KotaiTouroku::kotaiLine(row);
        QCOMPARE(line1, QStringLiteral("Main'成乳牛'''H30.1.2'雄'ハナ:0123456789''包''1234'''H7_00010001_1234_0''-''"));
        QCOMPARE(line1.count('\''), 17);
        const QString line0 = KotaiTouroku::noukaLine(farmer());
        QCOMPARE(line0, QStringLiteral("Main'東谷'山本 一郎'00010001'中央市東谷1-2'''''''''''"));
        QCOMPARE(line0.count('\''), 15);
    }

    void registeringAnExistingChartKeepsItsEpisodes()
    {
        TempDataRoot root;
        const QString key = "H7_00010001_1234_0";
        const QByteArray before = KotaiFixture::writeChart(root.file("H7/" + key + ".sxd"), key, "1234", 2);
        const QStringList row = KotaiTouroku::gridRow(animal("1234"), key);
        QVERIFY(KotaiTouroku::KarteHeaderSaveProc(root.path() + "/H7", key, farmer(), row, nullptr));
        const QByteArray after = TestFixture::readBytes(root.file("H7/" + key + ".sxd"));
        const QList<QByteArray> oldLines = before.split('\n');
        const QList<QByteArray> newLines = after.split('\n');
        QCOMPARE(newLines.size(), oldLines.size());
        QCOMPARE(newLines.mid(2), oldLines.mid(2));
        QVERIFY(after.startsWith(Cp932::encode(KotaiTouroku::noukaLine(farmer()) + "\r\n" + KotaiTouroku::kotaiLine(row)).value()));
    }

    // A chart that exists under another letter case is rewritten, never replaced by a new one.
    void existingChartFoundIgnoringCase()
    {
        TempDataRoot root;
        const QByteArray before =
            KotaiFixture::writeChart(root.file("H7/h7_00010001_k001_0.sxd"), "h7_00010001_k001_0", "k001");
        const QString key = KotaiTouroku::key("7", "00010001", "K001", false);
        QVERIFY(KotaiTouroku::KarteHeaderSaveProc(root.path() + "/H7", key, farmer(),
                                                  KotaiTouroku::gridRow(animal("K001"), key), nullptr));
        QCOMPARE(QDir(root.path() + "/H7").entryList(QDir::Files), (QStringList{"h7_00010001_k001_0.sxd"}));
        QCOMPARE(TestFixture::readBytes(root.file("H7/h7_00010001_k001_0.sxd")).split('\n').mid(2), before.split('\n').mid(2));
    }

    void newChartOfAFreshInstallation()
    {
        TempDataRoot root;
        const QString key = "H7_00010001_1234_0";
        QVERIFY(KotaiTouroku::KarteHeaderSaveProc(root.path() + "/H7", key, farmer(), KotaiTouroku::gridRow(animal("1234"), key), nullptr));
        QCOMPARE(TestFixture::readCp932(root.path() + "/H7/" + key + ".sxd").size(), 2);
    }

    void chartToDelete_data()
    {
        QTest::addColumn<QStringList>("toridasi");
        QTest::addColumn<QString>("nbCheck");
        QTest::addColumn<QString>("mimi");
        QTest::addColumn<QString>("item");
        const QString own = "H7_00010001_0123456789_0.sxd";
        const QString calf = "H7_00010001_0123456789_1.sxd";
        QTest::newRow("own chart") << QStringList{calf, own} << "" << "0123456789" << own;
        QTest::newRow("calf clicked") << QStringList{own, calf} << "H7_00010001_0123456789_1" << "0123456789" << calf;
        QTest::newRow("only the calf listed") << QStringList{calf} << "" << "0123456789" << calf;
        QTest::newRow("tag without its leading zero") << QStringList{"H7_00010001_123456789_0.sxd"} << "" << "0123456789"
                                                      << "H7_00010001_123456789_0.sxd";
        QTest::newRow("none") << QStringList{"H7_00010001_5555_0.sxd"} << "" << "0123456789" << "";
    }
    void chartToDelete()
    {
        QFETCH(QStringList, toridasi);
        QFETCH(QString, nbCheck);
        QFETCH(QString, mimi);
        QFETCH(QString, item);
        QCOMPARE(KotaiTouroku::sakujoTarget(toridasi, KotaiTouroku::key("7", "00010001", mimi, false),
                                            KotaiTouroku::key("7", "00010001", mimi, true), nbCheck, mimi),
                 item);
    }

    void renumberMovesChartBookAndDeadList()
    {
        TempDataRoot root;
        const QString folder = root.path() + "/H7";
        const QString oldKey = "H7_00010001_1234_1";
        const QByteArray chart = KotaiFixture::writeChart(root.file("H7/" + oldKey + ".sxd"), oldKey, "1234");
        root.write("cb/" + oldKey + ".txb", {"5.6.1'分娩'", "5.6.9'死亡'"});
        root.write("set/DellInfo.ini", {"H7_00010001_9999_0,H5.1.1[出荷]", oldKey + ",H5.6.9[死亡]"});
        const QString newKey = KotaiRename::newKey("7", "00010001", "0123456789", oldKey);
        QCOMPARE(newKey, QStringLiteral("H7_00010001_0123456789_1"));
        QVERIFY(!KotaiRename::used(folder, newKey));
        QVERIFY(KotaiRename::used(folder, oldKey));
        QStringList row = KotaiTouroku::gridRow(animal("0123456789"), newKey);
        QVERIFY(KotaiRename::renameKarte(folder, oldKey, newKey, farmer(), row, nullptr));
        QVERIFY(!QFile::exists(folder + "/" + oldKey + ".sxd"));
        QCOMPARE(TestFixture::readBytes(folder + "/" + newKey + ".sxd").split('\n').mid(2), chart.split('\n').mid(2));
        QVERIFY(KotaiRename::renameTiryobo(oldKey, newKey, nullptr));
        QCOMPARE(TestFixture::readCp932(root.file("cb/" + newKey + ".txb")), (QStringList{"5.6.1'分娩'", "5.6.9'死亡'"}));
        QVERIFY(!QFile::exists(root.file("cb/" + oldKey + ".txb")));
        QStringList list{"x,y", oldKey + ",H5.6.9[死亡]", ""};
        QVERIFY(KotaiRename::renameDellInfo(list, oldKey, newKey, nullptr));
        QCOMPARE(list.at(1), newKey + ",H5.6.9[死亡]");
        QCOMPARE(TestFixture::readCp932(root.file("set/DellInfo.ini")),
                 (QStringList{"H7_00010001_9999_0,H5.1.1[出荷]", newKey + ",H5.6.9[死亡]"}));
        // A used number is refused before anything changes.
        QVERIFY(!KotaiRename::renameKarte(folder, "H7_00010001_7777_0", newKey, farmer(), row, nullptr));
        // So is a key that cannot be a file name: the chart and the book stay where they are.
        const QString badKey = KotaiRename::newKey("7", "..\\..\\..", "0123456789", newKey);
        QString error;
        QVERIFY(!KotaiRename::renameKarte(folder, newKey, badKey, farmer(), row, &error));
        QVERIFY2(error.contains(badKey), qPrintable(error));
        QVERIFY(!KotaiRename::renameTiryobo(newKey, badKey, &error));
        QVERIFY(QFile::exists(folder + "/" + newKey + ".sxd"));
        QVERIFY(QFile::exists(root.file("cb/" + newKey + ".txb")));
        QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot), QStringList{newKey + ".sxd"});
    }

    void csvLines_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<QString>("mimi");
        QTest::newRow("ten characters") << "ハナ,0123456789,H30.1.2,,,黒" << true << "0123456789";
        QTest::newRow("nine digits get a zero") << "ハナ,123456789,H30.1.2,,,黒" << true << "0123456789";
        QTest::newRow("eight refused") << "ハナ,12345678,H30.1.2,,,黒" << false << "";
        QTest::newRow("eleven refused") << "ハナ,12345678901,H30.1.2,,,黒" << false << "";
        QTest::newRow("letters taken") << "ハナ,ABCDEFGHIJ,H30.1.2,,,黒" << true << "ABCDEFGHIJ";
        QTest::newRow("Reiwa birth") << "ハナ,0123456789,R2.1.2,,," << true << "0123456789";
        QTest::newRow("Showa birth") << "ハナ,0123456789,S63.1.2,,," << true << "0123456789";
        QTest::newRow("no birth date") << "ハナ,0123456789,,,," << false << "";
        QTest::newRow("Western birth date") << "ハナ,0123456789,2020.1.2,,," << false << "";
        QTest::newRow("number only") << ",0123456789,H30.1.2,987,," << true << "0123456789";
        QTest::newRow("neither name nor number") << ",0123456789,H30.1.2,,," << false << "";
        QTest::newRow("apostrophe") << "ハ'ナ,0123456789,H30.1.2,,," << false << "";
        QTest::newRow("typographic apostrophe") << "ハナ,0123456789,H30.1.2,,,黒’白" << false << "";
        QTest::newRow("file-name character in the tag") << "ハナ,01234/6789,H30.1.2,,," << false << "";
        QTest::newRow("tab in the tag") << "ハナ,01234\t6789,H30.1.2,,," << false << "";
        QTest::newRow("line break in the tag") << "ハナ,012345678\r,H30.1.2,,," << false << "";
        QTest::newRow("five fields") << "ハナ,0123456789,H30.1.2,," << false << "";
    }
    void csvLines()
    {
        QFETCH(QString, line);
        QFETCH(bool, accepted);
        QFETCH(QString, mimi);
        const std::optional<KotaiTouroku::Input> in = CsvTouroku::parse(line, "成");
        QCOMPARE(bool(in), accepted);
        if (!in)
            return;
        QCOMPARE(in->Mimi, mimi);
        QCOMPARE(in->Syurui, QStringLiteral("成"));
        QCOMPARE(in->Seibetu, QStringLiteral("雌"));
        QCOMPARE(in->Hoken, QStringLiteral("包"));
        QCOMPARE(in->Sekinin, QStringLiteral("-"));
    }

    // An animal already listed keeps what the CSV does not carry.
    void csvUpdateKeepsTheOtherFields()
    {
        const QStringList row{"育", "0123456789", "H29.1.1", "去", "モモ:555", "個", "黒", "H5.1.1 [死亡]", "H7_1_0123456789_0", "R1.4.1"};
        const KotaiTouroku::Input csv = *CsvTouroku::parse("ハナ,0123456789,H30.1.2,,,", "成");
        const QStringList merged = KotaiTouroku::gridRow(CsvTouroku::merge(row, csv), "H7_1_0123456789_0");
        QCOMPARE(merged, (QStringList{"育", "0123456789", "H30.1.2", "去", "ハナ:555", "個", "黒", "H5.1.1 [死亡]",
                                      "H7_1_0123456789_0", "R1.4.1"}));
    }

    void deadSearchMarks_data()
    {
        QTest::addColumn<QStringList>("book");
        QTest::addColumn<QString>("mark");
        QTest::newRow("shipped before dead") << QStringList{"5.1.1'分娩'", "5.2.1'出荷予定'", "5.3.1'死亡'"} << "H5.2.1 [出荷]";
        QTest::newRow("both in one line") << QStringList{"5.2.1'出荷後死亡'"} << "H5.2.1 [死亡]";
        QTest::newRow("no date") << QStringList{"'死亡'"} << "H [死亡]";
        QTest::newRow("neither") << QStringList{"5.1.1'分娩'"} << "";
    }
    void deadSearchMarks()
    {
        QFETCH(QStringList, book);
        QFETCH(QString, mark);
        QCOMPARE(SibouKensaku::mark(book), mark);
    }

    void deadSearchRewritesTheList()
    {
        TempDataRoot root;
        root.write("cb/H7_1_1_0.txb", {"5.1.1'死亡'"});
        root.write("cb/H7_1_2_0.txb", {"5.1.1'分娩'"});
        root.write("cb/H7_1_3_0.txb", {"5.3.3'出荷'"});
        QStringList list{"H7_1_1_0,old", "H7_1_2_0,kept", "H7_1_1_0,old2", ""};
        QList<std::pair<int, int>> progress;
        QVERIFY(SibouKensaku::SibouKensakuProc(list, [&](int i, int n) { progress.append({i, n}); }, nullptr));
        QCOMPARE(progress.first(), std::make_pair(0, 3));
        QCOMPARE(progress.last(), std::make_pair(2, 3));
        QCOMPARE(TestFixture::readCp932(root.file("set/DellInfo.ini")),
                 (QStringList{"H7_1_1_0,H5.1.1 [死亡]", "H7_1_2_0,kept", "H7_1_1_0,H5.1.1 [死亡]", "H7_1_3_0,H5.3.3 [出荷]"}));
    }

    void marksCopiedIntoTheFeatures()
    {
        KotaiTable t(4);
        t.setRow(1, {"成", "1", "-", "雌", "a", "包", "", "白斑", "H7_1_1_0", ""});
        t.setRow(2, {"成", "2", "-", "雌", "b", "包", "", "", "H7_1_2_0", ""});
        int calls = 0;
        t.copyMarks({"H7_1_2_0,H5.1.1 [死亡]", "H7_1_2_0,later", ""}, [&](int, int n) { ++calls; QCOMPARE(n, 2); });
        QCOMPARE(calls, 2);
        QCOMPARE(t.cell(1, KotaiTable::Tokutyo), QStringLiteral("白斑"));
        QCOMPARE(t.cell(2, KotaiTable::Tokutyo), QStringLiteral("H5.1.1 [死亡]"));
    }
};

NOLVARI_TEST(KotaiTourokuTest)
#include "KotaiTourokuTest.moc"
