#include "BookSetup.h"
#include "TestRegistry.h"
#include "WindowMouse.h"

#include "common/LabelButtonArray.h"
#include "common/MsgBox.h"
#include "common/SharedState.h"
#include "common/TextFile.h"
#include "registers/OptionArray.h"
#include "treatmentbook/IbaragiBunbenForm.h"
#include "treatmentbook/IbaragiInfoForm.h"
#include "treatmentbook/IbaragiSyochiForm.h"
#include "treatmentbook/IbaragiTForm.h"
#include "treatmentbook/IbaragiTaneForm.h"

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QtTest>

namespace {
QString& dialogText()
{
    return SharedState::get().Hand.IbaragiDialogText;
}

QStringList listed(const QListWidget* list)
{
    QStringList out;
    for (int i = 0; i < list->count(); ++i)
        out.append(list->item(i)->text());
    return out;
}

void choose(QListWidget* list, int row)
{
    QVERIFY(WindowMouse::click(list->viewport(), list->visualItemRect(list->item(row)).center()));
}
}

class CellDialogsTest : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        TestFixture::resetGlobals();
    }

    void temperature()
    {
        BookSetup setup;
        dialogText() = "38.5";
        {
            IbaragiTForm form;
            QCOMPARE(form.inpTx->text(), "38.5");
            BookSetup::type(form.inpTx, " 39'0");
            BookSetup::click(form.CmdGd, 1);
            QCOMPARE(form.result(), int(QDialog::Accepted));
        }
        QCOMPARE(dialogText(), " 39'0");
        {
            IbaragiTForm form;
            BookSetup::type(form.inpTx, "40");
            BookSetup::pressEnter(form.inpTx);
            QCOMPARE(dialogText(), "40");
        }
        {
            IbaragiTForm form;
            BookSetup::type(form.inpTx, "41");
            BookSetup::click(form.CmdGd, 0);
            QCOMPARE(dialogText(), "non");
        }
    }

    void syochiCandidates()
    {
        BookSetup setup;
        QVERIFY(!setup.exists("cb"));
        dialogText() = "洗浄:2:x";
        {
            IbaragiSyochiForm form;
            QCOMPARE(form.inpTx0->text(), "洗浄");
            QCOMPARE(form.inpTx1->text(), "2");
            QVERIFY(listed(form.KouhoList).isEmpty());
            BookSetup::type(form.inpTx0, " 洗浄 ");
            BookSetup::pressEnter(form.inpTx0);
            QVERIFY(form.inpTx1->hasFocus());
            QCOMPARE(form.inpTx0->text(), " 洗浄 ");
            form.inpTx1->clear();
            BookSetup::click(form.CmdGd, IbaragiKouhoForm::Ok);
            QCOMPARE(MsgBox::log().last().text, "数量を入力してください。");
            QVERIFY(form.result() != QDialog::Accepted);
            BookSetup::type(form.inpTx1, "3");
            BookSetup::click(form.CmdGd, IbaragiKouhoForm::Ok);
            QCOMPARE(form.result(), int(QDialog::Accepted));
        }
        QCOMPARE(dialogText(), "洗浄:3");
        QCOMPARE(setup.read("cb/BunbenSyochi.ini"), QStringList{"洗浄:3"});

        setup.write("cb/BunbenSyochi.ini", {"洗浄:3", "", "消毒", "a:b:c", "点滴:1"});
        dialogText() = "keep";
        {
            IbaragiSyochiForm form;
            QCOMPARE(listed(form.KouhoList), (QStringList{"洗浄:3", "消毒", "a:b:c", "点滴:1"}));
            choose(form.KouhoList, 1);
            QCOMPARE(form.inpTx0->text(), "keep");
            choose(form.KouhoList, 3);
            QCOMPARE(form.inpTx0->text(), "点滴");
            QCOMPARE(form.inpTx1->text(), "1");
            choose(form.KouhoList, 0);
            BookSetup::click(form.CmdGd, IbaragiKouhoForm::KouhoDel);
            QCOMPARE(listed(form.KouhoList), (QStringList{"消毒", "a:b:c", "点滴:1"}));
            QCOMPARE(form.inpTx0->text(), "");
            form.inpTx0->clear();
            BookSetup::click(form.CmdGd, IbaragiKouhoForm::Ok);   // empty name: nothing written
        }
        QCOMPARE(dialogText(), "");
        QCOMPARE(setup.read("cb/BunbenSyochi.ini"), (QStringList{"消毒", "a:b:c", "点滴:1"}));
    }

    void taneAndBunbenKeepTheirOwnRules()
    {
        BookSetup setup;
        setup.write("cb/TaneKouho.ini", {"黒毛", "白鵬", "安福"});
        setup.write("cb/BunbenKouho.ini", {"安産", "難産", "帝王切開"});
        dialogText() = "黒毛";
        {
            IbaragiTaneForm form;
            choose(form.KouhoList, 1);
            BookSetup::click(form.CmdGd, IbaragiKouhoForm::KouhoDel);
            QCOMPARE(listed(form.KouhoList), (QStringList{"黒毛", "安福"}));
            QCOMPARE(form.inpTx0->text(), "白鵬");
            BookSetup::type(form.inpTx0, "安福");
            BookSetup::click(form.CmdGd, IbaragiKouhoForm::Ok);
        }
        QCOMPARE(setup.read("cb/TaneKouho.ini"), (QStringList{"黒毛", "白鵬", "安福"}));
        {
            IbaragiTaneForm form;
            choose(form.KouhoList, 1);
            BookSetup::click(form.CmdGd, IbaragiKouhoForm::KouhoDel);
            BookSetup::click(form.CmdGd, IbaragiKouhoForm::Tojiru);
        }
        QCOMPARE(dialogText(), "安福");
        QCOMPARE(setup.read("cb/TaneKouho.ini"), (QStringList{"黒毛", "安福"}));

        dialogText() = "前の管理";
        {
            IbaragiBunbenForm form;
            QCOMPARE(form.inpTx0->text(), "前の管理");
            choose(form.KouhoList, 0);
            BookSetup::click(form.CmdGd, IbaragiKouhoForm::KouhoDel);
            choose(form.KouhoList, 0);
            BookSetup::click(form.CmdGd, IbaragiKouhoForm::KouhoDel);
            QCOMPARE(setup.read("cb/BunbenKouho.ini"), QStringList{"帝王切開"});
            QCOMPARE(form.inpTx0->text(), "難産");   // the deletion leaves the box alone
            BookSetup::type(form.inpTx0, "安産 ");
            BookSetup::pressEnter(form.inpTx0);
            QVERIFY(form.result() != QDialog::Accepted);
            BookSetup::click(form.CmdGd, IbaragiKouhoForm::Ok);
        }
        QCOMPARE(dialogText(), "安産");
        QCOMPARE(setup.read("cb/BunbenKouho.ini"), (QStringList{"帝王切開", "安産"}));
        {
            IbaragiBunbenForm form;
            BookSetup::type(form.inpTx0, "あんざん");
            BookSetup::click(form.CmdGd, IbaragiKouhoForm::Tojiru);
        }
        QCOMPARE(dialogText(), "安産");
        {
            IbaragiBunbenForm form;
            form.inpTx0->clear();
            BookSetup::click(form.CmdGd, IbaragiKouhoForm::Ok);
        }
        QCOMPARE(dialogText(), "");
        QCOMPARE(setup.read("cb/BunbenKouho.ini"), (QStringList{"帝王切開", "安産"}));
    }

    void failedCandidateWriteKeepsTheEntry()
    {
        BookSetup setup;
        dialogText() = "";
        IbaragiTaneForm form;
        BookSetup::type(form.inpTx0, "黒毛");
        TextFile::failNextWriteAfterBytes(0);
        BookSetup::click(form.CmdGd, IbaragiKouhoForm::Ok);
        QCOMPARE(dialogText(), "黒毛");
        QVERIFY(MsgBox::log().last().text.contains("TaneKouho.ini"));
    }

    void calvingOnAnEmptyCell()
    {
        BookSetup setup;
        dialogText() = "";
        SharedState::get().Hand.IbaragiRowIn = "5.3.12";
        IbaragiInfoForm form;
        QCOMPARE(form.infoGd->text(), "5.3.12");
        QCOMPARE(form.inpTx0->text(), "");
        QCOMPARE(form.KoUsiOp->chosenCaption(), "♂");
        QCOMPARE(form.HinsyuOp->chosenCaption(), "F1");
        QCOMPARE(form.SyonyuOp->chosenCaption(), "A");
        QCOMPARE(form.JyohoOp->chosenCaption(), "正常");
        QVERIFY(!form.FutagoCh->isChecked());
        BookSetup::click(form.CmdGd, IbaragiInfoForm::Ok);
        QCOMPARE(MsgBox::log().last().text, "産数を入力してください。");
        QVERIFY(form.result() != QDialog::Accepted);

        BookSetup::type(form.inpTx0, "2");
        BookSetup::click(form.HinsyuOp->at(1));
        BookSetup::click(form.SyonyuOp->at(1));
        BookSetup::click(form.JyohoOp->at(1));
        BookSetup::type(form.inpTx1, "【要注意】 [経過:良]");
        BookSetup::click(form.FutagoCh);
        QVERIFY(form.WakuFrame7->isVisible());
        BookSetup::click(form.KoUsiOp2->at(1));
        BookSetup::click(form.CmdGd, IbaragiInfoForm::Ok);
        QCOMPARE(dialogText(), "【産数】2 【子牛】♂\r\n【元気】有 【食欲】有\r\n【品種】和牛 【比重】B\r\n【状況】異常\r\n"
                               "[(要注意) (経過：良)]:\r\n【双子】♀\r\n【元気】有 【食欲】有");
    }

    void calvingReadBack()
    {
        BookSetup setup;
        dialogText() = "【産数】2 【子牛】♀\t【元気】無 【食欲】有\t【品種】乳用種 【比重】C\t【状況】その他\t[後産]:\t【双子】♂\t【元気】有 【食欲】無";
        {
            IbaragiInfoForm form;
            QCOMPARE(form.inpTx0->text(), "2");
            QCOMPARE(form.KoUsiOp->chosenCaption(), "♀");
            QCOMPARE(form.GenkiOp->chosenCaption(), "無");
            QCOMPARE(form.HinsyuOp->chosenCaption(), "乳用種");
            QCOMPARE(form.JyohoOp->chosenCaption(), "その他");
            QCOMPARE(form.inpTx1->text(), "後産");
            QVERIFY(form.FutagoCh->isChecked());
            QCOMPARE(form.SyokuOp2->chosenCaption(), "無");
            BookSetup::click(form.FutagoCh);
            QVERIFY(!form.WakuFrame7->isVisible());
            BookSetup::click(form.CmdGd, IbaragiInfoForm::Ok);
        }
        QVERIFY(dialogText().endsWith("[後産]"));
        dialogText() = "【産数】1 【子牛】オス";
        {
            IbaragiInfoForm form;
            QCOMPARE(form.KoUsiOp->chosen(), -1);
            BookSetup::click(form.CmdGd, IbaragiInfoForm::Sakujyo);
        }
        QCOMPARE(dialogText(), "del");
        {
            IbaragiInfoForm form;
            BookSetup::type(form.inpTx0, "3");
            BookSetup::click(form.CmdGd, IbaragiInfoForm::Tojiru);
        }
        QCOMPARE(dialogText(), "non");
    }
};

NOLVARI_TEST(CellDialogsTest)
#include "CellDialogsTest.moc"
