#include "NendoForm.h"

#include "common/DialogLook.h"
#include "common/LabelButtonArray.h"
#include "common/MsgBox.h"
#include "common/SharedState.h"
#include "common/SharedUtil.h"
#include "common/TwipGeometry.h"

#include <QLineEdit>

NendoForm::NendoForm(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("NendoForm"));
    DialogLook::frameless(this, 6500, 2500, 2910, 1050, SharedState::get().ColorSet.DialogBackColor);
    DialogLook::titleLabel(QStringLiteral("年度入力"), this, 105, 120);
    DialogLook::greyRule(this, 0, 390, 2910);
    CmdGd = new LabelButtonArray(this);
    CmdGd->setHoverColor(Qt::black); // the one command label has no hover colour
    DialogLook::command(CmdGd, QStringLiteral("OK"), 0, this, 2220, 150);
    connect(CmdGd, &LabelButtonArray::clicked, this, &NendoForm::CmdGd_Click);
    inpTx = new QLineEdit(this);
    inpTx->setObjectName(QStringLiteral("inpTx"));
    inpTx->setAlignment(Qt::AlignCenter);
    TwipGeometry::place(inpTx, 975, 615, 510, 270);
    DialogLook::label(QStringLiteral("年度"), this, 1575, 675);
    inpTx->setText(SharedState::get().Hand.PrintNendo);
}

void NendoForm::CmdGd_Click(int index)
{
    if (index != 0)
        return;
    if (inpTx->text().isEmpty()) {
        MsgBox::show(QStringLiteral("年度を入力してください。"), QStringLiteral("確認"));
        inpTx->setFocus();
        return;
    }
    SharedState::get().Hand.PrintNendo = SharedUtil::Trim(inpTx->text());
    accept();
}
