#include "TestFixture.h"
#include "TestRegistry.h"
#include "WindowMouse.h"

#include "common/LabelButtonArray.h"
#include "common/MsgBox.h"
#include "common/SharedState.h"
#include "registers/KouhoListFile.h"
#include "dialogs/GeninForm.h"
#include "dialogs/RinkokuForm.h"
#include "dialogs/TantouForm.h"
#include "dialogs/TuikaForm.h"

#include <QLabel>
#include <QListWidget>
#include <QRadioButton>
#include <QtTest>

// The history-report and cause pickers, the veterinarian in charge and the examination-day dialog.
class SmallPickersTest : public QObject
{
    Q_OBJECT

    static HandOver& hand() { return SharedState::get().Hand; }


private slots:
    void init()
    {
        TestFixture::resetGlobals();
    }

    void rinkoku_data()
    {
        QTest::addColumn<int>("row");      // -1: none selected, else the row clicked
        QTest::addColumn<int>("command");
        QTest::addColumn<QString>("text");
        QTest::newRow("OK") << 3 << 1 << "食欲不振";
        QTest::newRow("OK without a selection") << -1 << 1 << "前の\r\n稟告";
        QTest::newRow("削除") << 3 << 2 << "";
        QTest::newRow("キャンセル") << 3 << 0 << "前の\r\n稟告";
    }
    void rinkoku()
    {
        QFETCH(int, row);
        QFETCH(int, command);
        QFETCH(QString, text);
        TempDataRoot root;
        root.write("set/Rinkoku.ini", {"発熱", "", "食欲不振", "  ", "下痢"});
        hand().RinkokuText = "前の\r\n稟告";
        RinkokuForm form;
        QCOMPARE(KouhoListFile::items(form.ListList), (QStringList{"  ", "下痢", "発熱", "食欲不振"}));
        QCOMPARE(form.ListList->selectedItems().size(), 0);
        if (row >= 0)
            QVERIFY(WindowMouse::clickRow(form.ListList, row));
        WindowMouse::click(form.CmdGd->at(command));
        QVERIFY(!form.isVisible());
        QCOMPARE(hand().RinkokuText, text);
    }

    void genin()
    {
        TempDataRoot root;
        root.write("set/Genin.ini", {"飼養管理", "分娩"});
        hand().GeninText = "x";
        {
            GeninForm form;
            QCOMPARE(KouhoListFile::items(form.ListList), (QStringList{"分娩", "飼養管理"}));
            QVERIFY(WindowMouse::clickRow(form.ListList, 0));
            WindowMouse::click(form.CmdGd->at(1));
        }
        QCOMPARE(hand().GeninText, QStringLiteral("分娩"));
        QCOMPARE(hand().RinkokuText, QString());
        root.write("set/Genin.ini", {});
        GeninForm empty;
        QCOMPARE(empty.ListList->count(), 0);
        WindowMouse::click(empty.CmdGd->at(1));
        QCOMPARE(hand().GeninText, QStringLiteral("分娩"));
    }

    void tantou()
    {
        SharedState::get().Site.texts.insert("TantouNames", "山田:佐藤:鈴木");
        TantouForm form;
        QCOMPARE(form.CmdGd->at(2)->text(), QStringLiteral("佐藤"));
        QVERIFY(form.CmdGd->at(4)->isHidden());
        WindowMouse::click(form.CmdGd->at(2));
        QVERIFY(!form.isVisible());
        QCOMPARE(hand().TantouOut, QStringLiteral("佐藤"));
        TantouForm again;
        WindowMouse::click(again.CmdGd->at(0));
        QCOMPARE(hand().TantouOut, QString());
    }

    void tuika_data()
    {
        QTest::addColumn<int>("day");
        QTest::addColumn<int>("option");   // -1: the default
        QTest::addColumn<int>("command");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<int>("out");
        QTest::newRow("insert at once") << 2 << -1 << 1 << "選択診療日：[診療-3]" << 1;
        QTest::newRow("delete") << 0 << 1 << 1 << "選択診療日：[診療-1]" << 2;
        QTest::newRow("delete, cancelled") << 19 << 1 << 0 << "選択診療日：[診療-20]" << 0;
    }
    void tuika()
    {
        QFETCH(int, day);
        QFETCH(int, option);
        QFETCH(int, command);
        QFETCH(QString, caption);
        QFETCH(int, out);
        hand().TuikaDayIn = day;
        hand().TuikaOut = 9;
        TuikaForm form;
        QCOMPARE(form.MotoGd->text(), caption);
        QVERIFY(form.SyoriOp[0]->isChecked());
        if (option >= 0)
            WindowMouse::click(form.SyoriOp[option]);
        WindowMouse::click(form.CmdGd->at(command));
        QVERIFY(!form.isVisible());
        QCOMPARE(hand().TuikaOut, out);
    }

    // The dialogs without title bar close only through their commands.
    void escapeDoesNotClose()
    {
        TuikaForm form;
        QVERIFY(WindowMouse::showWindow(&form));
        QTest::keyClick(&form, Qt::Key_Escape);
        QVERIFY(form.isVisible());
    }
};

NOLVARI_TEST(SmallPickersTest)
#include "SmallPickersTest.moc"
