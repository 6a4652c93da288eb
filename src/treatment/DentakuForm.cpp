#include "DentakuForm.h"

#include "NyuryokuLook.h"
#include "TensuText.h"
#include "common/LabelButtonArray.h"
#include "common/MsgBox.h"
#include "common/SharedState.h"

#include <QLineEdit>

DentakuForm::DentakuForm(QWidget* parent) : QDialog(parent)
{
    NyuryokuLook::dialog(this, QStringLiteral("DentakuForm"), 3000, 1200, 3400, 1300);
    NyuryokuLook::label(QStringLiteral("数量計算"), this, 150, 100, 1500);
    for (int i = 0; i < 2; ++i)
        inpTx.append(NyuryokuLook::lineEdit(QStringLiteral("inpTx%1").arg(i), this, 150 + 1700 * i, 500, 1300));
    NyuryokuLook::onEnter(inpTx[0], [this] {
        inpTx[1]->clear();
        inpTx[1]->setFocus();
    });
    NyuryokuLook::onEnter(inpTx[1], [this] { Label1_Click(1); });
    NyuryokuLook::label(QStringLiteral("÷"), this, 1550, 520, 250);
    Label1 = NyuryokuLook::commands(this, {{0, QStringLiteral("閉る"), 2500, 100, 700},
                                           {1, QStringLiteral("OK"), 1700, 100, 700}},
                                    false);
    connect(Label1, &LabelButtonArray::clicked, this, &DentakuForm::Label1_Click);
    SharedState::get().Hand.DentakuOut = QStringLiteral("0");
    inpTx[0]->setFocus();
}

std::optional<QString> DentakuForm::DentakuKeisanProc(const QString& dividend, const QString& divisor)
{
    const float a = float(TensuText::value(dividend));
    const float b = float(TensuText::value(divisor));
    if (a == 0 || b == 0)
        return std::nullopt;
    return QString::number(double(a / b), 'f', 2);
}

void DentakuForm::keisan()
{
    if (const auto out = DentakuKeisanProc(inpTx[0]->text(), inpTx[1]->text()))
        SharedState::get().Hand.DentakuOut = *out;
    else
        MsgBox::show(QStringLiteral("数値を入力してください。"), QStringLiteral("確認"));
}

void DentakuForm::Label1_Click(int index)
{
    if (index == 1)
        keisan();
    accept();
}
