#pragma once

#include <QDialog>
#include <QList>

class DigitLabelGroup;
class LabelButtonArray;
class PickerHoverFrame;
class QFrame;
class QLabel;

// The month and day picker of the dated annotation symbols: a month column and the tens and units
// of the day. The month and the day are handed over in NenGappiManthOut and NenGappiDayOut as
// soon as they are picked; "閉る" empties both. No year, no calendar check.
class PictDateForm : public QDialog
{
    Q_OBJECT

public:
    explicit PictDateForm(QWidget* parent = nullptr);

    enum Column { ManthGd, DayGd1, DayGd2 };

    QFrame* Frame1 = nullptr;
    QList<DigitLabelGroup*> columns; // by Column
    QLabel* HidukeGd = nullptr;
    LabelButtonArray* Label1 = nullptr;
    PickerHoverFrame* Shape1 = nullptr;

    void PictHidukeSetProc();
    void Label1_Click(int index);
};
