#include "TextInputForm.h"

#include "TeireiKouho.h"
#include "common/DialogLook.h"
#include "common/FlexGrid.h"
#include "common/FontSetup.h"
#include "common/LabelButtonArray.h"
#include "common/MsgBox.h"
#include "common/SharedState.h"
#include "common/TwipGeometry.h"
#include "common/WidgetColor.h"
#include "registers/TeireiFile.h"

#include <QButtonGroup>
#include <QFrame>
#include <QPlainTextEdit>
#include <QRadioButton>

namespace {
const QColor TextInputBackColor(226, 244, 213);
constexpr int GridRows = 100;
constexpr int GridWidth = 5800;
const QString Kakunin = QStringLiteral("確認");
} // namespace

TextInputForm::TextInputForm(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TextInputForm"));
    DialogLook::frameless(this, 1000, 1000, 9000, 6600, TextInputBackColor);
    DialogLook::titleLabel(QStringLiteral("現症経過"), this, 150, 120);
    DialogLook::greyRule(this, 0, 450, 9000);
    Label1 = new LabelButtonArray(this);
    DialogLook::command(Label1, QStringLiteral("OK"), 1, this, 6800, 120);
    DialogLook::command(Label1, QStringLiteral("クリア"), 2, this, 7450, 120);
    DialogLook::command(Label1, QStringLiteral("閉る"), 0, this, 8300, 120);
    Label1->resetOn(this);
    connect(Label1, &LabelButtonArray::clicked, this, &TextInputForm::Label1_Click);
    DialogLook::label(QStringLiteral("[入力欄]"), this, 150, 550);
    inpTx = new QPlainTextEdit(this);
    inpTx->setObjectName(QStringLiteral("inpTx"));
    TwipGeometry::place(inpTx, 150, 800, GridWidth, 900);
    DialogLook::label(QStringLiteral("※全角・半角合計114文字まで入力できます。"), this, 150, 1750);
    buildGrid();
    buildOptions();
    const SharedState& s = SharedState::get();
    const int in = s.Hand.TeireiBunruiIn;
    if (in >= 1 && in <= TeireiFile::ClassCount) {
        BunruiOp[in - 1]->setChecked(true);
        BunruiOp_Click(in - 1);
    }
    inpTx->setPlainText(s.Hand.TeireiText);
    BunruiOp[19]->setVisible(s.ken == Ken::Ibaraki);
}

void TextInputForm::buildGrid()
{
    DialogLook::label(QStringLiteral("[入力候補]"), this, 150, 2050);
    KouhoGrid = new FlexGrid(this);
    KouhoGrid->setObjectName(QStringLiteral("KouhoGrid"));
    TwipGeometry::place(KouhoGrid, 150, 2300, GridWidth, 4100);
    KouhoGrid->setRows(GridRows);
    KouhoGrid->setCols(2);
    KouhoGrid->setFixedRows(0);
    KouhoGrid->setFixedCols(1);
    KouhoGrid->setBackColor(TextInputBackColor);
    KouhoGrid->setBackColorBkg(TextInputBackColor);
    KouhoGrid->setColWidthTwips(0, 350);
    KouhoGrid->setColWidthTwips(1, GridWidth - 350 - 280);
    KouhoGrid->setFixedAlignment(0, FlexGrid::AlignCenter);
    for (int r = 0; r < GridRows; ++r)
        KouhoGrid->setTextMatrix(r, 0, QString::number(r + 1));
    connect(KouhoGrid, &FlexGrid::gridClick, this, [this](int row, int) { KouhoGrid_Click(row); });
}

void TextInputForm::buildOptions()
{
    DialogLook::label(QStringLiteral("[定例文分類]"), this, 6150, 550);
    auto* frame = new QFrame(this);
    WidgetColor::setBackColor(frame, TextInputBackColor);
    TwipGeometry::place(frame, 6150, 800, 2700, 5600);
    bunrui = new QButtonGroup(this);
    const QStringList& names = TeireiFile::bunruiNames();
    for (int i = 0; i < names.size(); ++i) {
        auto* option = new QRadioButton(names.at(i), frame);
        option->setObjectName(QStringLiteral("BunruiOp%1").arg(i));
        option->setFont(FontSetup::screenFont());
        WidgetColor::setBackColor(option, TextInputBackColor);
        option->move(TwipGeometry::px(100), TwipGeometry::px(60 + i * 270));
        option->adjustSize();
        bunrui->addButton(option, i);
        BunruiOp.append(option);
    }
    connect(bunrui, &QButtonGroup::idClicked, this, &TextInputForm::BunruiOp_Click);
}

// The phrases of class index + 1 from the first row; rows grow with their phrase.
void TextInputForm::BunruiOp_Click(int index)
{
    QString error;
    const QStringList phrases = TeireiKouho::load(index + 1, &error);
    for (int r = 0; r < GridRows; ++r) {
        KouhoGrid->setTextMatrix(r, 1, phrases.value(r));
        KouhoGrid->setRowHeightTwips(r, r < phrases.size() ? TeireiFile::rowHeight(phrases.at(r)) : 250);
    }
    if (!error.isEmpty())
        MsgBox::show(error, Kakunin);
}

void TextInputForm::KouhoGrid_Click(int row)
{
    const QString phrase = KouhoGrid->textMatrix(row, 1);
    if (!phrase.isEmpty())
        inpTx->setPlainText(phrase);
}

void TextInputForm::Label1_Click(int index)
{
    if (index == 2) {
        inpTx->clear();
        return;
    }
    if (index == 1) {
        const QString text = TeireiKouho::clean(inpTx->toPlainText());
        if (!tottoriWidthOk(text))
            return;
        SharedState::get().Hand.TeireiText = text;
    }
    accept();
}

// In 鳥取県 a text wider than the certificate's line is only taken once the user agrees.
bool TextInputForm::tottoriWidthOk(const QString& text)
{
    if (SharedState::get().ken != Ken::Tottori)
        return true;
    const QFont f = FontSetup::screenFont();
    if (FontSetup::textWidthTwips(f.family(), f.pointSizeF(), false, false, text) <= TottoriWidthTwips)
        return true;
    return MsgBox::ask(QStringLiteral("文字数が長いので、1段目でない場合は、印刷時に\nはみ出す可能性があります。\nOKはこのまま入力されます。"),
                       Kakunin);
}
