#include "KubunForm.h"

#include "common/DialogLook.h"
#include "common/LabelButtonArray.h"
#include "common/SharedState.h"
#include "common/SharedUtil.h"
#include "common/TwipGeometry.h"
#include "common/WidgetColor.h"

#include <QLabel>
#include <QLineEdit>

KubunForm::KubunForm(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("KubunForm"));
    DialogLook::frameless(this, 5000, 3000, 3600, 1700, SharedState::get().ColorSet.BaseBackColor);
    QLabel* prompt = DialogLook::label(QStringLiteral("区分番号を入力してください。"), this, 300, 200);
    WidgetColor::setForeColor(prompt, QColor(128, 128, 255));
    InpTx = new QLineEdit(this);
    InpTx->setObjectName(QStringLiteral("InpTx"));
    TwipGeometry::place(InpTx, 300, 550, 3000, 330);
    InpTx->setText(SharedState::get().Hand.KubunOut);
    CmdGd = new LabelButtonArray(this);
    DialogLook::command(CmdGd, QStringLiteral("OK"), 0, this, 1500, 1150);
    DialogLook::command(CmdGd, QStringLiteral("閉じる"), 1, this, 2400, 1150);
    CmdGd->resetOn(this);
    connect(CmdGd, &LabelButtonArray::clicked, this, &KubunForm::CmdGd_Click);
}

void KubunForm::CmdGd_Click(int index)
{
    if (index == 0)
        SharedState::get().Hand.KubunOut = SharedUtil::Trim(InpTx->text());
    accept();
}
