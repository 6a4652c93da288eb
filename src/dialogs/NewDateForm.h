#pragma once

#include <QDialog>
#include <QList>

class DigitLabelGroup;
class LabelButtonArray;
class PickerHoverFrame;
class QFrame;
class QLabel;

// The treatment start and end time picker: two panels of digit columns (hour tens 0 to 2, hour
// units, minute tens 0 to 5, minute units). "OK" hands both times back as the chart keeps them
// (8:5), an untouched panel as the empty text; "閉る" hands back two empty texts. It always opens
// blank and refuses nothing.
class NewDateForm : public QDialog
{
    Q_OBJECT

public:
    explicit NewDateForm(QWidget* parent = nullptr);

    enum Column { HourTens, HourUnits, MinuteTens, MinuteUnits };

    QFrame* WakuFrame = nullptr;
    // By panel (0 start, 1 end), then by Column: HourGd1, HourGd, MinitsGd1, MinitsGd and
    // HourGd3, HourGd4, MinitsGd3, MinitsGd4.
    QList<QList<DigitLabelGroup*>> columns;
    QList<QLabel*> HidukeGd;
    LabelButtonArray* Label1 = nullptr;
    PickerHoverFrame* Shape1 = nullptr;

    void JikanSetProc(int mode);
    void Label1_Click(int index);

private:
    void buildPanel(int mode, int left);
};
