#include "TestFixture.h"
#include "TestRegistry.h"
#include "WindowMouse.h"

#include "common/LabelButtonArray.h"
#include "common/MsgBox.h"
#include "common/SharedState.h"
#include "dialogs/KubunForm.h"
#include "dialogs/NendoForm.h"
#include "dialogs/TourokuNameForm.h"
#include "dialogs/TprForm.h"

#include <QLineEdit>
#include <QtTest>

// The small dialogs of a text box or three: the print year, the vital signs, the classification
// number and the template name.
class TextBoxDialogsTest : public QObject
{
    Q_OBJECT

    static HandOver& hand() { return SharedState::get().Hand; }

private slots:
    void init()
    {
        TestFixture::resetGlobals();
    }

    void nendo_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("nendo");
        QTest::newRow("unchanged") << "5" << "5";
        QTest::newRow("blanks around") << " 6 " << "6";
        QTest::newRow("only blanks") << "  " << "";
        QTest::newRow("any text") << "令和七" << "令和七";
    }
    void nendo()
    {
        QFETCH(QString, typed);
        QFETCH(QString, nendo);
        hand().PrintNendo = "5";
        NendoForm form;
        QCOMPARE(form.inpTx->text(), QStringLiteral("5"));
        form.inpTx->setText(typed);
        WindowMouse::click(form.CmdGd->at(0));
        QVERIFY(!form.isVisible());
        QCOMPARE(hand().PrintNendo, nendo);
        QVERIFY(MsgBox::log().isEmpty());
    }

    void nendoRefusesAnEmptyBox()
    {
        hand().PrintNendo = "5";
        NendoForm form;
        form.inpTx->clear();
        WindowMouse::click(form.CmdGd->at(0));
        QCOMPARE(MsgBox::log().size(), 1);
        QCOMPARE(MsgBox::log().last().text, QStringLiteral("年度を入力してください。"));
        QCOMPARE(MsgBox::log().last().title, QStringLiteral("確認"));
        QVERIFY(form.isVisible());
        QCOMPARE(hand().PrintNendo, QStringLiteral("5"));
    }

    // Typed values and Enter three times: the text as typed, blanks kept.
    void tprByEnter()
    {
        hand().TprText = "T=38 P= R=";
        TprForm form;
        QVERIFY(WindowMouse::showWindow(&form));
        QVERIFY(form.InpTx[0]->hasFocus());
        const QStringList typed{"38.5", " 60", "24 "};
        for (int i = 0; i < 3; ++i) {
            QTest::keyClicks(form.InpTx[i], typed.at(i));
            QTest::keyClick(form.InpTx[i], Qt::Key_Return);
            QCOMPARE(form.InpTx[i]->text(), typed.at(i));
        }
        QVERIFY(!form.isVisible());
        QCOMPARE(hand().TprText, QStringLiteral("T=38.5 P= 60 R=24 "));
    }

    void tprCommands_data()
    {
        QTest::addColumn<int>("command");
        QTest::addColumn<QString>("text");
        QTest::newRow("OK with empty boxes") << 1 << "T= P= R=";
        QTest::newRow("削除") << 2 << "";
        QTest::newRow("閉る") << 0 << "T=38 P=60 R=20";
    }
    void tprCommands()
    {
        QFETCH(int, command);
        QFETCH(QString, text);
        hand().TprText = "T=38 P=60 R=20";
        TprForm form;
        QCOMPARE(form.InpTx[0]->text(), QString());
        if (command == 0)
            form.InpTx[1]->setText("99");
        WindowMouse::click(form.Label1->at(command));
        QCOMPARE(hand().TprText, text);
    }

    void kubun_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("command");
        QTest::addColumn<QString>("out");
        QTest::newRow("OK trims") << " 12 " << 0 << "12";
        QTest::newRow("OK empty") << "" << 0 << "";
        QTest::newRow("閉じる keeps") << "34" << 1 << "7";
    }
    void kubun()
    {
        QFETCH(QString, typed);
        QFETCH(int, command);
        QFETCH(QString, out);
        hand().KubunOut = "7";
        KubunForm form;
        QCOMPARE(form.InpTx->text(), QStringLiteral("7"));
        form.InpTx->setText(typed);
        QVERIFY(WindowMouse::showWindow(&form));
        QTest::keyClick(form.InpTx, Qt::Key_Return);
        QVERIFY(form.isVisible());
        WindowMouse::click(form.CmdGd->at(command));
        QVERIFY(!form.isVisible());
        QCOMPARE(hand().KubunOut, out);
    }

    void tourokuName_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("refused");
        QTest::addColumn<QString>("out");
        for (const QString c : {"\\", "/", "*", "?", "\"", ",", ":", ";", "%", "<", ">", "|"})
            QTest::newRow(qPrintable("refused " + c)) << "乳房炎" + c + "A" << true << "";
        QTest::newRow("full-width forms pass") << "乳房炎￥？”，：％　A" << false << "乳房炎￥？”，：％　A";
        QTest::newRow("trimmed") << "  乳房炎_肺炎 " << false << "乳房炎_肺炎";
        QTest::newRow("blank") << "   " << false << "";
    }
    void tourokuName()
    {
        QFETCH(QString, typed);
        QFETCH(bool, refused);
        QFETCH(QString, out);
        hand().TourokuNameText = "元の名前";
        TourokuNameForm form;
        QCOMPARE(form.inpTx->text(), QStringLiteral("元の名前"));
        form.inpTx->setText(typed);
        WindowMouse::click(form.CmdGd->at(0));
        QCOMPARE(form.isVisible(), refused);
        if (refused) {
            QCOMPARE(MsgBox::log().last().text, QStringLiteral("使用できない文字が含まれています。"));
            QCOMPARE(form.inpTx->text(), typed);
            WindowMouse::click(form.CmdGd->at(1));
        }
        QCOMPARE(hand().TourokuNameText, out);
    }
};

NOLVARI_TEST(TextBoxDialogsTest)
#include "TextBoxDialogsTest.moc"
