#pragma once

#include "NenGappiState.h"

#include <QDialog>
#include <QList>

class DigitLabelGroup;
class LabelButtonArray;
class PickerHoverFrame;
class QFrame;
class QLabel;
class QLineEdit;

// The year-month-day picker: digit labels for the era, the tens and units of the era year, the
// month and the tens and units of the day. It hands the date text and its parts back in the
// NenGappi hand-over values: NenGappiOut holds the date text only while a full date is chosen in
// this opening (empty otherwise), the parts are emptied by "閉る". In 鹿児島県 and 鳥取県 a code can
// be typed instead of a calving or insemination date; "記憶呼び出し" recalls the date the open chart
// editor (or, in the 茨城県 farm sites, the treatment book) remembers; 茨城県 keeps the last date
// in "set\KiokuDate.ini".
class NenGappiForm : public QDialog
{
    Q_OBJECT

public:
    explicit NenGappiForm(QWidget* parent = nullptr);
    // Sets both modes back to 0: no later opener inherits the modes of this one.
    ~NenGappiForm() override;

    // Every opener goes through here: it sets both modes for this opening and shows the picker.
    static int open(QWidget* parent, int mode, int birthMode);

    enum Group { Year1Gd, Year2Gd, ManthGd, DayGd1, DayGd2, GengoGd };

    QList<DigitLabelGroup*> groups; // by Group
    QFrame* WakuFrame = nullptr;
    QLabel* HidukeGd = nullptr;
    LabelButtonArray* Label1 = nullptr;
    QFrame* OpFrame = nullptr;
    QLineEdit* inpTx = nullptr;
    QLabel* Label3 = nullptr;
    PickerHoverFrame* Shape1 = nullptr;

    const NenGappiState& state() const { return date; }
    // A click on the digit label with the caption in a group.
    void DigitGd_Click(Group group, const QString& caption);
    void Label1_Click(int index);
    void NenGappiSetProc();

    static QString kiokuPath();

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
