#include "PrintFixture.h"
#include "TestFixture.h"
#include "TestRegistry.h"
#include "WindowMouse.h"

#include "common/DataPath.h"
#include "common/LabelButtonArray.h"
#include "common/ModalHost.h"
#include "common/MsgBox.h"
#include "common/SharedState.h"
#include "print/tottori_miyazaki/PrintMiyazakiForm.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QtTest>

class PrintMiyazakiFormTest : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;
    QString root;

private slots:
    void initTestCase() { root = TestFixture::copySample(dir.path()); }
    void init()
    {
        TestFixture::resetGlobals();
        openSample(root, QStringLiteral("宮崎県"));
        QFile::remove(PrintMiyazakiForm::ocrWidthPath());
    }

    // A fresh run: nothing ticked, no date, the built-in year, the thickness of the file; the
    // frames of veterinarian numbers stay hidden.
    void firstOpening()
    {
        TestFixture::writeCp932(PrintMiyazakiForm::ocrWidthPath(), {"9"});
        PrintMiyazakiForm form;
        form.show();
        QCOMPARE(form.ShosikiLabel->text(), QStringLiteral("書式：宮崎県"));
        for (QCheckBox* box : form.PrintCh)
            QVERIFY(!box->isChecked());
        QCOMPARE(form.HidukeGd->text(), QString());
        QCOMPARE(form.NenDoGd->text(), QStringLiteral("5"));
        QCOMPARE(form.inpTx->text(), QStringLiteral("9"));
        QVERIFY(!form.DocNoFrame1->isVisible());
        QVERIFY(!form.DocNoFrame2->isVisible());
        QVERIFY(form.PrintCh[3]->y() > form.PrintCh[6]->y() && form.PrintCh[3]->y() < form.PrintCh[7]->y());
    }

    // The options come back only after "閉る"; the thickness box is written at every closing.
    void optionsKeptByCloseOnly()
    {
        {
            PrintMiyazakiForm form;
            form.show();
            form.PrintCh[1]->setChecked(true);
            form.PrintCh[4]->setChecked(true);
            form.inpTx->setText("12");
            QVERIFY(WindowMouse::click(form.CmdGd->at(0)));
        }
        QCOMPARE(TestFixture::readCp932(PrintMiyazakiForm::ocrWidthPath()), QStringList{"12"});
        {
            PrintMiyazakiForm form;
            for (int i = 0; i < 9; ++i)
                QCOMPARE(form.PrintCh[i]->isChecked(), i == 1 || i == 4);
            QCOMPARE(form.inpTx->text(), QStringLiteral("12"));
            form.PrintCh[5]->setChecked(true);
            form.inpTx->clear();
            form.reject();   // closed by the window system: options not kept, thickness written
        }
        QCOMPARE(TestFixture::readCp932(PrintMiyazakiForm::ocrWidthPath()), QStringList{""});
        PrintMiyazakiForm again;
        QVERIFY(!again.PrintCh[5]->isChecked());
        QVERIFY(again.PrintCh[4]->isChecked());
        QCOMPARE(again.inpTx->text(), QString());
    }

    void ocrWidth_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("width");
        QTest::newRow("empty") << "" << 7;
        QTest::newRow("zero") << "0" << 7;
        QTest::newRow("12") << "12" << 12;
        QTest::newRow("3.9") << "3.9" << 3;
        QTest::newRow("negative") << "-2" << 7;
        QTest::newRow("too large") << "70000" << 7;
        QTest::newRow("99") << "99" << 99;
        QTest::newRow("word") << "abc" << 7;
    }
    void ocrWidth()
    {
        QFETCH(QString, text);
        QFETCH(int, width);
        auto device = recordPrints();
        PrintMiyazakiForm form;
        form.HidukeGd->setText("R7.5.20");
        form.PrintCh[0]->setChecked(true);
        form.inpTx->setText(text);
        form.CmdGd_Click(1);
        QCOMPARE(SharedState::get().Hand.OcrWidth, width);
        QCOMPARE(MsgBox::log().last().text, QStringLiteral("印刷終了"));
        const auto lines = device->ofKind(RecordingPrintDevice::Kind::Line);
        QVERIFY(!lines.isEmpty());
        QCOMPARE(lines.first().lineWidth, width);
    }

    // The three refusals of print start, in order; the page refusal puts the focus on PageTx.
    void refusals_data()
    {
        QTest::addColumn<QString>("hiduke");
        QTest::addColumn<QString>("nendo");
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("message");
        QTest::newRow("date") << "" << "5" << "" << "カルテの日付を入力してください。";
        QTest::newRow("year") << "R7.5.20" << "" << "" << "カルテの年度を入力してください。";
        QTest::newRow("page empty") << "R7.5.20" << "5" << "" << "印刷するページを指定してください。";
        QTest::newRow("page 0") << "R7.5.20" << "5" << "0" << "印刷するページを指定してください。";
        QTest::newRow("page word") << "R7.5.20" << "5" << "二" << "印刷するページを指定してください。";
    }
    void refusals()
    {
        QFETCH(QString, hiduke);
        QFETCH(QString, nendo);
        QFETCH(QString, page);
        QFETCH(QString, message);
        auto device = recordPrints();
        PrintMiyazakiForm form;
        form.show();
        QApplication::setActiveWindow(&form);
        form.HidukeGd->setText(hiduke);
        form.NenDoGd->setText(nendo);
        form.PrintCh[2]->setChecked(true);
        form.PageTx->setText(page);
        form.CmdGd_Click(1);
        QCOMPARE(MsgBox::log().size(), 1);
        QCOMPARE(MsgBox::log().last().text, message);
        QCOMPARE(MsgBox::log().last().title, QStringLiteral("確認"));
        QVERIFY(device->ops.isEmpty());
        if (message.startsWith("印刷するページ"))
            QCOMPARE(QApplication::focusWidget(), form.PageTx);
    }

    // A page beyond the certificate prints nothing and says so; "印刷終了" follows only pages.
    void pageBeyondTheCertificate()
    {
        auto device = recordPrints();
        PrintMiyazakiForm form;
        form.HidukeGd->setText("R7.5.20");
        form.PrintCh[2]->setChecked(true);
        form.PageTx->setText("5");
        form.CmdGd_Click(1);
        QVERIFY(device->ofKind(RecordingPrintDevice::Kind::EndDoc).isEmpty());
        QCOMPARE(MsgBox::log().last().text, SindansyoPrintRun::nothingPrintedText());
    }

    void westernYearSites_data()
    {
        QTest::addColumn<QString>("siteKey");
        QTest::addColumn<int>("flag");
        QTest::newRow("C") << "MZC" << 1;
        QTest::newRow("F") << "MZF" << 1;
        QTest::newRow("other") << "MZA" << 0;
        QTest::newRow("none") << "" << 0;
    }
    void westernYearSites()
    {
        QFETCH(QString, siteKey);
        QFETCH(int, flag);
        SharedState& s = SharedState::get();
        s.SiteRows = SiteProfile::parse({"MZC,宮崎県,SiteMiyazakiVetC", "MZF,宮崎県,SiteMiyazakiVetF",
                                         "MZA,宮崎県,SiteMiyazakiVetA"});
        s.SiteKey = siteKey;
        s.Site = SiteProfile::lookup(s.SiteRows, s.ken, siteKey, QString());
        s.SeirekiFlag = 1 - flag;
        PrintMiyazakiForm form;
        QCOMPARE(s.SeirekiFlag, flag);
    }

    // A thickness file that cannot be written is reported; the dialog closes all the same.
    void unwritableThicknessFile()
    {
        TempDataRoot other;
        TestFixture::writeBytes(other.path() + "/set", "not a folder");
        PrintMiyazakiForm form;
        form.show();
        form.inpTx->setText("8");
        form.CmdGd_Click(0);
        QVERIFY(!form.isVisible());
        QCOMPARE(MsgBox::log().size(), 1);
        QVERIFY(MsgBox::log().last().text.contains("OCRWidth.ini"));
    }
};

NOLVARI_TEST(PrintMiyazakiFormTest)
#include "PrintMiyazakiFormTest.moc"
