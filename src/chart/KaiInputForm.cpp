#include "KaiInputForm.h"

#include "common/LabelButtonArray.h"
#include "common/MsgBox.h"
#include "common/SharedState.h"
#include "common/TwipGeometry.h"
#include "common/WidgetColor.h"
#include "treatment/TensuText.h"

#include <QLabel>
#include <QLineEdit>

KaiInputForm::KaiInputForm(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("KaiInputForm"));
    setWindowTitle(QStringLiteral("診療回数"));
    TwipGeometry::resize(this, 3600, 1500);
    WidgetColor::setBackColor(this, SharedState::get().ColorSet.DialogBackColor);
    TwipGeometry::place(new QLabel(QStringLiteral("病名2の診療回数"), this), 200, 150, 3000, 300);
    inpTx = new QLineEdit(this);
    inpTx->setObjectName(QStringLiteral("inpTx"));
    TwipGeometry::place(inpTx, 200, 550, 1500, 330);
    TwipGeometry::place(new QLabel(QStringLiteral("回"), this), 1800, 580, 300, 300);
    CmdGd = new LabelButtonArray(this);
    const QString captions[] = {QStringLiteral("閉る"), QStringLiteral("OK")};
    const int lefts[] = {2700, 2000};
    for (int i = 0; i < 2; ++i)
        TwipGeometry::place(CmdGd->add(captions[i], i, this), lefts[i], 1050, 600, 300);
    CmdGd->setHoverColor(SharedState::get().ColorSet.HoverColor);
    CmdGd->resetOn(this);
    connect(CmdGd, &LabelButtonArray::clicked, this, &KaiInputForm::CmdGd_Click);
}

void KaiInputForm::CmdGd_Click(int index)
{
    QString& out = SharedState::get().Hand.KaiInputOut;
    if (index == 0) {
        out.clear();
        reject();
    } else if (index == 1) {
        if (TensuText::value(inpTx->text()) == 0) {
            MsgBox::show(QStringLiteral("回数を入力してください。"), QStringLiteral("確認"));
            return;
        }
        out = inpTx->text();
        accept();
    }
}
