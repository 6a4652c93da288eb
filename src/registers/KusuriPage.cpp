#include "KusuriPage.h"

#include "MasterForm.h"
#include "NameInpForm.h"
#include "GridColumns.h"
#include "common/FlexGrid.h"
#include "common/ModalHost.h"
#include "common/MsgBox.h"
#include "common/SharedState.h"
#include "common/TwipGeometry.h"

#include <QLabel>
#include <QRadioButton>

KusuriPage::KusuriPage(MasterForm& owner) : QGroupBox(QStringLiteral("薬品名登録")), form(owner)
{
    const QList<TourokuNameFile::Category>& categories = TourokuNameFile::categories();
    for (int i = 0; i < categories.size(); ++i) {
        auto* op = new QRadioButton(categories.at(i).caption, this);
        op->setObjectName(QStringLiteral("KusuriNameOp%1").arg(i));
        TwipGeometry::place(op, 150 + i * 1100, 300, 1000, 300);
        connect(op, &QRadioButton::clicked, this, [this, i] { KusuriNameOp_Click(i); });
        KusuriNameOp.append(op);
    }
    auto* note1 = new QLabel(QStringLiteral("※ここで登録された「登録薬品名」がカルテに入力され、印刷されます。"), this);
    TwipGeometry::place(note1, 4800, 250, 7800, 200);
    auto* note2 = new QLabel(QStringLiteral("※カルテに入力後、登録名を変更した場合は再度入力が必要です。自動では切り替わりません。"), this);
    TwipGeometry::place(note2, 4800, 450, 7800, 200);
    buildGrid();
}

void KusuriPage::buildGrid()
{
    DataGrid = new FlexGrid(this);
    DataGrid->setObjectName(QStringLiteral("DataGrid"));
    TwipGeometry::place(DataGrid, 90, 655, 12550, 7045);
    DataGrid->setRows(50);
    DataGrid->setFixedRows(1);
    DataGrid->setFixedCols(1);
    DataGrid->setFrameShape(QFrame::NoFrame);
    GridColumns::apply(DataGrid, {{QStringLiteral("コード"), 750}, {QStringLiteral("薬品名"), 4500, FlexGrid::AlignLeft},
        {QStringLiteral("規格"), 3200, FlexGrid::AlignLeft}, {QStringLiteral("薬価"), 950}, {QString(), 1},
        {QStringLiteral("登録薬品名"), 2900, FlexGrid::AlignLeft}});
    connect(DataGrid, &FlexGrid::gridClick, this, &KusuriPage::DataGrid_Click);
}

void KusuriPage::applyVariant()
{
    const SharedState& s = SharedState::get();
    if (s.ColorSet.GridColor.isValid())
        DataGrid->setBackColorSel(s.ColorSet.GridColor);
    if (!form.variant().Miyazaki)
        return;
    DataGrid->setTextMatrix(0, 3, QString());
    DataGrid->setColWidthTwips(3, 500);
    DataGrid->setTextMatrix(0, 4, QStringLiteral("単位"));
    DataGrid->setColWidthTwips(4, 450);
}

void KusuriPage::KusuriNameOp_Click(int index)
{
    KusuriNameOp[index]->setChecked(true);
    categoryIndex = index;
    const CodeTables& tables = SharedState::get().Tables;
    if (form.variant().Miyazaki) {
        DataGrid->setTextMatrix(0, 0, QStringLiteral("コード"));
        listing = TourokuNameFile::listMiyazaki(index, tables.YakkaMiyazakiTable);
    } else {
        DataGrid->setTextMatrix(0, 0, QString());
        listing = TourokuNameFile::list(index, tables.YakkaCodeTable);
    }
    if (!listing.ok)
        MsgBox::show(listing.errorText, QStringLiteral("確認"));
    showListing();
}

void KusuriPage::showListing()
{
    DataGrid->setUpdatesEnabled(false);
    DataGrid->setRows(1 + int(listing.rows.size()));
    for (int r = 0; r < listing.rows.size(); ++r)
        for (int c = 0; c < 6; ++c)
            DataGrid->setTextMatrix(r + 1, c, listing.rows.at(r).at(c));
    DataGrid->setUpdatesEnabled(true);
}

void KusuriPage::DataGrid_Click(int row, int)
{
    DataGrid->select(row, 0, row, 5);
    if (row < 1 || row > listing.rows.size())
        return;
    if (!listing.ok) {
        MsgBox::show(listing.errorText, QStringLiteral("確認"));
        return;
    }
    QStringList& data = SharedState::get().Hand.NameInpData;
    const QStringList& cells = listing.rows.at(row - 1);
    data = {cells.at(0), cells.at(1), cells.at(2), cells.at(5)};
    NameInpForm dialog(this);
    ModalHost::exec(dialog);
    listing.rows[row - 1][TourokuNameFile::Touroku] = data.value(3);
    DataGrid->setTextMatrix(row, 5, data.value(3));
    QString error;
    if (!TourokuNameFile::save(categoryIndex, listing, form.variant().Miyazaki, &error))
        MsgBox::show(error, QStringLiteral("確認"));
}
