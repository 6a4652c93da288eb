#include "TestFixture.h"
#include "TestRegistry.h"
#include "WindowMouse.h"

#include "common/ClipboardText.h"
#include "common/FlexGrid.h"
#include "common/LabelButtonArray.h"
#include "common/RemovableDrives.h"
#include "common/SingleInstance.h"
#include "common/TwipGeometry.h"

#include <QFrame>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTableView>
#include <QtTest>

class WidgetsTest : public QObject
{
    Q_OBJECT

private slots:
    void twipsToPixels()
    {
        QCOMPARE(TwipGeometry::px(9500), 633);
        QCOMPARE(TwipGeometry::px(15), 1);
        QCOMPARE(TwipGeometry::rect(105, 465, 9195, 4365), QRect(7, 31, 613, 291));
    }

    void gridCellsAndFixedRows()
    {
        FlexGrid grid;
        grid.setRows(4);
        grid.setCols(3);
        grid.setFixedRows(1);
        grid.setFixedCols(1);
        grid.setTextMatrix(0, 1, "名号");
        grid.setTextMatrix(2, 2, "x");
        grid.setTextMatrix(9, 9, "ignored");
        QCOMPARE(grid.textMatrix(0, 1), QStringLiteral("名号"));
        QCOMPARE(grid.textMatrix(2, 2), QStringLiteral("x"));
        QCOMPARE(grid.textMatrix(3, 2), QString());
        QVERIFY(!(grid.item(0, 2)->flags() & Qt::ItemIsSelectable));
        grid.setColWidthTwips(1, 1150);
        QCOMPARE(grid.columnWidth(1), 77);
        grid.clearCells();
        QCOMPARE(grid.textMatrix(2, 2), QString());
        QCOMPARE(grid.textMatrix(0, 1), QStringLiteral("名号"));
    }

    // A grid rebuilt narrower (a result table shown again) keeps the alignments of the columns
    // it lost and applies them when they come back; styling, colouring or aligning a cell outside
    // the grid leaves the grid as it is (and, under the sanitizers, allocates nothing unowned).
    void gridCellsOutsideTheGridAreLeftAlone()
    {
        FlexGrid grid;
        grid.setFixedRows(2);
        grid.setCols(6);
        grid.setRows(4);
        grid.setRows(0);
        grid.setCols(0);
        grid.setCols(2);
        grid.setRows(3);
        grid.setFixedAlignment(-1, FlexGrid::AlignCenter);
        grid.setColAlignment(5, FlexGrid::AlignRight);
        grid.setCellAlignment(-1, 0, FlexGrid::AlignRight);
        grid.setCellBackColor(0, -1, Qt::yellow);
        grid.setCellForeColor(3, 1, Qt::red);
        grid.setTopRow(5);
        QCOMPARE(grid.rows(), 3);
        QCOMPARE(grid.cols(), 2);
        QCOMPARE(grid.item(0, 1)->textAlignment(), int(Qt::AlignHCenter | Qt::AlignVCenter));
        grid.setCols(6);
        QCOMPARE(grid.item(0, 5)->textAlignment(), int(Qt::AlignHCenter | Qt::AlignVCenter));
        grid.setTextMatrix(2, 5, "9");
        QCOMPARE(grid.item(2, 5)->textAlignment(), int(Qt::AlignRight | Qt::AlignVCenter));
    }

    void gridHeadingStaysInViewWhenScrolled()
    {
        FlexGrid grid;
        grid.setCols(3);
        grid.setRows(101);
        grid.setFixedRows(1);
        grid.setRowHeightTwips(0, 270);
        grid.setTextMatrix(0, 1, "名号");
        for (int r = 1; r <= 100; ++r)
            grid.setTextMatrix(r, 1, QString::number(r));
        grid.resize(300, 200);
        grid.show();
        QVERIFY(QTest::qWaitForWindowExposed(&grid));
        grid.setTopRow(50);
        QCOMPARE(grid.rowAt(0), 50);
        QTableView* heading = grid.findChild<QTableView*>();
        QVERIFY(heading && heading->isVisible());
        QCOMPARE(heading->height(), 18);
        QCOMPARE(heading->indexAt(QPoint(5, 5)).row(), 0);
        QCOMPARE(grid.rowHeightTwips(0), 270);
        QSignalSpy clicks(&grid, &FlexGrid::gridClick);
        QTest::mouseClick(heading->viewport(), Qt::LeftButton, {}, heading->visualRect(grid.model()->index(0, 1)).center());
        QCOMPARE(clicks.size(), 1);
        QCOMPARE(clicks.first(), (QList<QVariant>{0, 1}));
        grid.setFixedRows(0);
        QVERIFY(!heading->isVisible());
        QVERIFY(!grid.isRowHidden(0));
    }

    void gridSortGenericAndClipText()
    {
        FlexGrid grid;
        grid.setRows(5);
        grid.setCols(2);
        const QStringList keys{"10", "b", "9", "a"};
        for (int r = 1; r <= 4; ++r) {
            grid.setTextMatrix(r, 0, keys.at(r - 1));
            grid.setTextMatrix(r, 1, QString::number(r));
        }
        grid.sortRows(1, 4, 0, 0, FlexGrid::SortGenericAscending);
        QCOMPARE(grid.clipText(1, 0, 4, 1), QStringLiteral("9\t3\r10\t1\ra\t4\rb\t2"));
        grid.sortRows(1, 4, 1, 1, FlexGrid::SortNumericAscending);
        QCOMPARE(grid.textMatrix(1, 0), QStringLiteral("10"));
    }

    void gridMergesEqualHeadings()
    {
        FlexGrid grid;
        grid.setRows(2);
        grid.setCols(4);
        for (const auto& [c, t] : {std::pair{0, "回"}, {1, "転帰"}, {2, "転帰"}, {3, "提出"}})
            grid.setTextMatrix(0, c, t);
        grid.mergeEqualCells(0);
        QCOMPARE(grid.columnSpan(0, 1), 2);
        QCOMPARE(grid.columnSpan(0, 0), 1);
    }

    void labelButtonsHoverAndReset()
    {
        QWidget window;
        window.resize(300, 200);
        LabelButtonArray menu;
        LabelButton* first = menu.add("終了", 0, &window);
        LabelButton* second = menu.add("カルテ入力", 6, &window);
        menu.resetOn(&window);
        QList<int> clicks;
        connect(&menu, &LabelButtonArray::clicked, [&](int i) { clicks.append(i); });
        window.show();

        QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
        QCoreApplication::sendEvent(second, &enter);
        QVERIFY(second->hovered());
        QCOMPARE(second->palette().color(QPalette::WindowText), QColor(255, 0, 0));
        QVERIFY(!first->hovered());
        QMouseEvent move(QEvent::MouseMove, QPointF(250, 150), QPointF(250, 150), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&window, &move);
        QVERIFY(!second->hovered());
        QCOMPARE(second->palette().color(QPalette::WindowText), QColor(Qt::black));
        QTest::mouseClick(second, Qt::LeftButton);
        first->click();
        QCOMPARE(clicks, (QList<int>{6, 0}));
    }

    // The pointer moved as a person moves it, over a frame holding two labels and a grid that
    // resets them: the label under the pointer stays red while the pointer moves over it.
    void labelButtonHoverHoldsUnderTheMovingMouse()
    {
        QWidget window;
        window.resize(400, 300);
        auto* frame = new QFrame(&window);
        frame->setGeometry(10, 10, 380, 280);
        LabelButtonArray menu;
        LabelButton* first = menu.add("終了", 0, frame);
        LabelButton* second = menu.add("カルテ入力", 6, frame);
        first->setGeometry(20, 20, 120, 24);
        second->setGeometry(20, 50, 120, 24);
        auto* grid = new FlexGrid(frame);
        grid->setGeometry(20, 100, 300, 150);
        grid->setRows(5);
        menu.resetOn(frame);
        menu.resetOn(grid);
        QList<int> clicks;
        connect(&menu, &LabelButtonArray::clicked, [&](int i) { clicks.append(i); });
        const QColor red(255, 0, 0);
        auto colour = [](LabelButton* b) { return b->palette().color(QPalette::WindowText); };

        QVERIFY(WindowMouse::move(second, {10, 12}));
        QVERIFY(WindowMouse::move(second, {60, 12}));
        QVERIFY(WindowMouse::move(second, {100, 8}));
        QCOMPARE(colour(second), red);
        QVERIFY(WindowMouse::move(first));
        QCOMPARE(colour(first), red);
        QCOMPARE(colour(second), QColor(Qt::black));
        QVERIFY(WindowMouse::move(frame, {300, 30}));
        QCOMPARE(colour(first), QColor(Qt::black));
        QVERIFY(WindowMouse::move(second));
        QVERIFY(WindowMouse::moveToCell(grid, 2, 1));
        QCOMPARE(colour(second), QColor(Qt::black));
        QVERIFY(WindowMouse::move(second));
        QVERIFY(WindowMouse::moveToCell(grid, 0, 1));
        QCOMPARE(colour(second), QColor(Qt::black));
        QVERIFY(WindowMouse::click(second));
        QVERIFY(WindowMouse::click(first));
        QCOMPARE(clicks, (QList<int>{6, 0}));
    }

    // A click at a place where one control covers another reaches the one on top only.
    void windowClickMissesACoveredControl()
    {
        QWidget window;
        window.resize(300, 100);
        LabelButtonArray buttons;
        LabelButton* under = buttons.add("OK", 1, &window);
        under->setGeometry(10, 10, 100, 24);
        auto* cover = new QFrame(&window);
        cover->setGeometry(60, 0, 100, 50);
        QSignalSpy clicks(&buttons, &LabelButtonArray::clicked);
        QVERIFY(WindowMouse::click(under, {20, 12}));
        QVERIFY(!WindowMouse::click(under, {80, 12}));
        QCOMPARE(clicks.size(), 1);
    }

    void gridCellsAreClickedWhereTheyShow()
    {
        QWidget window;
        window.resize(400, 300);
        auto* grid = new FlexGrid(&window);
        grid->setGeometry(10, 10, 380, 280);
        grid->setRows(40);
        grid->setCols(4);
        grid->setRowHeightTwips(0, 400);
        QSignalSpy clicks(grid, &FlexGrid::gridClick);
        QVERIFY(WindowMouse::clickCell(grid, 0, 2));
        QVERIFY(WindowMouse::clickCell(grid, 3, 1));
        QCOMPARE(clicks.size(), 2);
        QCOMPARE(clicks.at(0), (QVariantList{0, 2}));
        QCOMPARE(clicks.at(1), (QVariantList{3, 1}));
        QCOMPARE(grid->row(), 3);
    }

    void secondInstanceIsRefused()
    {
        TempDataRoot root;
        SingleInstance first(SingleInstance::defaultLockPath());
        SingleInstance second(SingleInstance::defaultLockPath());
        QVERIFY(first.tryLock());
        QVERIFY(!second.tryLock());
    }

    void removableDrivesCanBeNamed()
    {
        TempDataRoot root;
        RemovableDrives::setOverride({root.path() + "/usb"});
        const auto drives = RemovableDrives::list();
        QCOMPARE(drives.size(), 1);
        QCOMPARE(drives.first().rootPath, root.path() + "/usb");
        RemovableDrives::clearOverride();
    }

    void clipboardTakesText()
    {
        QVERIFY(ClipboardText::set("a\tb\rc\td"));
        QCOMPARE(ClipboardText::get(), QStringLiteral("a\tb\rc\td"));
    }
};

NOLVARI_TEST(WidgetsTest)
#include "WidgetsTest.moc"
