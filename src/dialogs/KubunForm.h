#pragma once

#include <QDialog>

class LabelButtonArray;
class QLineEdit;

// The classification number entry: shows KubunOut, and "OK" keeps the typed number, trimmed, in
// it for the rest of the run; "閉じる" keeps the previous number.
class KubunForm : public QDialog
{
    Q_OBJECT

public:
    explicit KubunForm(QWidget* parent = nullptr);

    QLineEdit* InpTx = nullptr;
    LabelButtonArray* CmdGd = nullptr;

    void CmdGd_Click(int index);
};
