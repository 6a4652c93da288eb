#pragma once

#include "BackUpPlan.h"

#include <QDialog>
#include <array>

class BackUpControls;
class QFrame;
class QLabel;
class QRadioButton;

// "データのバックアップ": copies the year's charts and the settings into BackUp on the chosen
// drive, or, as the option says, the treatment books (茨城県) or the post-mortem data (鳥取県)
// into BackUp2, and confirms the run by its stamp. Commands by index: 0 close, 1 start. While a
// run goes on the window takes no command and does not close.
class BackUpForm : public QDialog
{
    Q_OBJECT

public:
    explicit BackUpForm(QWidget* parent = nullptr);

    BackUpControls* controls = nullptr;
    std::array<QLabel*, 5> Label1{};
    QFrame* OptionFrame = nullptr;     // WakuFrame(2)
    std::array<QRadioButton*, 2> SentakuOp{};

    void CmdGd_Click(int index);
    // The run the start label starts with the option as it stands.
    BackUpPlan::Kind chosenKind() const;

    void KarteBackUpProc();
    void TiryoboBackUpProc();
    void KenanBackUpProc();

protected:
    void reject() override;

private:
    void buildControls();
    void Form_Load();
    void runBackUp(BackUpPlan::Kind kind);

    bool withFixed = false;
};
