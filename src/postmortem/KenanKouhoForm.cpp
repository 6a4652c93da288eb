#include "KenanKouhoForm.h"

#include "GensyoKouhoFile.h"
#include "common/DialogLook.h"
#include "common/FlexGrid.h"
#include "common/LabelButtonArray.h"
#include "common/MsgBox.h"
#include "common/SharedState.h"
#include "common/TwipGeometry.h"

namespace {
constexpr int Width = 9885;
constexpr int Height = 12465;
const QColor Chosen(255, 255, 216);
const QColor Other(255, 255, 255);
} // namespace

KenanKouhoForm::KenanKouhoForm(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("KenanKouhoForm"));
    SharedState& s = SharedState::get();
    DialogLook::frameless(this, 2500, 500, Width, Height, s.ColorSet.DialogBackColor);
    DialogLook::titleLabel(QStringLiteral("[現症経過定例]"), this, 150, 120, 11.25);
    CmdGd = new LabelButtonArray(this);
    DialogLook::command(CmdGd, QStringLiteral("OK"), 1, this, 8300, 120);
    DialogLook::command(CmdGd, QStringLiteral("閉る"), 0, this, 9000, 120);
    CmdGd->resetOn(this);
    connect(CmdGd, &LabelButtonArray::clicked, this, [this](int) { accept(); });
    const int gridWidth = Width - 300;
    KouhoGrid = new FlexGrid(this);
    KouhoGrid->setObjectName(QStringLiteral("KouhoGrid"));
    TwipGeometry::place(KouhoGrid, 150, 500, gridWidth, Height - 650);
    KouhoGrid->setRows(GensyoKouhoFile::Count);
    KouhoGrid->setCols(2);
    KouhoGrid->setFixedRows(0);
    KouhoGrid->setFixedCols(1);
    KouhoGrid->setColWidthTwips(0, 350);
    KouhoGrid->setColWidthTwips(1, gridWidth - 350 - 280);
    KouhoGrid->setFixedAlignment(0, FlexGrid::AlignCenter);
    KouhoGrid->setBackColorFixed(QColor(224, 221, 193));
    s.Hand.KenanKouhoOut.clear();
    QStringList errors;
    const QStringList texts = GensyoKouhoFile::loadAll(&errors);
    for (int r = 0; r < GensyoKouhoFile::Count; ++r) {
        KouhoGrid->setRowHeightTwips(r, 1760);
        KouhoGrid->setTextMatrix(r, 0, QString::number(r + 1));
        KouhoGrid->setTextMatrix(r, 1, texts.value(r));
    }
    if (!errors.isEmpty())
        MsgBox::show(errors.join(QLatin1Char('\n')), QStringLiteral("確認"));
    connect(KouhoGrid, &FlexGrid::gridClick, this, [this](int row, int) { KouhoGrid_Click(row); });
}

void KenanKouhoForm::KouhoGrid_Click(int row)
{
    if (row < 0 || row >= GensyoKouhoFile::Count)
        return;
    for (int r = 0; r < GensyoKouhoFile::Count; ++r)
        KouhoGrid->setCellBackColor(r, 1, r == row ? Chosen : Other);
    SharedState::get().Hand.KenanKouhoOut = KouhoGrid->textMatrix(row, 1);
}
