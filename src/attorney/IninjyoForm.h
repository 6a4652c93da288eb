#pragma once

#include "IninjyoPrintData.h"

#include <QDialog>
#include <QList>
#include <QStringList>
#include <array>

class FlexGrid;
class LabelButtonArray;
class QCheckBox;
class QLabel;
class QLineEdit;

// The power-of-attorney window "委任状印刷", opened by the extraction workbench over its list: the
// extracted episodes by farmer and first-exam date, each switched to print ("する") or not by a
// click on its print cell, or a farmer's rows all at once by a click on his name; the documents'
// date; the print offsets (kept in IninjyoPrintSet.ini when the window closes); and the print in
// the layout of 鳥取県, 群馬県, 鹿児島県 or 宮崎県. Commands by index: 0 close, 1 print, 2 every row
// to print, 3 none, 4 pick the date; the hidden 5 keeps the list in set\Kaihatu.ini and 6 loads
// it back (every row then switched off).
class IninjyoForm : public QDialog
{
    Q_OBJECT

public:
    // syukeiGrid: the workbench's list (two heading rows, the episodes, the totals row); top: the
    // workbench's top edge in pixels.
    explicit IninjyoForm(const FlexGrid& syukeiGrid, int top = 0, QWidget* parent = nullptr);

    std::array<QLabel*, 4> Label1{};
    LabelButtonArray* CmdGd = nullptr;
    QLabel* DateGd = nullptr;
    std::array<QLineEdit*, 2> HoseiTx{};
    std::array<QCheckBox*, 3> InsatuCh{};
    QLabel* InfoGd = nullptr;
    FlexGrid* ListGrid = nullptr;

    // The list as shown (rows below the heading row).
    QList<QStringList> Rows;

    // The document date kept between openings during one run of the program.
    static QString& IninjyoDateKioku();
    static QString filePath();   // IninjyoPrintSet.ini

    void CmdGd_Click(int index);
    void ListGrid_Click(int row, int col);
    void DateGd_DblClick();
    IninjyoPrintData printData() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    void IninjyoListColorProc();
    void pickDate();
    void kioku();
    void yomikomi();
    void printStart();
    void closeForm();
};
