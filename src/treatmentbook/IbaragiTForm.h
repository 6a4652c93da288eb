#pragma once

#include <QDialog>

class LabelButtonArray;
class QLineEdit;

// The body-temperature dialog of the treatment book: the cell's text in one box; OK (or Enter)
// hands back the box's text exactly as typed, "閉る" hands back "non".
class IbaragiTForm : public QDialog
{
    Q_OBJECT

public:
    explicit IbaragiTForm(QWidget* parent = nullptr);

    QLineEdit* inpTx = nullptr;
    LabelButtonArray* CmdGd = nullptr;

    void CmdGd_Click(int index);
};
