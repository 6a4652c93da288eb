#include "BpointForm.h"

#include "NyuryokuLook.h"
#include "TensuText.h"
#include "common/LabelButtonArray.h"
#include "common/MsgBox.h"
#include "common/SharedState.h"

#include <QLabel>
#include <QLineEdit>

BpointForm::BpointForm(QWidget* parent) : QDialog(parent)
{
    NyuryokuLook::dialog(this, QStringLiteral("BpointForm"), 7500, 1500, 4200, 1900);
    NyuryokuLook::label(QStringLiteral("薬価・点数入力"), this, 150, 100, 2000);
    NyuryokuLook::label(QStringLiteral("現在入力されている薬価又は点数"), this, 150, 500, 3000);
    MotoGd = NyuryokuLook::value(QStringLiteral("MotoGd"), SharedState::get().Hand.BpointIn, this, 3200, 500, 900);
    NyuryokuLook::label(QStringLiteral("入力薬価又は点数"), this, 150, 1000, 2000);
    inpTx = NyuryokuLook::lineEdit(QStringLiteral("inpTx"), this, 2200, 970, 1500);
    NyuryokuLook::onEnter(inpTx, [this] { OK(); });
    CmdGd = NyuryokuLook::commands(this, {{1, QStringLiteral("OK"), 2300, 1500, 700},
                                          {0, QStringLiteral("閉る"), 3200, 1500, 700}});
    connect(CmdGd, &LabelButtonArray::clicked, this, &BpointForm::CmdGd_Click);
    inpTx->setFocus();
}

void BpointForm::OK()
{
    const QString title = QStringLiteral("確認");
    if (inpTx->text().isEmpty()) {
        MsgBox::show(QStringLiteral("点数を入力してください。"), title);
        inpTx->setFocus();
        return;
    }
    const std::optional<QString> number = TensuText::typedNumber(inpTx->text());
    if (!number) {
        MsgBox::show(QStringLiteral("数値を入力してください。"), title);
        inpTx->setFocus();
        return;
    }
    SharedState::get().Hand.BpointOut = *number;
    accept();
}

void BpointForm::CmdGd_Click(int index)
{
    if (index == 1) {
        OK();
        return;
    }
    SharedState::get().Hand.BpointOut.clear();
    reject();
}
