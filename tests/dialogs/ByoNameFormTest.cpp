#include "TestFixture.h"
#include "TestRegistry.h"
#include "WindowMouse.h"

#include "common/LabelButtonArray.h"
#include "common/MsgBox.h"
#include "common/SharedState.h"
#include "registers/KouhoListFile.h"
#include "dialogs/ByoCodeFile.h"
#include "dialogs/ByoNameForm.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QtTest>

class ByoNameFormTest : public QObject
{
    Q_OBJECT

    static HandOver& hand() { return SharedState::get().Hand; }

    // Two major classes; the middle classes of class 1 cover the middle codes 1 to 5, 3 alone,
    // 4 to 9, nothing, 2 to 4 (written 2.7_4.9) and a range without its end.
    static void writeCodeFiles(const TempDataRoot& root)
    {
        root.write("code/BigCode.ini", {"1,循環器病", "", "2,呼吸器病", ",", "3,見えない"});
        root.write("code/MidleCode.ini", {"1,1_5,心臓病", "1,3_3,心膜疾患", "short line", "1,4_9,血管病", "1,,空",
                                          "1,2.7_4.9,小数", "1,5,端なし", "2,1_2,上部気道"});
        root.write("code/NameCode.ini", {"1,3,0,心膜炎", "1,4,12,心内膜炎", "1,1,,先天性心疾患", "1,9,x,静脈炎",
                                         "2,1,1,鼻炎", ",,,", "1,3,5,見えない"});
    }



private slots:
    void init()
    {
        TestFixture::resetGlobals();
    }

    void range_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<int>("low");
        QTest::addColumn<int>("high");
        QTest::newRow("1_5") << "1_5" << true << 1 << 5;
        QTest::newRow("fractions dropped") << "2.7_4.9" << true << 2 << 4;
        QTest::newRow("no end") << "5" << false << 0 << 0;
        QTest::newRow("empty end") << "5_" << false << 0 << 0;
        QTest::newRow("empty") << "" << false << 0 << 0;
    }
    void range()
    {
        QFETCH(QString, text);
        QFETCH(bool, ok);
        QFETCH(int, low);
        QFETCH(int, high);
        int l = 0;
        int h = 0;
        QCOMPARE(ByoCodeFile::range(text, l, h), ok);
        if (ok) {
            QCOMPARE(l, low);
            QCOMPARE(h, high);
        }
    }

    void byoCode_data()
    {
        QTest::addColumn<QStringList>("record");
        QTest::addColumn<QString>("code");
        QTest::newRow("own number") << QStringList{"1", "4", "12", "x"} << "1-4-12";
        QTest::newRow("0") << QStringList{"1", "3", "0", "x"} << "1-3-0";
        QTest::newRow("empty") << QStringList{"1", "1", "", "x"} << "1-1-0";
        QTest::newRow("not a number") << QStringList{"1", "9", "x", "x"} << "1-9-0";
        QTest::newRow("as written") << QStringList{"01", "3", "07", "x"} << "01-3-07";
    }
    void byoCode()
    {
        QFETCH(QStringList, record);
        QFETCH(QString, code);
        QCOMPARE(ByoCodeFile::byoCode(record), code);
    }

    // Short lines are passed over, the records end at an empty field 0, and a long file is read
    // whole.
    void records()
    {
        QStringList lines{"1,a", "", "x", "2,b"};
        for (int i = 0; i < 2000; ++i)
            lines.append(QStringLiteral("%1,n").arg(i + 3));
        lines.append(",");
        lines.append("9999,after the end");
        const QList<QStringList> rows = ByoCodeFile::records(lines, 2);
        QCOMPARE(rows.size(), 2002);
        QCOMPARE(rows.first(), (QStringList{"1", "a"}));
        QCOMPARE(rows.last(), (QStringList{"2002", "n"}));
    }

    void namesByRange_data()
    {
        QTest::addColumn<QString>("midle");
        QTest::addColumn<QStringList>("names");
        QTest::newRow("1_5") << "心臓病" << QStringList{"心膜炎", "心内膜炎", "先天性心疾患"};
        QTest::newRow("3_3") << "心膜疾患" << QStringList{"心膜炎"};
        QTest::newRow("4_9") << "血管病" << QStringList{"心内膜炎", "静脈炎"};
        QTest::newRow("empty range") << "空" << QStringList{};
        QTest::newRow("2.7_4.9") << "小数" << QStringList{"心膜炎", "心内膜炎"};
        QTest::newRow("no range end") << "端なし" << QStringList{};
        QTest::newRow("not in the class") << "上部気道" << QStringList{};
    }
    void namesByRange()
    {
        QFETCH(QString, midle);
        QFETCH(QStringList, names);
        TempDataRoot root;
        writeCodeFiles(root);
        QStringList errors;
        const ByoCodeFile files = ByoCodeFile::load(&errors);
        QVERIFY(errors.isEmpty());
        QStringList found;
        for (const QStringList& row : files.names("1", midle))
            found.append(row.at(3));
        QCOMPARE(found, names);
    }

    // The three levels chosen with the mouse, "OK" hands the name and its code back.
    void chooseWithTheMouse()
    {
        TempDataRoot root;
        writeCodeFiles(root);
        ByoNameForm form;
        QCOMPARE(KouhoListFile::items(form.BigList), (QStringList{"循環器病", "呼吸器病"}));
        WindowMouse::clickRow(form.BigList, 0);
        QCOMPARE(KouhoListFile::items(form.MidleList), (QStringList{"心臓病", "心膜疾患", "血管病", "空", "小数", "端なし"}));
        WindowMouse::clickRow(form.MidleList, 0);
        WindowMouse::clickRow(form.ListList, 1);
        QCOMPARE(form.ByoNameGd[0]->text(), QStringLiteral("心内膜炎"));
        QCOMPARE(form.ByoNameGd[1]->text(), QStringLiteral("1-4-12"));
        QCOMPARE(form.NbText[2]->text(), QStringLiteral("12"));
        QCOMPARE(form.NbText[3]->text(), QStringLiteral("心内膜炎"));
        // Another class keeps the selection until another name is chosen.
        WindowMouse::clickRow(form.BigList, 1);
        WindowMouse::clickRow(form.MidleList, 0);
        QCOMPARE(KouhoListFile::items(form.ListList), (QStringList{"鼻炎"}));
        WindowMouse::click(form.CmdGd->at(1));
        QVERIFY(!form.isVisible());
        QCOMPARE(hand().ByoName, QStringLiteral("心内膜炎"));
        QCOMPARE(hand().ByoCode, QStringLiteral("1-4-12"));
    }

    void closeDeleteAndOkWithoutChoice_data()
    {
        QTest::addColumn<int>("command");
        QTest::addColumn<QString>("name");
        QTest::newRow("閉じる") << 0 << "";
        QTest::newRow("OK without a name") << 1 << "";
        QTest::newRow("削除") << 2 << "del";
    }
    void closeDeleteAndOkWithoutChoice()
    {
        QFETCH(int, command);
        QFETCH(QString, name);
        TempDataRoot root;
        writeCodeFiles(root);
        hand().ByoName = "earlier";
        hand().ByoCode = "1-1-1";
        ByoNameForm form;
        WindowMouse::click(form.CmdGd->at(command));
        QCOMPARE(hand().ByoName, name);
        QCOMPARE(hand().ByoCode, QString());
    }

    // "変更実行": the four checks in their order, then the boxes replace the selection.
    void henkou()
    {
        TempDataRoot root;
        writeCodeFiles(root);
        ByoNameForm form;
        QLabel* henkouGd = form.CmdGd->at(3);
        WindowMouse::click(henkouGd);
        QCOMPARE(MsgBox::log().last().text, QStringLiteral("選択がないので変更できません。"));
        QCOMPARE(MsgBox::log().last().title, MsgBox::applicationTitle());
        WindowMouse::clickRow(form.BigList, 0);
        WindowMouse::clickRow(form.MidleList, 1);
        WindowMouse::clickRow(form.ListList, 0);
        QCOMPARE(form.ByoNameGd[1]->text(), QStringLiteral("1-3-0"));
        form.NbText[1]->clear();
        WindowMouse::click(henkouGd);
        QCOMPARE(MsgBox::log().last().text, QStringLiteral("入力がないので変更できません。"));
        form.NbText[1]->setText("  ");
        form.NbText[3]->clear();
        WindowMouse::click(henkouGd);
        QCOMPARE(MsgBox::log().last().text, QStringLiteral("病名の入力がないので変更できません。"));
        form.NbText[3]->setText("心膜'炎");
        WindowMouse::click(henkouGd);
        QCOMPARE(MsgBox::log().last().text, QStringLiteral("病名に　’は入力できません。"));
        QCOMPARE(MsgBox::log().size(), 4);
        QCOMPARE(form.ByoNameGd[0]->text(), QStringLiteral("心膜炎"));
        form.NbText[3]->setText(" 急性\r\n心膜炎’ ");
        form.NbText[2]->setText(" 7");
        WindowMouse::click(henkouGd);
        QCOMPARE(MsgBox::log().size(), 4);
        QCOMPARE(form.ByoNameGd[0]->text(), QStringLiteral("急性心膜炎’"));
        QCOMPARE(form.ByoNameGd[1]->text(), QStringLiteral("1--7"));
        QVERIFY(form.ByoNameGd[1]->x() > form.ByoNameGd[0]->geometry().right());
        WindowMouse::click(form.CmdGd->at(1));
        QCOMPARE(hand().ByoName, QStringLiteral("急性心膜炎’"));
        QCOMPARE(hand().ByoCode, QStringLiteral("1--7"));
    }

    void missingFilesAreNamed()
    {
        TempDataRoot root;
        ByoNameForm form;
        QCOMPARE(form.BigList->count(), 0);
        QCOMPARE(MsgBox::log().size(), 1);
        QVERIFY(MsgBox::log().last().text.contains("BigCode.ini"));
    }
};

NOLVARI_TEST(ByoNameFormTest)
#include "ByoNameFormTest.moc"
