#include "TestRegistry.h"
#include "TreatmentSetup.h"

#include "common/FlexGrid.h"
#include "common/LabelButtonArray.h"
#include "common/MsgBox.h"
#include "common/SharedState.h"
#include "registers/OptionArray.h"
#include "treatment/MiyazakiCodeForm.h"
#include "treatment/TiryoLine.h"
#include "treatment/TyusyaMiyazaki.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QtTest>

namespace {
enum { Ok, Tojiru };

QStringList& out()
{
    return SharedState::get().Hand.TyusyaOut;
}

void writeNames(const TreatmentSetup& setup)
{
    setup.write("set/PrintNameC.ini", {"注'1202'輸液'リンゲル液'500'mL", "", "注'1001'抗生'アンピシリンNa注射用'1'V",
                                       "注'1301'消炎'フルニキシン'50'mL"});
    setup.write("set/PrintNameN.ini", {"内'2001'整腸'ビフィズス菌製剤'500'g", "内'1001'重複'内用の同コード'1'g"});
    setup.write("set/PrintNameG.ini", {"外'3009'消毒'別の外用薬'1'本", "外'3001'消毒'ポビドンヨード液10%'500'mL"});
}

TyusyaMiyazaki* open(int mode)
{
    SharedState::get().Hand.TyusyaMiyazakiMode = mode;
    auto* form = new TyusyaMiyazaki;
    TreatmentSetup::show(*form);
    return form;
}

void expectRefusal(TyusyaMiyazaki& form, const QString& message)
{
    TreatmentSetup::click(form.CmdGd, Ok);
    QCOMPARE(MsgBox::log().last().text, message);
    QCOMPARE(MsgBox::log().last().title, QStringLiteral("入力確認"));
    QVERIFY(form.isVisible());
    QCOMPARE(out(), QStringList(12));
}
}

class MiyazakiEntryTest : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        TestFixture::resetGlobals();
    }

    void codePages_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("heading");
        QTest::addColumn<QStringList>("codes");
        QTest::newRow("documents") << 3 << "文書料" << QStringList{"0901"};
        QTest::newRow("examination") << 16 << "診察" << QStringList{"0001", "0002"};
        QTest::newRow("surgery") << 6 << "手術" << QStringList{"0701"};
    }
    void codePages()
    {
        QFETCH(int, mode);
        QFETCH(QString, heading);
        QFETCH(QStringList, codes);
        TreatmentSetup setup(Ken::Miyazaki);
        out() = QStringList(12, "x");
        std::unique_ptr<TyusyaMiyazaki> form(open(mode));
        QCOMPARE(form->Label2->text(), heading);
        FlexGrid* grid = form->DataGrid[mode == 3 ? 4 : 3];
        QVERIFY(grid->isVisible());
        QStringList shown;
        for (int r = 1; r < grid->rows(); ++r)
            shown << grid->textMatrix(r, 0);
        QCOMPARE(shown, codes);
        expectRefusal(*form, "内容を選択してください。");
        TreatmentSetup::clickCell(grid, 1, 1);
        TreatmentSetup::click(form->CmdGd, Ok);
        QCOMPARE(out().mid(3), QStringList(9));
        QCOMPARE(out().at(0), codes.first());
        QCOMPARE(TiryoLine::miyazakiSinryo(out(), heading).text(TiryoLine::SinryoCode), codes.first());
    }

    // Unticking the code order shows the table order and drops the choice.
    void codeOrder()
    {
        TreatmentSetup setup(Ken::Miyazaki);
        SharedState::get().Tables.SinryoMiyazakiTable.insert(0, "診察'0009'往診加算'夜''70'");
        std::unique_ptr<TyusyaMiyazaki> form(open(16));
        FlexGrid* grid = form->DataGrid[3];
        QCOMPARE(grid->textMatrix(1, 0), QStringLiteral("0001"));
        TreatmentSetup::clickCell(grid, 2, 1);
        TreatmentSetup::click(form->Check1);
        TreatmentSetup::click(form->Check1);
        QCOMPARE(grid->textMatrix(1, 0), QStringLiteral("0009"));
        expectRefusal(*form, "内容を選択してください。");
        TreatmentSetup::clickCell(grid, 1, 1);
        TreatmentSetup::click(form->CmdGd, Ok);
        QCOMPARE(out().mid(0, 3), (QStringList{"0009", "往診加算", "夜"}));
    }

    void injection()
    {
        TreatmentSetup setup(Ken::Miyazaki);
        writeNames(setup);
        std::unique_ptr<TyusyaMiyazaki> form(open(0));
        FlexGrid* drugs = form->DataGrid[0];
        QCOMPARE(drugs->textMatrix(1, 0) + drugs->textMatrix(2, 0) + drugs->textMatrix(3, 0),
                 QStringLiteral("100112021301"));
        expectRefusal(*form, "薬名を選択してください。");
        TreatmentSetup::clickCell(drugs, 3, 1);
        QCOMPARE(form->TaniGd[0]->text(), QStringLiteral("mL"));
        TreatmentSetup::click(form->TyusyaOp->at(1));
        QCOMPARE(form->DataGrid[1]->rows(), 2);
        expectRefusal(*form, "診療区分を選択してください。");
        TreatmentSetup::click(form->TyusyaOp->at(0));
        QCOMPARE(form->SentakuRow[1], 1);
        expectRefusal(*form, "数量を入力してください。");
        TreatmentSetup::type(form->InpTx[0], "2");
        TreatmentSetup::pressEnter(form->InpTx[0]);
        QCOMPARE(out(), (QStringList{"1301", "フルニキシン", "50", "mL", "0501", "筋肉内注射", "筋肉内注射", "2", "", "", "", ""}));
        QCOMPARE(TiryoLine::miyazakiTyusya(out()).cells(),
                 (QStringList{"筋肉内注射", "フルニキシン", "50mL", "2", "0501", "1301", "", ""}));
        QCOMPARE(setup.read("set/PrintNameC.ini"), (QStringList{"注'1301'消炎'フルニキシン'50'mL", "注'1202'輸液'リンゲル液'500'mL",
                                                                "注'1001'抗生'アンピシリンNa注射用'1'V"}));
        std::unique_ptr<TyusyaMiyazaki> none(open(0));
        TreatmentSetup::clickCell(none->DataGrid[0], 1, 1);
        TreatmentSetup::click(none->TyusyaOp->at(5));
        TreatmentSetup::type(none->InpTx[0], "abc");
        TreatmentSetup::click(none->CmdGd, Ok);
        QCOMPARE(out().mid(0, 8), (QStringList{"1001", "アンピシリンNa注射用", "1", "V", "", "診療区分無", "", "abc"}));
        QCOMPARE(TiryoLine::miyazakiTyusya(out()).text(TiryoLine::Kikaku), QString());
    }

    void drugTherapy_data()
    {
        QTest::addColumn<int>("kubun");
        QTest::addColumn<QStringList>("items");
        QTest::newRow("0201") << 0 << QStringList{"0201", "薬治"};
        QTest::newRow("0202") << 1 << QStringList{"0202", "調剤必要"};
        QTest::newRow("記入無") << 2 << QStringList{"", "診療区分無"};
        QTest::newRow("0625") << 3 << QStringList{"0625", "子宮内薬剤注入"};
    }
    void drugTherapy()
    {
        QFETCH(int, kubun);
        QFETCH(QStringList, items);
        TreatmentSetup setup(Ken::Miyazaki);
        writeNames(setup);
        std::unique_ptr<TyusyaMiyazaki> form(open(1));
        QVERIFY(form->BunruiOp->at(0)->isChecked());
        QVERIFY(form->KubunOp->at(0)->isChecked());
        TreatmentSetup::click(form->KubunOp->at(kubun));
        TreatmentSetup::clickCell(form->DataGrid[2], 2, 1);
        TreatmentSetup::type(form->InpTx[1], "3");
        TreatmentSetup::click(form->CmdGd, Ok);
        QCOMPARE(out().mid(0, 8), (QStringList{"2001", "ビフィズス菌製剤", "500", "g"} + items + QStringList{"", "3"}));
        QCOMPARE(setup.read("set/PrintNameN.ini").first(), QStringLiteral("内'2001'整腸'ビフィズス菌製剤'500'g"));
    }

    // The whole drug table: a drug of another class's list never brings that list into the
    // chosen class's file; a drug the class's file holds moves to its top; one it does not hold
    // leaves the file as it was.
    void allDrugNames()
    {
        TreatmentSetup setup(Ken::Miyazaki);
        writeNames(setup);
        std::unique_ptr<TyusyaMiyazaki> form(open(1));
        TreatmentSetup::clickCell(form->DataGrid[2], 1, 1);
        TreatmentSetup::click(form->AllNameCh);
        QCOMPARE(form->SentakuRow[2], 0);
        expectRefusal(*form, "薬名を選択してください。");
        TreatmentSetup::click(form->BunruiOp->at(1));
        QCOMPARE(form->DataGrid[2]->rows(), 2);
        TreatmentSetup::clickCell(form->DataGrid[2], 1, 1);
        TreatmentSetup::type(form->InpTx[1], "1");
        TreatmentSetup::click(form->CmdGd, Ok);
        QCOMPARE(out().at(0), QStringLiteral("3001"));
        QCOMPARE(setup.read("set/PrintNameG.ini"),
                 (QStringList{"外'3001'消毒'ポビドンヨード液10%'500'mL", "外'3009'消毒'別の外用薬'1'本"}));
        QCOMPARE(setup.read("set/PrintNameN.ini").size(), 2);

        std::unique_ptr<TyusyaMiyazaki> other(open(1));
        TreatmentSetup::click(other->AllNameCh);
        const int r = TreatmentSetup::findRow(other->DataGrid[2], 0, "2002");
        TreatmentSetup::clickCell(other->DataGrid[2], r, 1);
        TreatmentSetup::type(other->InpTx[1], "1");
        TreatmentSetup::click(other->CmdGd, Ok);
        QCOMPARE(out().at(1), QStringLiteral("健胃散"));
        QCOMPARE(setup.read("set/PrintNameN.ini"),
                 (QStringList{"内'2001'整腸'ビフィズス菌製剤'500'g", "内'1001'重複'内用の同コード'1'g"}));
    }

    void codeEntry()
    {
        TreatmentSetup setup(Ken::Miyazaki);
        writeNames(setup);
        out() = QStringList(12, "x");
        MiyazakiCodeForm form;
        QCOMPARE(out(), QStringList(12));
        TreatmentSetup::show(form);
        TreatmentSetup::type(form.InpTx[0], "*0201");
        QCOMPARE(form.CodeGd[0]->text(), QStringLiteral("薬治:薬治:"));
        QCOMPARE(out().mid(4, 5), (QStringList{"0201", "薬治", "薬治:", "", "1"}));
        TreatmentSetup::type(form.InpTx[0], "0201*");
        QCOMPARE(out().at(8), QStringLiteral("1"));
        TreatmentSetup::type(form.InpTx[0], "0201");
        QCOMPARE(out().at(8), QStringLiteral("0"));
        TreatmentSetup::type(form.InpTx[1], "1001");
        QCOMPARE(out().mid(0, 4), (QStringList{"1001", "アンピシリンNa注射用", "1", "V"}));
        QCOMPARE(form.CodeGd[1]->text(), QStringLiteral("アンピシリンNa注射用1V"));
        TreatmentSetup::type(form.InpTx[0], "0102");
        QCOMPARE(form.CodeGd[0]->text(), QStringLiteral("往診:2"));
        QCOMPARE(out().mid(3, 4), (QStringList{"2", "0102", "往診", "日中"}));
        // A box whose text no longer matches clears what it wrote.
        QTest::keyClick(form.InpTx[0], Qt::Key_Backspace);
        QCOMPARE(form.CodeGd[0]->text(), QString());
        QCOMPARE(out().mid(3, 6), QStringList(6));
        TreatmentSetup::type(form.InpTx[1], "1001");
        form.InpTx[1]->clear();
        QCOMPARE(out().mid(0, 4), QStringList(4));
        TreatmentSetup::type(form.InpTx[2], "1.5");
        QCOMPARE(out().at(7), QStringLiteral("1.5"));
        TreatmentSetup::pressEnter(form.InpTx[2]);
        QCOMPARE(form.result(), int(QDialog::Accepted));
        MiyazakiCodeForm closed;
        TreatmentSetup::show(closed);
        TreatmentSetup::type(closed.InpTx[1], "2001");
        TreatmentSetup::click(closed.CmdGd, 0);
        QCOMPARE(out().mid(0, 2), (QStringList{"non", "ビフィズス菌製剤"}));
    }

    void codeEntryKeys()
    {
        TreatmentSetup setup(Ken::Miyazaki);
        MiyazakiCodeForm form;
        TreatmentSetup::show(form);
        form.InpTx[0]->setFocus();
        TreatmentSetup::pressEnter(form.InpTx[0]);
        QCOMPARE(QApplication::focusWidget(), form.InpTx[1]);
        QTest::keyClick(form.InpTx[1], Qt::Key_Down);
        QCOMPARE(QApplication::focusWidget(), form.InpTx[2]);
        QTest::keyClick(form.InpTx[2], Qt::Key_Up);
        QCOMPARE(QApplication::focusWidget(), form.InpTx[1]);
        QTest::keyClick(form.InpTx[1], Qt::Key_Up);
        QCOMPARE(QApplication::focusWidget(), form.InpTx[0]);
        QVERIFY(form.isVisible());
    }
};

NOLVARI_TEST(MiyazakiEntryTest)
#include "MiyazakiEntryTest.moc"
