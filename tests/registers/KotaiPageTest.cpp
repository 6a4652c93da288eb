#include "TestFixture.h"
#include "TestRegistry.h"

#include "MasterSetup.h"

#include "KotaiFixture.h"
#include "common/Cp932.h"
#include "common/DataPath.h"
#include "common/FlexGrid.h"
#include "common/LabelButtonArray.h"
#include "common/ModalHost.h"
#include "common/MsgBox.h"
#include "common/SharedState.h"
#include "registers/KotaiPage.h"
#include "registers/MasterForm.h"
#include "registers/OptionArray.h"
#include "shell/YobidasiForm.h"

#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QtTest>

class KotaiPageTest : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;
    QString previousRoot;
    const NoukaInfo yamamoto{"東谷", "山本 一郎", "00010001", "鳥取県中央市東谷1-2"};


    static QString karte(const QString& key)
    {
        return SharedState::get().karteFolder() + "/" + key + ".sxd";
    }

    static QByteArray writeChart(const QString& key, const QString& mimi, const QString& syurui = "成乳牛",
                                 const QString& tokutyo = "")
    {
        return KotaiFixture::writeChart(karte(key), key, mimi, 1, syurui, tokutyo);
    }

    // Handles the modal windows the page opens: the farmer picker chooses the given farmer, the
    // renumber dialog and the CSV picker take the given text and their OK.
    void answerDialogs(const NoukaInfo& farmer, const QString& text = QString())
    {
        ModalHost::setHandler([farmer, text](QDialog& dialog) {
            if (qobject_cast<YobidasiForm*>(&dialog)) {
                SharedState::get().CurrentNouka = farmer;
            } else if (dialog.objectName() == "RenameForm") {
                dialog.findChild<QLineEdit*>("inpTx0")->setText(text);
                dialog.findChild<LabelButtonArray*>()->at(1)->click();
            } else if (dialog.objectName() == "IbaragiCsvForm") {
                dialog.findChild<QLineEdit*>("inpTx")->setText(text);
                dialog.findChild<LabelButtonArray*>()->at(1)->click();
            }
            return dialog.result();
        });
    }

    static QStringList column(const KotaiPage& page, int col)
    {
        QStringList out;
        for (int r = 1; !page.table().cell(r, KotaiTable::Syurui).isEmpty(); ++r)
            out.append(page.table().cell(r, col));
        return out;
    }

    static int rowOf(const KotaiPage& page, const QString& mimi)
    {
        return column(page, KotaiTable::Mimi).indexOf(mimi) + 1;
    }

private slots:
    void init()
    {
        TestFixture::resetGlobals();
        previousRoot = DataPath::root();
        DataPath::setRoot(TestFixture::copySample(dir.path() + "/" + QTest::currentTestFunction()));
    }
    // The sample's charts are taken away for tests that lay out their own.
    static void clearCharts()
    {
        const QString folder = SharedState::get().karteFolder();
        for (const QString& name : DataPath::list(folder, "*.sxd"))
            QFile::remove(folder + "/" + name);
    }

    void cleanup()
    {
        DataPath::setRoot(previousRoot);
    }

    // On the sample installation: the farmer's four charts are listed (one written with "’"),
    // the clicked animal is registered again with its episodes kept, a new animal gets a chart.
    void registerCreatesAndRewritesCharts()
    {
        MasterSetup::startAs("鳥取県");
        const QByteArray before = TestFixture::readBytes(karte("H7_00010001_1234_0"));
        MasterForm form;
        KotaiPage* page = form.kotai;
        answerDialogs(yamamoto);
        page->TikuNameGd_Click();
        QCOMPARE(page->NameHyojiGd->text(), QStringLiteral("東谷  山本 一郎  00010001  鳥取県中央市東谷1-2"));
        QCOMPARE(column(*page, KotaiTable::Mimi), (QStringList{"1234", "1234", "2345", "3456"}));
        QCOMPARE(column(*page, KotaiTable::Meigou).at(2), QStringLiteral("もも"));

        page->KotaiGrid_Click(1, 2);
        QCOMPARE(form.inpTx[2]->text(), QStringLiteral("はなこ"));
        QCOMPARE(form.inpTx[1]->text(), QStringLiteral("1012345678"));
        QVERIFY(page->TikusyuOp->at(0)->isChecked());
        form.inpTx[2]->setText("はなこ二世");
        page->TourokuGd_Click(0);
        QCOMPARE(MsgBox::log().last().text, QStringLiteral("修正しますか？"));
        const QByteArray after = TestFixture::readBytes(karte("H7_00010001_1234_0"));
        QCOMPARE(after.split('\n').size(), 675);
        QCOMPARE(after.split('\n').mid(2), before.split('\n').mid(2));
        QCOMPARE(TestFixture::readCp932(karte("H7_00010001_1234_0")).at(1),
                 QStringLiteral("Main'成乳牛'''H30.3.15'雌'はなこ二世:1012345678''包''1234'黒白'額に白斑'H7_00010001_1234_0''R6.4.1''"));

        form.inpTx[3]->setText("0123456789");
        form.inpTx[2]->setText("モモ");
        form.inpTx[1]->clear();
        form.inpTx[0]->clear();
        page->TikusyuOp_Click(2);
        page->TourokuGd_Click(0);
        QCOMPARE(TestFixture::readCp932(karte("H7_00010001_0123456789_0")),
                 (QStringList{"Main'東谷'山本 一郎'00010001'鳥取県中央市東谷1-2'''''''''''",
                              "Main'乳用子牛'''H30.3.15'雌'モモ''包''0123456789'黒白''H7_00010001_0123456789_0''-''"}));
        QCOMPARE(column(*page, KotaiTable::Mimi).size(), 5);
        QVERIFY(SharedState::get().KarteFileList.names().contains("H7_00010001_0123456789_0.sxd"));
    }

    void birthDateFromThePicker()
    {
        MasterSetup::startAs("鳥取県");
        MasterForm form;
        int birthMode = 0;
        ModalHost::setHandler([&birthMode](QDialog& dialog) {
            birthMode = SharedState::get().Hand.NenGappiBirthMode;
            static_cast<LabelButton*>(dialog.findChild<QLabel*>("Digit2_4"))->click();
            static_cast<LabelButton*>(dialog.findChild<QLabel*>("Digit4_8"))->click();
            return 0; // closed without its labels: the date it showed stays
        });
        form.kotai->InpGd_Click(3);
        QCOMPARE(form.kotai->GappiGd[0]->text(), QStringLiteral("R7.4.8"));
        QCOMPARE(birthMode, 1);
        QCOMPARE(SharedState::get().Hand.NenGappiBirthMode, 0);
        // A picker left without a full date leaves the date as it was.
        ModalHost::setHandler([](QDialog& dialog) {
            static_cast<LabelButton*>(dialog.findChild<QLabel*>("Digit2_5"))->click();
            return 0;
        });
        form.kotai->InpGd_Click(3);
        QCOMPARE(form.kotai->GappiGd[0]->text(), QStringLiteral("R7.4.8"));
    }

    // With no farmer chosen the page shows none and writes nothing.
    void noFarmerChosen()
    {
        MasterSetup::startAs("茨城県");
        clearCharts();
        writeChart("H7_00010001_1234_0", "1234");
        MasterForm form;
        KotaiPage* page = form.kotai;
        answerDialogs(yamamoto);
        page->TikuNameGd_Click();
        QCOMPARE(column(*page, KotaiTable::Mimi).size(), 1);
        answerDialogs(NoukaInfo{"東谷", "", "", ""});
        page->TikuNameGd_Click();
        QCOMPARE(page->NameHyojiGd->text(), QStringLiteral("-"));
        QCOMPARE(column(*page, KotaiTable::Mimi).size(), 0);
        form.inpTx[3]->setText("5555");
        page->TourokuGd_Click(0);
        QCOMPARE(MsgBox::log().last().text, QStringLiteral("地域・氏名が入力されていません。"));
        page->TourokuGd_Click(6);
        QCOMPARE(MsgBox::log().last().text, QStringLiteral("組合員を選択してください。"));
        QCOMPARE(DataPath::list(SharedState::get().karteFolder(), "*.sxd"), (QStringList{"H7_00010001_1234_0.sxd"}));
    }

    // Deleting a tag typed with a leading zero removes the chart of the tag without it, and the
    // row of that chart, not the row the cursor is on.
    void deleteByTheTagWithoutItsLeadingZero()
    {
        MasterSetup::startAs("鳥取県");
        clearCharts();
        writeChart("H7_00010001_123456789_0", "123456789");
        writeChart("H7_00010001_5555_0", "5555");
        MasterForm form;
        KotaiPage* page = form.kotai;
        answerDialogs(yamamoto);
        page->TikuNameGd_Click();
        page->KotaiGrid_Click(rowOf(*page, "5555"), 2);
        form.inpTx[3]->setText("0123456789");
        page->TourokuGd_Click(1);
        QCOMPARE(MsgBox::log().at(MsgBox::log().size() - 2).text, QStringLiteral("削除してよろしいですか？"));
        QCOMPARE(MsgBox::log().last().text, QStringLiteral("削除しました。"));
        QVERIFY(!QFile::exists(karte("H7_00010001_123456789_0")));
        QCOMPARE(column(*page, KotaiTable::Mimi), (QStringList{"5555"}));
        QVERIFY(!page->ToridasiList.contains("H7_00010001_123456789_0.sxd"));
        QCOMPARE(form.inpTx[3]->text(), QString());
    }

    void renumberMovesTheChartAndKeepsACalfChart()
    {
        MasterSetup::startAs("鳥取県");
        clearCharts();
        const QByteArray calf = writeChart("H7_00010001_1234_1", "1234");
        writeChart("H7_00010001_5678_0", "5678");
        MasterForm form;
        KotaiPage* page = form.kotai;
        answerDialogs(yamamoto, "0123456789");
        page->TikuNameGd_Click();
        page->KotaiGrid_Click(rowOf(*page, "1234"), 2);
        page->TourokuGd_Click(2);
        QVERIFY(!QFile::exists(karte("H7_00010001_1234_1")));
        const QByteArray moved = TestFixture::readBytes(karte("H7_00010001_0123456789_1"));
        QCOMPARE(moved.split('\n').mid(2), calf.split('\n').mid(2));
        QVERIFY(moved.split('\n').at(1).contains("'0123456789'''H7_00010001_0123456789_1'"));
        QCOMPARE(form.inpTx[3]->text(), QStringLiteral("0123456789"));
        QVERIFY(page->ToridasiList.contains("H7_00010001_0123456789_1.sxd"));
        QCOMPARE(column(*page, KotaiTable::KarteKey).size(), 2);
    }

    // A number in use, also by a chart whose name differs in letter case, is refused and
    // nothing changes.
    void renumberRefusesAUsedNumber()
    {
        MasterSetup::startAs("鳥取県");
        clearCharts();
        const QByteArray before = writeChart("H7_00010001_5678_0", "5678");
        TestFixture::writeCp932(SharedState::get().karteFolder() + "/h7_00010001_1111111111_0.sxd", {"Main'", "Main'"});
        MasterForm form;
        KotaiPage* page = form.kotai;
        answerDialogs(yamamoto, "1111111111");
        page->TikuNameGd_Click();
        page->KotaiGrid_Click(1, 2);
        page->TourokuGd_Click(2);
        QCOMPARE(MsgBox::log().last().text, QStringLiteral("番号が既に使われていますので変更できません。"));
        QCOMPARE(TestFixture::readBytes(karte("H7_00010001_5678_0")), before);
        QCOMPARE(page->table().cell(1, KotaiTable::KarteKey), QStringLiteral("H7_00010001_5678_0"));
    }

    // At a farm site the treatment book and the dead and shipped list follow the chart.
    void renumberAtAFarmSiteMovesTheBook()
    {
        MasterSetup::startAs("茨城県", "IBF1A");
        clearCharts();
        writeChart("H7_00010001_5678_0", "5678");
        TestFixture::writeCp932(DataPath::file("cb") + "/H7_00010001_5678_0.txb", {"5.1.2'死亡'"});
        TestFixture::writeCp932(DataPath::file("set\\DellInfo.ini"), {"H7_00010001_5678_0,H5.1.2[死亡]"});
        SharedState::get().DellInfoList = {"H7_00010001_5678_0,H5.1.2[死亡]", ""};
        MasterForm form;
        KotaiPage* page = form.kotai;
        answerDialogs(yamamoto, "0000005678");
        page->TikuNameGd_Click();
        page->KotaiGrid_Click(1, 2);
        page->TourokuGd_Click(2);
        QVERIFY(QFile::exists(DataPath::file("cb") + "/H7_00010001_0000005678_0.txb"));
        QVERIFY(!QFile::exists(DataPath::file("cb") + "/H7_00010001_5678_0.txb"));
        QCOMPARE(TestFixture::readCp932(DataPath::file("set\\DellInfo.ini")),
                 (QStringList{"H7_00010001_0000005678_0,H5.1.2[死亡]"}));
        QCOMPARE(SharedState::get().DellInfoList.first(), QStringLiteral("H7_00010001_0000005678_0,H5.1.2[死亡]"));
    }

    void deadDisplayHidesDeadAnimals()
    {
        MasterSetup::startAs("茨城県", "IBF1A");
        clearCharts();
        writeChart("H7_00010001_1111111111_0", "1111111111");
        writeChart("H7_00010001_2222222222_0", "2222222222");
        SharedState::get().DellInfoList = {"H7_00010001_2222222222_0,H5.1.2 [死亡]", ""};
        MasterForm form;
        KotaiPage* page = form.kotai;
        QVERIFY(!page->TourokuGd->at(5)->isHidden());
        answerDialogs(yamamoto);
        page->TikuNameGd_Click();
        MsgBox::setResponder([](const MsgBox::Call& call) {
            return call.buttons == MsgBox::YesNoCancel ? MsgBox::No : MsgBox::Ok;
        });
        page->TourokuGd_Click(5);
        QCOMPARE(column(*page, KotaiTable::Mimi), (QStringList{"1111111111"}));
    }

    void csvBulkRegistration()
    {
        MasterSetup::startAs("茨城県");
        clearCharts();
        writeChart("H7_00010001_0123456789_0", "0123456789", "育", "H5.1.2 [死亡]");
        TestFixture::writeCp932(DataPath::file("exceldata") + "/animals.csv",
                                {"名号,耳標,生年月日,個体番号,責任開始日,毛色", "ハナ,123456789,H30.1.2,,R1.4.1,黒",
                                 "モモ,12345678,H30.1.2,,,", "ユキ,1111111111,R2.3.4,555,,白", "",
                                 "ソラ,2222222222,2020.1.1,,,"});
        MasterForm form;
        KotaiPage* page = form.kotai;
        answerDialogs(yamamoto, "animals.csv");
        page->TikuNameGd_Click();
        page->TourokuGd_Click(6);
        QCOMPARE(MsgBox::log().last().text, QStringLiteral("一部登録できないデータがありました。"));
        QCOMPARE(MsgBox::log().last().title, QStringLiteral("CSV一括登録"));
        QCOMPARE(TestFixture::readCp932(karte("H7_00010001_0123456789_0")).at(1),
                 QStringLiteral("Main'育'''H30.1.2'雌'ハナ''包''0123456789'黒'H5.1.2 [死亡]'H7_00010001_0123456789_0''R1.4.1''"));
        QCOMPARE(TestFixture::readCp932(karte("H7_00010001_0123456789_0")).size(), 226);
        QCOMPARE(TestFixture::readCp932(karte("H7_00010001_1111111111_0")).at(1),
                 QStringLiteral("Main'成'''R2.3.4'雌'ユキ:555''包''1111111111'白''H7_00010001_1111111111_0''-''"));
        QCOMPARE(DataPath::list(SharedState::get().karteFolder(), "*.sxd").size(), 2);
        QCOMPARE(column(*page, KotaiTable::Mimi).size(), 2);
        QVERIFY(page->CsvFrame->isHidden());
    }
};

NOLVARI_TEST(KotaiPageTest)
#include "KotaiPageTest.moc"
