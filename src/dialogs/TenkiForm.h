#pragma once

#include "NenGappiState.h"

#include <QDialog>
#include <QList>

class DigitLabelGroup;
class LabelButtonArray;
class PickerHoverFrame;
class QButtonGroup;
class QFrame;
class QLabel;
class QLineEdit;
class QRadioButton;

// The outcome dialog "転帰入力": the kind of outcome, the outcome date by digit labels (R up to the
// year 29, H from 30), the submission month of the chart and, in 鳥取県, the reason a treatment
// was stopped. "未転帰にする" resets the episode to no outcome. The outcome month and day and the
// submission month are offered again at the next opening (TenkiKioku, for the run).
class TenkiForm : public QDialog
{
    Q_OBJECT

public:
    explicit TenkiForm(QWidget* parent = nullptr);

    enum Group { Year1Gd, Year2Gd, ManthGd, DayGd1, DayGd2, ManthGd2 };

    QList<QFrame*> WakuFrame;
    QList<DigitLabelGroup*> groups; // by Group
    QLabel* HidukeGd = nullptr;
    QLabel* TenkiGd = nullptr;
    QLabel* TeiGd = nullptr;
    QLineEdit* NenTx = nullptr;
    QList<QRadioButton*> SentakuOp;
    QList<QRadioButton*> ChuusiOp;
    LabelButtonArray* Label1 = nullptr;
    PickerHoverFrame* Shape1 = nullptr;
    PickerHoverFrame* Shape2 = nullptr;

    void DigitGd_Click(Group group, const QString& caption);
    void SentakuOp_Click(int index);
    void Label1_Click(int index);
    void TenkiHidukeSetProc();

private:
    QFrame* frame(const QString& heading, int left, int top, int width, int height);
    void buildDate();
    void buildOutcome();
    void buildSubmission();
    void buildChuusi();
    void Form_Load();
    bool ok();
    void remember();

    QButtonGroup* sentaku = nullptr;
    QButtonGroup* chuusi = nullptr;
};
