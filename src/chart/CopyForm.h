#pragma once

#include "KarteCopy.h"

#include <QDialog>
#include <array>

class LabelButtonArray;
class QLabel;
class QLineEdit;

// The episode copy: the open episode of the chart editor into the chart of another animal of the
// same farmer, found by the ear tag typed here, or into a new chart made through the new-chart
// dialog. The chart written is handed back in CopyFileOut.
class CopyForm : public QDialog
{
    Q_OBJECT

public:
    explicit CopyForm(QWidget* parent = nullptr);

    QLineEdit* inpTx = nullptr;
    LabelButtonArray* CmdGd = nullptr;
    std::array<QLabel*, 4> KotaiGd{};
    int CopyNewKarteFlag = 0;

    void CmdGd_Click(int index);

private:
    KarteCopy::Moto moto() const;
    void KarteCopyProc();
    bool writeCopy(bool newKarte);
};
