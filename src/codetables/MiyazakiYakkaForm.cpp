#include "MiyazakiYakkaForm.h"

#include "CodeFileFormat.h"
#include "CodeGridRows.h"
#include "CodeWindowLook.h"

#include "common/WidgetColor.h"
#include "common/FlexGrid.h"
#include "common/LabelButtonArray.h"
#include "common/SharedState.h"
#include "common/TwipGeometry.h"

#include <QCheckBox>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

namespace {
using Col = CodeWindowLook::Column;
constexpr auto L = FlexGrid::AlignLeft;
constexpr auto C = FlexGrid::AlignCenter;

const QList<Col> kDrugColumns{{"*", 450, C}, {"分類", 600, C}, {"コード", 500, C}, {"名称", 2500, L},
                              {"規格", 2500, L}, {"定量", 750, C}, {"単位", 500, C}, {"薬価", 750, C}};
const QList<Col> kFeeColumns{{"分類", 650, C}, {"コード", 550, C}, {"名称", 3200, L}, {"適用", 2700, L},
                             {"B点数", 750, C}};
const int kCodeCol = 2;
const int kPriceCol = 7;
} // namespace

MiyazakiYakkaForm::MiyazakiYakkaForm(QWidget* parent) : QDialog(parent)
{
    buildWindow();
    fillGrids();
    BunruiOp[0]->setChecked(true);
}

void MiyazakiYakkaForm::buildWindow()
{
    setObjectName(QStringLiteral("MiyazakiYakkaForm"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint);
    const QColor back = SharedState::get().ColorSet.DialogBackColor;
    WidgetColor::setBackColor(this, back);
    TwipGeometry::resize(this, 9435, 9765);
    CodeWindowLook::titleLabel(QStringLiteral("薬価・診療費"), this, 165, 60)->setObjectName("TitleGd");
    CodeWindowLook::greyRule(this, 0, 285, 9240);
    CmdGd = new LabelButtonArray(this);
    CmdGd->setHoverColor(Qt::black);  // the viewer's close label does not light up
    LabelButton* close = CmdGd->add(QStringLiteral("閉る"), 0, this);
    close->setObjectName(QStringLiteral("CmdGd0"));
    close->setFont(CodeWindowLook::commandFont(true));
    close->adjustSize();
    close->move(TwipGeometry::px(8745), TwipGeometry::px(45));
    connect(CmdGd, &LabelButtonArray::clicked, this, &MiyazakiYakkaForm::CmdGd_Click);

    const QStringList captions{"薬価", "診療"};
    const int lefts[] = {360, 1755};
    for (int i = 0; i < 2; ++i) {
        auto* op = new QRadioButton(captions.at(i), this);
        op->setObjectName(QStringLiteral("BunruiOp%1").arg(i));
        WidgetColor::setBackColor(op, back);
        op->move(TwipGeometry::px(lefts[i]), TwipGeometry::px(405));
        op->adjustSize();
        connect(op, &QRadioButton::toggled, this, [this, i] { BunruiOp_Click(i); });
        BunruiOp[i] = op;

        auto* frame = new QFrame(this);
        frame->setObjectName(QStringLiteral("WakuFrame%1").arg(i));
        WidgetColor::setBackColor(frame, back);
        TwipGeometry::place(frame, 120, 720, i == 0 ? 12285 : 9000, 8760);
        frame->hide();
        WakuFrame[i] = frame;

        auto* grid = new FlexGrid(frame);
        grid->setObjectName(QStringLiteral("DataGrid%1").arg(i));
        grid->setFixedCols(0);
        connect(grid, &FlexGrid::gridClick, this, [this, i] { DataGrid_Click(i); });
        DataGrid[i] = grid;
    }
    buildDrugPage();
    buildFeePage();
}

void MiyazakiYakkaForm::buildDrugPage()
{
    QFrame* f = WakuFrame[0];
    const QColor back = SharedState::get().ColorSet.DialogBackColor;
    CodeWindowLook::label(QStringLiteral("【登録済一覧】"), f, 200, 200)->setObjectName("Label1_4");
    SortCh = new QCheckBox(QStringLiteral("コード順"), f);
    SortCh->setObjectName(QStringLiteral("SortCh"));
    WidgetColor::setBackColor(SortCh, back);
    SortCh->move(TwipGeometry::px(1680), TwipGeometry::px(210));
    SortCh->adjustSize();
    connect(SortCh, &QCheckBox::clicked, this, &MiyazakiYakkaForm::SortCh_Click);

    inpTx = new QLineEdit(f);
    inpTx->setObjectName(QStringLiteral("inpTx1"));
    TwipGeometry::place(inpTx, 2820, 150, 870, 270);
    inpTx->setMaxLength(4);
    inpTx->setAlignment(Qt::AlignCenter);
    inpTx->setAttribute(Qt::WA_InputMethodEnabled, false);
    inpTx->installEventFilter(this);

    YakkaGd = CodeWindowLook::label(QStringLiteral("*"), f, 3960, 225);
    YakkaGd->setObjectName(QStringLiteral("YakkaGd"));
    YakkaGd->setAlignment(Qt::AlignCenter);
    WidgetColor::setBackColor(YakkaGd, back);

    const int width = CodeWindowLook::setupGrid(DataGrid[0], kDrugColumns, true);
    TwipGeometry::place(DataGrid[0], 195, 450, width, 8145);
}

void MiyazakiYakkaForm::buildFeePage()
{
    CodeWindowLook::label(QStringLiteral("【登録済一覧】"), WakuFrame[1], 200, 200)->setObjectName("Label1_5");
    const int width = CodeWindowLook::setupGrid(DataGrid[1], kFeeColumns, true);
    TwipGeometry::place(DataGrid[1], 240, 480, width, 8145);
}

void MiyazakiYakkaForm::fillGrids()
{
    const CodeTables& tables = SharedState::get().Tables;
    CodeGridRows::fill(*DataGrid[0], CodeFileFormat::miyazakiViewDrugRows(tables.YakkaMiyazakiTable));
    sortDrugs();
    CodeGridRows::fill(*DataGrid[1], CodeFileFormat::miyazakiViewFeeRows(tables.SinryoMiyazakiTable));
}

void MiyazakiYakkaForm::sortDrugs()
{
    FlexGrid* grid = DataGrid[0];
    const int firstKey = SortCh->isChecked() ? kCodeCol : 0;
    grid->sortRows(1, grid->rows() - 1, firstKey, kPriceCol, FlexGrid::SortGenericAscending);
}

void MiyazakiYakkaForm::BunruiOp_Click(int)
{
    for (int i = 0; i < 2; ++i)
        WakuFrame[i]->setVisible(BunruiOp[i]->isChecked());
}

void MiyazakiYakkaForm::SortCh_Click()
{
    sortDrugs();
}

void MiyazakiYakkaForm::DataGrid_Click(int index)
{
    FlexGrid* grid = DataGrid[0];
    if (index != 0 || grid->row() < 1)
        return;
    YakkaGd->setText(grid->textMatrix(grid->row(), kPriceCol));
    YakkaGd->adjustSize();
}

void MiyazakiYakkaForm::inpTx_KeyDown(int key)
{
    if (key != Qt::Key_Return && key != Qt::Key_Enter)
        return;
    QString price = QStringLiteral("?");
    const FlexGrid* grid = DataGrid[0];
    for (int r = 1; r < grid->rows(); ++r)
        if (grid->textMatrix(r, kCodeCol) == inpTx->text())
            price = grid->textMatrix(r, kPriceCol);
    YakkaGd->setText(price);
    YakkaGd->adjustSize();
    inpTx->selectAll();
    inpTx->setFocus();
}

void MiyazakiYakkaForm::CmdGd_Click(int index)
{
    if (index == 0)
        done(0);
}

bool MiyazakiYakkaForm::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == inpTx && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        inpTx_KeyDown(key);
        return key == Qt::Key_Return || key == Qt::Key_Enter;  // Enter gives no character
    }
    if (watched == inpTx && event->type() == QEvent::MouseButtonRelease) {
        inpTx->selectAll();
        return false;
    }
    return QDialog::eventFilter(watched, event);
}
