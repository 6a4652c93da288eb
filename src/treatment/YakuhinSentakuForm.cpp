#include "YakuhinSentakuForm.h"

#include "DentakuForm.h"
#include "NyuryokuLook.h"
#include "common/FlexGrid.h"
#include "common/ModalHost.h"
#include "common/MsgBox.h"
#include "common/SharedState.h"
#include "common/TextFile.h"
#include "common/TwipGeometry.h"
#include "registers/TourokuNameFile.h"

#include <QLabel>
#include <QLineEdit>

namespace {
const QString Jyo = QStringLiteral("常");
}

YakuhinSentakuForm::YakuhinSentakuForm(QWidget* parent) : QDialog(parent)
{
    TyusyaGrid = new FlexGrid(this);
    TyusyaGrid->setObjectName(QStringLiteral("TyusyaGrid"));
    connect(TyusyaGrid, &FlexGrid::gridClick, this, [this](int row, int) { TyusyaGrid_Click(row); });
    YobiGrid = new FlexGrid(this);
    YobiGrid->setObjectName(QStringLiteral("YobiGrid"));
    connect(YobiGrid, &FlexGrid::gridClick, this, &YakuhinSentakuForm::YobiGrid_Click);
    SinryoGrid = new FlexGrid(this);
    SinryoGrid->setObjectName(QStringLiteral("SinryoGrid"));
}

void YakuhinSentakuForm::buildKana(const QStringList& columns, int left, int top)
{
    NyuryokuLook::kanaGrid(YobiGrid, columns, left, top);
}

void YakuhinSentakuForm::buildSinryoGrid(const QStringList& table, int left, int top, int height)
{
    NyuryokuLook::listGrid(SinryoGrid, {{QStringLiteral("区分"), 1400}, {QStringLiteral("B点"), 500},
                                        {QStringLiteral("A点"), 500}});
    TwipGeometry::place(SinryoGrid, left, top, 2400, height);
    // Lines shown while the next one is not empty, at most 300: the table's closing line never is.
    int row = NyuryokuLook::addRow(SinryoGrid, {});
    for (int k = 1; k <= 300 && k < table.size() && !table.at(k).isEmpty(); ++k) {
        const QStringList f = table.at(k - 1).split(QLatin1Char(','));
        for (int c = 0; c < 3; ++c)
            SinryoGrid->setTextMatrix(row, c, f.value(c));
        row = NyuryokuLook::addRow(SinryoGrid, {});
    }
}

std::optional<QPair<QString, QString>> YakuhinSentakuForm::sinryoPoints(const QString& caption) const
{
    for (int r = 1; r < SinryoGrid->rows(); ++r) {
        if (SinryoGrid->textMatrix(r, 0).trimmed() == caption.trimmed())
            return QPair<QString, QString>(SinryoGrid->textMatrix(r, 1), SinryoGrid->textMatrix(r, 2));
    }
    return std::nullopt;
}

void YakuhinSentakuForm::YobiGrid_Click(int row, int col)
{
    kanaRow = row;
    kanaCol = col;
    const QString cell = YobiGrid->textMatrix(row, col);
    if (cell.isEmpty())
        return;
    NyuryokuLook::markKana(YobiGrid, row, col);
    kanaEntry = cell;
    const bool jyo = cell == Jyo;
    showView(jyo);
    fillList(jyo ? jyoRows() : YakuhinRows::kana(SharedState::get().Tables.YakkaCodeTable, classMark() + cell));
}

void YakuhinSentakuForm::refill()
{
    if (!YobiGrid->textMatrix(kanaRow, kanaCol).isEmpty())
        YobiGrid_Click(kanaRow, kanaCol);
}

void YakuhinSentakuForm::fillList(const QList<YakuhinRows::Row>& newRows)
{
    rows = newRows;
    const TextFile touroku = TextFile::read(TourokuNameFile::tourokuPath(tourokuCategory()));
    YakuhinRows::setTouroku(rows, touroku.texts());
    picked = false;
    pickedIndex = -1;
    NyuryokuLook::clearList(TyusyaGrid);
    for (int i = 0; i < rows.size(); ++i) {
        QStringList cells = rowCells(rows.at(i));
        cells[0] = QString::number(i + 1);
        NyuryokuLook::addRow(TyusyaGrid, cells);
    }
    TyusyaGrid->setCurrent(0, 0);
}

bool YakuhinSentakuForm::currentIsDrugRow() const
{
    return TyusyaGrid->row() >= 1 && TyusyaGrid->row() <= rows.size();
}

const YakuhinRows::Row& YakuhinSentakuForm::pickedRow() const
{
    return rows.at(pickedIndex);
}

void YakuhinSentakuForm::TyusyaGrid_Click(int row)
{
    if (row < 1 || row > rows.size())
        return;
    TyusyaGrid->setCurrent(row, 0);
    NyuryokuLook::chooseRow(TyusyaGrid, row);
    picked = true;
    pickedIndex = row - 1;
    rowPicked(rows.at(pickedIndex));
}

void YakuhinSentakuForm::JyoYakuTourokuProc(int remove, int message)
{
    if (!picked)
        return;
    const QString line = jyoLine(pickedRow());
    const JyoYakuList::Result result = remove ? kioku.sakujyo(line, withSyringe()) : kioku.touroku(line, withSyringe());
    const QString text = kioku.message(result);
    if (!text.isEmpty() && (message == 1 || result == JyoYakuList::WriteFailed))
        MsgBox::show(text, QStringLiteral("確認"));
}

void YakuhinSentakuForm::watchBox(QLineEdit* box)
{
    NyuryokuLook::onEnter(box, [this, box] {
        if (box == suuryouBox())
            OK();
    }, true);
}

// The quantity calculator: a result other than "0" becomes the quantity.
void YakuhinSentakuForm::dentaku()
{
    DentakuForm form(this);
    ModalHost::exec(form);
    const QString result = SharedState::get().Hand.DentakuOut;
    if (result != QStringLiteral("0"))
        suuryouBox()->setText(result);
}

void YakuhinSentakuForm::fillItems(QStringList& result) const
{
    const YakuhinRows::Row& row = pickedRow();
    const bool touroku = !row.touroku.isEmpty();
    result[0] = touroku ? row.touroku : row.name;
    result[1] = touroku ? QString() : row.kikaku;
    for (int i = 0; i <= 6; ++i)
        result[2 + i] = TensuGd[i]->text();
}

void YakuhinSentakuForm::CmdGd_Click(int index)
{
    switch (index) {
    case Ok:
        OK();
        break;
    case Tojiru:
        out() = QStringList(out().size());
        reject();
        break;
    case Touroku:
        JyoYakuTourokuProc(0, 1);
        break;
    case Sakujyo:
        if (picked) {
            JyoYakuTourokuProc(1, 1);
            refill();
        }
        break;
    case Suuryou:
        dentaku();
        break;
    }
}
