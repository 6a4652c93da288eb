#include "TestFixture.h"
#include "TestRegistry.h"
#include "WindowMouse.h"

#include "common/DataPath.h"
#include "common/FlexGrid.h"
#include "common/LabelButton.h"
#include "common/ModalHost.h"
#include "common/MsgBox.h"
#include "common/SharedState.h"
#include "shell/LastBunbenForm.h"
#include "shell/MainForm.h"
#include "shell/YobidasiForm.h"

#include <QFrame>
#include <QListWidget>
#include <QScrollBar>
#include <QSignalSpy>
#include <QtTest>

namespace {
// Answers the farmer picker as a person does: the district, the farmer, then "OK", each clicked
// where it shows. Every other window is closed at once.
void pickWithTheMouse(const QString& tiku, const QString& name)
{
    ModalHost::setHandler([tiku, name](QDialog& dialog) {
        auto* picker = qobject_cast<YobidasiForm*>(&dialog);
        if (!picker)
            return 0;
        [&] {
            QVERIFY(WindowMouse::clickItem(picker->TikuList, tiku));
            QVERIFY(WindowMouse::clickItem(picker->NameList, name));
            QVERIFY(WindowMouse::click(picker->CmdGd));
        }();
        return 1;
    });
}
} // namespace

// The main window driven with the mouse at the places where its controls show.
class MainFormMouseTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { TestFixture::resetGlobals(); }

    // A menu label stays red while the mouse moves over it; the next label takes the colour from
    // it, and the menu frame paints them all black.
    void menuLabelsHoverUnderTheMovingMouse()
    {
        TempDataRoot root;
        root.useSample();
        MainForm form;
        LabelButton* chart = form.CmdGd(6);
        LabelButton* master = form.CmdGd(4);
        QVERIFY(WindowMouse::move(chart, {3, 3}));
        QVERIFY(WindowMouse::move(chart));
        QVERIFY(chart->hovered());
        QCOMPARE(chart->palette().color(QPalette::WindowText), QColor(255, 0, 0));
        QVERIFY(WindowMouse::move(master));
        QVERIFY(master->hovered());
        QVERIFY(!chart->hovered());
        QCOMPARE(chart->palette().color(QPalette::WindowText), QColor(Qt::black));
        QFrame* menu = form.MainFrame[2];
        const QPoint freeArea(menu->width() - 5, menu->height() - 5);
        QCOMPARE(WindowMouse::widgetAt(menu, freeArea), menu);
        WindowMouse::move(menu, freeArea);
        QVERIFY(!master->hovered());
    }

    // From the menu to an animal's history with the mouse alone; every column of the history,
    // "提出" included, shows whole and takes the click.
    void historyReachedAndShownWhole()
    {
        TempDataRoot root;
        root.useSample();
        MainForm form;
        QVERIFY(form.loadOk());
        pickWithTheMouse("東谷", "山本 一郎");
        QVERIFY(WindowMouse::click(form.CmdGd(6)));
        QCOMPARE(form.state(), MainForm::State::List);
        FlexGrid* kotai = form.KotaiGrid;
        const int row = kotai->findItems("H7_00010001_1234_0.sxd", Qt::MatchExactly).value(0)->row();
        QVERIFY(WindowMouse::clickCell(kotai, row, 3));
        QCOMPARE(form.state(), MainForm::State::Rireki);
        QCOMPARE(SharedState::get().CurrentKarteFile, QStringLiteral("H7_00010001_1234_0.sxd"));

        FlexGrid* rireki = form.RirekiGrid;
        QVERIFY(!rireki->textMatrix(1, 2).isEmpty());
        QVERIFY(!rireki->horizontalScrollBar()->isVisible());
        const QRect submitted = rireki->cellRect(1, 8);
        QVERIFY(WindowMouse::reaches(rireki, {submitted.right() - 1, submitted.center().y()}));
        QVERIFY(WindowMouse::reaches(rireki, {rireki->cellRect(0, 8).right() - 1, rireki->cellRect(0, 8).center().y()}));
        QSignalSpy opened(&form, &MainForm::subFormOpening);
        QVERIFY(WindowMouse::clickCell(rireki, 1, 8));
        QCOMPARE(opened.size(), 1);
        QCOMPARE(opened.at(0).at(0).value<MainForm::SubForm>(), MainForm::SubForm::NewInputForm);
        QCOMPARE(form.state(), MainForm::State::List);
        QVERIFY2(MsgBox::log().isEmpty(), qPrintable(MsgBox::log().value(0).text));
    }

    // The maintenance window's grid takes the click at its cells; its "OK" label lies uncovered.
    void lastCalvingGridTakesTheMouse()
    {
        LastBunbenForm form;
        QVERIFY(WindowMouse::clickCell(form.TourokuGrid, 2, 1));
        QCOMPARE(form.TourokuGrid->row(), 2);
        QCOMPARE(form.TourokuGrid->col(), 1);
        QVERIFY(WindowMouse::move(form.CmdGd));
        QVERIFY(form.CmdGd->hovered());
    }
};

NOLVARI_TEST(MainFormMouseTest)
#include "MainFormMouseTest.moc"
