#pragma once

#include <QDialog>

class FlexGrid;
class LabelButtonArray;

// The symptom candidates of the post-mortem certificate, numbered 1 to 50: a click on a row
// chooses its text (KenanKouhoOut, emptied at every opening); "OK" and "閉る" both close.
class KenanKouhoForm : public QDialog
{
    Q_OBJECT

public:
    explicit KenanKouhoForm(QWidget* parent = nullptr);

    FlexGrid* KouhoGrid = nullptr;
    LabelButtonArray* CmdGd = nullptr;

    void KouhoGrid_Click(int row);
};
