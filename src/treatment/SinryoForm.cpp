#include "SinryoForm.h"

#include "NyuryokuLook.h"
#include "chart/NewInputView.h"
#include "common/FlexGrid.h"
#include "common/LabelButtonArray.h"
#include "common/MsgBox.h"
#include "common/SharedState.h"
#include "common/TwipGeometry.h"

#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>

#include <algorithm>

namespace {
enum Command { Ok, Tojiru };
constexpr int Width = 6650;
constexpr int DefaultHeight = 11300;
}

int SinryoForm::tableNumber(const QString& bunrui)
{
    const QStringList words{QStringLiteral("文書"), QStringLiteral("処置"), QStringLiteral("検査"), QStringLiteral("手術"),
                            QStringLiteral("指導"), QStringLiteral("入院"), QStringLiteral("診察")};
    return int(words.indexOf(bunrui)) + 1;
}

SinryoForm::SinryoForm(QWidget* parent) : QDialog(parent)
{
    NyuryokuLook::dialog(this, QStringLiteral("SinryoForm"), 0, 0, Width, DefaultHeight);
    place();
    buildControls();
    fillList();
}

// Beside the open chart editor: its top and height, the left edge 1000 twips right of the
// editor's. The treatment book opens it without an editor: then it stands centred on the screen.
void SinryoForm::place()
{
    const NewInputView* editor = SharedState::get().OpenEditor;
    if (editor) {
        const QRect r = editor->windowRect();
        setFixedSize(width(), r.height());
        move(r.left() + TwipGeometry::px(1000), r.top());
        return;
    }
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame = geometry();
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
}

void SinryoForm::buildControls()
{
    TitleGd = NyuryokuLook::value(QStringLiteral("TitleGd"), SharedState::get().Hand.SinryoBunruiIn, this, 150, 100, 1500);
    const struct
    {
        QString caption;
        int left;
        int top;
    } captions[] = {{QStringLiteral("[診療点数]　B="), 150, 400}, {QStringLiteral("A="), 2200, 400},
                    {QStringLiteral("[増点数]     B="), 150, 700}, {QStringLiteral("A="), 2200, 700},
                    {QStringLiteral("[総点数] B="), 3800, 100},   {QStringLiteral("A="), 5300, 100}};
    TensuGd.append(nullptr);
    for (int i = 0; i < 6; ++i) {
        NyuryokuLook::label(captions[i].caption, this, captions[i].left, captions[i].top, 1400);
        const int left = captions[i].left + (i % 2 == 0 ? 1350 : 300);
        TensuGd.append(NyuryokuLook::value(QStringLiteral("TensuGd%1").arg(i + 1), QStringLiteral("0"), this, left,
                                           captions[i].top, 650));
    }
    ZouGd = NyuryokuLook::value(QStringLiteral("ZouGd"), QStringLiteral("*"), this, 3400, 700, 200);
    for (int i = 0; i < 2; ++i) {
        NyuryokuLook::label(i == 0 ? QStringLiteral("増点B=") : QStringLiteral("増点A="), this, 3800 + 1400 * i, 400, 650);
        ZotenTxBox.append(NyuryokuLook::lineEdit(QStringLiteral("ZotenTxBox%1").arg(i), this, 4450 + 1400 * i, 370, 700));
        connect(ZotenTxBox.last(), &QLineEdit::textChanged, this, &SinryoForm::TensuSaikeisanProc);
    }
    NyuryokuLook::label(QStringLiteral("※増点は直接入力してください。"), this, 3800, 700, 2800);
    CmdGd = NyuryokuLook::commands(this, {{Ok, QStringLiteral("OK"), 1800, 100, 700},
                                          {Tojiru, QStringLiteral("閉じる"), 2700, 100, 900}});
    connect(CmdGd, &LabelButtonArray::clicked, this, &SinryoForm::CmdGd_Click);
    SinryoGrid = new FlexGrid(this);
    SinryoGrid->setObjectName(QStringLiteral("SinryoGrid"));
    NyuryokuLook::listGrid(SinryoGrid, {{QString(), 350}, {QStringLiteral("種別"), 4000, true},
                                        {QStringLiteral("B点"), 850}, {QStringLiteral("A点"), 850}},
                           true);
    // The list keeps inside a dialog as low as the editor.
    TwipGeometry::place(SinryoGrid, 150, 1000, 6350, std::min(9775, TwipGeometry::twips(height()) - 1100));
    connect(SinryoGrid, &FlexGrid::gridClick, this, [this](int row, int) { SinryoGrid_Click(row); });
    // Moving through the list with the keys chooses the row moved to, once a row was clicked.
    connect(SinryoGrid, &FlexGrid::enterCell, this, [this](int row, int) {
        if (chosen > 0)
            SinryoGrid_Click(row);
    });
}

void SinryoForm::fillList()
{
    const int number = tableNumber(SharedState::get().Hand.SinryoBunruiIn);
    const QStringList table = number > 0 ? SharedState::get().Tables.SinryoCodeTable[number] : QStringList();
    int n = 0;
    for (; n <= 300 && n < table.size() && !table.at(n).isEmpty(); ++n) {
        const QStringList f = table.at(n).split(QLatin1Char(','));
        NyuryokuLook::addRow(SinryoGrid, {QString::number(n + 1), f.value(0), f.value(1), f.value(2)});
    }
    NyuryokuLook::addRow(SinryoGrid, {QString::number(n + 1)});
    SinryoGrid->clearSelection();
}

void SinryoForm::showTensu()
{
    const QStringList items = tensu.items();
    for (int i = 0; i < items.size(); ++i)
        TensuGd[1 + i]->setText(items.at(i));
}

void SinryoForm::SinryoGrid_Click(int row)
{
    if (row < 1 || row >= SinryoGrid->rows())
        return;
    chosen = row;
    NyuryokuLook::chooseRow(SinryoGrid, row);
    tensu.setBase(SinryoGrid->textMatrix(row, 2), SinryoGrid->textMatrix(row, 3));
    showTensu();
}

void SinryoForm::TensuSaikeisanProc()
{
    tensu.setZoten(ZotenTxBox[0]->text(), ZotenTxBox[1]->text());
    showTensu();
}

void SinryoForm::CmdGd_Click(int index)
{
    QStringList& out = SharedState::get().Hand.SinryoOut;
    if (index == Tojiru) {
        out = QStringList(11);
        reject();
        return;
    }
    if (chosen == 0) {
        MsgBox::show(QStringLiteral("選択されていません"), QStringLiteral("確認"));
        return;
    }
    out = QStringList(11);
    for (int c = 1; c <= 3; ++c)
        out[c - 1] = SinryoGrid->textMatrix(chosen, c);
    for (int i = 1; i <= 6; ++i)
        out[2 + i] = TensuGd[i]->text();
    out[9] = ZouGd->text().replace(QLatin1Char(':'), QLatin1Char(' '));
    accept();
}
