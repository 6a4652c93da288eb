#include "PictDateForm.h"

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

PictDateForm::PictDateForm(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("PictDateForm"));
    const QColor back = SharedState::get().ColorSet.DialogBackColor;
    DialogLook::frameless(this, 6000, 1500, 2100, 4815, back);
    DialogLook::titleLabel(QStringLiteral("日付"), this, 75, 135);
    Label1 = new LabelButtonArray(this);
    Label1->setHoverColor(Qt::black); // no hover colour
    DialogLook::command(Label1, QStringLiteral("OK"), 1, this, 1050, 120);
    DialogLook::command(Label1, QStringLiteral("閉る"), 0, this, 1575, 120);
    connect(Label1, &LabelButtonArray::clicked, this, &PictDateForm::Label1_Click);
    HidukeGd = DialogLook::resultLabel(QStringLiteral("HidukeGd"), this, 600, 450, 900);
    HidukeGd->setText(QStringLiteral("<>"));
    HidukeGd->setAlignment(Qt::AlignCenter);
    Frame1 = DialogLook::frame(this, 75, 720, 1950, 4020, back);
    DialogLook::label(QStringLiteral("<<月>>"), Frame1, 150, 250);
    DialogLook::label(QStringLiteral("<<日>>"), Frame1, 1000, 250);
    Shape1 = new PickerHoverFrame(Frame1);
    columns = DigitLabelGroup::columns(this, Frame1, Shape1,
                                       {{DigitLabelGroup::numbers(1, 12), 300, 345}, {DigitLabelGroup::numbers(0, 3), 1050},
                                        {DigitLabelGroup::numbers(0, 9), 1400}},
                                       570, 270, QStringLiteral("Digit"));
    for (DigitLabelGroup* group : std::as_const(columns))
        connect(group, &DigitLabelGroup::clicked, this, &PictDateForm::PictHidukeSetProc);
    HandOver& h = SharedState::get().Hand;
    h.NenGappiManthOut.clear();
    h.NenGappiDayOut.clear();
}

void PictDateForm::PictHidukeSetProc()
{
    HandOver& h = SharedState::get().Hand;
    h.NenGappiManthOut = columns[ManthGd]->value();
    h.NenGappiDayOut = PickerText::digits(columns[DayGd1]->value(), columns[DayGd2]->value());
    HidukeGd->setText(h.NenGappiManthOut + QLatin1Char('/') + h.NenGappiDayOut);
}

void PictDateForm::Label1_Click(int index)
{
    if (index == 0) {
        HandOver& h = SharedState::get().Hand;
        h.NenGappiManthOut.clear();
        h.NenGappiDayOut.clear();
    }
    accept();
}
