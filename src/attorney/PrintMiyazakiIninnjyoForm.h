#pragma once

#include <QDialog>
#include <array>

class LabelButtonArray;
class QCheckBox;
class QGroupBox;
class QLabel;
class QRadioButton;

// The options of the Miyazaki power of attorney, asked before every print: the part to print
// (title, breakdown or both), the association addressed (みやざき or 都城, not asked for the
// breakdown alone), how animals are identified, and whether the fees and the member's name are
// left off. "印刷開始" (1) and "閉る" (0) both keep the choices for the rest of the run; only
// "印刷開始" lets the print go on.
class PrintMiyazakiIninnjyoForm : public QDialog
{
    Q_OBJECT

public:
    explicit PrintMiyazakiIninnjyoForm(QWidget* parent = nullptr);

    // The choices, kept for the run of the program (0 at its start).
    struct Kioku
    {
        int IninjyoBunruiOpOut = 0;   // 0 title only, 1 breakdown only, 2 both
        int IninjyoKyosaiOpOut = 0;   // 0 宮崎県, 1 都城
        int IninjyoNbPrintOut = 0;    // 0 ear tag, 1 name and individual number
        int IninjyoSinryoChOut = 0;   // 1: no fees printed
        int IninjyoNameChOut = 0;     // 1: no member name printed
        int IninjyoPrintOut = 0;      // -1 closed with "閉る", 0 "印刷開始"
    };
    static Kioku& kioku();

    LabelButtonArray* CmdGd = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label1 = nullptr;
    QCheckBox* SinryoCh = nullptr;
    QCheckBox* NameCh = nullptr;
    std::array<QGroupBox*, 3> WakuFrame{};
    std::array<QRadioButton*, 3> BunruiOp{};
    std::array<QRadioButton*, 2> KyosaiOp{};
    std::array<QRadioButton*, 2> NbPrintOp{};

    void CmdGd_Click(int index);
    void BunruiOp_Click();

private:
    void Form_Load();
};
