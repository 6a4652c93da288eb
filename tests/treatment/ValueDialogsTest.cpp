#include "TestRegistry.h"
#include "TreatmentSetup.h"
#include "WindowMouse.h"

#include "common/LabelButtonArray.h"
#include "common/MsgBox.h"
#include "common/SharedState.h"
#include "treatment/BpointForm.h"
#include "treatment/DentakuForm.h"
#include "treatment/NoPointInpForm.h"
#include "treatment/PLForm.h"
#include "treatment/PLTestText.h"
#include "treatment/PictMiyazakiForm.h"
#include "treatment/TensuForm.h"
#include "treatment/TottoriTikushuForm.h"

#include <QCheckBox>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QtTest>

namespace {
HandOver& hand()
{
    return SharedState::get().Hand;
}
}

class ValueDialogsTest : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        TestFixture::resetGlobals();
    }

    void dentakuKeisan_data()
    {
        QTest::addColumn<QString>("a");
        QTest::addColumn<QString>("b");
        QTest::addColumn<QString>("quotient");
        QTest::newRow("10/4") << "10" << "4" << "2.50";
        QTest::newRow("1/3") << "1" << "3" << "0.33";
        QTest::newRow("2/3") << "2" << "3" << "0.67";
        QTest::newRow("1000/3") << "1000" << "3" << "333.33";
        QTest::newRow("0.001/1") << "0.001" << "1" << "0.00";
        QTest::newRow("negative") << "-1" << "3" << "-0.33";
        QTest::newRow("leading numbers") << "10ml" << "4本" << "2.50";
        QTest::newRow("zero divisor") << "1" << "0" << "";
        QTest::newRow("empty dividend") << "" << "3" << "";
    }
    void dentakuKeisan()
    {
        QFETCH(QString, a);
        QFETCH(QString, b);
        QFETCH(QString, quotient);
        QCOMPARE(DentakuForm::DentakuKeisanProc(a, b).value_or(QString()), quotient);
    }

    void dentakuWindow()
    {
        TreatmentSetup setup;
        hand().DentakuOut = "x";
        DentakuForm form;
        QCOMPARE(hand().DentakuOut, QStringLiteral("0"));
        TreatmentSetup::show(form);
        form.inpTx[1]->setText("9");
        TreatmentSetup::type(form.inpTx[0], "2");
        TreatmentSetup::pressEnter(form.inpTx[0]);
        QCOMPARE(form.inpTx[1]->text(), QString());
        QCOMPARE(form.focusWidget(), form.inpTx[1]);
        TreatmentSetup::type(form.inpTx[1], "3");
        TreatmentSetup::pressEnter(form.inpTx[1]);
        QCOMPARE(hand().DentakuOut, QStringLiteral("0.67"));
        QVERIFY(!form.isVisible());
        DentakuForm zero;
        TreatmentSetup::show(zero);
        TreatmentSetup::type(zero.inpTx[0], "2");
        TreatmentSetup::click(zero.Label1, 1);
        QCOMPARE(MsgBox::log().last().text, QStringLiteral("数値を入力してください。"));
        QCOMPARE(hand().DentakuOut, QStringLiteral("0"));
        QVERIFY(!zero.isVisible());
    }

    void bpoint_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("out");      // empty: refused
        QTest::addColumn<QString>("message");
        QTest::newRow("blanks") << " 12 " << "12" << "";
        QTest::newRow("grouped") << "1,200" << "1200" << "";
        QTest::newRow("decimal") << "37.4" << "37.4" << "";
        QTest::newRow("letters") << "abc" << "" << "数値を入力してください。";
        QTest::newRow("number and letters") << "12本" << "" << "数値を入力してください。";
        QTest::newRow("comma out of place") << "12,00" << "" << "数値を入力してください。";
        QTest::newRow("empty") << "" << "" << "点数を入力してください。";
    }
    void bpoint()
    {
        QFETCH(QString, typed);
        QFETCH(QString, out);
        QFETCH(QString, message);
        TreatmentSetup setup;
        hand().BpointIn = "350";
        hand().BpointOut = "old";
        BpointForm form;
        TreatmentSetup::show(form);
        QCOMPARE(form.MotoGd->text(), QStringLiteral("350"));
        form.inpTx->setText(typed);
        TreatmentSetup::pressEnter(form.inpTx);
        if (message.isEmpty()) {
            QCOMPARE(hand().BpointOut, out);
            QVERIFY(!form.isVisible());
            return;
        }
        QCOMPARE(MsgBox::log().last().text, message);
        QCOMPARE(hand().BpointOut, QStringLiteral("old"));
        QVERIFY(form.isVisible());
        TreatmentSetup::click(form.CmdGd, 0);
        QCOMPARE(hand().BpointOut, QString());
    }

    void tensuDisplay()
    {
        TreatmentSetup setup;
        hand().TensuIn = {"1,234", "123", "300", "423", "", "123", "4,230"};
        TensuForm form;
        QStringList shown;
        for (QLabel* l : form.TensuGd)
            shown << l->text();
        QCOMPARE(shown, (QStringList{"1,234", "300", "", "423", "123", "4,230", "123", "123"}));
    }

    void plText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("quarters");
        QTest::newRow("empty") << "" << QStringList{"-", "-", "-", "-"};
        QTest::newRow("written") << "前左 +  前右 -  後左 ±  後右 盲" << QStringList{"+", "-", "±", "盲"};
        QTest::newRow("two words: the first") << "前左 -  前右 軽い 腫れ  後左 -  後右 -" << QStringList{"-", "軽い", "-", "-"};
        QTest::newRow("empty result") << "前左   前右 +  後左 -  後右 -" << QStringList{"", "+", "-", "-"};
        QTest::newRow("other text") << "前左 +  前右" << QStringList{"+", "?", "?", "?"};
    }
    void plText()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, quarters);
        const PLTestText::Results r = PLTestText::parse(text);
        QCOMPARE((QStringList{r[0], r[1], r[2], r[3]}), quarters);
    }

    void plDialog()
    {
        TreatmentSetup setup;
        hand().PLTestOut = "old";
        PLForm form;
        QCOMPARE(hand().PLTestOut, QString());
        TreatmentSetup::show(form);
        TreatmentSetup::click(form.SentakuGd, 2);   // quarter 0 "+"
        TreatmentSetup::click(form.SentakuGd, 11);  // quarter 2 "±"
        TreatmentSetup::click(form.SentakuGd, 31);  // quarter 3 "盲"
        TreatmentSetup::click(form.SentakuGd, 26);  // quarter 2 "×" replaces "±"
        TreatmentSetup::click(form.InpGd, 1);
        QCOMPARE(MsgBox::log().last().text, QStringLiteral("入力文字を入力してください。"));
        QCOMPARE(form.PLgd[1]->text(), QStringLiteral("-"));
        form.inpTx->setText(" 硬結 \r\n");
        TreatmentSetup::click(form.InpGd, 1);
        TreatmentSetup::click(form.CmdGd, 1);
        QCOMPARE(hand().PLTestOut, QStringLiteral("前左 +  前右 硬結  後左 ×  後右 盲"));
        hand().PLTestIn = hand().PLTestOut;
        PLForm again;
        TreatmentSetup::show(again);
        TreatmentSetup::click(again.CmdGd, 1);
        QCOMPARE(hand().PLTestOut, hand().PLTestIn);
        PLForm closed;
        TreatmentSetup::show(closed);
        TreatmentSetup::click(closed.SentakuGd, 0);
        TreatmentSetup::click(closed.CmdGd, 0);
        QCOMPARE(hand().PLTestOut, QString());
    }

    void noPoint()
    {
        TreatmentSetup setup;
        setup.write("set/NoPoint.ini", {"削蹄", "", "観察のみ", "削蹄"});
        NoPointInpForm form;
        TreatmentSetup::show(form);
        QCOMPARE(form.KouhoList->count(), 3);
        TreatmentSetup::click(form.CmdGd, 1);
        QCOMPARE(MsgBox::log().last().text, QStringLiteral("入力してください。"));
        form.KouhoList->setCurrentRow(2);
        emit form.KouhoList->itemClicked(form.KouhoList->item(2));
        TreatmentSetup::click(form.CmdGd, 2);
        QCOMPARE(setup.read("set/NoPoint.ini"), (QStringList{"観察のみ", "削蹄"}));
        QCOMPARE(form.inpTx->text(), QStringLiteral("削蹄"));
        form.inpTx->setText(" 観察のみ ");
        TreatmentSetup::click(form.CmdGd, 1);
        QCOMPARE(hand().NoPointOut, QStringLiteral(" 観察のみ "));
        QCOMPARE(setup.read("set/NoPoint.ini"), (QStringList{"観察のみ", "削蹄"}));
        NoPointInpForm again;
        TreatmentSetup::show(again);
        again.inpTx->setText("放牧");
        TreatmentSetup::click(again.CmdGd, 1);
        QCOMPARE(setup.read("set/NoPoint.ini"), (QStringList{"観察のみ", "削蹄", "放牧"}));
        NoPointInpForm closed;
        TreatmentSetup::show(closed);
        closed.inpTx->setText("何か");
        TreatmentSetup::click(closed.CmdGd, 0);
        QCOMPARE(hand().NoPointOut, QString());
    }

    void tikushu_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("pick");
        QTest::addColumn<QString>("out");
        QTest::newRow("species") << 0 << 9 << 5 << "肥育用子牛";
        QTest::newRow("sex") << 1 << 3 << 2 << "去";
        QTest::newRow("other mode") << 2 << 0 << -1 << "";
    }
    void tikushu()
    {
        QFETCH(int, mode);
        QFETCH(int, count);
        QFETCH(int, pick);
        QFETCH(QString, out);
        TreatmentSetup setup(Ken::Tottori);
        hand().TikushuMode = mode;
        hand().TikushuOut = "old";
        TottoriTikushuForm form;
        TreatmentSetup::show(form);
        QCOMPARE(form.DtList->count(), count);
        if (pick >= 0) {
            QListWidgetItem* item = form.DtList->item(pick);
            QVERIFY(WindowMouse::click(form.DtList->viewport(), form.DtList->visualItemRect(item).center()));
        } else {
            TreatmentSetup::click(form.CmdGd, 0);
        }
        QCOMPARE(hand().TikushuOut, out);
        QVERIFY(!form.isVisible());
    }

    // The picture picker: "flag:n" for a diagram chosen in this opening, nothing without one
    // (also after an earlier opening chose one), "Del" to remove.
    void pictMiyazaki()
    {
        TreatmentSetup setup(Ken::Miyazaki);
        QImage left(8, 8, QImage::Format_RGB32);
        left.fill(Qt::red);
        QImage right(8, 8, QImage::Format_RGB32);
        right.fill(Qt::blue);
        QVERIFY(QDir().mkpath(setup.file("pict")));
        QVERIFY(left.save(setup.file("pict/M_Left7.bmp"), "BMP"));
        QVERIFY(right.save(setup.file("pict/M_Right7.bmp"), "BMP"));
        PictMiyazakiForm form;
        TreatmentSetup::show(form);
        QVERIFY(!form.SentakuImgL[6]->pixmap().isNull());
        TreatmentSetup::click(form.ChangeCh);
        QVERIFY(form.SetImg[0]->pixmap().isNull());
        TreatmentSetup::click(form.SentakuImgR[6]);
        QCOMPARE(form.SetImg[0]->pixmap().toImage().pixelColor(1, 1), QColor(Qt::blue));
        TreatmentSetup::click(form.ChangeCh);
        QCOMPARE(form.SetImg[0]->pixmap().toImage().pixelColor(1, 1), QColor(Qt::red));
        TreatmentSetup::click(form.SentakuGd, 2);
        TreatmentSetup::click(form.SentakuGd, 6);
        TreatmentSetup::click(form.Label1, 1);
        QCOMPARE(hand().PictMiyazakiOut, QStringLiteral("0:7"));
        PictMiyazakiForm swapped;
        TreatmentSetup::show(swapped);
        TreatmentSetup::click(swapped.ChangeCh);
        TreatmentSetup::click(swapped.Label1, 1);
        QCOMPARE(hand().PictMiyazakiOut, QString());
        PictMiyazakiForm chosen;
        TreatmentSetup::show(chosen);
        TreatmentSetup::click(chosen.ChangeCh);
        TreatmentSetup::click(chosen.SentakuGd, 11);
        TreatmentSetup::click(chosen.Label1, 1);
        QCOMPARE(hand().PictMiyazakiOut, QStringLiteral("1:12"));
        PictMiyazakiForm removed;
        TreatmentSetup::show(removed);
        TreatmentSetup::click(removed.SentakuGd, 1);
        TreatmentSetup::click(removed.Label1, 2);
        QCOMPARE(hand().PictMiyazakiOut, QStringLiteral("Del"));
        PictMiyazakiForm closed;
        TreatmentSetup::show(closed);
        TreatmentSetup::click(closed.SentakuGd, 1);
        TreatmentSetup::click(closed.Label1, 0);
        QCOMPARE(hand().PictMiyazakiOut, QString());
    }
};

NOLVARI_TEST(ValueDialogsTest)
#include "ValueDialogsTest.moc"
