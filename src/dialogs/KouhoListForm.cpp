#include "KouhoListForm.h"

#include "common/DialogLook.h"
#include "common/LabelButtonArray.h"
#include "common/SharedState.h"
#include "common/TwipGeometry.h"
#include "registers/KouhoListFile.h"
#include "registers/SetteiData.h"

#include <QListWidget>

KouhoListForm::KouhoListForm(QString& value, const Layout& l, QWidget* parent) : QDialog(parent), text(value)
{
    DialogLook::frameless(this, l.left, l.top, l.width, l.height, SharedState::get().ColorSet.DialogBackColor);
    DialogLook::titleLabel(l.heading, this, l.headingLeft, l.headingTop, 12);
    DialogLook::greyRule(this, 0, 45, l.width);
    DialogLook::greyRule(this, 0, 510, l.width);
    CmdGd = new LabelButtonArray(this);
    DialogLook::command(CmdGd, QStringLiteral("OK"), 1, this, l.okLeft, l.commandTop);
    DialogLook::command(CmdGd, QStringLiteral("削除"), 2, this, l.sakujoLeft, l.commandTop);
    DialogLook::command(CmdGd, QStringLiteral("キャンセル"), 0, this, l.cancelLeft, l.commandTop);
    CmdGd->resetOn(this);
    connect(CmdGd, &LabelButtonArray::clicked, this, &KouhoListForm::CmdGd_Click);
    ListList = new QListWidget(this);
    ListList->setObjectName(QStringLiteral("ListList"));
    TwipGeometry::place(ListList, l.listLeft, l.listTop, 3345, 5070);
    KouhoListFile(SetteiData::path(l.fileName)).load(ListList, true);
    ListList->sortItems();
}

void KouhoListForm::CmdGd_Click(int index)
{
    if (index == 1 && ListList->currentItem() && ListList->currentItem()->isSelected())
        text = ListList->currentItem()->text();
    else if (index == 2)
        text.clear();
    accept();
}
