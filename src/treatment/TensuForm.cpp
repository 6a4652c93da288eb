#include "TensuForm.h"

#include "NyuryokuLook.h"
#include "common/LabelButtonArray.h"
#include "common/SharedState.h"

#include <QLabel>

namespace {
// Each label of the array: the TensuIn element it shows and its place (row, column 0 B, 1 A).
struct Cell
{
    int tensuIn;
    int row;
    int col;
};
const Cell Cells[8] = {{0, 0, 0}, {2, 2, 0}, {4, 2, 1}, {3, 3, 0}, {5, 3, 1}, {6, 4, 0}, {1, 1, 0}, {1, 1, 1}};
}

TensuForm::TensuForm(QWidget* parent) : QDialog(parent)
{
    NyuryokuLook::dialog(this, QStringLiteral("TensuForm"), 10500, 1650, 4000, 2600);
    NyuryokuLook::label(QStringLiteral("診療点数"), this, 150, 100, 1500);
    NyuryokuLook::label(QStringLiteral("B"), this, 1800, 450, 900);
    NyuryokuLook::label(QStringLiteral("A"), this, 2900, 450, 900);
    const QStringList rows{QStringLiteral("薬価計"), QStringLiteral("薬価点数"), QStringLiteral("B種点数 / A種点数"),
                           QStringLiteral("点数合計"), QStringLiteral("診療費")};
    for (int r = 0; r < rows.size(); ++r)
        NyuryokuLook::label(rows.at(r), this, 150, 750 + 300 * r, 1600);
    const QStringList& in = SharedState::get().Hand.TensuIn;
    for (int i = 0; i < 8; ++i) {
        const Cell& c = Cells[i];
        TensuGd.append(NyuryokuLook::value(QStringLiteral("TensuGd%1").arg(i), in.value(c.tensuIn), this,
                                           1800 + 1100 * c.col, 750 + 300 * c.row, 1000));
    }
    CmdGd = NyuryokuLook::commands(this, {{0, QStringLiteral("閉る"), 3100, 100, 700}});
    connect(CmdGd, &LabelButtonArray::clicked, this, &QDialog::accept);
}
