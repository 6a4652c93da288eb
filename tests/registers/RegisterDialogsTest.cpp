#include "TestFixture.h"
#include "TestRegistry.h"

#include "MasterSetup.h"
#include "common/DataPath.h"
#include "common/FlexGrid.h"
#include "common/ModalHost.h"
#include "common/MsgBox.h"
#include "common/SharedState.h"
#include "registers/KotaiPage.h"
#include "registers/KyuYakuFile.h"
#include "registers/KyuYakuForm.h"
#include "registers/MasterForm.h"
#include "registers/NoukaPage.h"
#include "registers/OptionArray.h"
#include "shell/YobidasiForm.h"
#include "registers/RenameForm.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QtTest>

class RegisterDialogsTest : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        TestFixture::resetGlobals();
    }

    void renameChecks_data()
    {
        QTest::addColumn<QString>("ken");
        QTest::addColumn<QString>("number");
        QTest::addColumn<QString>("message");
        QTest::newRow("empty") << "" << "" << "番号を入力してください。";
        QTest::newRow("nine digits") << "" << "123456789" << "10桁を入力してください。";
        QTest::newRow("letters") << "" << "12345678A9" << "数字以外が入力されています。";
        QTest::newRow("zero refused by the length") << "" << "0" << "10桁を入力してください。";
        QTest::newRow("ten digits") << "" << "0123456789" << "";
        QTest::newRow("鹿児島県 any length") << "鹿児島県" << "K12" << "";
        QTest::newRow("鹿児島県 file-name character") << "鹿児島県" << "K1/2" << "使用できない文字 / が入力されています。";
        QTest::newRow("鹿児島県 apostrophe") << "鹿児島県" << "K1'2" << " ' は使用できません。";
    }
    void renameChecks()
    {
        QFETCH(QString, ken);
        QFETCH(QString, number);
        QFETCH(QString, message);
        SharedState& s = SharedState::get();
        s.setKen(ken);
        s.Hand.RenameMimiIn = "";
        s.Hand.RenameMimiRawIn = " 1234 ";
        s.Hand.RenameMimiOut = "0";
        RenameForm form;
        QCOMPARE(form.MainGd[0]->text(), QStringLiteral(" 1234 "));
        QCOMPARE(form.Label2[0]->text(), ken.isEmpty() ? QStringLiteral("【耳標番号変更】") : QStringLiteral("【個体番号変更】"));
        form.inpTx[0]->setText(number);
        form.Label1_Click(1);
        QCOMPARE(MsgBox::log().isEmpty() ? QString() : MsgBox::log().last().text, message);
        QCOMPARE(s.Hand.RenameMimiOut, message.isEmpty() ? number : QStringLiteral("0"));
        form.Label1_Click(0);
        QCOMPARE(s.Hand.RenameMimiOut, QStringLiteral("0"));
        QCOMPARE(s.Hand.RenameEdaOut, QStringLiteral("0"));
    }

    void withdrawalTexts()
    {
        TempDataRoot root;
        root.write("set/TourokuNameC.ini", {"注'ビタミン注：10mL1管'ビタミン", "注'ペニシリン：1V'ペニ"});
        KyuYakuForm form;
        QCOMPARE(form.ListGrid->rows(), 3);
        form.CmdGd_Click(2);
        QCOMPARE(MsgBox::log().last().text, QStringLiteral("文字を入力してください。"));
        form.inpTx->setText("休薬'3日");
        form.ListGrid_Click(2, 2);
        form.CmdGd_Click(2);
        QCOMPARE(MsgBox::log().last().text, QStringLiteral("　' コーテーションは使用できません。"));
        form.inpTx->setText(" 休薬期間　牛3日 ");
        form.CmdGd_Click(2);
        QCOMPARE(form.ListGrid->textMatrix(2, 3), QStringLiteral("休薬期間　牛3日"));
        QCOMPARE(form.KouhoList->count(), 1);
        form.ListGrid_Click(1, 2);
        form.KouhoList->setCurrentRow(0);
        form.KouhoList_Click();
        form.CmdGd_Click(2);
        form.CmdGd_Click(3);
        QCOMPARE(form.ListGrid->textMatrix(1, 3), QString());
        MsgBox::setResponder([](const MsgBox::Call&) { return MsgBox::Cancel; });
        form.CmdGd_Click(1);
        QVERIFY(!QFile::exists(KyuYakuFile::path()));
        MsgBox::setResponder([](const MsgBox::Call&) { return MsgBox::Ok; });
        form.CmdGd_Click(1);
        QCOMPARE(MsgBox::log().last().text, QStringLiteral("保存して終了します。"));
        QCOMPARE(TestFixture::readCp932(KyuYakuFile::path()), (QStringList{"注'ペニ'休薬期間　牛3日'ペニシリン：1V"}));
    }

    // A print-text or registered-name file that does not decode is named with its line, and the
    // list, which lacks its rows, is never saved over the files.
    void withdrawalTextsOfUnreadableFilesAreNotSaved_data()
    {
        QTest::addColumn<QString>("broken");
        QTest::newRow("print texts") << "SubSet1.ini";
        QTest::newRow("registered names") << "TourokuNameN.ini";
    }
    void withdrawalTextsOfUnreadableFilesAreNotSaved()
    {
        QFETCH(QString, broken);
        TempDataRoot root;
        root.write("set/TourokuNameC.ini", {"注'ビタミン注：10mL1管'ビタミン"});
        root.write("set/TourokuNameN.ini", {"内'整腸剤：1g'整腸"});
        root.write("set/SubSet1.ini", {"注'ビタミン'休薬期間　牛3日'ビタミン注：10mL1管"});
        const QByteArray bad = TestFixture::readBytes(root.file("set/" + broken)) + QByteArray("x\x80\r\n");
        TestFixture::writeBytes(root.file("set/" + broken), bad);
        const QByteArray subset = TestFixture::readBytes(KyuYakuFile::path());
        MsgBox::setResponder([](const MsgBox::Call&) { return MsgBox::Ok; });
        KyuYakuForm form;
        QVERIFY2(MsgBox::log().size() == 1 && MsgBox::log().first().text.contains(broken + "（2 行目"),
                 qPrintable(MsgBox::log().isEmpty() ? QString() : MsgBox::log().first().text));
        form.ListGrid_Click(1, 2);
        form.inpTx->setText("休薬期間　牛5日");
        form.CmdGd_Click(2);
        form.CmdGd_Click(1);
        QVERIFY(MsgBox::log().last().text.contains(broken));
        QCOMPARE(TestFixture::readBytes(KyuYakuFile::path()), subset);
        QCOMPARE(TestFixture::readBytes(root.file("set/" + broken)), bad);
    }

    // A new installation with an empty data folder is filled from the window: a district, a
    // farmer and an animal with its chart, without a file written by hand.
    void freshInstallationFilledFromTheWindow()
    {
        TempDataRoot root;
        MasterSetup::startAs("鳥取県");
        MasterForm form;
        QVERIFY(MsgBox::log().isEmpty());
        form.TikuInpTx->setText("東谷");
        form.CmdGd_Click(0);
        form.nouka->TikuList1->setCurrentRow(0);
        const QList<std::pair<int, QString>> farmer{{6, "山本"}, {7, "00010001"}, {8, "東谷1"}, {9, "や"}};
        for (const auto& [box, text] : farmer)
            form.inpTx[box]->setText(text);
        form.nouka->TikuGd_Click(1);
        ModalHost::setHandler([](QDialog& dialog) {
            if (qobject_cast<YobidasiForm*>(&dialog))
                SharedState::get().CurrentNouka = {"東谷", "山本", "00010001", "東谷1"};
            return 0;
        });
        form.kotai->TikuNameGd_Click();
        QCOMPARE(TestFixture::readCp932(root.path() + "/set/TikuName.ini"), (QStringList{"東谷"}));
        form.inpTx[3]->setText("1234");
        form.kotai->TourokuGd_Click(0);
        QCOMPARE(TestFixture::readCp932(root.path() + "/set/NameCode.ini"), (QStringList{"東谷,山本,00010001,東谷1,や,,,,-,,"}));
        QCOMPARE(TestFixture::readCp932(root.path() + "/H7/H7_00010001_1234_0.sxd").size(), 2);
        form.CmdGd_Click(2);
        QCOMPARE(TestFixture::readCp932(root.path() + "/set/DoctorName.ini"), (QStringList{"", ""}));
        QVERIFY(MsgBox::log().isEmpty());
    }
};

NOLVARI_TEST(RegisterDialogsTest)
#include "RegisterDialogsTest.moc"
