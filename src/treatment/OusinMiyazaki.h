#pragma once

#include "OusinCodeSentakuProc.h"

#include <QDialog>

class LabelButtonArray;
class OptionArray;
class QLabel;
class QLineEdit;

// The Miyazaki house-call dialog: the time band and the distance choose a house-call code of the
// Miyazaki fee table (a stay and an attendance visit have fixed codes). OK hands band and range,
// distance, code and kind back in OusinOut items 0 to 3; a distance that no code covers is
// refused, an empty or 0 distance is a call made together with another (同時診療).
class OusinMiyazaki : public QDialog
{
    Q_OBJECT

public:
    explicit OusinMiyazaki(QWidget* parent = nullptr);

    QLineEdit* InpTx = nullptr;
    OptionArray* Option1 = nullptr;
    QLabel* CodeGd = nullptr;
    LabelButtonArray* CmdGd = nullptr;

    void CmdGd_Click(int index);
    void runCode();

private:
    void OK();

    QList<OusinCodeSentakuProc::CodeRow> rows;
    OusinCodeSentakuProc::Result held;
};
