#pragma once

#include <QDialog>
#include <array>

class FlexGrid;
class LabelButtonArray;
class QCheckBox;
class QFrame;
class QLabel;
class QLineEdit;
class QRadioButton;

// The Miyazaki drug-price and fee viewer: the two Miyazaki code tables in memory, read only, with
// a lookup of a drug's price by its code. Shown modally; writes nothing.
class MiyazakiYakkaForm : public QDialog
{
    Q_OBJECT

public:
    explicit MiyazakiYakkaForm(QWidget* parent = nullptr);

    void BunruiOp_Click(int index);
    void SortCh_Click();
    void DataGrid_Click(int index);
    void inpTx_KeyDown(int key);
    void CmdGd_Click(int index);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildWindow();
    void buildDrugPage();
    void buildFeePage();
    void fillGrids();
    void sortDrugs();

    std::array<QFrame*, 2> WakuFrame{};
    std::array<FlexGrid*, 2> DataGrid{};
    std::array<QRadioButton*, 2> BunruiOp{};
    QCheckBox* SortCh = nullptr;
    QLineEdit* inpTx = nullptr;  // inpTx(1): the code looked up
    QLabel* YakkaGd = nullptr;
    LabelButtonArray* CmdGd = nullptr;
};
