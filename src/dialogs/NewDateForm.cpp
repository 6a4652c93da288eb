#include "NewDateForm.h"

#include "DigitLabelGroup.h"
#include "PickerHoverFrame.h"
#include "PickerText.h"
#include "common/DialogLook.h"
#include "common/LabelButtonArray.h"
#include "common/SharedState.h"
#include "common/TwipGeometry.h"
#include "common/WidgetColor.h"

#include <QFrame>
#include <QLabel>

namespace {
void verticalRule(QWidget* parent, int left, int top, int height)
{
    auto* line = new QFrame(parent);
    line->setFrameShape(QFrame::VLine);
    line->setFrameShadow(QFrame::Plain);
    WidgetColor::setForeColor(line, QColor(192, 192, 192));
    line->setGeometry(TwipGeometry::px(left), TwipGeometry::px(top), 1, TwipGeometry::px(height));
}
} // namespace

NewDateForm::NewDateForm(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("NewDateForm"));
    const QColor back = SharedState::get().ColorSet.DialogBackColor;
    DialogLook::frameless(this, 4000, 1500, 3525, 4425, back);
    DialogLook::titleLabel(QStringLiteral("診療時間"), this, 120, 165);
    Label1 = new LabelButtonArray(this);
    DialogLook::command(Label1, QStringLiteral("OK"), 1, this, 2175, 150);
    DialogLook::command(Label1, QStringLiteral("閉る"), 0, this, 2925, 150);
    Label1->resetOn(this);
    connect(Label1, &LabelButtonArray::clicked, this, &NewDateForm::Label1_Click);
    WakuFrame = DialogLook::frame(this, 45, 495, 3405, 3855, back);
    verticalRule(WakuFrame, 1695, 0, 3855);
    Shape1 = new PickerHoverFrame(WakuFrame);
    buildPanel(0, 0);
    buildPanel(1, 1695);
}

void NewDateForm::buildPanel(int mode, int left)
{
    DialogLook::label(mode == 0 ? QStringLiteral("開始") : QStringLiteral("終了"), WakuFrame, left + 210, 195);
    HidukeGd.append(DialogLook::resultLabel(QStringLiteral("HidukeGd%1").arg(mode), WakuFrame,
                                            left + 855 - (mode == 0 ? 0 : 15), 165, 800));
    DialogLook::label(QStringLiteral("<<時>>"), WakuFrame, left + 250, 510);
    DialogLook::label(QStringLiteral("<<分>>"), WakuFrame, left + 1030, 510);
    const QList<DigitLabelGroup*> panel = DigitLabelGroup::columns(
        this, WakuFrame, Shape1,
        {{DigitLabelGroup::numbers(0, 2), left + 250}, {DigitLabelGroup::numbers(0, 9), left + 490},
         {DigitLabelGroup::numbers(0, 5), left + 1030}, {DigitLabelGroup::numbers(0, 9), left + 1285}},
        740, 270, QStringLiteral("Digit%1_").arg(mode));
    for (DigitLabelGroup* group : panel)
        connect(group, &DigitLabelGroup::clicked, this, [this, mode] { JikanSetProc(mode); });
    verticalRule(WakuFrame, left + 465, 740, 2745);
    verticalRule(WakuFrame, left + 1255, 740, 2745);
    columns.append(panel);
}

void NewDateForm::JikanSetProc(int mode)
{
    const QList<DigitLabelGroup*>& c = columns.at(mode);
    HidukeGd[mode]->setText(PickerText::jikan(c[HourTens]->value(), c[HourUnits]->value(), c[MinuteTens]->value(),
                                              c[MinuteUnits]->value()));
}

void NewDateForm::Label1_Click(int index)
{
    HandOver& h = SharedState::get().Hand;
    h.StartTimeOut.clear();
    h.EndTimeOut.clear();
    if (index == 1) {
        h.StartTimeOut = HidukeGd[0]->text();
        h.EndTimeOut = HidukeGd[1]->text();
    }
    accept();
}
