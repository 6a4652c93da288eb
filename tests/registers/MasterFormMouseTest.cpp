#include "TestFixture.h"
#include "TestRegistry.h"
#include "TextFit.h"
#include "WindowMouse.h"

#include "MasterSetup.h"

#include "common/DataPath.h"
#include "common/FlexGrid.h"
#include "common/LabelButtonArray.h"
#include "common/ModalHost.h"
#include "common/SharedState.h"
#include "registers/KusuriPage.h"
#include "registers/KyuYakuForm.h"
#include "registers/MasterForm.h"
#include "registers/NoukaPage.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QtTest>

namespace {
double luminance(QRgb rgb)
{
    auto channel = [](int v) {
        const double c = v / 255.0;
        return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(qRed(rgb)) + 0.7152 * channel(qGreen(rgb)) + 0.0722 * channel(qBlue(rgb));
}

// The contrast of a cell as it shows on screen: its most frequent colour (the background)
// against the pixel that differs most from it (the text), as the ratio of their luminances.
double cellContrast(FlexGrid* grid, int row, int col)
{
    const QImage image = grid->grab(grid->cellRect(row, col).adjusted(1, 1, -1, -1)).toImage();
    QHash<QRgb, int> counts;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            ++counts[image.pixel(x, y)];
    QRgb background = 0;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        if (it.value() > counts.value(background))
            background = it.key();
    double best = 1;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
        const double a = luminance(background) + 0.05;
        const double b = luminance(it.key()) + 0.05;
        best = std::max(best, std::max(a, b) / std::min(a, b));
    }
    return best;
}
} // namespace

// The master register window driven with the mouse at the places where its controls show.
class MasterFormMouseTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { TestFixture::resetGlobals(); }

    // Every page, reached through its label in the page menu, shows each caption and text whole.
    void everyPageShowsItsTextsWhole()
    {
        TempDataRoot root;
        root.useSample();
        MasterSetup::startAs("鳥取県");
        MasterForm form;
        for (int page : {2, 0, 1, 3, 4, 5}) {
            QVERIFY(WindowMouse::click(form.SentakuGd->at(page)));
            QCOMPARE(form.currentPage(), page);
            const QStringList clipped = TextFit::clipped(&form);
            QVERIFY2(clipped.isEmpty(), qPrintable(QString::number(page) + ": " + clipped.join(", ")));
        }
    }

    // The selected drug row was white on the pale selection colour.
    void selectedDrugRowIsReadable()
    {
        TempDataRoot root;
        root.useSample();
        MasterSetup::startAs("鳥取県");
        SharedState::get().Tables.YakkaCodeTable = {"注射'ビタミン注'10mL1管'*'120'''", "注射'ペニシリン'1V'*'300'''", ""};
        MasterForm form;
        QVERIFY(WindowMouse::click(form.SentakuGd->at(5)));
        QCOMPARE(form.currentPage(), 5);
        FlexGrid* grid = form.kusuri->DataGrid;
        int dialogs = 0;
        ModalHost::setHandler([&](QDialog& dialog) {
            ++dialogs;
            [&] { QVERIFY(WindowMouse::click(dialog.findChild<LabelButtonArray*>()->at(0))); }();
            return dialog.result();
        });
        QVERIFY(WindowMouse::clickCell(grid, 2, 1));
        QCOMPARE(dialogs, 1);
        QCOMPARE(grid->rowSel(), 2);
        QCOMPARE(grid->colSel(), 5);
        QVERIFY(grid->item(2, 1)->isSelected());
        for (int col : {1, 2})
            QVERIFY2(cellContrast(grid, 2, col) >= 4.5, qPrintable(QString::number(cellContrast(grid, 2, col))));
    }

    // Every label and box of the farmer page shows whole and takes the click at its place;
    // the branch office of a sample farmer fits its box.
    void farmerPageControlsShowWhole()
    {
        TempDataRoot root;
        root.useSample();
        MasterSetup::startAs("鳥取県");
        MasterForm form;
        QVERIFY(WindowMouse::click(form.SentakuGd->at(0)));
        QCOMPARE(form.currentPage(), 0);
        NoukaPage* page = form.nouka;
        QVERIFY(WindowMouse::clickItem(page->TikuList1, "東谷"));
        QCOMPARE(page->NameGrid->textMatrix(1, 1), QStringLiteral("山本 一郎"));
        QVERIFY(WindowMouse::clickCell(page->NameGrid, 1, 1));
        QCOMPARE(form.inpTx[10]->text(), QStringLiteral("東谷出張所"));
        const QStringList clipped = TextFit::clipped(page);
        QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join(", ")));
        QList<QWidget*> controls;
        for (QLabel* label : std::as_const(page->TikuAGd))
            controls.append(label);
        for (int i = 6; i <= 14; ++i)
            controls.append(form.inpTx[i]);
        for (QWidget* control : std::as_const(controls)) {
            const QRect r = control->rect().adjusted(1, 1, -1, -1);
            for (QPoint corner : {r.topLeft(), r.topRight(), r.bottomLeft(), r.bottomRight()})
                QVERIFY2(WindowMouse::reaches(control, corner), qPrintable(control->objectName()));
        }
        QVERIFY(WindowMouse::click(form.inpTx[13]));
        QVERIFY(form.inpTx[13]->hasFocus());
    }

    // Over the farmer page the register labels turn red under the mouse; over the page and over
    // the farmer grid they turn black again.
    void farmerPageLabelsHover()
    {
        TempDataRoot root;
        root.useSample();
        MasterSetup::startAs("鳥取県");
        MasterForm form;
        QVERIFY(WindowMouse::click(form.SentakuGd->at(0)));
        NoukaPage* page = form.nouka;
        LabelButton* touroku = page->TikuGd->at(1);
        LabelButton* sakujo = page->TikuGd->at(2);
        QVERIFY(WindowMouse::move(touroku, {4, 4}));
        QVERIFY(WindowMouse::move(touroku));
        QVERIFY(touroku->hovered());
        QVERIFY(WindowMouse::move(sakujo));
        QVERIFY(sakujo->hovered());
        QVERIFY(!touroku->hovered());
        QVERIFY(WindowMouse::moveToCell(page->NameGrid, 3, 3));
        QVERIFY(!sakujo->hovered());
        QVERIFY(WindowMouse::move(touroku));
        const QPoint freeArea(page->width() - 5, page->height() - 5);
        QCOMPARE(WindowMouse::widgetAt(page, freeArea), page);
        WindowMouse::move(page, freeArea);
        QVERIFY(!touroku->hovered());
    }

    // The withdrawal-period grid shows its four columns and nothing of the fifth, which holds
    // the drug's key.
    void withdrawalGridHidesItsKeyColumn()
    {
        TempDataRoot root;
        root.useSample();
        MasterSetup::startAs("鳥取県");
        TestFixture::writeCp932(DataPath::file("set\\TourokuNameC.ini"),
                                {"注'ビタミン注：10mL1A'ビタ", "注'ペニシリン：1V'ペニ"});
        KyuYakuForm form;
        FlexGrid* grid = form.ListGrid;
        QVERIFY(WindowMouse::clickCell(grid, 2, 3));
        QCOMPARE(grid->row(), 2);
        QCOMPARE(grid->textMatrix(2, 4), QStringLiteral("ペニシリン：1V"));
        const QWidget* viewport = grid->viewport();
        for (int y : {grid->cellRect(1, 0).center().y(), grid->cellRect(2, 0).center().y()}) {
            const QPoint lastPixel(viewport->geometry().right(), y);
            QVERIFY(WindowMouse::reaches(viewport, viewport->mapFrom(grid, lastPixel)));
            QVERIFY(grid->indexAt(viewport->mapFrom(grid, lastPixel)).column() != 4);
        }
        QVERIFY(grid->cellRect(2, 3).right() <= viewport->geometry().right());
        QCOMPARE(TextFit::clipped(&form), QStringList());
    }
};

NOLVARI_TEST(MasterFormMouseTest)
#include "MasterFormMouseTest.moc"
