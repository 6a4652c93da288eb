#include "TottoriTikushuForm.h"

#include "NyuryokuLook.h"
#include "common/LabelButtonArray.h"
#include "common/SharedState.h"
#include "common/TwipGeometry.h"

#include <QListWidget>

TottoriTikushuForm::TottoriTikushuForm(QWidget* parent) : QDialog(parent)
{
    NyuryokuLook::dialog(this, QStringLiteral("TottoriTikushuForm"), 5000, 1000, 2700, 3300);
    DtList = new QListWidget(this);
    DtList->setObjectName(QStringLiteral("DtList"));
    TwipGeometry::place(DtList, 150, 500, 2400, 2600);
    DtList->addItems(entries(SharedState::get().Hand.TikushuMode));
    connect(DtList, &QListWidget::itemClicked, this, &TottoriTikushuForm::DtList_Click);
    CmdGd = NyuryokuLook::commands(this, {{0, QStringLiteral("閉る"), 1850, 100, 700}}, false);
    connect(CmdGd, &LabelButtonArray::clicked, this, &TottoriTikushuForm::CmdGd_Click);
}

QStringList TottoriTikushuForm::entries(int mode)
{
    if (mode == 0)
        return {QStringLiteral("成乳牛"),     QStringLiteral("育成乳牛"),   QStringLiteral("乳用子牛"),
                QStringLiteral("乳用胎児"),   QStringLiteral("肥育用成牛"), QStringLiteral("肥育用子牛"),
                QStringLiteral("他肉成牛"),   QStringLiteral("他肉子牛"),   QStringLiteral("他肉胎児")};
    if (mode == 1)
        return {QStringLiteral("雄"), QStringLiteral("雌"), QStringLiteral("去")};
    return {};
}

void TottoriTikushuForm::DtList_Click()
{
    QListWidgetItem* item = DtList->currentItem();
    if (!item || !item->isSelected())
        return;
    SharedState::get().Hand.TikushuOut = item->text();
    accept();
}

void TottoriTikushuForm::CmdGd_Click(int)
{
    SharedState::get().Hand.TikushuOut.clear();
    reject();
}
