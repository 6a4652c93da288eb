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
    HidukeGd = DialogLook::colorLabel(QStringLiteral("<>"), this, 600, 450, 11.25, QColor(0, 0, 192));
    HidukeGd->setObjectName(QStringLiteral("HidukeGd"));
    HidukeGd->setAlignment(Qt::AlignCenter);
    HidukeGd->resize(TwipGeometry::px(900), TwipGeometry::px(300));
    Frame1 = new QFrame(this);
    Frame1->setFrameShape(QFrame::Box);
    WidgetColor::setBackColor(Frame1, back);
    TwipGeometry::place(Frame1, 75, 720, 1950, 4020);
    DialogLook::label(QStringLiteral("<<月>>"), Frame1, 150, 250);
    DialogLook::label(QStringLiteral("<<日>>"), Frame1, 1000, 250);
    Shape1 = new PickerHoverFrame(Frame1);
    const QList<QPair<QStringList, int>> layout{
        {{"1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12"}, 300},
        {{"0", "1", "2", "3"}, 1050},
        {{"0", "1", "2", "3", "4", "5", "6", "7", "8", "9"}, 1400}};
    for (int c = 0; c < layout.size(); ++c) {
        auto* group = new DigitLabelGroup(this);
        group->setHoverFrame(Shape1);
        group->addColumn(layout.at(c).first, Frame1, layout.at(c).second, 570, 270, c == ManthGd ? 345 : 195);
        for (const int i : group->indexes())
            group->at(i)->setObjectName(QStringLiteral("Digit%1_%2").arg(c).arg(group->at(i)->text()));
        connect(group, &DigitLabelGroup::clicked, this, &PictDateForm::PictHidukeSetProc);
        columns.append(group);
    }
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
