#pragma once

#include <QDialog>

class LabelButtonArray;
class QLineEdit;

// The number of treatments of the chart's second disease, handed back in KaiInputOut exactly as
// typed; "閉る" hands back an empty text.
class KaiInputForm : public QDialog
{
    Q_OBJECT

public:
    explicit KaiInputForm(QWidget* parent = nullptr);

    QLineEdit* inpTx = nullptr;
    LabelButtonArray* CmdGd = nullptr;

    void CmdGd_Click(int index);
};
