#include "DateForm.h"

#include "DigitLabelGroup.h"
#include "PickerHoverFrame.h"
#include "PickerText.h"
#include "common/DialogLook.h"
#include "common/LabelButtonArray.h"
#include "common/MsgBox.h"
#include "common/SharedState.h"
#include "common/TwipGeometry.h"
#include "common/WidgetColor.h"

#include <QFrame>
#include <QLabel>

DateForm::DateForm(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("DateForm"));
    setWindowTitle(QString());
    const QColor back = SharedState::get().ColorSet.DialogBackColor;
    resize(TwipGeometry::px(2040), TwipGeometry::px(4620));
    move(TwipGeometry::px(6000), TwipGeometry::px(2500));
    WidgetColor::setBackColor(this, back);
    HidukeGd.append(DialogLook::colorLabel(QStringLiteral("求診時間"), this, 15, 120, 9.75, QColor(0, 0, 255)));
    HidukeGd.append(DialogLook::resultLabel(QStringLiteral("HidukeGd1"), this, 540, 450, 1000));
    Label1 = new LabelButtonArray(this);
    DialogLook::command(Label1, QStringLiteral("OK"), 1, this, 975, 120);
    DialogLook::command(Label1, QStringLiteral("閉る"), 0, this, 1515, 120);
    Label1->resetOn(this);
    connect(Label1, &LabelButtonArray::clicked, this, &DateForm::Label1_Click);
    WakuFrame = DialogLook::frame(this, 195, 690, 1680, 3840, back);
    DialogLook::label(QStringLiteral("<<時>>"), WakuFrame, 210, 195);
    DialogLook::label(QStringLiteral("<<分>>"), WakuFrame, 990, 195);
    Shape1 = new PickerHoverFrame(WakuFrame);
    columns = DigitLabelGroup::columns(this, WakuFrame, Shape1,
                                       {{DigitLabelGroup::numbers(0, 3), 250}, {DigitLabelGroup::numbers(0, 9), 490},
                                        {DigitLabelGroup::numbers(0, 5), 1030}, {DigitLabelGroup::numbers(0, 9), 1285}},
                                       435, 270, QStringLiteral("Digit"));
    for (DigitLabelGroup* group : std::as_const(columns))
        connect(group, &DigitLabelGroup::clicked, this, &DateForm::KyusinJikanSetProc);
}

void DateForm::KyusinJikanSetProc()
{
    HidukeGd[1]->setText(PickerText::jikan(columns[0]->value(), columns[1]->value(), columns[2]->value(),
                                           columns[3]->value()));
}

void DateForm::Label1_Click(int index)
{
    if (index == 0) {
        reject();
        return;
    }
    if (HidukeGd[1]->text().isEmpty()) {
        MsgBox::show(QStringLiteral("入力されていません。"), QStringLiteral("確認"));
        return;
    }
    SharedState::get().Hand.KyusinJikanOut = HidukeGd[1]->text();
    accept();
}

void DateForm::reject()
{
    SharedState::get().Hand.KyusinJikanOut.clear();
    QDialog::reject();
}
