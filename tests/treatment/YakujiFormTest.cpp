#include "TestRegistry.h"
#include "TreatmentSetup.h"

#include "common/FlexGrid.h"
#include "common/LabelButtonArray.h"
#include "common/MsgBox.h"
#include "common/SharedState.h"
#include "registers/OptionArray.h"
#include "treatment/TiryoLine.h"
#include "treatment/YakujiForm.h"

#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QtTest>

namespace {
enum { Ok, Tojiru, Touroku, Sakujyo };

QStringList& out()
{
    return SharedState::get().Hand.YakujiOut;
}

// Two drugs of the kana ふ of internal drugs added to the sample table: one priced per 500 ml,
// one without a base quantity.
void addDrugs()
{
    QStringList& table = SharedState::get().Tables.YakkaCodeTable;
    table.insert(0, "内ふ'テスト液'500ml'*'1000''500'ml");
    table.insert(1, "内ふ'基準なし散'1包'*'10'''包");
}
}

class YakujiFormTest : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        TestFixture::resetGlobals();
    }

    void okWithPrescriptionUnit()
    {
        TreatmentSetup setup;
        addDrugs();
        YakujiForm form;
        TreatmentSetup::show(form);
        QVERIFY(form.KusuriBunruiOp->at(0)->isChecked());
        QCOMPARE(form.TensuGd[1]->text() + "/" + form.TensuGd[2]->text(), QStringLiteral("12/14"));
        TreatmentSetup::pickDrug(form, 2, 5, "テスト液");
        QCOMPARE(form.InpTx[0]->text() + form.TaniGd->text(), QStringLiteral("500ml"));
        TreatmentSetup::type(form.InpTx[0], "100");
        TreatmentSetup::type(form.InpTx[1], "2");
        TreatmentSetup::pressEnter(form.InpTx[1]);
        QCOMPARE(form.result(), int(QDialog::Accepted));
        QCOMPARE(out(), (QStringList{"テスト液", "500ml", "1000", "12", "14", "0", "0", "12", "14", "調剤要", "2", "100",
                                     "500", "ml"}));
        const TiryoLine line = TiryoLine::yakuji(out());
        QCOMPARE(line.text(TiryoLine::Kikaku), QStringLiteral("500ml(処方単位:100ml)"));
        QCOMPARE(line.text(TiryoLine::Yakka), QStringLiteral("400"));
        QCOMPARE(setup.read("Code/Record2.ini"), QStringList{"内'テスト液'500ml'100"});
    }

    // The order of the checks of OK; each leaves the dialog open with an empty result.
    void okChecks()
    {
        TreatmentSetup setup;
        addDrugs();
        YakujiForm form;
        TreatmentSetup::show(form);
        const auto okSays = [&](const QString& message) {
            TreatmentSetup::click(form.CmdGd, Ok);
            QCOMPARE(MsgBox::log().last().text, message);
            QCOMPARE(MsgBox::log().last().title, QStringLiteral("確認"));
            QCOMPARE(out(), QStringList(14));
            QVERIFY(form.isVisible());
        };
        TreatmentSetup::pickDrug(form, 2, 5, "基準なし散");
        okSays("数量を入力してください。");
        TreatmentSetup::type(form.InpTx[1], "1");
        TreatmentSetup::type(form.InpTx[0], "0");
        okSays("処方単位を入力してください。");
        TreatmentSetup::type(form.InpTx[0], "1");
        okSays("選択し直してください。");
        TreatmentSetup::pickDrug(form, 2, 5, "テスト液");
        TreatmentSetup::clickCell(form.YobiGrid, 0, 0);
        form.TyusyaGrid->setFocus();
        QTest::keyClick(form.TyusyaGrid, Qt::Key_Down);
        TreatmentSetup::type(form.InpTx[1], "1");
        TreatmentSetup::type(form.InpTx[0], "1");
        okSays("選択されていません");
        QVERIFY(!QFile::exists(setup.file("code/Record2.ini")));
    }

    void methodWords_data()
    {
        QTest::addColumn<int>("option");
        QTest::addColumn<QStringList>("items");
        QTest::newRow("無") << 2 << QStringList{"0", "0", "0", "0", "0", "0", "無"};
        QTest::newRow("注入") << 3 << QStringList{"20", "24", "0", "0", "20", "24", "注入"};
        QTest::newRow("経口") << 4 << QStringList{"10", "12", "0", "0", "10", "12", "経口"};
        QTest::newRow("調剤不要") << 1 << QStringList{"5", "6", "0", "0", "5", "6", "調剤不要"};
    }
    void methodWords()
    {
        QFETCH(int, option);
        QFETCH(QStringList, items);
        TreatmentSetup setup;
        YakujiForm form;
        TreatmentSetup::show(form);
        TreatmentSetup::click(form.TyusyaOp->at(option));
        TreatmentSetup::pickDrug(form, 0, 0, "アンピシリン散10%");
        TreatmentSetup::type(form.InpTx[1], "1");
        TreatmentSetup::click(form.CmdGd, Ok);
        QCOMPARE(out().mid(3, 7), items);
        QCOMPARE(SharedState::get().Hand.YakujiTyusyaOpKioku, option);
    }

    // The 常 view of a class: its stored prescription units; a line holding "KMK" is not listed
    // and stays in the file when the list is rewritten.
    void regularDrugsOfAClass()
    {
        TreatmentSetup setup;
        setup.write("Code/Record3.ini", {"外'ヨードチンキ'500mL'50", "外'KMK軟膏'1g'1", "外'ヨードチンキ'500mL'20"});
        setup.write("set/TourokuNameG.ini", {"外'ヨードチンキ：500mL'ヨーチン"});
        SharedState::get().Hand.KusuriBunruiOpKioku = 1;
        YakujiForm form;
        TreatmentSetup::show(form);
        QCOMPARE(form.TyusyaGrid->rows(), 3);
        QCOMPARE(form.TyusyaGrid->textMatrix(0, 4), QStringLiteral("処方単位"));
        QCOMPARE(form.TyusyaGrid->textMatrix(1, 4) + "/" + form.TyusyaGrid->textMatrix(2, 4), QStringLiteral("50/20"));
        QCOMPARE(form.TyusyaGrid->textMatrix(1, 5) + "/" + form.TyusyaGrid->textMatrix(2, 5), QStringLiteral("ヨーチン/"));
        TreatmentSetup::clickCell(form.TyusyaGrid, 2, 1);
        QCOMPARE(form.InpTx[0]->text(), QStringLiteral("20"));
        TreatmentSetup::click(form.CmdGd, Sakujyo);
        QCOMPARE(setup.read("Code/Record3.ini"), (QStringList{"外'ヨードチンキ'500mL'50", "外'KMK軟膏'1g'1"}));
        TreatmentSetup::pickDrug(form, 4, 1, "抗生物質眼軟膏");
        QCOMPARE(form.InpTx[0]->text(), QStringLiteral("1"));
        TreatmentSetup::type(form.InpTx[1], "1");
        TreatmentSetup::click(form.CmdGd, Ok);
        QCOMPARE(setup.read("Code/Record3.ini"),
                 (QStringList{"外'ヨードチンキ'500mL'50", "外'KMK軟膏'1g'1", "外'抗生物質眼軟膏'5g1本'1"}));
    }

    // A class change keeps the chosen kana; the class and fee class are chosen again next time.
    void classChange()
    {
        TreatmentSetup setup;
        YakujiForm form;
        TreatmentSetup::show(form);
        TreatmentSetup::clickCell(form.YobiGrid, 0, 0);
        QCOMPARE(form.TyusyaGrid->textMatrix(1, 1), QStringLiteral("アンピシリン散10%"));
        TreatmentSetup::clickCell(form.TyusyaGrid, 1, 1);
        TreatmentSetup::click(form.KusuriBunruiOp->at(2));
        QCOMPARE(form.TyusyaGrid->textMatrix(1, 1), QStringLiteral("アンピシリン・クロキサシリン乳房注入剤"));
        QVERIFY(!form.pickedFlag());
        QCOMPARE(form.TensuGd[0]->text(), QStringLiteral("2450"));
        TreatmentSetup::clickCell(form.YobiGrid, 3, 7);
        TreatmentSetup::click(form.KusuriBunruiOp->at(1));
        QCOMPARE(form.TyusyaGrid->textMatrix(1, 1), QStringLiteral("アンピシリン・クロキサシリン乳房注入剤"));
        TreatmentSetup::click(form.TyusyaOp->at(3));
        TreatmentSetup::click(form.CmdGd, Tojiru);
        QCOMPARE(out(), QStringList(14));
        YakujiForm again;
        QVERIFY(again.KusuriBunruiOp->at(1)->isChecked());
        QVERIFY(again.TyusyaOp->at(3)->isChecked());
        QCOMPARE(again.TensuGd[1]->text(), QStringLiteral("20"));
    }
};

NOLVARI_TEST(YakujiFormTest)
#include "YakujiFormTest.moc"
