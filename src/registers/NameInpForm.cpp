#include "NameInpForm.h"

#include "common/FontSetup.h"
#include "common/LabelButtonArray.h"
#include "common/MsgBox.h"
#include "common/SharedState.h"
#include "common/TwipGeometry.h"
#include "common/WidgetColor.h"
#include "common/SharedUtil.h"

#include <QLabel>
#include <QLineEdit>

namespace {
QLabel* label(const QString& text, QWidget* parent, int top, int left = 300, int width = 1300)
{
    auto* l = new QLabel(text, parent);
    TwipGeometry::place(l, left, top, width, 300);
    return l;
}
} // namespace

NameInpForm::NameInpForm(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("NameInpForm"));
    setWindowTitle(QStringLiteral("薬品名登録"));
    setFont(FontSetup::screenFont());
    TwipGeometry::resize(this, 8400, 3300);
    WidgetColor::setBackColor(this, SharedState::get().ColorSet.DialogBackColor);
    label(QStringLiteral("薬品名登録"), this, 150);
    const QStringList& data = SharedState::get().Hand.NameInpData;
    label(QStringLiteral("[ コード ]"), this, 600);
    CodeGd = label(data.value(0), this, 600, 1700, 6300);
    label(QStringLiteral("[ 薬品名 ]"), this, 1000);
    NameGd = label(data.value(1), this, 1000, 1700, 6300);
    label(QStringLiteral("[ 規　格 ]"), this, 1400);
    KikakuGd = label(data.value(2), this, 1400, 1700, 6300);
    label(QStringLiteral("[ 登録名 ]"), this, 1800);
    inpTx = new QLineEdit(data.value(3), this);
    TwipGeometry::place(inpTx, 1700, 1800, 6300, 330);
    CmdGd = new LabelButtonArray(this);
    const QStringList captions{QStringLiteral("閉る"), QStringLiteral("OK"), QStringLiteral("薬品名と同じ"),
                               QStringLiteral("薬品名+規格と同じ"), QStringLiteral("クリア")};
    const int lefts[] = {7000, 6000, 300, 1900, 4200};
    for (int i = 0; i < captions.size(); ++i)
        TwipGeometry::place(CmdGd->add(captions.at(i), i, this), lefts[i], 2550, i == 3 ? 2100 : 1300, 300);
    CmdGd->resetOn(this);
    connect(CmdGd, &LabelButtonArray::clicked, this, &NameInpForm::CmdGd_Click);
}

void NameInpForm::CmdGd_Click(int index)
{
    QStringList& data = SharedState::get().Hand.NameInpData;
    switch (index) {
    case 0:
        reject();
        return;
    case 1:
        if (inpTx->text().contains(QLatin1Char(':'))) {
            MsgBox::show(QStringLiteral(":は使えません。"), QStringLiteral("確認"));
            return;
        }
        if (inpTx->text().contains(QLatin1Char('\''))) {
            MsgBox::show(QStringLiteral(" ' は使用できません。"), QStringLiteral("確認"));
            return;
        }
        data[3] = SharedUtil::KaigyoDelProc(inpTx->text().trimmed());
        accept();
        return;
    case 2:
        inpTx->setText(data.value(1));
        return;
    case 3:
        inpTx->setText(data.value(1) + QLatin1Char(' ') + data.value(2));
        return;
    case 4:
        inpTx->clear();
        return;
    }
}
