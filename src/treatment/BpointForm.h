#pragma once

#include <QDialog>

class LabelButtonArray;
class QLabel;
class QLineEdit;

// "薬価・点数入力": a new drug price or points for one cell of a treatment line. Shows BpointIn,
// hands the number typed back in BpointOut (grouping commas dropped), or empty after "閉る".
class BpointForm : public QDialog
{
    Q_OBJECT

public:
    explicit BpointForm(QWidget* parent = nullptr);

    QLabel* MotoGd = nullptr;
    QLineEdit* inpTx = nullptr;
    LabelButtonArray* CmdGd = nullptr;

    void CmdGd_Click(int index);

private:
    void OK();
};
