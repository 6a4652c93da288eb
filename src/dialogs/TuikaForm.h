#pragma once

#include <QDialog>
#include <QList>

class LabelButtonArray;
class QLabel;
class QRadioButton;

// The examination-day dialog: insert an empty examination day at the chosen one, or delete the
// chosen day and move the later ones up. TuikaDayIn names the day (0 to 19); TuikaOut hands the
// choice back: 1 insert, 2 delete, 0 cancelled. Insert is chosen at every opening.
class TuikaForm : public QDialog
{
    Q_OBJECT

public:
    explicit TuikaForm(QWidget* parent = nullptr);

    QLabel* MotoGd = nullptr;
    QList<QRadioButton*> SyoriOp;
    LabelButtonArray* CmdGd = nullptr;

    void CmdGd_Click(int index);
};
