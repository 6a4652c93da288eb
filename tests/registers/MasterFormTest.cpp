#include "TestFixture.h"
#include "TestRegistry.h"

#include "MasterSetup.h"

#include "common/DataPath.h"
#include "common/ValueReader.h"
#include "common/LabelButtonArray.h"
#include "common/ModalHost.h"
#include "common/MsgBox.h"
#include "common/SharedState.h"
#include "chart/NewInputForm.h"
#include "registers/KusuriPage.h"
#include "registers/MasterForm.h"
#include "registers/NoukaPage.h"
#include "registers/SonotaPage.h"
#include "registers/TeireiPage.h"
#include "registers/KotaiPage.h"
#include "common/FlexGrid.h"
#include "registers/OptionArray.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QtTest>

class MasterFormTest : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;
    QString previousRoot;


    static QStringList listItems(QListWidget* list)
    {
        QStringList out;
        for (int i = 0; i < list->count(); ++i)
            out.append(list->item(i)->text());
        return out;
    }

private slots:
    void init()
    {
        TestFixture::resetGlobals();
        previousRoot = DataPath::root();
        DataPath::setRoot(TestFixture::copySample(dir.path() + "/" + QTest::currentTestFunction()));
    }
    void cleanup()
    {
        DataPath::setRoot(previousRoot);
    }

    void opensOnTheAnimalPageWithTheSettingsShown()
    {
        MasterSetup::startAs("鳥取県");
        MasterForm form;
        QCOMPARE(form.currentPage(), 1);
        QVERIFY(form.SentakuGd->at(1)->font().bold());
        QVERIFY(!form.WakuFrame[1]->isHidden());
        QVERIFY(form.WakuFrame[0]->isHidden());
        QCOMPARE(listItems(form.TikuList0), (QStringList{"東谷", "西原", "北浜"}));
        QCOMPARE(form.nouka->TikuList1->count(), 3);
        QCOMPARE(form.sonota->J_InpTx[0]->text(), QStringLiteral("佐藤 誠"));
        QCOMPARE(form.sonota->J_InpTx[6]->text(), QStringLiteral("1000"));
        QVERIFY(!form.SentakuGd->at(8)->isHidden());
        QCOMPARE(form.teirei->currentClass(), 0);
        QVERIFY(form.kotai->TikusyuOp->at(0)->isChecked());
        QCOMPARE(form.kotai->SeibetuOp->chosenCaption(), QStringLiteral("雌"));
        QCOMPARE(form.kotai->HokenOp->chosenCaption(), QStringLiteral("包"));
        QVERIFY(form.kusuri->KusuriNameOp[0]->isChecked());
    }

    void prefectureVariants_data()
    {
        QTest::addColumn<QString>("ken");
        QTest::addColumn<QString>("heading");
        QTest::addColumn<int>("species");
        QTest::addColumn<bool>("kotaiBox");
        QTest::addColumn<bool>("csv");
        QTest::newRow("宮崎県") << "宮崎県" << "名号:個体番号" << 7 << true << false;
        QTest::newRow("群馬県") << "群馬県" << "名号:個体番号" << 16 << true << false;
        QTest::newRow("沖縄県") << "沖縄県" << "名号:個体番号" << 7 << true << false;
        QTest::newRow("佐賀県") << "佐賀県" << "名号" << 7 << false << false;
        QTest::newRow("茨城県") << "茨城県" << "名号:個体番号" << 6 << true << true;
        QTest::newRow("鹿児島県") << "鹿児島県" << "名号" << 16 << false << false;
    }
    void prefectureVariants()
    {
        QFETCH(QString, ken);
        QFETCH(QString, heading);
        QFETCH(int, species);
        QFETCH(bool, kotaiBox);
        QFETCH(bool, csv);
        MasterSetup::startAs(ken);
        MasterForm form;
        KotaiPage* page = form.kotai;
        QCOMPARE(page->KotaiGrid->textMatrix(0, 5), heading);
        int shown = 0;
        for (int i = 0; i < 16; ++i)
            shown += page->TikusyuOp->at(i)->isHidden() ? 0 : 1;
        QCOMPARE(shown, species);
        QCOMPARE(!form.inpTx[1]->isHidden(), kotaiBox);
        QCOMPARE(!page->TourokuGd->at(6)->isHidden(), csv);
        QCOMPARE(!page->IbaragiSortCh->isHidden(), csv);
        QCOMPARE(page->KotaiGrid->rows(), csv ? 8001 : 5001);
        QCOMPARE(form.sonota->J_InpTx[0]->isReadOnly(), ken == "茨城県");
        QCOMPARE(form.nouka->TikuAGd[7]->text(), ken == "宮崎県" ? QStringLiteral("[区分]") : QStringLiteral("[組合番号]"));
        QCOMPARE(page->InpGd[8]->text(), ken == "鹿児島県" ? QStringLiteral("[個体番号]") : QStringLiteral("[耳標番号]"));
    }

    void templatePageOpensTheEditorInTemplateMode()
    {
        MasterSetup::startAs("鳥取県");
        MasterForm form;
        form.SentakuGd_Click(3);
        bool hinagata = false;
        ModalHost::setHandler([&hinagata](QDialog& dialog) {
            if (auto* editor = qobject_cast<NewInputForm*>(&dialog))
                hinagata = editor->model().Set.Hinagata && !editor->model().readOk();
            return 0;
        });
        form.SentakuGd_Click(6);
        QVERIFY(hinagata);
        QCOMPARE(SharedState::get().Hand.KarteHinagataMode, 1);
        QCOMPARE(form.currentPage(), 3);
        QVERIFY(form.SentakuGd->at(3)->font().bold());
    }

    void districtAndFarmerRegisteredFromTheWindow()
    {
        MasterSetup::startAs("鳥取県");
        MasterForm form;
        form.SentakuGd_Click(2);
        QVERIFY(!form.WakuFrame[2]->isHidden());
        form.TikuInpTx->setText(" 南町 ");
        form.CmdGd_Click(0);
        form.CmdGd_Click(0);
        QCOMPARE(listItems(form.TikuList0).last(), QStringLiteral("南町"));
        QCOMPARE(form.TikuList0->count(), 4);
        QCOMPARE(listItems(form.nouka->TikuList1), listItems(form.TikuList0));

        form.SentakuGd_Click(0);
        form.nouka->TikuList1->setCurrentRow(3);
        const QStringList values{"川口 太郎", "00040001", "中央市南町3", "か", "南町出張所", "04", "105", "30", "1"};
        const int boxes[] = {6, 7, 8, 9, 10, 11, 12, 13, 14};
        for (int i = 0; i < 9; ++i)
            form.inpTx[boxes[i]]->setText(values.at(i));
        form.nouka->TikuGd_Click(1);
        QVERIFY(MsgBox::log().isEmpty());
        const QStringList register_ = TestFixture::readCp932(DataPath::file("set\\NameCode.ini"));
        QCOMPARE(register_.size(), 5);
        QCOMPARE(register_.last(), QStringLiteral("南町,川口 太郎,00040001,中央市南町3,か,105,南町出張所,04,30-1,,"));
        QCOMPARE(form.nouka->NameGrid->textMatrix(1, 1), QStringLiteral("川口 太郎"));

        form.CmdGd_Click(2);
        QCOMPARE(form.result(), int(QDialog::Accepted));
        QCOMPARE(TestFixture::readCp932(DataPath::file("set\\TikuName.ini")), (QStringList{"東谷", "西原", "北浜", "南町"}));
    }

    void farmerRegisterRefusals()
    {
        MasterSetup::startAs("鳥取県");
        MasterForm form;
        const QByteArray before = TestFixture::readBytes(DataPath::file("set\\NameCode.ini"));
        form.inpTx[6]->setText("山本");
        form.inpTx[7]->setText("00010001");
        form.nouka->TikuGd_Click(1);
        QVERIFY(MsgBox::log().isEmpty()); // no district chosen
        form.nouka->TikuList1->setCurrentRow(0);
        form.inpTx[2]->setText("ハナ'");
        form.nouka->TikuGd_Click(1);
        QCOMPARE(MsgBox::log().last().text, QStringLiteral("' は使えません。"));
        QCOMPARE(TestFixture::readBytes(DataPath::file("set\\NameCode.ini")), before);
    }

    void districtClickListsItsFarmersAndRowClickFillsTheBoxes()
    {
        MasterSetup::startAs("鳥取県");
        MasterForm form;
        form.nouka->TikuList1->setCurrentRow(0);
        form.nouka->TikuList_Click();
        QCOMPARE(form.nouka->NameGrid->rows(), 3);
        QCOMPARE(form.nouka->NameGrid->textMatrix(1, 1), QStringLiteral("山本 一郎"));
        form.nouka->NameGrid_Click(1, 1);
        QCOMPARE(form.inpTx[7]->text(), QStringLiteral("00010001"));
        QCOMPARE(form.inpTx[13]->text(), QStringLiteral("12"));
        QCOMPARE(form.inpTx[14]->text(), QStringLiteral("3"));
        form.inpTx_Enter(8);
        QCOMPARE(TestFixture::readCp932(DataPath::file("set\\NameCode.ini")).first(),
                 QStringLiteral("東谷,山本 一郎,00010001,鳥取県中央市東谷1-2,や,101,東谷出張所,01,12-3,,"));
    }

    // A double quote cannot be read back from a settings file ('"佐藤", 誠' would read as two
    // values): leaving the window refuses it with nothing written, and the name without it
    // reads back whole.
    void quoteInASettingsBoxIsRefused()
    {
        MasterSetup::startAs("鳥取県");
        MasterForm form;
        const QByteArray before = TestFixture::readBytes(DataPath::file("set\\DoctorName.ini"));
        form.SentakuGd_Click(0);
        form.sonota->J_InpTx[0]->setText("\"佐藤\", 誠");
        form.CmdGd_Click(2);
        QCOMPARE(MsgBox::log().last().text, QStringLiteral(" \" は使用できません。"));
        QVERIFY(form.result() != int(QDialog::Accepted));
        QCOMPARE(form.currentPage(), int(form.WakuFrame.indexOf(form.sonota)));
        QCOMPARE(TestFixture::readBytes(DataPath::file("set\\DoctorName.ini")), before);
        form.sonota->J_InpTx[0]->setText("佐藤, 誠");
        form.sonota->KaribanTx->setText("9\"000");
        form.CmdGd_Click(2);
        QVERIFY(form.result() != int(QDialog::Accepted));
        QCOMPARE(TestFixture::readBytes(DataPath::file("set\\DoctorName.ini")), before);
        form.sonota->KaribanTx->setText("9000");
        form.CmdGd_Click(2);
        QCOMPARE(form.result(), int(QDialog::Accepted));
        QCOMPARE(ValueReader::readFile(DataPath::file("set\\DoctorName.ini")).mid(0, 2),
                 (QStringList{"佐藤, 誠", "1234"}));
    }

    void settingsPageValuesAreSavedOnLeaving()
    {
        MasterSetup::startAs("鳥取県");
        MasterForm form;
        SonotaPage* page = form.sonota;
        page->J_InpTx[5]->setText("本町2-5, 佐藤家畜診療所");
        page->SpCh->setChecked(true);
        page->K_InpTx[1]->setText(" 昨夜から食欲がない ");
        page->KT_CmdGd_Click(1);
        page->K_InpTx[1]->setText("咳");
        page->KT_CmdGd_Click(1);
        page->K_InpTx[2]->setText("飼養管理");
        page->KS_CmdGd_Click(2);
        QCOMPARE(page->K_InpTx[2]->text(), QString());
        form.CmdGd_Click(2);
        QCOMPARE(TestFixture::readCp932(DataPath::file("set\\DocAd.ini")), (QStringList{"\"本町2-5, 佐藤家畜診療所\""}));
        QCOMPARE(TestFixture::readCp932(DataPath::file("set\\InpSpt.ini")), (QStringList{"1", "1000"}));
        QCOMPARE(TestFixture::readCp932(DataPath::file("set\\Rinkoku.ini")).last(), QStringLiteral("咳"));
        QCOMPARE(TestFixture::readCp932(DataPath::file("set\\Rinkoku.ini")).size(), 3);
        QCOMPARE(TestFixture::readCp932(DataPath::file("set\\Genin.ini")), (QStringList{"分娩"}));
        QCOMPARE(SharedState::get().TensuAlarmLimit, 1000.0);
    }

    void phrasesAddChangeDelete()
    {
        MasterSetup::startAs("茨城県");
        MasterForm form;
        TeireiPage* page = form.teirei;
        QVERIFY(!page->BunruiOp[19]->isHidden());
        page->BunruiOp_Click(19);
        page->TeireiTx->setPlainText("急死\n確認");
        page->TeireiGd_Click(1);
        page->TeireiTx->setPlainText("a'b");
        page->TeireiGd_Click(1);
        QCOMPARE(MsgBox::log().last().text, QStringLiteral(" ' は使用できません。"));
        const QString file = DataPath::file("set\\Teirei20.ini");
        QCOMPARE(TestFixture::readCp932(file), (QStringList{"急死確認"}));
        page->TeireiGd_Click(3); // no row selected: nothing
        page->KouhoGrid_Click(1, 1);
        QVERIFY(page->rowSelected());
        page->TeireiTx->setPlainText("出荷");
        page->TeireiGd_Click(3);
        QCOMPARE(TestFixture::readCp932(file), (QStringList{"出荷"}));
        page->TeireiGd_Click(2);
        QCOMPARE(TestFixture::readBytes(file), QByteArray());
        page->BunruiOp_Click(19);
        QCOMPARE(page->KouhoGrid->rows(), 1);
    }

    void drugNamesRegisteredThroughTheNameDialog()
    {
        MasterSetup::startAs("鳥取県");
        SharedState::get().Tables.YakkaCodeTable = {"注射'ビタミン注'10mL1管'*'120'''", "注射'ペニシリン'1V'*'300'''", ""};
        MasterForm form;
        KusuriPage* page = form.kusuri;
        QCOMPARE(page->DataGrid->rows(), 3);
        QCOMPARE(page->DataGrid->textMatrix(2, 1), QStringLiteral("ペニシリン"));
        ModalHost::setHandler([](QDialog& dialog) {
            auto* box = dialog.findChild<QLineEdit*>();
            box->setText("ペニ'");
            dialog.findChild<LabelButtonArray*>()->at(1)->click();
            [&] { QCOMPARE(MsgBox::log().last().text, QStringLiteral(" ' は使用できません。")); }();
            box->setText(" ペニ ");
            dialog.findChild<LabelButtonArray*>()->at(1)->click();
            return dialog.result();
        });
        page->DataGrid_Click(2, 1);
        QCOMPARE(page->DataGrid->textMatrix(2, 5), QStringLiteral("ペニ"));
        QCOMPARE(TestFixture::readCp932(DataPath::file("set\\TourokuNameC.ini")), (QStringList{"注'ペニシリン：1V'ペニ"}));
        ModalHost::setHandler([](QDialog&) { return 0; });
        page->DataGrid_Click(0, 1); // heading row: no dialog, nothing written
    }

    // A registered-name file that does not decode is reported with its line when the category
    // shows, and a click on a drug neither opens the name dialog nor rewrites the file.
    void unreadableDrugNameFileIsNeverSavedOver()
    {
        MasterSetup::startAs("鳥取県");
        SharedState::get().Tables.YakkaCodeTable = {"注射'ペニシリン'1V'*'300'''", ""};
        const QByteArray broken("\x92\x8d'\x83\x79\x83\x6a\x83\x56\x83\x8a\x83\x93\x81\x46\x31V'\x83\x79\x83\x6a\r\n\x80\r\n");
        const QString path = TestFixture::writeBytes(DataPath::file("set\\TourokuNameC.ini"), broken);
        MasterForm form;
        QVERIFY2(MsgBox::log().size() == 1 && MsgBox::log().first().text.contains("TourokuNameC.ini（2 行目"),
                 qPrintable(MsgBox::log().isEmpty() ? QString() : MsgBox::log().first().text));
        bool opened = false;
        ModalHost::setHandler([&opened](QDialog&) { opened = true; return 0; });
        form.kusuri->DataGrid_Click(1, 1);
        QVERIFY(!opened);
        QCOMPARE(TestFixture::readBytes(path), broken);
    }
};

NOLVARI_TEST(MasterFormTest)
#include "MasterFormTest.moc"
