#include "IbaragiTForm.h"

#include "common/LabelButtonArray.h"
#include "common/SharedState.h"
#include "treatment/NyuryokuLook.h"

#include <QLabel>
#include <QLineEdit>

namespace {
enum Command { Tojiru, Ok };
}

IbaragiTForm::IbaragiTForm(QWidget* parent) : QDialog(parent)
{
    NyuryokuLook::dialog(this, QStringLiteral("IbaragiTForm"), 6000, 4000, 3600, 1095);
    NyuryokuLook::label(QStringLiteral("体温"), this, 150, 75, 800)->setStyleSheet(
        QStringLiteral("color: rgb(0,192,0); font-weight: bold;"));
    CmdGd = NyuryokuLook::commands(this, {{Ok, QStringLiteral("OK"), 2175, 90, 600},
                                          {Tojiru, QStringLiteral("閉る"), 3045, 90, 500}},
                                   false);
    connect(CmdGd, &LabelButtonArray::clicked, this, &IbaragiTForm::CmdGd_Click);
    inpTx = NyuryokuLook::lineEdit(QStringLiteral("inpTx"), this, 1410, 570, 705);
    inpTx->setAlignment(Qt::AlignCenter);
    inpTx->setAttribute(Qt::WA_InputMethodEnabled, false);
    inpTx->setText(SharedState::get().Hand.IbaragiDialogText);
    NyuryokuLook::onEnter(inpTx, [this] { CmdGd_Click(Ok); });
    NyuryokuLook::selectOnClick(inpTx);
}

void IbaragiTForm::CmdGd_Click(int index)
{
    SharedState::get().Hand.IbaragiDialogText = index == Ok ? inpTx->text() : QStringLiteral("non");
    accept();
}
