#pragma once

#include <QDialog>
#include <QList>
#include <QStringList>
#include <array>

class FlexGrid;
class LabelButtonArray;
class QCheckBox;
class QFrame;
class QLabel;
class QLineEdit;
class QListWidget;

// The workbench's option dialog, in the mode the opener set in OptionMode:
//   0 "委任状印刷": the members of the extracted list, each once in the order of the list, all
//     ticked; the date of the power of attorney and whether address and name are printed.
//     "印刷開始" hands the choice back (PrintSentakuOut 1, or 2 with address and name, the ticked
//     members, the date) when the date is complete and a member is ticked.
//   1 "薬品集計": the window of the drug-use tally with its year and month boxes, its result grid
//     and its commands.
// "終了" closes it with PrintSentakuOut 0.
class OptionForm : public QDialog
{
    Q_OBJECT

public:
    // rows: the workbench list's data rows in the order on the screen (mode 0 lists their members).
    explicit OptionForm(const QList<QStringList>& rows, QWidget* parent = nullptr);

    std::array<QLabel*, 2> TitleGd{};
    LabelButtonArray* CmdGd = nullptr;
    std::array<QFrame*, 2> WakuFrame{};
    QCheckBox* OptionCh = nullptr;
    std::array<QLineEdit*, 3> DayInpTx{};
    QListWidget* PrintList = nullptr;
    std::array<QLineEdit*, 3> inpTx{};
    FlexGrid* DataGrid = nullptr;

    void CmdGd_Click(int index);
    void GridHeightProc();

protected:
    void reject() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildMemberFrame();
    void buildTallyFrame();
    void Form_Load(const QList<QStringList>& rows);
    void handBack();
    void tickAll(bool on);

    int mode = 0;
};
