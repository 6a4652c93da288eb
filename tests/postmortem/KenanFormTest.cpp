#include "FailingPrintDevice.h"
#include "PdfWords.h"
#include "TestFixture.h"
#include "TestRegistry.h"
#include "WindowMouse.h"

#include "common/FlexGrid.h"
#include "common/LabelButtonArray.h"
#include "common/ModalHost.h"
#include "common/MsgBox.h"
#include "common/PrintDeviceSource.h"
#include "common/QtPrintDevice.h"
#include "common/SharedState.h"
#include "common/TextFile.h"
#include "dialogs/NenGappiForm.h"
#include "postmortem/KenanFile.h"
#include "postmortem/KenanForm.h"
#include "postmortem/KenanKouhoForm.h"
#include "shell/MainForm.h"
#include "shell/YobidasiForm.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QtTest>

// The certificate window on a copy of the sample installation (鳥取県), driven with the mouse.
class KenanFormTest : public QObject
{
    Q_OBJECT

    static const QString Chart;
    static inline int pickerMode = 0;  // NenGappiMode while the date picker is open

    static void openEpisode(const QString& byoName, const QString& syosinDate)
    {
        SharedState& s = SharedState::get();
        s.setKen("鳥取県");
        s.KarteNendo = "7";
        s.TwipPerMm = 56.7f;
        s.CurrentKarteFile = Chart;
        s.CurrentEpisode.ByoName = byoName;
        s.CurrentEpisode.SyosinDate = syosinDate;
    }

    static QString lastMessage() { return MsgBox::log().isEmpty() ? QString() : MsgBox::log().last().text; }

    // The date picker answers with the digits given and "OK" (or "閉る" with ok false).
    static void pickDates(const QStringList& digits, bool ok = true)
    {
        ModalHost::setHandler([digits, ok](QDialog& dialog) {
            auto* picker = qobject_cast<NenGappiForm*>(&dialog);
            if (!picker)
                return 0;
            pickerMode = SharedState::get().Hand.NenGappiMode;
            for (int g = 0; g < digits.size(); ++g)
                if (!digits.at(g).isEmpty())
                    picker->DigitGd_Click(NenGappiForm::Group(g), digits.at(g));
            picker->Label1_Click(ok ? 1 : 0);
            return 1;
        });
    }

    static bool near(const QMap<QString, QPointF>& words, const QString& word, double x, double y)
    {
        const QPointF at = words.value(word, QPointF(-100, -100));
        if (qAbs(at.x() - x) <= 1.0 && qAbs(at.y() - y) <= 1.0)
            return true;
        qWarning("%s at (%.2f, %.2f), expected (%.2f, %.2f)", qPrintable(word), at.x(), at.y(), x, y);
        return false;
    }

private slots:
    void init() { TestFixture::resetGlobals(); }

    void opensFilledFromTheEpisode()
    {
        TempDataRoot root;
        root.useSample();
        openEpisode("第四胃変位", "7.4.3");
        KenanForm form;
        QVERIFY(form.ok());
        QCOMPARE(form.InfoGd[0]->text(), QStringLiteral("東谷：山本 一郎：00010001"));
        QCOMPARE(form.InfoGd[2]->text(), QStringLiteral("第四胃変位：0421"));
        QCOMPARE(form.K_InpText[2]->text(), QStringLiteral("1012345678"));
        QCOMPARE(form.K_InpText[5]->text(), QStringLiteral("30.3.15"));
        QCOMPARE(form.K_InpText[11]->text(), QStringLiteral("7.4.12"));
        QVERIFY(form.SihaiOp[0]->isChecked() && form.BunruiOp[0]->isChecked());
        QCOMPARE(form.MaiTx->text(), QStringLiteral("4"));
        QVERIFY(!QFileInfo::exists(root.path() + "/kdata"));
    }

    void refusesAChartThatDoesNotRead()
    {
        TempDataRoot root;
        root.useSample();
        openEpisode("a", "b");
        SharedState::get().CurrentKarteFile = "H7_00019999_1_0.sxd";
        QVERIFY(!KenanForm::open(nullptr));
        QVERIFY2(lastMessage().contains("H7_00019999_1_0.sxd"), qPrintable(lastMessage()));
        SharedState::get().CurrentKarteFile.clear();
        QVERIFY(!KenanForm::open(nullptr));
        QVERIFY(!QFileInfo::exists(root.path() + "/kdata"));
        // A saved certificate of a chart that does not read is not opened either.
        QString error;
        QVERIFY(KenanFile::save("H7_00019999_1_0.sxd", KenanData(), &error));
        SharedState::get().CurrentKarteFile = "H7_00019999_1_0.sxd";
        MsgBox::clearLog();
        QVERIFY(!KenanForm::open(nullptr));
        QVERIFY2(lastMessage().contains("H7_00019999_1_0.sxd"), qPrintable(lastMessage()));
    }

    // The print checks in order, each putting the focus in its empty box; a sheet count that is
    // not 1 to 32767 is refused before anything is saved.
    void printChecks()
    {
        TempDataRoot root;
        root.useSample();
        openEpisode("第四胃変位", "7.4.3");
        KenanForm form;
        QVERIFY(WindowMouse::showWindow(&form));
        form.MaiTx->clear();
        WindowMouse::click(form.CmdGd->at(10));
        QCOMPARE(lastMessage(), QStringLiteral("年度を入力してください。"));
        QCOMPARE(QApplication::focusWidget(), form.K_InpText[0]);
        form.K_InpText[0]->setText("7");
        WindowMouse::click(form.CmdGd->at(10));
        QCOMPARE(lastMessage(), QStringLiteral("日付を入力してください。"));
        QCOMPARE(QApplication::focusWidget(), form.K_InpText[7]);
        form.K_InpText[7]->setText("7.9.20");
        WindowMouse::click(form.CmdGd->at(10));
        QCOMPARE(lastMessage(), QStringLiteral("枚数を入力してください。"));
        QCOMPARE(QApplication::focusWidget(), form.MaiTx);
        form.MaiTx->setText("0.4");
        WindowMouse::click(form.CmdGd->at(10));
        QCOMPARE(lastMessage(), QStringLiteral("枚数は1～32767で入力してください。"));
        QVERIFY(!KenanFile::exists(Chart));
        form.MaiTx->clear();
        WindowMouse::click(form.CmdGd->at(0));
        QCOMPARE(SharedState::get().Hand.KenanMaiKioku, QString());
        KenanForm again;
        QCOMPARE(again.MaiTx->text(), QStringLiteral("4"));
    }

    // A certificate that cannot be saved is not printed; a printer failure is reported in place
    // of "印刷終了".
    void printFailures()
    {
        TempDataRoot root;
        root.useSample();
        openEpisode("第四胃変位", "7.4.3");
        int opened = 0;
        PrintDeviceSource::setFactory([&opened](const QString&) {
            ++opened;
            return std::make_shared<FailingPrintDevice>();
        });
        KenanForm form;
        form.K_InpText[0]->setText("7");
        form.K_InpText[7]->setText("7.9.20");
        TextFile::failNextWriteAfterBytes(10);
        WindowMouse::click(form.CmdGd->at(10));
        QVERIFY2(lastMessage().contains(".kdt"), qPrintable(lastMessage()));
        QCOMPARE(opened, 0);
        WindowMouse::click(form.CmdGd->at(10));
        QCOMPARE(opened, 1);
        QCOMPARE(lastMessage(), FailingPrintDevice::failureText());
        QVERIFY(KenanFile::exists(Chart));
    }

    // "閉る" keeps nothing typed since the last save: a new certificate writes no file, a saved
    // one opens again as saved.
    void closeDiscardsEdits()
    {
        TempDataRoot root;
        root.useSample();
        openEpisode("第四胃変位", "7.4.3");
        {
            KenanForm form;
            form.K_InpText[0]->setText("7");
            WindowMouse::click(form.CmdGd->at(0));
        }
        QVERIFY(!KenanFile::exists(Chart));
        {
            KenanForm form;
            QCOMPARE(form.K_InpText[0]->text(), QString());
            form.K_InpText[0]->setText("7");
            WindowMouse::click(form.CmdGd->at(12));
            QCOMPARE(lastMessage(), QStringLiteral("保存しました。"));
            form.K_InpText[0]->setText("8");
            form.InfoTx[2]->setPlainText("書きかけ");
            form.SihaiOp[1]->setChecked(true);
            WindowMouse::click(form.CmdGd->at(0));
        }
        KenanForm again;
        QCOMPARE(again.K_InpText[0]->text(), QStringLiteral("7"));
        QCOMPARE(again.InfoTx[2]->toPlainText(), QString());
        QVERIFY(again.SihaiOp[0]->isChecked());
    }

    void pickers()
    {
        TempDataRoot root;
        root.useSample();
        openEpisode("第四胃変位", "7.4.3");
        KenanForm form;
        pickDates({"0", "7", "9", "2", "0"});
        WindowMouse::click(form.CmdGd->at(9));
        QCOMPARE(form.K_InpText[7]->text(), QStringLiteral("7.9.20"));
        QCOMPARE(pickerMode, -1);
        QCOMPARE(SharedState::get().Hand.NenGappiMode, 0);
        pickDates({"0", "7", "9", "", ""});
        WindowMouse::click(form.CmdGd->at(5));
        QCOMPARE(form.K_InpText[8]->text(), QStringLiteral("7.4.2"));
        pickDates({"0", "7", "9", "1", "1"}, false);
        WindowMouse::click(form.CmdGd->at(8));
        QCOMPARE(form.K_InpText[11]->text(), QStringLiteral("7.4.12"));

        // 稟告: "キャンセル" keeps the text cleaned; "削除" empties it.
        form.InfoTx[0]->setPlainText(" 食欲'不振\n ");
        ModalHost::setHandler([](QDialog& d) {
            WindowMouse::click(d.findChild<LabelButtonArray*>()->at(0));
            return 0;
        });
        WindowMouse::click(form.CmdGd->at(2));
        QCOMPARE(form.InfoTx[0]->toPlainText(), QStringLiteral("食欲不振"));
        ModalHost::setHandler([](QDialog& d) {
            WindowMouse::click(d.findChild<LabelButtonArray*>()->at(2));
            return 0;
        });
        WindowMouse::click(form.CmdGd->at(3));
        QCOMPARE(form.InfoTx[1]->toPlainText(), QString());
        // The disease picker closed without a choice keeps the disease; its "削除" empties it.
        WindowMouse::click(form.CmdGd->at(1));
        QCOMPARE(form.InfoGd[2]->text(), QString());
        ModalHost::setHandler([](QDialog& d) {
            WindowMouse::click(d.findChild<LabelButtonArray*>()->at(0));
            return 0;
        });
        form.InfoGd[2]->setText("乳房炎：6-1-1");
        WindowMouse::click(form.CmdGd->at(1));
        QCOMPARE(form.InfoGd[2]->text(), QStringLiteral("乳房炎：6-1-1"));
        WindowMouse::click(form.KyoOp[1]);
        QCOMPARE(form.K_InpText[3]->text(), QStringLiteral("育成乳牛"));
    }

    void candidates()
    {
        TempDataRoot root;
        root.useSample();
        openEpisode("第四胃変位", "7.4.3");
        KenanForm form;
        WindowMouse::click(form.CmdGd->at(11));
        QCOMPARE(lastMessage(), QStringLiteral("保存番号を入力してください。（1～50）"));
        for (const char* bad : {"0", "51", "abc", "07", "..\\1"}) {
            form.NbInpTx->setText(bad);
            WindowMouse::click(form.CmdGd->at(11));
            QCOMPARE(lastMessage(), QStringLiteral("番号が不正です。（1～50）"));
        }
        QVERIFY(!QFileInfo::exists(root.path() + "/kdata"));
        form.NbInpTx->setText("3");
        WindowMouse::click(form.CmdGd->at(11));
        QCOMPARE(lastMessage(), QStringLiteral("現症経過を入力してください。"));
        form.InfoTx[2]->setPlainText("元気消失\r\n起立不能");
        WindowMouse::click(form.CmdGd->at(11));
        QCOMPARE(lastMessage(), QStringLiteral("No3 に保存しました。"));
        form.InfoTx[2]->setPlainText("別の文");

        // A click on candidate 3, then "閉る": the text replaces the symptoms.
        ModalHost::setHandler([](QDialog& d) {
            auto* list = qobject_cast<KenanKouhoForm*>(&d);
            WindowMouse::showWindow(list);
            WindowMouse::clickCell(list->KouhoGrid, 2, 1);
            WindowMouse::click(list->CmdGd->at(0));
            return 0;
        });
        WindowMouse::click(form.CmdGd->at(4));
        QCOMPARE(form.InfoTx[2]->toPlainText(), QStringLiteral("元気消失起立不能"));
        // Closed without a click: unchanged.
        form.InfoTx[2]->setPlainText("別の文");
        ModalHost::setHandler([](QDialog& d) {
            WindowMouse::click(d.findChild<LabelButtonArray*>()->at(1));
            return 0;
        });
        WindowMouse::click(form.CmdGd->at(4));
        QCOMPARE(form.InfoTx[2]->toPlainText(), QStringLiteral("別の文"));
    }

    // From the main window of the sample: 検案書 ticked, a click on an episode opens the
    // certificate pre-filled; it is saved (23 lines in kdata), a symptom text is stored as a
    // candidate and chosen again, two sheets go to a PDF whose words stand where the form puts
    // them, and the next opening shows the certificate as saved.
    void fromTheMainWindow()
    {
        TempDataRoot root;
        root.useSample();
        // The sample's address ends with the clinic's name; a word read twice from the PDF keeps
        // its last place, so the address here leaves the clinic line's name its own.
        root.write("set/DocAd.ini", {"鳥取県中央市本町2-5"});
        const QString pdf = root.path() + "/kenan.pdf";
        PrintDeviceSource::setFactory([pdf](const QString&) { return QtPrintDevice::toPdf(pdf); });
        MainForm main;
        QVERIFY(main.loadOk());
        QVERIFY(WindowMouse::showWindow(&main));

        KenanData saved;
        ModalHost::setHandler([&saved](QDialog& d) {
            if (auto* picker = qobject_cast<YobidasiForm*>(&d)) {
                [&] {
                    QVERIFY(WindowMouse::clickItem(picker->TikuList, "東谷"));
                    QVERIFY(WindowMouse::clickItem(picker->NameList, "山本 一郎"));
                    QVERIFY(WindowMouse::click(picker->CmdGd));
                }();
                return 1;
            }
            if (auto* list = qobject_cast<KenanKouhoForm*>(&d)) {
                WindowMouse::showWindow(list);
                WindowMouse::clickCell(list->KouhoGrid, 4, 1);
                WindowMouse::click(list->CmdGd->at(1));
                return 0;
            }
            auto* form = qobject_cast<KenanForm*>(&d);
            if (!form)
                return 0;
            [&] {
                QVERIFY(WindowMouse::showWindow(form));
                QCOMPARE(form->InfoGd[2]->text(), QStringLiteral("第四胃変位：0421"));
                QCOMPARE(form->InfoGd[0]->text(), QStringLiteral("東谷：山本 一郎：00010001"));
                form->K_InpText[0]->setText("7");
                form->K_InpText[7]->setText("7.9.20");
                form->InfoTx[2]->setPlainText("元気消失\n起立不能");
                WindowMouse::click(form->SihaiOp[2]);
                form->HaiyoTxt->setText("乳廃: 回復見込みなし");
                WindowMouse::click(form->CmdGd->at(12));
                QCOMPARE(lastMessage(), QStringLiteral("保存しました。"));
                QCOMPARE(TestFixture::readCp932(KenanFile::path(Chart)).size(), 23);
                form->NbInpTx->setText("5");
                WindowMouse::click(form->CmdGd->at(11));
                QCOMPARE(lastMessage(), QStringLiteral("No5 に保存しました。"));
                form->InfoTx[2]->setPlainText("書きかけ");
                WindowMouse::click(form->CmdGd->at(4));
                QCOMPARE(form->InfoTx[2]->toPlainText(), QStringLiteral("元気消失起立不能"));
                form->MaiTx->setText("2");
                WindowMouse::click(form->CmdGd->at(10));
                QVERIFY2(lastMessage().startsWith("印刷終了"), qPrintable(lastMessage()));
                saved = form->data();
                WindowMouse::click(form->CmdGd->at(0));
            }();
            return 0;
        });
        QVERIFY(WindowMouse::click(main.CmdGd(6)));
        const auto openEpisodeRow = [&main] {
            FlexGrid* kotai = main.KotaiGrid;
            const int row = kotai->findItems(Chart, Qt::MatchExactly).value(0)->row();
            QVERIFY(WindowMouse::clickCell(kotai, row, 3));
            QVERIFY(main.KenanCh->isVisible());
            if (!main.KenanCh->isChecked())
                QVERIFY(WindowMouse::click(main.KenanCh));
            QVERIFY(main.KenanCh->isChecked());
            FlexGrid* rireki = main.RirekiGrid;
            for (int r = 1; r < rireki->rows(); ++r) {
                if (rireki->textMatrix(r, 1) == "第四胃変位" && rireki->textMatrix(r, 3) == "7.4.3") {
                    QVERIFY(WindowMouse::clickCell(rireki, r, 1));
                    return;
                }
            }
            QFAIL("the episode is not in the history");
        };
        openEpisodeRow();
        QVERIFY(!saved.InfoGd[0].isEmpty());
        QCOMPARE(TestFixture::readCp932(KenanFile::path(Chart)), saved.lines());

        KenanData again;
        QString sheets;
        ModalHost::setHandler([&](QDialog& d) {
            if (auto* form = qobject_cast<KenanForm*>(&d)) {
                again = form->data();
                sheets = form->MaiTx->text();
            }
            return 0;
        });
        openEpisodeRow();
        QCOMPARE(again.lines(), saved.lines());
        QCOMPARE(again.sihai, int(KenanData::Hai));
        QCOMPARE(sheets, QStringLiteral("2"));

        int pages = 0;
        const QMap<QString, QPointF> words = PdfWords::topLeftMm(pdf, &pages);
        QCOMPARE(pages, 2);
        QVERIFY(near(words, "第四胃変位", 16 + 18 - 9.0 / 12, 19 + 52 - 9.0 / 6));
        QVERIFY(near(words, "元気消失起立不能", 16 + 33 - 1, 19 + 100 - 2));
        QVERIFY(near(words, "組合員住所氏名", 16 + 9 - 11.0 / 12, 19 + 17.5 - 11.0 / 6));
        QVERIFY(near(words, "佐藤家畜診療所", 16 + 110 - 15.0 / 12, 19 + 167 - 15.0 / 6));
        QVERIFY(near(words, "鳥取県中央市本町2-5", 16 + 110 - 10.5 / 12, 19 + 173 - 10.5 / 6));
    }
};

const QString KenanFormTest::Chart = QStringLiteral("H7_00010001_1234_0.sxd");

NOLVARI_TEST(KenanFormTest)
#include "KenanFormTest.moc"
