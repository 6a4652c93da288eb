#pragma once

#include <QDialog>
#include <QList>

class DigitLabelGroup;
class LabelButtonArray;
class PickerHoverFrame;
class QFrame;
class QLabel;

// The call time picker: hour tens 0 to 3, hour units, minute tens 0 to 5, minute units. "OK" hands
// the time back in KyusinJikanOut (refused with "入力されていません。" before the first pick);
// "閉る" and the window's close box hand back the empty text. Unlike the other pickers it keeps a
// title bar (without text) with the close box.
class DateForm : public QDialog
{
    Q_OBJECT

public:
    explicit DateForm(QWidget* parent = nullptr);

    QFrame* WakuFrame = nullptr;
    QList<DigitLabelGroup*> columns; // HourGd1, HourGd, MinitsGd1, MinitsGd
    QList<QLabel*> HidukeGd;         // 0 the title, 1 the time
    LabelButtonArray* Label1 = nullptr;
    PickerHoverFrame* Shape1 = nullptr;

    void KyusinJikanSetProc();
    void Label1_Click(int index);
    void reject() override;
};
