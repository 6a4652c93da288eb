#include "SyukeiFixture.h"
#include "TestRegistry.h"
#include "WindowMouse.h"

#include "common/ClipboardText.h"
#include "common/FlexGrid.h"
#include "common/LabelButton.h"
#include "common/LabelButtonArray.h"
#include "common/ModalHost.h"
#include "common/MsgBox.h"
#include "common/SharedState.h"
#include "tallies/SyukeiForm.h"

#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTimer>
#include <QtTest>

namespace {

QStringList column(const FlexGrid& grid, int col)
{
    QStringList out;
    for (int r = SyukeiList::HeadRows; r < grid.rows() - 1; ++r)
        out.append(grid.textMatrix(r, col));
    return out;
}

QList<int> paintedMarks(const FlexGrid& grid)
{
    QList<int> out;
    for (int r = SyukeiList::HeadRows; r < grid.rows(); ++r)
        if (grid.cellBackColor(r, 1) == SyukeiForm::MarkColor)
            out.append(r);
    return out;
}

} // namespace

class SyukeiFormTest : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        TestFixture::resetGlobals();
        answerMessages();
    }

    // "全" lists every episode of the year, sorted by farmer in bands, numbered from the top,
    // with the totals row last.
    void extractAll()
    {
        SyukeiInstallation inst("鳥取県,0", true);
        SyukeiForm form;
        QVERIFY(WindowMouse::showWindow(form.SyukeiGrid));
        QCOMPARE(form.NenTx->text(), QString("7"));
        pickMonth(form, 12);
        QCOMPARE(form.ManthGd->text(), QString("全"));
        const FlexGrid& g = form.grid();
        QCOMPARE(g.rows(), 7 + 3);
        QCOMPARE(g.textMatrix(g.rows() - 1, SyukeiList::Tenki), QString("合計"));
        QCOMPARE(column(g, 0), (QStringList{"1", "2", "3", "4", "5", "6", "7"}));
        const QStringList names = column(g, SyukeiList::Name);
        QCOMPARE(names.count("山本 一郎"), 5);
        QVERIFY(names.indexOf("山本 一郎") + 4 == names.lastIndexOf("山本 一郎"));
        QCOMPARE(g.cellBackColor(2, 1), QColor(Qt::white));
        QVERIFY(form.SortGd->at(1)->font().bold());
        QVERIFY(!form.SentakuGd->at(0)->isVisible());
    }

    // A plain click leaves exactly the clicked row marked, Ctrl adds rows; a click on an empty
    // cell changes nothing; the totals row can be marked through "合計".
    void marks()
    {
        SyukeiInstallation inst("鳥取県,0", true);
        SyukeiForm form;
        QVERIFY(WindowMouse::showWindow(form.SyukeiGrid));
        pickMonth(form, 12);
        FlexGrid* g = form.SyukeiGrid;
        QVERIFY(WindowMouse::clickCell(g, 2, 2));
        QVERIFY(WindowMouse::click(g, WindowMouse::cellPoint(g, 4, 2), Qt::ControlModifier));
        QVERIFY(WindowMouse::click(g, WindowMouse::cellPoint(g, 5, 3), Qt::ControlModifier));
        QCOMPARE(form.markedRows(), (QList<int>{2, 4, 5}));
        QCOMPARE(paintedMarks(*g), (QList<int>{2, 4, 5}));
        int emptyRow = -1;
        for (int r = 2; r < g->rows() - 1 && emptyRow < 0; ++r)
            if (g->textMatrix(r, SyukeiList::TenkiDate).isEmpty())
                emptyRow = r;
        QVERIFY(emptyRow > 0);
        QVERIFY(WindowMouse::clickCell(g, emptyRow, SyukeiList::TenkiDate));
        QCOMPARE(form.markedRows(), (QList<int>{2, 4, 5}));
        QVERIFY(WindowMouse::clickCell(g, 6, 7));
        QCOMPARE(paintedMarks(*g), QList<int>{6});
        QVERIFY(WindowMouse::clickCell(g, g->rows() - 1, SyukeiList::Tenki));
        QCOMPARE(form.markedRows(), QList<int>{g->rows() - 1});
        QVERIFY(WindowMouse::click(form.ComandGd->at(4)));
        QVERIFY(form.markedRows().isEmpty());
        QVERIFY(paintedMarks(*g).isEmpty());
    }

    // The sort labels order the list and stay in force for the next extraction; the bold label
    // is the order shown.
    void sortLabels()
    {
        SyukeiInstallation inst("鳥取県,0", true);
        SyukeiForm form;
        QVERIFY(WindowMouse::showWindow(form.SyukeiGrid));
        pickMonth(form, 12);
        QVERIFY(WindowMouse::click(form.SortGd->at(4)));
        const QStringList first{"7.4.3", "7.5.6", "7.5.20", "7.6.2", "7.6.10", "7.7.1", "7.8.2"};
        QCOMPARE(column(form.grid(), SyukeiList::Syosin), first);
        QVERIFY(form.SortGd->at(4)->font().bold());
        QVERIFY(!form.SortGd->at(1)->font().bold());
        pickMonth(form, 4);
        QCOMPARE(column(form.grid(), SyukeiList::Syosin), (QStringList{"7.5.6", "7.5.20"}));
        // A mode change empties the month; "再抽出" then finds nothing to do and keeps the list.
        QVERIFY(WindowMouse::click(form.SyoriOp[1]));
        QVERIFY(form.ManthGd->text().isEmpty());
        QVERIFY(WindowMouse::click(form.ComandGd->at(8)));
        QCOMPARE(form.grid().rows(), 2 + 3);
    }

    void emptyYear()
    {
        SyukeiInstallation inst("鳥取県,0", true);
        SyukeiForm form;
        QVERIFY(WindowMouse::showWindow(form.SyukeiGrid));
        pickMonth(form, 4);
        form.NenTx->clear();
        MsgBox::clearLog();
        pickMonth(form, 5);
        QCOMPARE(MsgBox::log().size(), 1);
        QCOMPARE(MsgBox::log().first().text, QString("年を入力してください。"));
        QCOMPARE(form.grid().rows(), 2 + 3);
    }

    // Both transfers leave the hidden chart file column out; 15 starts at the column headings.
    void transfers()
    {
        SyukeiInstallation inst("茨城県,IBF1A", true);
        SyukeiForm form;
        QVERIFY(WindowMouse::showWindow(form.SyukeiGrid));
        pickMonth(form, 4);
        QVERIFY(form.ComandGd->at(14)->isVisible());
        QVERIFY(WindowMouse::click(form.ComandGd->at(14)));
        const QStringList all = ClipboardText::get().split('\r');
        QCOMPARE(all.size(), 5);
        QCOMPARE(all.at(0).split('\t').size(), 17);
        QVERIFY(all.at(0).contains("組合員"));
        QVERIFY(!all.join("").contains(".sxd"));
        QVERIFY(WindowMouse::click(form.ComandGd->at(15)));
        const QStringList fromHeads = ClipboardText::get().split('\r');
        QCOMPARE(fromHeads.size(), 4);
        QVERIFY(fromHeads.at(0).contains("初診日"));
        QVERIFY(!fromHeads.at(0).contains("組合員"));
        QVERIFY(fromHeads.last().contains("合計"));
        QVERIFY(!fromHeads.join("").contains(".sxd"));
        QCOMPARE(MsgBox::log().last().title, QString("転送"));

        // 7 sends the member totals from their headings to the "計" row.
        QVERIFY(WindowMouse::click(form.ComandGd->at(5)));
        QVERIFY(WindowMouse::click(form.ComandGd->at(7)));
        const QStringList betu = ClipboardText::get().split('\r');
        QCOMPARE(betu.size(), form.BetuGrid->rows());
        QCOMPARE(betu.first().split('\t').mid(1, 4), (QStringList{"組合員名", "ｶﾙﾃ枚数", "診療費", "提出月"}));
        QVERIFY(betu.last().startsWith("計\t\t"));
    }

    // The scan shows its progress in the status caption with the commands and the list disabled;
    // afterwards the caption is gone and the commands work again.
    void scanShowsProgress()
    {
        SyukeiInstallation inst("鳥取県,0", true);
        SyukeiForm form;
        QVERIFY(WindowMouse::showWindow(form.SyukeiGrid));
        QStringList captions;
        bool enabledWhileScanning = false;
        QTimer spy;
        spy.setInterval(0);
        connect(&spy, &QTimer::timeout, &form, [&] {
            if (!form.SagyoGd->isVisible())
                return;
            captions.append(form.SagyoGd->text());
            enabledWhileScanning = enabledWhileScanning || form.ComandGd->at(2)->isEnabled()
                                   || form.SortGd->at(4)->isEnabled() || form.SyukeiGrid->isEnabled();
        });
        spy.start();
        pickMonth(form, 12);
        spy.stop();
        const int charts = int(SharedState::get().KarteFileList.size());
        QVERIFY(charts > 1);
        QVERIFY2(captions.contains(QString("抽出中･･････ 1 / %1").arg(charts)), qPrintable(captions.join('|')));
        QVERIFY(captions.contains(QString("抽出中･･････ %1 / %1").arg(charts)));
        QVERIFY(!enabledWhileScanning);
        QVERIFY(!form.SagyoGd->isVisible());
        QVERIFY(form.ComandGd->at(2)->isEnabled());
        QVERIFY(form.SyukeiGrid->isEnabled());
        QCOMPARE(form.grid().rows(), 7 + 3);
    }

    // Who sees what: 群馬県 takes the blanks out of names and lists a member under the district
    // its site row gives his code; 宮崎県 heads the member fee "B点".
    void siteLook_data()
    {
        QTest::addColumn<QString>("info");
        QTest::addColumn<QString>("tiku");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("feeHeading");
        QTest::newRow("gunma") << "群馬県,GM" << "北浜" << "山本一郎" << "診療費";
        QTest::newRow("miyazaki") << "宮崎県,MZ" << "東谷" << "山本 一郎" << "B点";
        QTest::newRow("tottori") << "鳥取県,0" << "東谷" << "山本 一郎" << "診療費";
    }
    void siteLook()
    {
        QFETCH(QString, info);
        SyukeiInstallation inst(info, false,
                                {"GM,群馬県,TikuOverrideTable=00090009>南川:00010001>北浜", "MZ,宮崎県,TikuOverrideTable=00010001>北浜"});
        SyukeiChart chart;
        SyukeiEpisode e;
        e.byo = "乳房炎";
        e.syosin = "7.6.1";
        chart.episodes = {e};
        inst.add(chart);
        SyukeiForm form;
        QVERIFY(WindowMouse::showWindow(form.SyukeiGrid));
        pickMonth(form, 5);
        QCOMPARE(form.grid().rows(), 1 + 3);
        QTEST(form.grid().textMatrix(2, SyukeiList::Tiku), "tiku");
        QTEST(form.grid().textMatrix(2, SyukeiList::Name), "name");
        QTEST(form.BetuGrid->textMatrix(0, 3), "feeHeading");
    }

    void siteCommands_data()
    {
        QTest::addColumn<QString>("info");
        QTest::addColumn<bool>("check");
        QTest::addColumn<bool>("excel14");
        QTest::newRow("tottori") << "鳥取県,0" << false << false;
        QTest::newRow("ibaraki clinic") << "茨城県,IBCL" << true << true;
        QTest::newRow("ibaraki other") << "茨城県,IBF1A" << false << true;
    }
    void siteCommands()
    {
        QFETCH(QString, info);
        SyukeiInstallation inst(info, false,
                                {"IBCL,茨城県,SiteIbarakiClinic", "IBF1A,茨城県,FarmType", "佐藤,鳥取県,LatestOutcome"});
        SyukeiForm form;
        form.show();
        QTEST(form.ComandGd->at(11)->isVisible(), "check");
        QTEST(form.ComandGd->at(14)->isVisible(), "excel14");
        QVERIFY(!form.ComandGd->at(3)->isVisible());
        QVERIFY(!form.BetuFrame->isVisible());
    }

    // A double-click opens the episode in the chart editor: a breeding episode with an empty
    // disease name, the chart file and first-exam date of the row.
    void doubleClickOpensEditor()
    {
        SyukeiInstallation inst;
        SyukeiChart chart;
        SyukeiEpisode breeding;
        breeding.syosin = "7.6.3";
        chart.episodes = {breeding};
        const QString file = inst.add(chart);
        SyukeiForm form;
        QVERIFY(WindowMouse::showWindow(form.SyukeiGrid));
        pickMonth(form, 5);
        QCOMPARE(form.grid().textMatrix(2, SyukeiList::Byo), QString("繁殖"));
        QString opened;
        EpisodeInfo episode;
        ModalHost::setHandler([&](QDialog& dialog) {
            opened = dialog.metaObject()->className();
            episode = SharedState::get().CurrentEpisode;
            return 0;
        });
        QVERIFY(WindowMouse::doubleClick(form.SyukeiGrid, WindowMouse::cellPoint(form.SyukeiGrid, 2, 5)));
        ModalHost::setHandler({});
        QCOMPARE(opened, QString("NewInputForm"));
        QCOMPARE(episode.ByoName, QString());
        QCOMPARE(episode.SyosinDate, QString("7.6.3"));
        QCOMPARE(SharedState::get().CurrentKarteFile, file);
        QCOMPARE(SharedState::get().KarteOpenMode, 1);
    }
};

NOLVARI_TEST(SyukeiFormTest)
#include "SyukeiFormTest.moc"
