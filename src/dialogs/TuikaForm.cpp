#include "TuikaForm.h"

#include "common/DialogLook.h"
#include "common/FontSetup.h"
#include "common/LabelButtonArray.h"
#include "common/SharedState.h"
#include "common/TwipGeometry.h"
#include "common/WidgetColor.h"

#include <QFrame>
#include <QLabel>
#include <QRadioButton>

TuikaForm::TuikaForm(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TuikaForm"));
    const QColor back = SharedState::get().ColorSet.DialogBackColor;
    DialogLook::frameless(this, 3500, 1500, 4245, 2415, back);
    DialogLook::titleLabel(QStringLiteral("中間診療日　追加・削除"), this, 165, 150);
    DialogLook::greyRule(this, 0, 450, 4245);
    CmdGd = new LabelButtonArray(this);
    DialogLook::command(CmdGd, QStringLiteral("キャンセル"), 0, this, 3240, 150)->setFont([] {
        QFont f = DialogLook::commandFont(true);
        f.setPointSizeF(9);
        return f;
    }());
    DialogLook::command(CmdGd, QStringLiteral("実行"), 1, this, 3225, 660);
    CmdGd->resetOn(this);
    connect(CmdGd, &LabelButtonArray::clicked, this, &TuikaForm::CmdGd_Click);
    MotoGd = DialogLook::label(QString(), this, 360, 660);
    MotoGd->setObjectName(QStringLiteral("MotoGd"));
    auto* waku = new QFrame(this);
    WidgetColor::setBackColor(waku, back);
    waku->setFrameShape(QFrame::Box);
    TwipGeometry::place(waku, 330, 1020, 3330, 990);
    const QStringList captions{QStringLiteral("空白診療日を追加する。"), QStringLiteral("選択診療日を削除し、以降を詰める。")};
    for (int i = 0; i < captions.size(); ++i) {
        auto* option = new QRadioButton(captions.at(i), waku);
        option->setObjectName(QStringLiteral("SyoriOp%1").arg(i));
        option->setFont(FontSetup::screenFont());
        WidgetColor::setBackColor(option, back);
        option->move(TwipGeometry::px(165), TwipGeometry::px(i == 0 ? 255 : 585));
        option->adjustSize();
        SyoriOp.append(option);
    }
    QLabel* note = DialogLook::label(QStringLiteral("※追加・削除しても20診療日は変わりません。"), this, 510, 2085);
    WidgetColor::setForeColor(note, QColor(192, 192, 255));
    MotoGd->setText(QStringLiteral("選択診療日：[診療-%1]").arg(SharedState::get().Hand.TuikaDayIn + 1));
    MotoGd->adjustSize();
    SyoriOp[0]->setChecked(true);
}

void TuikaForm::CmdGd_Click(int index)
{
    int& out = SharedState::get().Hand.TuikaOut;
    out = index == 0 ? 0 : SyoriOp[0]->isChecked() ? 1 : 2;
    accept();
}
