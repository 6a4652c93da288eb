#include "TprForm.h"

#include "common/DialogLook.h"
#include "common/LabelButtonArray.h"
#include "common/SharedState.h"
#include "common/TwipGeometry.h"

#include <QKeyEvent>
#include <QLineEdit>

TprForm::TprForm(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TprForm"));
    DialogLook::frameless(this, 6000, 3000, 2700, 1850, SharedState::get().ColorSet.DialogBackColor);
    DialogLook::titleLabel(QStringLiteral("T.P.R"), this, 120, 120);
    Label1 = new LabelButtonArray(this);
    DialogLook::command(Label1, QStringLiteral("OK"), 1, this, 1000, 120);
    DialogLook::command(Label1, QStringLiteral("削除"), 2, this, 1500, 120);
    DialogLook::command(Label1, QStringLiteral("閉る"), 0, this, 2100, 120);
    Label1->resetOn(this);
    connect(Label1, &LabelButtonArray::clicked, this, &TprForm::Label1_Click);
    const QStringList captions{QStringLiteral("T="), QStringLiteral("P="), QStringLiteral("R=")};
    for (int i = 0; i < captions.size(); ++i) {
        DialogLook::label(captions.at(i), this, 300, 560 + i * 400);
        auto* box = new QLineEdit(this);
        box->setObjectName(QStringLiteral("InpTx%1").arg(i));
        TwipGeometry::place(box, 700, 520 + i * 400, 1500, 330);
        box->installEventFilter(this);
        InpTx.append(box);
    }
    InpTx[0]->setFocus();
}

QString TprForm::tprText(const QString& t, const QString& p, const QString& r)
{
    return QStringLiteral("T=") + t + QStringLiteral(" P=") + p + QStringLiteral(" R=") + r;
}

void TprForm::Label1_Click(int index)
{
    QString& text = SharedState::get().Hand.TprText;
    if (index == 1)
        text = tprText(InpTx[0]->text(), InpTx[1]->text(), InpTx[2]->text());
    else if (index == 2)
        text.clear();
    accept();
}

bool TprForm::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        const qsizetype box = InpTx.indexOf(static_cast<QLineEdit*>(watched));
        if (box >= 0 && (key == Qt::Key_Return || key == Qt::Key_Enter)) {
            if (box < 2)
                InpTx[box + 1]->setFocus();
            else
                Label1_Click(1);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}
