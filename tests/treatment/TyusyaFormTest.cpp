#include "TestRegistry.h"
#include "TreatmentSetup.h"

#include "common/FlexGrid.h"
#include "common/LabelButtonArray.h"
#include "common/ModalHost.h"
#include "common/MsgBox.h"
#include "common/SharedState.h"
#include "registers/OptionArray.h"
#include "treatment/DentakuForm.h"
#include "treatment/TiryoLine.h"
#include "treatment/TyusyaForm.h"

#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QtTest>

namespace {
enum { Ok, Tojiru, Touroku, Sakujyo, Suuryou };

QStringList& out()
{
    return SharedState::get().Hand.TyusyaOut;
}

QStringList labels(const TyusyaForm& form)
{
    QStringList texts;
    for (QLabel* l : form.TensuGd)
        texts << l->text();
    return texts;
}
}

class TyusyaFormTest : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        TestFixture::resetGlobals();
    }

    // A drug from the kana view, a method and a quantity: the result, the line built from it and
    // the silent registration in the regular-drug list.
    void okWithDrug()
    {
        TreatmentSetup setup;
        SharedState::get().Hand.TyusyaOpKioku = 1;
        TyusyaForm form;
        TreatmentSetup::show(form);
        QVERIFY(form.TyusyaOp->at(1)->isChecked());
        QCOMPARE(labels(form), (QStringList{"0", "15", "18", "0", "0", "15", "18"}));
        QVERIFY(!form.CmdGd->at(Touroku)->isVisible());
        QVERIFY(form.CmdGd->at(Sakujyo)->isVisible());
        TreatmentSetup::clickCell(form.YobiGrid, 1, 9); // an empty cell changes nothing
        QVERIFY(form.CmdGd->at(Sakujyo)->isVisible());
        TreatmentSetup::pickDrug(form, 0, 0, "アンピシリンNa注射用");
        QVERIFY(form.CmdGd->at(Touroku)->isVisible());
        QCOMPARE(form.TensuGd[0]->text(), QStringLiteral("312"));
        TreatmentSetup::type(form.InpTx, "2.5");
        TreatmentSetup::pressEnter(form.InpTx);
        QCOMPARE(form.result(), int(QDialog::Accepted));
        QCOMPARE(out(), (QStringList{"アンピシリンNa注射用", "1g1V", "312", "15", "18", "0", "0", "15", "18",
                                     "静脈内注射", "2.5", ""}));
        QCOMPARE(TiryoLine::tyusya(out(), Ken::Sonota, false, false).cells(),
                 (QStringList{"静脈内注射", "アンピシリンNa注射用", "1g1V", "2.5", "780", "15", "18", "15･18･0･0"}));
        QCOMPARE(setup.read("Code/Record1.ini"), QStringList{"注'アンピシリンNa注射用'1g1V"});
        TyusyaForm again;
        QCOMPARE(again.TyusyaGrid->rows(), 2);
        TreatmentSetup::show(again);
        TreatmentSetup::pickDrug(again, 4, 9, "アンピシリンNa注射用");
        TreatmentSetup::type(again.InpTx, "1");
        TreatmentSetup::click(again.CmdGd, Ok);
        QCOMPARE(setup.read("Code/Record1.ini").size(), 1);
    }

    void okChecks_data()
    {
        QTest::addColumn<QString>("quantity");
        QTest::addColumn<bool>("pickRow");
        QTest::addColumn<QString>("message");
        QTest::newRow("empty") << "" << true << "数量を入力してください。";
        QTest::newRow("zero") << "0" << true << "数量を入力してください。";
        QTest::newRow("letters") << "abc" << true << "数量を入力してください。";
        QTest::newRow("quantity before selection") << "" << false << "数量を入力してください。";
        QTest::newRow("moved to, not picked") << "1" << false << "選択されていません";
        QTest::newRow("brackets pass") << "(2)" << true << "";
    }
    void okChecks()
    {
        QFETCH(QString, quantity);
        QFETCH(bool, pickRow);
        QFETCH(QString, message);
        TreatmentSetup setup;
        TyusyaForm form;
        TreatmentSetup::show(form);
        TreatmentSetup::clickCell(form.YobiGrid, 0, 0);
        if (pickRow) {
            TreatmentSetup::clickCell(form.TyusyaGrid, 1, 1);
        } else {
            form.TyusyaGrid->setFocus();
            QTest::keyClick(form.TyusyaGrid, Qt::Key_Down);
            QCOMPARE(form.TyusyaGrid->row(), 1);
        }
        TreatmentSetup::type(form.InpTx, quantity);
        TreatmentSetup::click(form.CmdGd, Ok);
        if (message.isEmpty()) {
            QCOMPARE(form.result(), int(QDialog::Accepted));
            QCOMPARE(out().at(10), QStringLiteral("(2)"));
            // The price of "(2)" is 0: the brackets are no number.
            QCOMPARE(TiryoLine::tyusya(out(), Ken::Sonota, false, false).text(TiryoLine::Yakka), QStringLiteral("0"));
            return;
        }
        QCOMPARE(MsgBox::log().last().text, message);
        QCOMPARE(MsgBox::log().last().title, QStringLiteral("確認"));
        QVERIFY(form.isVisible());
        QCOMPARE(out(), QStringList(12));
    }

    void closeAndOkWithoutDrug()
    {
        TreatmentSetup setup;
        out() = QStringList(12, "x");
        TyusyaForm form;
        TreatmentSetup::show(form);
        QTest::keyClick(form.InpTx, Qt::Key_Escape); // only the dialog's own labels close it
        QVERIFY(form.isVisible());
        TreatmentSetup::click(form.CmdGd, Ok);
        QCOMPARE(form.result(), int(QDialog::Accepted));
        QCOMPARE(out(), QStringList(12));
        out() = QStringList(12, "x");
        TyusyaForm closed;
        TreatmentSetup::show(closed);
        TreatmentSetup::clickCell(closed.YobiGrid, 0, 0);
        TreatmentSetup::clickCell(closed.TyusyaGrid, 1, 1);
        TreatmentSetup::click(closed.CmdGd, Tojiru);
        QCOMPARE(out(), QStringList(12));
        QVERIFY(!QFile::exists(setup.file("code/Record1.ini")));
    }

    // "無" gives no points; a surcharge typed stays in the totals through every method click.
    void methodsAndSurcharges()
    {
        TreatmentSetup setup;
        TyusyaForm form;
        TreatmentSetup::show(form);
        QCOMPARE(labels(form).mid(1), (QStringList{"8", "10", "0", "0", "8", "10"}));
        TreatmentSetup::type(form.ZotenTxBox[0], "5");
        QCOMPARE(labels(form).mid(1), (QStringList{"8", "10", "5", "0", "13", "10"}));
        TreatmentSetup::click(form.TyusyaOp->at(1));
        QCOMPARE(labels(form).mid(1), (QStringList{"15", "18", "5", "0", "20", "18"}));
        QCOMPARE(SharedState::get().Hand.TyusyaOpKioku, 1);
        form.ZotenTxBox[0]->clear();
        QCOMPARE(labels(form).mid(1), (QStringList{"15", "18", "0", "0", "15", "18"}));
        TreatmentSetup::type(form.ZotenTxBox[0], "5本");
        QCOMPARE(labels(form).mid(1), (QStringList{"15", "18", "5本", "0", "20", "18"}));
        form.ZotenTxBox[0]->clear();
        TreatmentSetup::click(form.TyusyaOp->at(6));
        QCOMPARE(labels(form).mid(1), QStringList(6, "0"));
        TreatmentSetup::clickCell(form.YobiGrid, 0, 0);
        TreatmentSetup::clickCell(form.TyusyaGrid, 1, 1);
        TreatmentSetup::type(form.InpTx, "1");
        TreatmentSetup::click(form.CmdGd, Ok);
        QCOMPARE(out().mid(3, 7), (QStringList{"0", "0", "0", "0", "0", "0", "無"}));
        TyusyaForm again;
        QVERIFY(again.TyusyaOp->at(6)->isChecked());
    }

    // The 常 view with its registered names; the register and remove buttons with their messages.
    void regularDrugs()
    {
        TreatmentSetup setup;
        setup.write("Code/Record1.ini", {"注'ビタミンB1注射液'10mL1管", "注'古い薬'1V", "注'リンゲル液'500mL1袋"});
        setup.write("set/TourokuNameC.ini", {"注'リンゲル液：500mL1袋'リンゲル"});
        TyusyaForm form;
        TreatmentSetup::show(form);
        QCOMPARE(form.TyusyaGrid->rows(), 3);
        QCOMPARE(form.TyusyaGrid->textMatrix(1, 1) + "|" + form.TyusyaGrid->textMatrix(2, 4),
                 QStringLiteral("ビタミンB1注射液|リンゲル"));
        TreatmentSetup::clickCell(form.TyusyaGrid, 2, 1);
        TreatmentSetup::type(form.InpTx, "2");
        TreatmentSetup::click(form.CmdGd, Ok);
        QCOMPARE(out().mid(0, 3), (QStringList{"リンゲル", "", "265"}));
        QCOMPARE(setup.read("Code/Record1.ini").size(), 3);

        TyusyaForm buttons;
        TreatmentSetup::show(buttons);
        TreatmentSetup::clickCell(buttons.TyusyaGrid, 1, 1);
        TreatmentSetup::click(buttons.CmdGd, Sakujyo);
        QCOMPARE(MsgBox::log().last().text, QStringLiteral("選択された薬を「常」から削除しました。"));
        QCOMPARE(buttons.TyusyaGrid->rows(), 2);
        QCOMPARE(setup.read("Code/Record1.ini"), (QStringList{"注'古い薬'1V", "注'リンゲル液'500mL1袋"}));
        TreatmentSetup::pickDrug(buttons, 2, 5, "フルニキシンメグルミン注射液");
        TreatmentSetup::click(buttons.CmdGd, Touroku);
        QCOMPARE(MsgBox::log().last().text, QStringLiteral("選択された薬を登録しました。"));
        TreatmentSetup::click(buttons.CmdGd, Touroku);
        QCOMPARE(MsgBox::log().last().text, QStringLiteral("既に登録されています。"));
        QCOMPARE(buttons.TyusyaGrid->rows(), 3);
        QCOMPARE(setup.read("Code/Record1.ini").last(), QStringLiteral("注'フルニキシンメグルミン注射液'50mL1V"));
    }

    void calculator()
    {
        TreatmentSetup setup;
        TyusyaForm form;
        TreatmentSetup::show(form);
        form.InpTx->setText("7");
        ModalHost::setHandler([](QDialog& dialog) {
            auto& calc = static_cast<DentakuForm&>(dialog);
            calc.inpTx[0]->setText("10");
            calc.inpTx[1]->setText("4");
            calc.Label1_Click(1);
            return int(QDialog::Accepted);
        });
        TreatmentSetup::click(form.CmdGd, Suuryou);
        QCOMPARE(form.InpTx->text(), QStringLiteral("2.50"));
        ModalHost::setHandler([](QDialog& dialog) {
            static_cast<DentakuForm&>(dialog).Label1_Click(0);
            return int(QDialog::Rejected);
        });
        TreatmentSetup::click(form.CmdGd, Suuryou);
        QCOMPARE(form.InpTx->text(), QStringLiteral("2.50"));
    }
};

NOLVARI_TEST(TyusyaFormTest)
#include "TyusyaFormTest.moc"
