#include "TourokuNameForm.h"

#include "common/DialogLook.h"
#include "common/LabelButtonArray.h"
#include "common/MsgBox.h"
#include "common/SharedState.h"
#include "common/SharedUtil.h"
#include "common/TwipGeometry.h"

#include <QLineEdit>

TourokuNameForm::TourokuNameForm(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TourokuNameForm"));
    DialogLook::frameless(this, 5000, 3000, 4500, 1700, SharedState::get().ColorSet.BaseBackColor);
    DialogLook::titleLabel(QStringLiteral("[雛形登録名]"), this, 150, 150);
    CmdGd = new LabelButtonArray(this);
    DialogLook::command(CmdGd, QStringLiteral("OK"), 0, this, 2700, 150);
    DialogLook::command(CmdGd, QStringLiteral("キャンセル"), 1, this, 3300, 150);
    CmdGd->resetOn(this);
    connect(CmdGd, &LabelButtonArray::clicked, this, &TourokuNameForm::CmdGd_Click);
    inpTx = new QLineEdit(this);
    inpTx->setObjectName(QStringLiteral("inpTx"));
    TwipGeometry::place(inpTx, 150, 600, 4200, 330);
    DialogLook::label(QStringLiteral("注）￥/*？”，：％　は使えません。"), this, 150, 1100);
    inpTx->setText(SharedState::get().Hand.TourokuNameText);
}

bool TourokuNameForm::nameUsable(const QString& name)
{
    static const QString refused = QStringLiteral("\\/*?\",:;%<>|");
    for (const QChar c : name)
        if (refused.contains(c))
            return false;
    return true;
}

void TourokuNameForm::CmdGd_Click(int index)
{
    QString& out = SharedState::get().Hand.TourokuNameText;
    if (index == 1) {
        out.clear();
        accept();
        return;
    }
    const QString name = SharedUtil::Trim(inpTx->text());
    if (!nameUsable(name)) {
        MsgBox::show(QStringLiteral("使用できない文字が含まれています。"), QStringLiteral("確認"));
        return;
    }
    out = name;
    accept();
}
