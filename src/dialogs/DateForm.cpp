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
    HidukeGd.append(DialogLook::colorLabel(QString(), this, 540, 450, 11.25, QColor(0, 0, 192)));
    HidukeGd[1]->setObjectName(QStringLiteral("HidukeGd1"));
    HidukeGd[1]->resize(TwipGeometry::px(1000), TwipGeometry::px(300));
    Label1 = new LabelButtonArray(this);
    DialogLook::command(Label1, QStringLiteral("OK"), 1, this, 975, 120);
    DialogLook::command(Label1, QStringLiteral("閉る"), 0, this, 1515, 120);
    Label1->resetOn(this);
    connect(Label1, &LabelButtonArray::clicked, this, &DateForm::Label1_Click);
    WakuFrame = new QFrame(this);
    WakuFrame->setFrameShape(QFrame::Box);
    WidgetColor::setBackColor(WakuFrame, back);
    TwipGeometry::place(WakuFrame, 195, 690, 1680, 3840);
    DialogLook::label(QStringLiteral("<<時>>"), WakuFrame, 210, 195);
    DialogLook::label(QStringLiteral("<<分>>"), WakuFrame, 990, 195);
    Shape1 = new PickerHoverFrame(WakuFrame);
    const QList<QPair<QStringList, int>> layout{{{"0", "1", "2", "3"}, 250},
                                                {{"0", "1", "2", "3", "4", "5", "6", "7", "8", "9"}, 490},
                                                {{"0", "1", "2", "3", "4", "5"}, 1030},
                                                {{"0", "1", "2", "3", "4", "5", "6", "7", "8", "9"}, 1285}};
    for (int c = 0; c < layout.size(); ++c) {
        auto* group = new DigitLabelGroup(this);
        group->setHoverFrame(Shape1);
        group->addColumn(layout.at(c).first, WakuFrame, layout.at(c).second, 435);
        for (const int i : group->indexes())
            group->at(i)->setObjectName(QStringLiteral("Digit%1_%2").arg(c).arg(i));
        connect(group, &DigitLabelGroup::clicked, this, &DateForm::KyusinJikanSetProc);
        columns.append(group);
    }
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
