#include "TestRegistry.h"
#include "TreatmentSetup.h"

#include "common/FlexGrid.h"
#include "common/LabelButtonArray.h"
#include "common/ModalHost.h"
#include "common/MsgBox.h"
#include "common/SharedState.h"
#include "registers/OptionArray.h"
#include "treatment/OusinCodeSentakuProc.h"
#include "treatment/OusinForm.h"
#include "treatment/OusinMiyazaki.h"
#include "treatment/OusinTensuProc.h"
#include "treatment/TakukaraForm.h"
#include "treatment/TiryoLine.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QtTest>

namespace {
enum { Tojiru, Ok, Taku };

QStringList& out()
{
    return SharedState::get().Hand.OusinOut;
}

// The class, band, final B and A and the snow mark ("+11" when added, "" when not).
QStringList tensu(const OusinTensuProc::Result& r)
{
    return {r.Kubun, r.Band, r.FinalB, r.FinalA, r.YukiShown ? "+" + QString::number(r.Yuki) : QString()};
}
}

class OusinTest : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        TestFixture::resetGlobals();
    }

    void bands_data()
    {
        QTest::addColumn<QString>("kyori");
        QTest::addColumn<bool>("snow");
        QTest::addColumn<QStringList>("result");
        QTest::newRow("0.5 within") << "0.5" << false << QStringList{"日中", "0.5k以内", "60", "70", ""};
        QTest::newRow("0.51 range") << "0.51" << false << QStringList{"日中", "0.5～2", "100", "120", ""};
        QTest::newRow("shared boundary: later line") << "2" << false << QStringList{"日中", "2～4", "140", "170", ""};
        QTest::newRow("120 km: band to 100") << "120" << false << QStringList{"日中", "60～100", "640", "770", ""};
        QTest::newRow("leading number") << "12km" << false << QStringList{"日中", "10～20", "320", "385", ""};
        QTest::newRow("empty") << "" << false << QStringList{"日中", "", "0", "0", ""};
        QTest::newRow("zero") << "0" << true << QStringList{"日中", "", "0", "0", ""};
        QTest::newRow("negative") << "-3" << false << QStringList{"日中", "", "0", "0", ""};
        QTest::newRow("snow, 0.5: nothing") << "0.5" << true << QStringList{"日中", "0.5k以内", "60", "70", ""};
        QTest::newRow("snow 20, later band") << "20" << true << QStringList{"日中", "20～40", "431", "516", "+11"};
        QTest::newRow("snow 20.5") << "20.5" << true << QStringList{"日中", "20～40", "443", "528", "+23"};
        QTest::newRow("snow 40, later band") << "40" << true << QStringList{"日中", "40～60", "543", "648", "+23"};
        QTest::newRow("snow 40.5") << "40.5" << true << QStringList{"日中", "40～60", "565", "670", "+45"};
    }
    // The sample distance table as read from its file: the band text holds "～" (CP932 81 60).
    void bands()
    {
        QFETCH(QString, kyori);
        QFETCH(bool, snow);
        QFETCH(QStringList, result);
        TreatmentSetup setup;
        QCOMPARE(tensu(OusinTensuProc::run(SharedState::get().Tables.LenCodeTable, kyori, " 日中 ", snow)), result);
    }

    void noBandGivesNoPoints()
    {
        const QStringList table{"往診：日中'0.5ｋ以内'60'70'", "往診：日中'0.5～2'100'120'", "往診：日中'4～6'180'215'",
                                "往診：夜間'2～4'9'9'", ""};
        QCOMPARE(tensu(OusinTensuProc::run(table, "0.3", "日中", true)), (QStringList{"日中", "0.5ｋ以内", "60", "70", ""}));
        QCOMPARE(tensu(OusinTensuProc::run(table, "3", "日中", true)), (QStringList{"日中", "", "0", "0", ""}));
        QCOMPARE(tensu(OusinTensuProc::run(table, "1", "深夜", false)), (QStringList{"深夜", "", "0", "0", ""}));
    }

    void houseCallDialog()
    {
        TreatmentSetup setup;
        setup.write("set/Sekisetu.ini", {"1"});
        OusinForm form;
        TreatmentSetup::show(form);
        QVERIFY(form.Option1->at(1)->isChecked());
        QVERIFY(form.Check1->isChecked());
        QVERIFY(!form.Option1->at(7)->isVisible());
        QVERIFY(!form.TakuGd->isVisible());
        TreatmentSetup::type(form.InpTx, "20");
        QCOMPARE(form.TensuGd[2]->text() + "/" + form.TensuGd[3]->text(), QStringLiteral("431/516"));
        QCOMPARE(form.YukiPointGd->text(), QStringLiteral("+11"));
        TreatmentSetup::click(form.Check1);
        QCOMPARE(form.TensuGd[2]->text(), QStringLiteral("420"));
        QVERIFY(!form.YukiPointGd->isVisible());
        TreatmentSetup::click(form.Option1->at(2));
        QCOMPARE(form.TensuGd[2]->text(), QStringLiteral("630"));
        TreatmentSetup::type(form.ZotenTxBox[0], "500");
        QCOMPARE(form.TensuGd[2]->text(), QStringLiteral("500"));
        TreatmentSetup::pressEnter(form.InpTx);
        QCOMPARE(form.result(), int(QDialog::Accepted));
        QCOMPARE(out(), (QStringList{"夜間", "20", "20～40", "500", "755"}));
        QCOMPARE(TiryoLine::ousin(out(), QString()).cells(),
                 (QStringList{"往診", "20km", "夜間:20～40", "", "", "500", "755", ""}));
        QCOMPARE(setup.read("set/Sekisetu.ini"), QStringList{"0"});
    }

    // No positive distance: the class without a band, never a placeholder; "閉る" returns nothing
    // and still keeps the snow box.
    void zeroDistanceAndClose()
    {
        TreatmentSetup setup;
        OusinForm form;
        TreatmentSetup::show(form);
        TreatmentSetup::click(form.CmdGd, Ok);
        QCOMPARE(out(), (QStringList{"日中", "", "", "0", "0"}));
        QCOMPARE(TiryoLine::ousin(out(), QString()).cells(), (QStringList{"往診", "同時診療", "", "", "", "", "", ""}));
        OusinForm closed;
        TreatmentSetup::show(closed);
        TreatmentSetup::type(closed.InpTx, "3");
        TreatmentSetup::click(closed.Check1);
        TreatmentSetup::click(closed.CmdGd, Tojiru);
        QCOMPARE(out(), QStringList(5));
        QCOMPARE(setup.read("set/Sekisetu.ini"), QStringList{"1"});
    }

    // Where the origin place is written, the dialog shows the place carried from an earlier call
    // and "宅～" picks another through the picker.
    void originPlace()
    {
        TreatmentSetup setup(Ken::Kagoshima);
        SharedState::get().TakukaraOut = "山本";
        OusinForm form;
        TreatmentSetup::show(form);
        QVERIFY(form.TakuGd->isVisible());
        QCOMPARE(form.TakuGd->text(), QStringLiteral("山本"));
        ModalHost::setHandler([](QDialog& dialog) {
            auto& picker = static_cast<TakukaraForm&>(dialog);
            [&] { QCOMPARE(picker.InpTx->text(), QStringLiteral("自")); }();
            picker.InpTx->setText("川口");
            picker.CmdGd_Click(1);
            return int(QDialog::Accepted);
        });
        TreatmentSetup::click(form.CmdGd, Taku);
        QCOMPARE(form.TakuGd->text(), QStringLiteral("川口"));
        TreatmentSetup::type(form.InpTx, "12");
        TreatmentSetup::click(form.CmdGd, Ok);
        const SharedState& s = SharedState::get();
        QCOMPARE(TiryoLine::ousin(out(), TiryoLine::takukaraText(s.ken, s.Site, s.TakukaraOut)).text(TiryoLine::Naiyou),
                 QStringLiteral("12km：川口宅より"));
        QCOMPARE(TiryoLine::takukaraText(Ken::Mie, s.Site, s.TakukaraOut), QString());
    }

    void originPicker()
    {
        TreatmentSetup setup(Ken::Kagoshima);
        setup.write("set/Taku.ini", {"自", "", "北浜"});
        TakukaraForm form;
        TreatmentSetup::show(form);
        QCOMPARE(form.List1->count(), 2);
        TreatmentSetup::clickCell(form.YobiGrid, 0, 7); // no district yet: nothing
        QCOMPARE(form.NameList->count(), 0);
        TreatmentSetup::click(form.TikuList->viewport());
        form.TikuList_Click(0);
        QCOMPARE(form.NameList->count(), 2);
        TreatmentSetup::clickCell(form.YobiGrid, 0, 1);
        QCOMPARE(form.NameList->count(), 1);
        QCOMPARE(form.NameList->item(0)->text(), QStringLiteral("川口 花子"));
        TreatmentSetup::clickCell(form.YobiGrid, 4, 9);
        QCOMPARE(form.NameList->count(), 2);
        form.NameList->setCurrentRow(1);
        emit form.NameList->itemClicked(form.NameList->item(1));
        QCOMPARE(form.InpTx->text(), QStringLiteral("川口 花子"));
        TreatmentSetup::click(form.CmdGd, 1);
        QCOMPARE(SharedState::get().TakukaraOut, QStringLiteral("川口 花子"));
        QCOMPARE(setup.read("set/Taku.ini"), (QStringList{"自", "北浜", "川口 花子"}));

        TakukaraForm again;
        TreatmentSetup::show(again);
        QCOMPARE(again.InpTx->text(), QStringLiteral("川口 花子"));
        again.List1->setCurrentRow(1);
        TreatmentSetup::click(again.CmdGd, 2);
        QCOMPARE(setup.read("set/Taku.ini"), (QStringList{"自", "川口 花子"}));
        again.InpTx->setText(" 自 ");
        TreatmentSetup::click(again.CmdGd, 1);
        QCOMPARE(setup.read("set/Taku.ini"), (QStringList{"自", "川口 花子"}));
        QCOMPARE(SharedState::get().TakukaraOut, QStringLiteral("自"));
        TakukaraForm removed;
        TreatmentSetup::show(removed);
        TreatmentSetup::click(removed.CmdGd, 3);
        QCOMPARE(SharedState::get().TakukaraOut, QString());
    }

    void miyazakiCodes_data()
    {
        QTest::addColumn<int>("band");
        QTest::addColumn<QString>("kyori");
        QTest::addColumn<QStringList>("result"); // code, kind, item 0, message
        const QString limit60 = "60Km以上のコードはありません。";
        QTest::newRow("empty") << 0 << "" << QStringList{"?", "一般", "日中", ""};
        QTest::newRow("or less") << 0 << "1" << QStringList{"0101", "一般", "日中：2以下", ""};
        QTest::newRow("range wins on its boundary") << 0 << "2" << QStringList{"0102", "一般", "日中：2～4", ""};
        QTest::newRow("range") << 0 << "8" << QStringList{"0103", "一般", "日中：4～8", ""};
        QTest::newRow("no row holds it") << 0 << "9" << QStringList{"?", "一般", "日中", ""};
        QTest::newRow("60 passes the limit") << 1 << "60" << QStringList{"?", "一般", "夜間又は悪天候", ""};
        QTest::newRow("past 60") << 2 << "60.5" << QStringList{"?", "一般", "深夜又は夜間で悪天候", limit60};
        QTest::newRow("late night, bad weather, 4") << 3 << "4" << QStringList{"0131", "一般", "深夜で悪天候：4以下", ""};
        QTest::newRow("late night, bad weather, 8") << 3 << "8" << QStringList{"?", "一般", "深夜で悪天候", ""};
        QTest::newRow("past 8") << 3 << "8.5"
                                << QStringList{"?", "一般", "深夜で悪天候", "深夜で悪天は8Km以上のコードはありません。"};
        QTest::newRow("stay") << 4 << "99" << QStringList{"0195", "滞在診", "滞在診", ""};
        QTest::newRow("attendance") << 5 << "" << QStringList{"0196", "立会診", "立会診", ""};
    }
    void miyazakiCodes()
    {
        QFETCH(int, band);
        QFETCH(QString, kyori);
        QFETCH(QStringList, result);
        TreatmentSetup setup(Ken::Miyazaki);
        const auto rows = OusinCodeSentakuProc::codeRows(SharedState::get().Tables.SinryoMiyazakiTable);
        QCOMPARE(rows.size(), 7);
        const OusinCodeSentakuProc::Result r = OusinCodeSentakuProc::run(rows, band, kyori);
        const QString caption = OusinCodeSentakuProc::captions().at(band);
        QCOMPARE((QStringList{r.Code, r.Kind, OusinCodeSentakuProc::kubunText(caption, r.rowChosen, r.Low, r.High), r.Message}),
                 result);
    }

    void miyazakiDialog()
    {
        TreatmentSetup setup(Ken::Miyazaki);
        out() = QStringList(5, "x");
        OusinMiyazaki form;
        TreatmentSetup::show(form);
        QCOMPARE(form.CodeGd->text(), QStringLiteral("?"));
        TreatmentSetup::click(form.CmdGd, Ok);
        QCOMPARE(out(), (QStringList{"日中", "", "?", "一般", "x"}));
        QCOMPARE(TiryoLine::miyazakiOusin(out()).cells(), (QStringList{"往診", "同時診療", "", "", "", "", "", ""}));

        OusinMiyazaki far;
        TreatmentSetup::show(far);
        TreatmentSetup::type(far.InpTx, "9");
        TreatmentSetup::pressEnter(far.InpTx);
        QVERIFY(far.isVisible());
        QCOMPARE(MsgBox::log().last().title, QStringLiteral("確認"));
        TreatmentSetup::type(far.InpTx, "61");
        QCOMPARE(MsgBox::log().last().text, QStringLiteral("60Km以上のコードはありません。"));
        TreatmentSetup::type(far.InpTx, "3");
        TreatmentSetup::click(far.Option1->at(1));
        QCOMPARE(far.CodeGd->text(), QStringLiteral("0112"));
        TreatmentSetup::click(far.CmdGd, Ok);
        QCOMPARE(out().mid(0, 4), (QStringList{"夜間又は悪天候：2～4", "3", "0112", "一般"}));
        QCOMPARE(TiryoLine::miyazakiOusin(out()).cells(),
                 (QStringList{"往診", "3km", "夜間又は悪天候：2～4", "", "0112", "", "", ""}));
        OusinMiyazaki closed;
        TreatmentSetup::show(closed);
        TreatmentSetup::click(closed.Option1->at(4));
        TreatmentSetup::click(closed.CmdGd, Tojiru);
        QCOMPARE(out(), QStringList(5));
    }
};

NOLVARI_TEST(OusinTest)
#include "OusinTest.moc"
