#include "FailingPrintDevice.h"
#include "SyukeiFixture.h"
#include "TestRegistry.h"
#include "WindowMouse.h"

#include "common/FlexGrid.h"
#include "common/LabelButton.h"
#include "common/LabelButtonArray.h"
#include "common/ModalHost.h"
#include "common/MsgBox.h"
#include "common/PrintDeviceSource.h"
#include "common/RecordingPrintDevice.h"
#include "common/SharedState.h"
#include "tallies/IninjyoOitaPrintProc.h"
#include "tallies/OptionForm.h"
#include "tallies/SyukeiForm.h"
#include "tallies/TenkiIkkatuProc.h"

#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QtTest>

namespace {

int rowOf(const FlexGrid& g, const QString& byo)
{
    for (int r = 2; r < g.rows(); ++r)
        if (g.textMatrix(r, SyukeiList::Byo) == byo)
            return r;
    return -1;
}

// The outcome dialog answered as the user would: its hand-over values.
void answerTenki(const TenkiValues& v)
{
    ModalHost::setHandler([v](QDialog& dialog) {
        if (QString(dialog.metaObject()->className()) == "TenkiForm") {
            HandOver& h = SharedState::get().Hand;
            h.NenGappiYearOut = v.year;
            h.NenGappiManthOut = v.manth;
            h.NenGappiDayOut = v.day;
            h.TenkiOut = v.tenki;
            h.TeisyutuTukiOut = v.teisyutu;
        }
        return 0;
    });
}

QMap<QString, QByteArray> charts(const QString& folder)
{
    QMap<QString, QByteArray> out;
    for (const QString& name : QDir(folder).entryList({"*.sxd"}, QDir::Files))
        out.insert(name, TestFixture::readBytes(folder + "/" + name));
    return out;
}

} // namespace

class SyukeiCommandTest : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        TestFixture::resetGlobals();
        answerMessages();
    }
    void cleanup() { ModalHost::setHandler({}); }

    // On a copy of the sample: extract, sort, mark two episodes, enter 治癒 with a date. Only
    // their name lines change; the list extracted again shows them; the totals and both lists
    // print to PDF files.
    void batchOnSample()
    {
        SyukeiInstallation inst("鳥取県,0", true);
        const QMap<QString, QByteArray> before = charts(inst.folder());
        SyukeiForm form;
        QVERIFY(WindowMouse::showWindow(form.SyukeiGrid));
        pickMonth(form, 12);
        QVERIFY(WindowMouse::click(form.SortGd->at(4)));
        FlexGrid* g = form.SyukeiGrid;
        QVERIFY(WindowMouse::clickCell(g, rowOf(*g, "乳房炎"), SyukeiList::Byo));
        QVERIFY(WindowMouse::click(g, WindowMouse::cellPoint(g, rowOf(*g, "子宮内膜炎"), SyukeiList::Byo),
                                   Qt::ControlModifier));
        QCOMPARE(form.markedRows().size(), 2);
        QVERIFY(WindowMouse::click(form.ComandGd->at(5)));
        QVERIFY(form.BetuFrame->isVisible());
        answerTenki({"7", "6", "30", "治癒", "7･6"});
        QVERIFY(WindowMouse::click(form.ComandGd->at(2)));
        QCOMPARE(MsgBox::log().last().text, QString("転帰書込み終了。"));
        QVERIFY(!form.BetuFrame->isVisible());   // the totals went with the old list

        const QMap<QString, QByteArray> after = charts(inst.folder());
        QStringList changed;
        for (auto it = after.begin(); it != after.end(); ++it)
            if (it.value() != before.value(it.key()))
                changed.append(it.key());
        QCOMPARE(changed, (QStringList{"H7_00010001_1234_0.sxd", "H7_00010002_4567_0.sxd"}));
        QCOMPARE(changedLines(before.value(changed.at(0)), after.value(changed.at(0))), QList<int>{2 + 224});
        QCOMPARE(changedLines(before.value(changed.at(1)), after.value(changed.at(1))), QList<int>{2});
        QVERIFY(form.markedRows().isEmpty());
        const int r = rowOf(form.grid(), "乳房炎");
        QCOMPARE(form.grid().textMatrix(r, SyukeiList::Tenki), QString("治癒"));
        QCOMPARE(form.grid().textMatrix(r, SyukeiList::TenkiDate), QString("7.6.30"));
        QVERIFY(form.SortGd->at(4)->font().bold());

        QVERIFY(WindowMouse::click(form.ComandGd->at(5)));
        QVERIFY(form.BetuFrame->isVisible());
        QCOMPARE(form.BetuGrid->textMatrix(form.BetuGrid->rows() - 1, 0), QString("計"));
        QCOMPARE(form.BetuGrid->textMatrix(form.BetuGrid->rows() - 1, 2), QString("7:7"));
        QVERIFY(WindowMouse::click(form.ComandGd->at(13)));
        QVERIFY(WindowMouse::click(form.ComandGd->at(12)));
        QCOMPARE(MsgBox::log().last().title, QString("印刷"));
        QVERIFY(MsgBox::log().last().text.startsWith("終了しました。"));
        QCOMPARE(QDir(inst.path() + "/print").entryList({"*.pdf"}, QDir::Files).size(), 2);

        // A new extraction clears and hides the totals.
        QVERIFY(WindowMouse::click(form.ComandGd->at(8)));
        QVERIFY(!form.BetuFrame->isVisible());
        QCOMPARE(form.BetuGrid->textMatrix(1, 1), QString());
    }

    // A date chosen in part is refused before anything is written; OK without a date says that
    // nothing was written; closing the dialog says nothing.
    void batchRefusals()
    {
        SyukeiInstallation inst("鳥取県,0", true);
        const QMap<QString, QByteArray> before = charts(inst.folder());
        SyukeiForm form;
        QVERIFY(WindowMouse::showWindow(form.SyukeiGrid));
        QVERIFY(WindowMouse::click(form.ComandGd->at(2)));
        QCOMPARE(MsgBox::log().last().text, QString("転帰を記入するカルテを選択してください。"));
        pickMonth(form, 12);
        QVERIFY(WindowMouse::clickCell(form.SyukeiGrid, 2, 2));
        answerTenki({"", "6", "", "治癒", "7･6"});
        QVERIFY(WindowMouse::click(form.ComandGd->at(2)));
        QCOMPARE(MsgBox::log().last().text, TenkiIkkatuProc::partialText());
        answerTenki({"", "", "", "治癒", "7･6"});
        QVERIFY(WindowMouse::click(form.ComandGd->at(2)));
        QCOMPARE(MsgBox::log().last().text, TenkiIkkatuProc::noDateText());
        const qsizetype said = MsgBox::log().size();
        answerTenki({"", "", "", "治癒", ""});
        QVERIFY(WindowMouse::click(form.ComandGd->at(2)));
        QCOMPARE(MsgBox::log().size(), said);
        QCOMPARE(charts(inst.folder()), before);
        QCOMPARE(form.markedRows(), QList<int>{2});
    }

    // 大分県: the members are chosen in the option dialog and the mandate printed for them.
    void oitaMandate()
    {
        SyukeiInstallation inst("大分県,OITAA", false,
                                {"OITAA,大分県,ChairmanName=大分 太郎,ClinicName=本院"});
        SyukeiChart a;
        SyukeiEpisode e;
        e.byo = "乳房炎";
        e.syosin = "7.6.1";
        e.fee = "3,000";
        a.episodes = {e};
        inst.add(a);
        SyukeiChart b = a;
        b.farmer = "森田 健";
        b.code = "00020001";
        inst.add(b);
        auto device = std::make_shared<RecordingPrintDevice>();
        PrintDeviceSource::setFactory([device](const QString&) { return device; });
        SyukeiForm form;
        QVERIFY(WindowMouse::showWindow(form.SyukeiGrid));
        QVERIFY(WindowMouse::click(form.ComandGd->at(9)));
        QCOMPARE(MsgBox::log().last().text, QString("対象が抽出されていません。"));
        pickMonth(form, 5);
        QStringList listed;
        ModalHost::setHandler([&listed](QDialog& dialog) {
            auto* options = qobject_cast<OptionForm*>(&dialog);
            if (!options)
                return 0;
            for (int i = 0; i < options->PrintList->count(); ++i)
                listed.append(options->PrintList->item(i)->text());
            options->PrintList->item(0)->setCheckState(Qt::Unchecked);
            options->DayInpTx[0]->setText("7");
            options->DayInpTx[1]->setText("6");
            options->DayInpTx[2]->setText("30");
            options->CmdGd_Click(1);
            return 1;
        });
        QVERIFY(WindowMouse::click(form.ComandGd->at(9)));
        QCOMPARE(listed.size(), 2);
        QCOMPARE(device->pageCount(), 1);
        QVERIFY(device->texts().contains(IninjyoOitaPrintProc::title()));
        QVERIFY(device->texts().contains("大分 太郎 殿"));
        QCOMPARE(device->texts().count("3,000"), 2);
        QCOMPARE(MsgBox::log().last().text, QString("終了しました。"));
    }

    // A printer that fails ends the job with its failure, never with "終了しました。": the
    // extracted list (12), the member totals (13) and the 大分県 mandate (9).
    void printFailures_data()
    {
        QTest::addColumn<QString>("info");
        QTest::addColumn<int>("command");
        QTest::newRow("list") << "鳥取県,0" << 12;
        QTest::newRow("member totals") << "鳥取県,0" << 13;
        QTest::newRow("oita mandate") << "大分県,OITAA" << 9;
    }
    void printFailures()
    {
        QFETCH(QString, info);
        QFETCH(int, command);
        SyukeiInstallation inst(info, true, {"OITAA,大分県,ChairmanName=大分 太郎,ClinicName=本院"});
        auto device = std::make_shared<FailingPrintDevice>();
        PrintDeviceSource::setFactory([device](const QString&) { return device; });
        ModalHost::setHandler([](QDialog& dialog) {
            auto* options = qobject_cast<OptionForm*>(&dialog);
            if (!options)
                return 0;
            for (int i = 0; i < 3; ++i)
                options->DayInpTx[i]->setText(QString::number(i + 6));
            options->CmdGd_Click(1);
            return 1;
        });
        SyukeiForm form;
        QVERIFY(WindowMouse::showWindow(form.SyukeiGrid));
        pickMonth(form, 12);
        QVERIFY(WindowMouse::click(form.ComandGd->at(5)));
        MsgBox::clearLog();
        QVERIFY(WindowMouse::click(form.ComandGd->at(command)));
        QVERIFY(!device->texts().isEmpty());
        QCOMPARE(MsgBox::log().last().text, FailingPrintDevice::failureText());
        for (const auto& call : MsgBox::log())
            QVERIFY(!call.text.startsWith("終了しました。"));
    }

    void attorneyChecks_data()
    {
        QTest::addColumn<QString>("info");
        QTest::addColumn<bool>("said");
        QTest::newRow("miyazaki empty") << "宮崎県,0" << true;
        QTest::newRow("mie") << "三重県,0" << false;
    }
    void attorneyChecks()
    {
        QFETCH(QString, info);
        SyukeiInstallation inst(info);
        SyukeiForm form;
        QVERIFY(WindowMouse::showWindow(form.SyukeiGrid));
        QVERIFY(WindowMouse::click(form.ComandGd->at(9)));
        QTEST(!MsgBox::log().isEmpty() && MsgBox::log().last().text == "対象が抽出されていません。", "said");
    }

    void duplicateCheckNeedsSubmissionMode()
    {
        SyukeiInstallation inst("茨城県,IBCL", false, {"IBCL,茨城県,SiteIbarakiClinic"});
        SyukeiForm form;
        QVERIFY(WindowMouse::showWindow(form.SyukeiGrid));
        QVERIFY(WindowMouse::click(form.ComandGd->at(11)));
        QCOMPARE(MsgBox::log().last().text, QString("重複チェックは「対象月が提出月のカルテを抽出」の場合のみです。"));
    }
};

NOLVARI_TEST(SyukeiCommandTest)
#include "SyukeiCommandTest.moc"
