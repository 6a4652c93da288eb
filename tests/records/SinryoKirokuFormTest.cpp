#include "RecordsFixture.h"
#include "TestRegistry.h"
#include "WindowMouse.h"

#include "common/ClipboardText.h"
#include "common/FlexGrid.h"
#include "common/LabelButtonArray.h"
#include "common/MsgBox.h"
#include "common/SharedState.h"
#include "records/SinryoKirokuForm.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QTimer>
#include <QtTest>
#include <algorithm>

namespace {
KirokuSinsatu exam(const QString& date, const QList<KirokuTiryo>& lines, const QString& start = QStringLiteral("9:0"))
{
    return {date, start, QStringLiteral("10:30"), lines, QString()};
}

// Two animals of 山本 一郎 (00010001) and one of 川口 花子 (00010002), treated in June of year 7.
QList<KirokuChart> juneCharts()
{
    KirokuChart a;
    a.episodes = {KirokuEpisode{"肺炎", "治癒", "7･6", "鈴木 一郎",
                                {exam("7.6.10", {{"往診", "往診料", ""}, {"注射", "ペニG", "2"}, {"PLテスト", "", ""}}),
                                 exam("7.6.12", {{"処置", "洗浄", ""}})}}};
    KirokuChart b;
    b.mimiban = "2345";
    b.episodes = {KirokuEpisode{"下痢", "治癒", "7･6", "", {exam("7.6.11", {{"経口", "整腸剤", ".5"}})}}};
    KirokuChart c;
    c.code = "00010002";
    c.mimiban = "4567";
    c.episodes = {KirokuEpisode{"乳房炎", "治癒", "7･6", "", {exam("7.6.15", {{"注入", "軟膏", "1"}})}}};
    return {a, b, c};
}

void type(QLineEdit* box, const QString& text)
{
    box->clear();
    QTest::keyClicks(box, text);
}

void period(SinryoKirokuForm& form, const QString& nen, const QStringList& dates)
{
    type(form.NenTx, nen);
    for (int i = 0; i < 4; ++i)
        type(form.DateTx[i], dates.at(i));
}

QStringList items(const QListWidget* list)
{
    QStringList out;
    for (int i = 0; i < list->count(); ++i)
        out.append(list->item(i)->text());
    return out;
}

QStringList column(const FlexGrid* grid, int col)
{
    QStringList out;
    for (int r = 1; r < grid->rows(); ++r)
        out.append(grid->textMatrix(r, col));
    return out;
}

QString lastMessage()
{
    return MsgBox::log().isEmpty() ? QString() : MsgBox::log().last().text;
}
} // namespace

class SinryoKirokuFormTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { TestFixture::resetGlobals(); }

    void loadTottori()
    {
        KirokuInstallation inst("鳥取県,0");
        inst.write("set/SubSet1.ini", {"C'ペニG'7日'ペニシリンG：10ml", "no separator"});
        inst.write("set/PrintSet3.ini", {" 1,5 ", "-1"});
        SinryoKirokuForm form;
        // 佐藤 誠 holds both Tottori keys: the district order 西原, 東谷 without 川口 花子, then every
        // registered district without 山本一郎 (blanks removed).
        QCOMPARE(items(form.AtamaList),
                 (QStringList{"森田 健:00020001", "山本 一郎:00010001", "川口 花子:00010002", "森田 健:00020001"}));
        QCOMPARE(form.NenTx->text(), QStringLiteral("7"));
        QCOMPARE(form.PosTx[0]->text(), QStringLiteral("1,5"));
        QCOMPARE(form.PosTx[1]->text(), QStringLiteral("-1"));
        QCOMPARE(form.DataGrid->rows(), 100);
        QVERIFY(std::abs(form.DataGrid->colWidthTwips(9) - 2800) < 15);  // whole pixels
        QVERIFY(form.CmdGd->at(5)->isHidden());
        QVERIFY(form.SubFrame[2]->isHidden());
        QVERIFY(form.TenkiOp[0]->isChecked());
        QCOMPARE(SharedState::get().KyuYakuList.size(), 1);
        QCOMPARE(SharedState::get().KyuYakuList.at(0).YakuhinKikaku, QStringLiteral("ペニシリンG：10ml"));
    }

    void checks()
    {
        KirokuInstallation inst("三重県,MIE");
        SinryoKirokuForm form;
        QVERIFY(WindowMouse::showWindow(&form));
        QVERIFY(form.CmdGd->at(5)->isVisible());
        QVERIFY(std::abs(form.DataGrid->colWidthTwips(9) - 500) < 15);
        type(form.NenTx, "");
        WindowMouse::click(form.CmdGd->at(1));
        QCOMPARE(lastMessage(), QStringLiteral("期間の年月日を入力してください。"));
        period(form, "7", {"12", "1", "3", "1"});
        WindowMouse::click(form.CmdGd->at(1));
        QCOMPARE(lastMessage(), QStringLiteral("期間の月指定が正しくありません。"));
        period(form, "7", {"ab", "1", "3", "1"});
        WindowMouse::click(form.TenkiOp[2]);
        WindowMouse::click(form.CmdGd->at(1));
        QCOMPARE(lastMessage(), QStringLiteral("提出月を入力してください。"));
        QVERIFY(form.TeisyutuTx->hasFocus());
        WindowMouse::click(form.TenkiOp[0]);
        WindowMouse::click(form.CmdGd->at(1));
        QCOMPARE(lastMessage(), QStringLiteral("組合員名を選択してください。"));
        QCOMPARE(MsgBox::log().last().title, QStringLiteral("確認"));
        QCOMPARE(form.DataGrid->rows(), 100);
        // Enter moves along the period and from the to-day back to the from-month.
        form.DateTx[3]->setFocus();
        QTest::keyClick(form.DateTx[3], Qt::Key_Return);
        QVERIFY(form.DateTx[0]->hasFocus());
    }

    // The whole run in 鳥取県: tally chosen members over a period, print the cards, keep the offsets.
    void tallyAndPrintTottori()
    {
        KirokuInstallation inst("鳥取県,0");
        inst.add(juneCharts());
        auto device = recordKirokuPrints();
        SinryoKirokuForm form;
        QVERIFY(WindowMouse::showWindow(&form));
        // Before any tally a print prints nothing and says it ended.
        WindowMouse::click(form.CmdGd->at(3));
        QCOMPARE(lastMessage(), QStringLiteral("終了しました。"));
        QVERIFY(device->ofKind(RecordingPrintDevice::Kind::Text).isEmpty());

        period(form, "7", {"6", "10", "6", "12"});
        QVERIFY(WindowMouse::clickRow(form.AtamaList, 1));  // 山本 一郎
        WindowMouse::click(form.CmdGd->at(1));
        QCOMPARE(lastMessage(), QStringLiteral("終了しました。"));
        QCOMPARE(MsgBox::log().last().title, QStringLiteral("集計"));
        QCOMPARE(column(form.DataGrid, 6), (QStringList{"往診", "注射", "PLテスト", "経口", "処置"}));
        QCOMPARE(column(form.DataGrid, 0), (QStringList{"1", "2", "3", "4", "5"}));
        QCOMPARE(SharedState::get().SinryoKirokuList.size(), 3);
        QCOMPARE(form.infoGd->text(), QStringLiteral("用紙枚数=A4:1～"));
        QVERIFY(form.infoGd->isVisible());
        QVERIFY(form.SubFrame[0]->isHidden());

        type(form.PosTx[0], "2");
        type(form.PosTx[1], "x");
        device->ops.clear();
        MsgBox::clearLog();
        WindowMouse::click(form.CmdGd->at(3));
        QCOMPARE(MsgBox::log().size(), 2);
        QVERIFY(MsgBox::log().at(0).text.startsWith("一覧に表示されている組合員別に印刷します。"));
        QCOMPARE(TestFixture::readCp932(inst.file("set/PrintSet3.ini")), (QStringList{"2", "x"}));
        QVERIFY2(printedAt(*device, "令和7 年 6 月 10 日", 1, 12, 14.5), qPrintable(whereIs(*device, "令和7 年 6 月 10 日")));
        QVERIFY(printedAt(*device, "獣医師　佐藤 誠", 1, 57, 132));
        QVERIFY(printedAt(*device, "往診料  9:00～10:30", 1, 37, 50.5));
        QVERIFY(printedAt(*device, "令和7 年 6 月 12 日", 1, 12, 162.5));
        QVERIFY(form.PrintGd->isHidden());

        // Cancel prints nothing.
        device->ops.clear();
        MsgBox::setResponder([](const MsgBox::Call&) { return MsgBox::Cancel; });
        WindowMouse::click(form.CmdGd->at(3));
        QVERIFY(device->ops.isEmpty());

        // The list outlives the window.
        MsgBox::setResponder([](const MsgBox::Call& c) { return MsgBox::defaultAnswer(c.buttons); });
        form.accept();
        SinryoKirokuForm again;
        QCOMPARE(again.PosTx[1]->text(), QStringLiteral("x"));
        QCOMPARE(SharedState::get().SinryoKirokuList.size(), 3);
    }

    // While the tally runs its bar moves with each chart of the member and the commands and the
    // member list are disabled; afterwards they work again.
    void tallyShowsProgress()
    {
        KirokuInstallation inst("鳥取県,0");
        inst.add(juneCharts());
        SinryoKirokuForm form;
        QVERIFY(WindowMouse::showWindow(&form));
        period(form, "7", {"6", "1", "6", "30"});
        QVERIFY(WindowMouse::clickRow(form.AtamaList, 1));
        QList<int> widths;
        bool enabledWhileRunning = false;
        QTimer spy;
        spy.setInterval(0);
        connect(&spy, &QTimer::timeout, &form, [&] {
            if (!form.running())
                return;
            if (widths.isEmpty() || widths.last() != form.TimeSp[1]->width())
                widths.append(form.TimeSp[1]->width());
            enabledWhileRunning = enabledWhileRunning || form.CmdGd->at(3)->isEnabled() || form.AtamaList->isEnabled()
                                  || form.SubFrame[0]->isHidden();
        });
        spy.start();
        WindowMouse::click(form.CmdGd->at(1));
        spy.stop();
        // 山本 一郎 has two charts: the bar moves twice, to half its track and to its end.
        QVERIFY2(widths.size() >= 3, qPrintable(QString::number(widths.size())));
        QVERIFY(std::is_sorted(widths.begin(), widths.end()));
        QVERIFY(widths.last() > widths.at(1));
        QVERIFY(std::abs(form.TimeSp[1]->width() - form.TimeSp[0]->width()) <= 1);
        QVERIFY(!enabledWhileRunning);
        QVERIFY(!form.running());
        QVERIFY(form.CmdGd->at(3)->isEnabled());
        QVERIFY(form.AtamaList->isEnabled());
        QCOMPARE(lastMessage(), QStringLiteral("終了しました。"));
    }

    void ibarakiTransfer()
    {
        KirokuInstallation inst("茨城県,IBX");
        inst.add(juneCharts());
        SinryoKirokuForm form;
        QVERIFY(WindowMouse::showWindow(&form));
        QVERIFY(form.SubFrame[2]->isVisible());
        QCOMPARE(form.DocOp[1]->text(), QStringLiteral("高橋医師"));
        QVERIFY(form.DocOp[0]->isChecked());
        period(form, "7", {"6", "1", "6", "30"});
        WindowMouse::click(form.CmdGd->at(2));
        WindowMouse::click(form.CmdGd->at(1));
        // Only the episode whose doctor holds 鈴木.
        QCOMPARE(column(form.DataGrid, 5), (QStringList{"1", "5", "4", "6"}));
        QCOMPARE(column(form.DataGrid, 14).at(0), QStringLiteral("鈴木 一郎"));
        QCOMPARE(form.infoGd->text(), QStringLiteral("用紙枚数=A4:"));
        WindowMouse::click(form.DocOp[3]);
        WindowMouse::click(form.CmdGd->at(1));
        QCOMPARE(form.DataGrid->rows(), 7);

        WindowMouse::click(form.CmdGd->at(5));
        QCOMPARE(MsgBox::log().last().title, QStringLiteral("転送"));
        const QStringList sent = ClipboardText::get().split('\r');
        QCOMPARE(sent.size(), 2 + 6 + 2);
        QCOMPARE(sent.at(2).split('\t').mid(0, 4), (QStringList{"6月10日", "1234", "1", "往診:往診料"}));
        QVERIFY(sent.at(0).split('\t').at(9).isEmpty());

        // Print: the ledger, every chosen member from a new sheet (森田 健 has none to print).
        auto device = recordKirokuPrints();
        WindowMouse::click(form.CmdGd->at(3));
        QCOMPARE(device->pageCount(), 4);
        QVERIFY(printedAt(*device, "往診:往診料", 1, 82, 38.25));
        QVERIFY(printedAt(*device, "注入:軟膏:1", 2, 82, 38.25));
    }

    void mieTransferAndDump()
    {
        KirokuInstallation inst("三重県,MIE");
        inst.add(juneCharts());
        SinryoKirokuForm form;
        QVERIFY(WindowMouse::showWindow(&form));
        period(form, "7", {"6", "1", "6", "30"});
        WindowMouse::click(form.CmdGd->at(2));
        WindowMouse::click(form.CmdGd->at(1));
        QCOMPARE(form.DataGrid->rows(), 7);
        WindowMouse::click(form.CmdGd->at(5));
        const QStringList sent = ClipboardText::get().split('\r');
        QCOMPARE(sent.size(), 7);
        QCOMPARE(sent.at(0).split('\t').at(1), QStringLiteral("組合員名"));

        // Save, change, reload: the same rows and the period; two visits on the 10th stay one
        // record per animal and day with "in", and per visit with the Ctrl gesture.
        type(form.TeisyutuTx, "6");
        form.Command1_Click(0);
        QCOMPARE(TestFixture::readCp932(inst.file("Kaihatu.ini")).first(), QStringLiteral("7'6'1'6'30'6"));
        const QStringList before = column(form.DataGrid, 7);
        period(form, "5", {"1", "1", "1", "1"});
        form.DataGrid->setRows(1);
        form.Command1_Click(1);
        QCOMPARE(column(form.DataGrid, 7), before);
        QCOMPARE(form.NenTx->text(), QStringLiteral("7"));
        QCOMPARE(SharedState::get().SinryoKirokuList.size(), 4);
        QVERIFY(SharedState::get().SinryoKirokuList.at(0).NoukaCode.isEmpty());
        WindowMouse::click(form.TitleGd[0], {}, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(form.NenTx->text(), QStringLiteral("7"));
        WindowMouse::click(form.TitleGd[0], {}, Qt::ControlModifier);
        QCOMPARE(form.DataGrid->rows(), 7);

        // A missing dump says so and keeps the grid.
        QFile::remove(inst.file("Kaihatu.ini"));
        form.Command1_Click(1);
        QVERIFY(lastMessage().contains("Kaihatu.ini"));
        QCOMPARE(form.DataGrid->rows(), 7);
        QCOMPARE(SharedState::get().SinryoKirokuList.size(), 4);
        // So does a damaged one.
        TestFixture::writeCp932(inst.file("Kaihatu.ini"), {"7'6"});
        form.Command1_Click(1);
        QVERIFY(lastMessage().contains("壊れています"));
        QCOMPARE(form.DataGrid->rows(), 7);
        QCOMPARE(SharedState::get().SinryoKirokuList.size(), 4);

        auto device = recordKirokuPrints();
        WindowMouse::click(form.CmdGd->at(3));
        QCOMPARE(device->pageCount(), 4);
        QVERIFY(printedAt(*device, "0.5", 1, 112, 26.315 + 8.63 * 3, 3));
        QVERIFY(printedAt(*device, "川口 花子", 2, 15, 13, 2, 12));
    }
};

NOLVARI_TEST(SinryoKirokuFormTest)
#include "SinryoKirokuFormTest.moc"
