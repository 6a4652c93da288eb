#include "MiyazakiCodeForm.h"

#include "NyuryokuLook.h"
#include "common/LabelButtonArray.h"
#include "common/SharedState.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>

namespace {
enum Command { Tojiru, Ok };
}

MiyazakiCodeForm::MiyazakiCodeForm(QWidget* parent)
    : QDialog(parent), lookup(MiyazakiCodeLookup::load(SharedState::get().Tables.SinryoMiyazakiTable))
{
    NyuryokuLook::dialog(this, QStringLiteral("MiyazakiCodeForm"), 3000, 3000, 8000, 3900);
    SharedState::get().Hand.TyusyaOut = QStringList(12);
    NyuryokuLook::value(QStringLiteral("TitleGd0"), QStringLiteral("コード入力"), this, 150, 100, 1500);
    const QStringList captions{QStringLiteral("診療コード"), QStringLiteral("薬品コード"), QStringLiteral("数量")};
    for (int i = 0; i < 3; ++i) {
        NyuryokuLook::label(captions.at(i), this, 150, 550 + 700 * i, 1100);
        InpTx.append(NyuryokuLook::lineEdit(QStringLiteral("InpTx%1").arg(i), this, 1300, 520 + 700 * i, 1100));
        InpTx.last()->installEventFilter(this);
        connect(InpTx.last(), &QLineEdit::textChanged, this, [this, i] { InpTx_Change(i); });
    }
    InpTx[0]->setMaxLength(5);
    InpTx[1]->setMaxLength(4);
    for (int i = 0; i < 2; ++i)
        CodeGd.append(NyuryokuLook::value(QStringLiteral("CodeGd%1").arg(i), QString(), this, 2550, 550 + 700 * i, 5300));
    NyuryokuLook::label(QStringLiteral("（頭に*を付けると診療コードは記入されません）"), this, 1300, 850, 6500);
    NyuryokuLook::label(QStringLiteral("※数量は薬価の基準数量に対する倍数を入力してください。"), this, 2550, 1950, 5400);
    NyuryokuLook::label(QStringLiteral("（例：単位数量10ｍｌの薬を20ｍｌ使用した場合は2を入力）"), this, 2550, 2250, 5400);
    NyuryokuLook::label(QStringLiteral("※前年度の薬価で計算する場合は、OK後、入力欄で修正してください。"), this, 150, 2700, 7600);
    CmdGd = NyuryokuLook::commands(this, {{Ok, QStringLiteral("OK"), 6300, 100, 700},
                                          {Tojiru, QStringLiteral("閉る"), 7100, 100, 700}},
                                   false);
    connect(CmdGd, &LabelButtonArray::clicked, this, &MiyazakiCodeForm::CmdGd_Click);
}

void MiyazakiCodeForm::InpTx_Change(int index)
{
    QStringList& out = SharedState::get().Hand.TyusyaOut;
    const QString text = InpTx[index]->text();
    if (index == 0)
        CodeGd[0]->setText(lookup.sinryo(text, out));
    else if (index == 1)
        CodeGd[1]->setText(lookup.yakuhin(text, out));
    else
        out[7] = text;
}

void MiyazakiCodeForm::CmdGd_Click(int index)
{
    if (index == Tojiru) {
        SharedState::get().Hand.TyusyaOut[0] = QStringLiteral("non");
        reject();
        return;
    }
    accept();
}

bool MiyazakiCodeForm::eventFilter(QObject* watched, QEvent* event)
{
    const int index = int(InpTx.indexOf(qobject_cast<QLineEdit*>(watched)));
    if (index < 0)
        return QDialog::eventFilter(watched, event);
    if (event->type() == QEvent::MouseButtonPress) {
        QLineEdit* box = InpTx[index];
        box->setFocus();
        box->selectAll();
        return true;
    }
    if (event->type() != QEvent::KeyPress)
        return QDialog::eventFilter(watched, event);
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        if (index == 2)
            CmdGd_Click(Ok);
        else
            InpTx[index + 1]->setFocus();
        return true;
    }
    if (key == Qt::Key_Down && index < 2) {
        InpTx[index + 1]->setFocus();
        return true;
    }
    if (key == Qt::Key_Up && index > 0) {
        InpTx[index - 1]->setFocus();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}
