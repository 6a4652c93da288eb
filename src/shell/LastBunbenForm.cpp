#include "LastBunbenForm.h"

#include "common/FlexGrid.h"
#include "common/FontSetup.h"
#include "common/LabelButtonArray.h"
#include "common/SharedState.h"
#include "common/TwipGeometry.h"
#include "common/WidgetColor.h"

namespace {
struct Column
{
    const char16_t* heading;
    int width;
    FlexGrid::Alignment alignment;
};
const Column columns[] = {
    {u"No", 300, FlexGrid::AlignCenter},
    {u"耳標", 1000, FlexGrid::AlignCenter},
    {u"日付", 1000, FlexGrid::AlignLeft},
};
const char16_t* const sampleRows[][3] = {
    {u"1", u"1234567890", u"R5.4.12"},
    {u"2", u"1234567891", u"R5.6.3"},
};
} // namespace

LastBunbenForm::LastBunbenForm(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("最終分娩日登録"));
    setFont(FontSetup::screenFont());
    TwipGeometry::resize(this, 3200, 5600);
    TourokuGrid = new FlexGrid(this);
    TwipGeometry::place(TourokuGrid, 120, 120, 2800, 4800);
    auto* buttons = new LabelButtonArray(this);
    CmdGd = buttons->add(QStringLiteral("OK"), 0, this);
    buttons->resetOn(this);
    TwipGeometry::place(CmdGd, 2300, 5050, 600, 300);
    Form_Load();
}

void LastBunbenForm::Form_Load()
{
    WidgetColor::setBackColor(this, SharedState::get().ColorSet.DialogBackColor);
    TourokuGrid->setRows(100);
    TourokuGrid->setCols(3);
    TourokuGrid->setFixedRows(1);
    TourokuGrid->setFixedCols(0);
    TourokuGrid->setFixedAlignment(-1, FlexGrid::AlignCenter);
    for (int c = 0; c < 3; ++c) {
        TourokuGrid->setTextMatrix(0, c, QString::fromUtf16(columns[c].heading));
        TourokuGrid->setColWidthTwips(c, columns[c].width);
        TourokuGrid->setColAlignment(c, columns[c].alignment);
    }
    for (int r = 0; r < 2; ++r)
        for (int c = 0; c < 3; ++c)
            TourokuGrid->setTextMatrix(r + 1, c, QString::fromUtf16(sampleRows[r][c]));
}
