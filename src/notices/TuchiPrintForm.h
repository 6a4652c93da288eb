#pragma once

#include <QDialog>
#include <array>

class LabelButtonArray;
class QLabel;
class QLineEdit;
class QRadioButton;

// The print options of the notification book "事故発生通知簿　印刷": which paper to load, and the
// choice between printing everything and one day (the day option lies below the window's edge, so
// everything is printed). The result goes to PrintSentakuOut: 0 closed without printing, 1 print
// everything, 2 print one day, that day as typed in TuchiPrintDayOut.
class TuchiPrintForm : public QDialog
{
    Q_OBJECT

public:
    explicit TuchiPrintForm(QWidget* parent = nullptr);

    LabelButtonArray* CmdGd = nullptr;
    QLabel* infoGd = nullptr;
    std::array<QRadioButton*, 2> SentakuOp{};
    QLineEdit* inpTx = nullptr;
    QLabel* DayGd = nullptr;

    void CmdGd_Click(int index);
    void SentakuOp_Click(int index);

protected:
    // The dialog closes through its own "終了" and "印刷開始" only.
    void reject() override {}

private:
    void Form_Load();
    void printStart();
};
