#pragma once

#include "NenGappiState.h"

#include <QDialog>
#include <QList>

class LabelButton;
class LabelButtonArray;
class QFrame;
class QLabel;
class QLineEdit;

// The year-month-day picker: digit labels for the tens and units of the era year, the month and
// the tens and units of the day. It hands the date text and its parts back in the NenGappi
// hand-over values; in 鹿児島県 and 鳥取県 a code can be typed instead of a calving or
// insemination date; 茨城県 remembers the last date in "set\KiokuDate.ini".
class NenGappiForm : public QDialog
{
    Q_OBJECT

public:
    explicit NenGappiForm(QWidget* parent = nullptr);

    enum Group { Year1Gd, Year2Gd, ManthGd, DayGd1, DayGd2 };

    QList<LabelButtonArray*> groups; // by Group
    QLabel* HidukeGd = nullptr;
    LabelButtonArray* Label1 = nullptr;
    QFrame* OpFrame = nullptr;
    QLineEdit* inpTx = nullptr;
    QLabel* Label3 = nullptr;
    QFrame* Shape1 = nullptr;

    const NenGappiState& state() const { return date; }
    // A click on the digit label with the caption in a group.
    void DigitGd_Click(Group group, const QString& caption);
    void Label1_Click(int index);
    void NenGappiSetProc();

    static QString kiokuPath();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildDigits();
    void buildControls();
    void Form_Load();
    void paintGroups();
    void codeAnswer();
    void recall();
    void recallChart();
    void closeStep();
    QString& value(Group group);

    NenGappiState date;
};
