#include "NoticeFixture.h"
#include "PdfWords.h"
#include "TestRegistry.h"
#include "WindowMouse.h"

#include "common/DataPath.h"
#include "common/FlexGrid.h"
#include "common/LabelButtonArray.h"
#include "common/ModalHost.h"
#include "common/MsgBox.h"
#include "common/PrintDeviceSource.h"
#include "common/QtPrintDevice.h"
#include "common/SharedState.h"
#include "notices/TuchiPrintForm.h"
#include "notices/TuchiboForm.h"

#include <QFile>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QTimer>
#include <QtTest>

namespace {
// Answers the print options: "印刷開始" (1) or "終了" (0), clicked where they show.
void answerPrintOptions(int command)
{
    ModalHost::setHandler([command](QDialog& dialog) {
        auto* options = qobject_cast<TuchiPrintForm*>(&dialog);
        if (!options)
            return 0;
        WindowMouse::click(options->CmdGd->at(command));
        return 1;
    });
}

// Picks the month in the list and starts the tally, with the mouse; during runs once the tally
// lets the window handle its events.
void tally(TuchiboForm& form, const QString& month, const std::function<void()>& during = {})
{
    QVERIFY(WindowMouse::click(form.CmdGd->at(2)));
    QVERIFY(WindowMouse::clickItem(form.ManthList, month));
    QCOMPARE(form.ManthGd->text(), month);
    QVERIFY(form.ManthList->isHidden());
    if (during)
        QTimer::singleShot(0, &form, during);
    QVERIFY(WindowMouse::click(form.CmdGd->at(1)));
}

QStringList column(FlexGrid* grid, int col)
{
    QStringList out;
    for (int r = 1; r < grid->rows(); ++r)
        out.append(grid->textMatrix(r, col));
    return out;
}

TuchiChart chart(const QString& tiku, const QString& farmer, const QString& mimiban, const QString& syurui,
                 const QList<KarteNameRecord>& episodes, const QString& meigou = QStringLiteral("はなこ"))
{
    return TuchiChart::of(tiku, farmer, mimiban, syurui, episodes, meigou);
}

// The Kagoshima charts: three cases of June of year 7 in two districts, one of May, one of a
// farmer without register line.
void kagosimaCharts(const TuchiInstallation& inst)
{
    const auto june = [](const QString& byo) { return TuchiChart::episode(byo, "7.5.30", "7.6.1", "", "", "7･6"); };
    inst.add(chart("西原", "森田 健", "1200", "肥育牛", {june("肺炎")}), "H7_00020001_1200_0.sxd");
    inst.add(chart("東谷", "山本 一郎", "1200", "成乳牛", {june("乳房炎"), TuchiChart::episode("蹄病", "7.5.1", "7.5.2", "", "", "7･5")}),
             "H7_00010001_1200_0.sxd");
    inst.add(chart("東谷", "山本 一郎", "980", "成乳牛", {june("第四胃変位")}), "H7_00010001_980_0.sxd");
    inst.add(chart("南山", "登録 無し", "5", "成乳牛", {june("外傷")}), "H7_00090001_5_0.sxd");
}
} // namespace

class TuchiboFormTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { TestFixture::resetGlobals(); }

    // The offsets survive "終了" as typed, read back by lines; a missing file opens empty and
    // "終了" creates it.
    void offsets_data()
    {
        QTest::addColumn<QString>("yoko");
        QTest::addColumn<QString>("tate");
        QTest::newRow("1.5 and -2") << "1.5" << "-2";
        QTest::newRow("a comma stays in its box") << "1,5" << "abc";
        QTest::newRow("empty") << "" << "";
    }

    void offsets()
    {
        QFETCH(QString, yoko);
        QFETCH(QString, tate);
        TuchiInstallation inst("鹿児島県,KGVA");
        QFile::remove(DataPath::file("set\\PrintSet2.ini"));
        {
            TuchiboForm form;
            QCOMPARE(form.PosTx[0]->text(), QString());
            QCOMPARE(form.PosTx[1]->text(), QString());
            form.PosTx[0]->setText(yoko);
            form.PosTx[1]->setText(tate);
            QVERIFY(WindowMouse::click(form.CmdGd->at(0)));
            QCOMPARE(form.result(), int(QDialog::Accepted));
        }
        QCOMPARE(TestFixture::readCp932(DataPath::file("set\\PrintSet2.ini")), (QStringList{yoko, tate}));
        TuchiboForm again;
        QCOMPARE(again.PosTx[0]->text(), yoko);
        QCOMPARE(again.PosTx[1]->text(), tate);
        QVERIFY(MsgBox::log().isEmpty());
    }

    // A set folder that cannot take the file: the message names it and the window still closes.
    void offsetsNotWritable()
    {
        TuchiInstallation inst("鹿児島県,KGVA");
        const QString path = DataPath::file("set\\PrintSet2.ini");
        QFile::remove(path);
        QDir().mkpath(path + "/blocked");
        TuchiboForm form;
        form.PosTx[0]->setText("1");
        QVERIFY(WindowMouse::click(form.CmdGd->at(0)));
        QCOMPARE(form.result(), int(QDialog::Accepted));
        QCOMPARE(MsgBox::log().size(), 1);
        QVERIFY(MsgBox::log().at(0).text.contains("PrintSet2.ini"));
    }

    // The hint line and the year labels by prefecture.
    void captions_data()
    {
        QTest::addColumn<QString>("info");
        QTest::addColumn<QString>("hint");  // empty: hidden
        QTest::newRow("鹿児島") << "鹿児島県,KGVA" << "※集計は、カルテ提出月が対象になります。";
        QTest::newRow("群馬") << "群馬県,GMC" << "";
        QTest::newRow("沖縄") << "沖縄県,OKC" << "※集計は、カルテ初診月が対象になります。";
    }

    void captions()
    {
        QFETCH(QString, info);
        QFETCH(QString, hint);
        TuchiInstallation inst(info);
        TuchiboForm form;
        form.show();
        QCOMPARE(form.TitleGd[2]->isVisible(), !hint.isEmpty());
        if (!hint.isEmpty())
            QCOMPARE(form.TitleGd[2]->text(), hint);
        QCOMPARE(form.Gd[1]->text(), QStringLiteral("令和"));
        QCOMPARE(form.NenTx->text(), QStringLiteral("7"));
        QCOMPARE(form.ManthGd->text(), QStringLiteral("?"));
        QCOMPARE(form.TuchiDocName, QStringLiteral("佐藤 誠"));
    }

    void printOptions_data()
    {
        QTest::addColumn<bool>("oneDay");
        QTest::addColumn<QString>("day");
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("result");  // -1: stays open
        QTest::newRow("everything") << false << "" << "" << 1;
        QTest::newRow("empty day") << true << "" << "日付を入力してください。" << -1;
        for (const char* bad : {"0", "32", "-3", "abc"})
            QTest::newRow(bad) << true << bad << "日付が正しくありません。" << -1;
        for (const char* good : {"31", "1", "15.5"})
            QTest::newRow(good) << true << good << "" << 2;
    }

    void printOptions()
    {
        QFETCH(bool, oneDay);
        QFETCH(QString, day);
        QFETCH(QString, message);
        QFETCH(int, result);
        TuchiInstallation inst("鹿児島県,KGVA");
        SharedState::get().Hand.PrintSentakuOut = -7;
        TuchiPrintForm form;
        form.show();
        QVERIFY(form.SentakuOp[0]->isChecked());
        QVERIFY(form.inpTx->isHidden());
        if (oneDay) {
            form.SentakuOp[1]->click();
            QVERIFY(!form.inpTx->isHidden());
            form.inpTx->setText(day);
        }
        QVERIFY(WindowMouse::click(form.CmdGd->at(1)));
        QCOMPARE(MsgBox::log().isEmpty(), message.isEmpty());
        if (!message.isEmpty()) {
            QCOMPARE(MsgBox::log().last().text, message);
            QCOMPARE(MsgBox::log().last().title, QStringLiteral("確認"));
        }
        QCOMPARE(form.isVisible(), result < 0);
        QCOMPARE(SharedState::get().Hand.PrintSentakuOut, result < 0 ? -7 : result);
        if (result == 2)
            QCOMPARE(SharedState::get().Hand.TuchiPrintDayOut, day);
    }

    void printOptionsClose()
    {
        TuchiInstallation inst("群馬県,GMC");
        TuchiPrintForm form;
        form.show();
        QCOMPARE(form.infoGd->text(), QStringLiteral("※所定用紙をセットしてください。"));
        // The day option lies below the window's edge: the user cannot reach it.
        QVERIFY(!WindowMouse::reaches(form.SentakuOp[1]));
        QVERIFY(WindowMouse::click(form.CmdGd->at(0)));
        QCOMPARE(SharedState::get().Hand.PrintSentakuOut, 0);
        QVERIFY(!form.isVisible());
        TuchiInstallation kagosima("鹿児島県,KGVA");
        TuchiPrintForm other;
        QCOMPARE(other.infoGd->text(), QStringLiteral("※Ａ4（白紙）をセットしてください。"));
    }

    // 鹿児島県 VetA from month to PDF: the list in its order and bands, the farmer without register
    // line named, the commands off while the tally runs, the notice with its rows, the offsets.
    void kagosimaVetA()
    {
        TuchiInstallation inst("鹿児島県,KGVA");
        kagosimaCharts(inst);
        TuchiboForm form;
        WindowMouse::showWindow(&form);
        QVERIFY(WindowMouse::click(form.CmdGd->at(1)));
        QCOMPARE(MsgBox::log().last().text, QStringLiteral("対象月を選んでください。"));
        MsgBox::clearLog();

        bool offWhileRunning = false;
        tally(form, "6", [&] {
            offWhileRunning = form.running() && !form.CmdGd->at(3)->isEnabled() && form.SubFrame->isVisible();
            form.CmdGd_Click(1);  // a second start is ignored
        });
        QVERIFY(offWhileRunning);
        QVERIFY(form.CmdGd->at(3)->isEnabled());
        QVERIFY(form.SubFrame->isHidden());
        QCOMPARE(MsgBox::log().size(), 1);
        QCOMPARE(MsgBox::log().at(0).title, QStringLiteral("集計"));
        QVERIFY(MsgBox::log().at(0).text.startsWith("終了しました。"));
        QVERIFY(MsgBox::log().at(0).text.contains("南山 登録 無し"));
        QCOMPARE(column(form.DataGrid, 0), (QStringList{"1", "2", "3"}));
        QCOMPARE(column(form.DataGrid, 1), (QStringList{"東谷", "東谷", "西原"}));
        QCOMPARE(column(form.DataGrid, 3), (QStringList{"成乳牛", "成乳牛", "肥育牛"}));
        QCOMPARE(column(form.DataGrid, 4), (QStringList{"980", "1200", "1200"}));
        QCOMPARE(form.DataGrid->cellBackColor(2, 1), QColor(Qt::white));
        QCOMPARE(form.DataGrid->cellBackColor(3, 1), QColor(232, 251, 255));

        // The notice on the recording device, the offsets of the boxes applied.
        form.PosTx[0]->setText("2");
        auto device = recordTuchiPrints();
        answerPrintOptions(1);
        MsgBox::clearLog();
        QVERIFY(WindowMouse::click(form.CmdGd->at(3)));
        QCOMPARE(MsgBox::log().last().text, QStringLiteral("終了しました。"));
        QCOMPARE(MsgBox::log().last().title, QStringLiteral("印刷"));
        QVERIFY2(hasNoticeText(*device, "980", 1, 11, 1, 92, 67 - 1.5, 2), qPrintable(noticeTexts(*device, "980")));
        QVERIFY(hasNoticeText(*device, "肺炎", 1, 10, 1, 133, 81 - 2, 2));
        QVERIFY(hasNoticeText(*device, "南国動物診療所", 1, 13, 1, 151, 40, 2));

        // The same to a PDF file: the words stand where the layout puts them.
        const QString pdf = inst.path() + "/notice.pdf";
        PrintDeviceSource::setFactory([pdf](const QString&) { return std::shared_ptr<PrintDevice>(QtPrintDevice::toPdf(pdf)); });
        form.PosTx[0]->clear();
        QVERIFY(WindowMouse::click(form.CmdGd->at(3)));
        QVERIFY(MsgBox::log().last().text.startsWith("終了しました。"));
        int pages = 0;
        const QMap<QString, QPointF> words = PdfWords::topLeftMm(pdf, &pages);
        QCOMPARE(pages, 1);
        const double em11 = 11 * 25.0 / 72;
        QVERIFY2(words.contains("980"), qPrintable(QStringList(words.keys()).join(' ')));
        QVERIFY(std::abs(words.value("980").x() - (92 - 3.5)) < 0.3);
        QVERIFY(std::abs(words.value("980").y() - (67 - 1.5 - em11 - 2)) < 0.5);
        QVERIFY(words.contains("共済事故発生通知書"));
    }

    // VetB prints the book; a site that is neither says so and prints nothing; "終了" in the print
    // options prints nothing.
    void kagosimaSites()
    {
        {
            TuchiInstallation inst("鹿児島県,KGVB");
            kagosimaCharts(inst);
            TuchiboForm form;
            WindowMouse::showWindow(&form);
            tally(form, "6");
            QCOMPARE(column(form.DataGrid, 3), (QStringList{"乳", "乳", "肥"}));
            auto device = recordTuchiPrints();
            answerPrintOptions(0);
            QVERIFY(WindowMouse::click(form.CmdGd->at(3)));
            QVERIFY(device->ops.isEmpty());
            answerPrintOptions(1);
            QVERIFY(WindowMouse::click(form.CmdGd->at(3)));
            QVERIFY(device->findText("家畜共済病傷事故発生通知簿"));
            QVERIFY(hasNoticeText(*device, "5/30", 1, 11, 0, 29, 96.88 - 1.5));
        }
        TuchiInstallation inst("鹿児島県,KGOTHER");
        TuchiboForm form;
        WindowMouse::showWindow(&form);
        auto device = recordTuchiPrints();
        answerPrintOptions(1);
        QVERIFY(WindowMouse::click(form.CmdGd->at(3)));
        QVERIFY(device->ops.isEmpty());
        QVERIFY(MsgBox::log().last().text.contains("印刷様式"));
    }

    // A printer failure is reported and the success message is not shown.
    void printFailure()
    {
        struct FailingDevice : RecordingPrintDevice
        {
            bool endDoc(QString* errorText) override
            {
                if (errorText)
                    *errorText = QStringLiteral("プリンターに送れませんでした。");
                return false;
            }
        };
        TuchiInstallation inst("三重県,MIE");
        TuchiboForm form;
        WindowMouse::showWindow(&form);
        PrintDeviceSource::setFactory([](const QString&) { return std::make_shared<FailingDevice>(); });
        answerPrintOptions(1);
        QVERIFY(WindowMouse::click(form.CmdGd->at(3)));
        QCOMPARE(MsgBox::log().size(), 1);
        QCOMPARE(MsgBox::log().at(0).text, QStringLiteral("プリンターに送れませんでした。"));
    }

    // 群馬県 by onset month: the list with kind codes and the hidden column, printed on the form
    // with the clinic's identity and member numbers.
    void gunma()
    {
        TuchiInstallation inst("群馬県,GMC");
        inst.add(chart("東谷", "山本 一郎", "11", "育成牛", {TuchiChart::episode("肺炎", "7.6.12", "7.6.12", "", "未", "7･6")},
                       "はなこ:1012345678"),
                 "H7_00010001_11_0.sxd");
        inst.add(chart("東谷", "山本 一郎", "12", "成乳牛",
                       {TuchiChart::episode("下痢", "7.6.3", "7.6.4", "7.6.20", "死亡", "7･7")}, "たろう"),
                 "H7_00010001_12_0.sxd");
        TuchiboForm form;
        WindowMouse::showWindow(&form);
        tally(form, "6");
        QCOMPARE(column(form.DataGrid, 3), (QStringList{"1", "2"}));
        QCOMPARE(column(form.DataGrid, 4), (QStringList{"たろう", "1012345678"}));
        QCOMPARE(column(form.DataGrid, 7), (QStringList{"00010001:7.6.20:死亡", "00010001::未"}));
        auto device = recordTuchiPrints();
        answerPrintOptions(1);
        QVERIFY(WindowMouse::click(form.CmdGd->at(3)));
        const float y1 = 132 + 14.9f, y2 = 132 + 2 * 14.9f;
        QVERIFY(hasNoticeText(*device, "上州家畜診療所", 1, 15, 1, 135, 71));
        QVERIFY(hasNoticeText(*device, "12345678", 1, 11, 1, 85, y1 - 10.5f));
        QVERIFY(hasNoticeCircle(*device, 1, 59, y1 - 13, 1.6));
        QVERIFY(hasNoticeCircle(*device, 1, 106, y1 - 10, 2.2));
        QVERIFY(hasNoticeCircle(*device, 1, 63, y2 - 13, 1.6));
        QVERIFY(hasNoticeCircle(*device, 1, 115, y2 - 10, 2.2));
    }

    // 沖縄県 by first-exam month: ordered by onset, printed as the landscape notice.
    void okinawa()
    {
        TuchiInstallation inst("沖縄県,OKC");
        inst.add(chart("東谷", "山本 一郎", "21", "成乳牛", {TuchiChart::episode("肺炎", "7.6.3", "7.6.3", "", "", "")}),
                 "H7_00010001_21_0.sxd");
        inst.add(chart("東谷", "山本 一郎", "22", "搾乳牛", {TuchiChart::episode("乳房炎", "7.5.28", "7.6.2", "7.6.30", "治癒", "")}),
                 "H7_00010001_22_0.sxd");
        TuchiboForm form;
        WindowMouse::showWindow(&form);
        tally(form, "6");
        QCOMPARE(column(form.DataGrid, 4), (QStringList{"22", "21"}));
        QCOMPARE(column(form.DataGrid, 3), (QStringList{"搾乳牛", "成乳牛"}));
        auto device = recordTuchiPrints();
        answerPrintOptions(1);
        QVERIFY(WindowMouse::click(form.CmdGd->at(3)));
        QCOMPARE(device->ops.first().orientation, PrintDevice::Orientation::Landscape);
        QVERIFY(hasNoticeText(*device, "南風原診療所", 1, 14, 1, 230, 40));
        QVERIFY(hasNoticeText(*device, "28", 1, 10, 0, 46, 70));
        QVERIFY(hasNoticeText(*device, "30", 1, 10, 0, 259, 72.5));

        MsgBox::clearLog();
        tally(form, "5");
        QCOMPARE(MsgBox::log().last().text, QStringLiteral("この月のデータはありません。"));
        QCOMPARE(form.DataGrid->rows(), 1);
    }
};

NOLVARI_TEST(TuchiboFormTest)
#include "TuchiboFormTest.moc"
