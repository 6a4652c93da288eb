#include "OusinMiyazaki.h"

#include "NyuryokuLook.h"
#include "TensuText.h"
#include "common/LabelButtonArray.h"
#include "common/MsgBox.h"
#include "common/SharedState.h"
#include "common/WidgetColor.h"
#include "registers/OptionArray.h"

#include <QLabel>
#include <QLineEdit>

namespace {
enum Command { Tojiru, Ok };
const QString Title = QStringLiteral("確認");
}

OusinMiyazaki::OusinMiyazaki(QWidget* parent) : QDialog(parent)
{
    NyuryokuLook::dialog(this, QStringLiteral("OusinMiyazaki"), 4500, 3000, 6000, 2700);
    NyuryokuLook::label(QStringLiteral("往診"), this, 150, 100, 800);
    NyuryokuLook::label(QStringLiteral("距離="), this, 150, 500, 550);
    InpTx = NyuryokuLook::lineEdit(QStringLiteral("InpTx"), this, 700, 470, 900);
    NyuryokuLook::onEnter(InpTx, [this] { OK(); });
    NyuryokuLook::label(QStringLiteral("Km"), this, 1650, 500, 400);
    Option1 = NyuryokuLook::options(this, QStringLiteral("Option1"), OusinCodeSentakuProc::captions(), 150, 900, 2800, 2);
    NyuryokuLook::label(QStringLiteral("コード="), this, 150, 1900, 750);
    CodeGd = NyuryokuLook::value(QStringLiteral("CodeGd"), QStringLiteral("？"), this, 900, 1900, 900);
    WidgetColor::setForeColor(CodeGd, QColor(0, 0, 255));
    NyuryokuLook::label(QStringLiteral("※距離0とした場合は”同時診療”と表示されます。"), this, 150, 2250, 5500);
    CmdGd = NyuryokuLook::commands(this, {{Tojiru, QStringLiteral("閉る"), 5000, 100, 700},
                                          {Ok, QStringLiteral("OK"), 4200, 100, 700}});
    connect(CmdGd, &LabelButtonArray::clicked, this, &OusinMiyazaki::CmdGd_Click);
    connect(InpTx, &QLineEdit::textChanged, this, &OusinMiyazaki::runCode);
    connect(Option1, &OptionArray::clicked, this, &OusinMiyazaki::runCode);
    rows = OusinCodeSentakuProc::codeRows(SharedState::get().Tables.SinryoMiyazakiTable);
    Option1->select(OusinCodeSentakuProc::Nittyu);
    runCode();
}

void OusinMiyazaki::runCode()
{
    held = OusinCodeSentakuProc::run(rows, Option1->chosen(), InpTx->text());
    CodeGd->setText(held.Code);
    if (!held.Message.isEmpty())
        MsgBox::show(held.Message, Title);
}

void OusinMiyazaki::OK()
{
    if (held.Code == QStringLiteral("?") && TensuText::value(InpTx->text()) != 0) {
        MsgBox::show(QStringLiteral("この距離に該当するコードがありません。距離を確認してください。"), Title);
        return;
    }
    QStringList& out = SharedState::get().Hand.OusinOut;
    out.resize(5);
    out[0] = OusinCodeSentakuProc::kubunText(Option1->chosenCaption(), held.rowChosen, held.Low, held.High);
    out[1] = InpTx->text();
    out[2] = held.Code;
    out[3] = held.Kind;
    accept();
}

void OusinMiyazaki::CmdGd_Click(int index)
{
    if (index == Ok) {
        OK();
        return;
    }
    SharedState::get().Hand.OusinOut = QStringList(5);
    reject();
}
