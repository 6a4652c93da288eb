#pragma once

#include <QDialog>

class LabelButtonArray;
class QLabel;
class QLineEdit;

// The registered-name dialog of the drug-name page: shows the drug's code, name and standard and
// edits its registered name, handed over in NameInpData (element 3 in and out).
class NameInpForm : public QDialog
{
    Q_OBJECT

public:
    explicit NameInpForm(QWidget* parent = nullptr);

    QLabel* CodeGd = nullptr;
    QLabel* NameGd = nullptr;
    QLabel* KikakuGd = nullptr;
    QLineEdit* inpTx = nullptr;
    LabelButtonArray* CmdGd = nullptr;

    void CmdGd_Click(int index);
};
