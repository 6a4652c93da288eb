#pragma once

#include "ZotenTensu.h"

#include <QDialog>
#include <QList>

class FlexGrid;
class LabelButtonArray;
class QLabel;
class QLineEdit;

// The treatment-code dialog: one line of the fee table of the category in SinryoBunruiIn (文書,
// 処置, 検査, 手術, 指導, 入院, 診察), with a surcharge typed in B and A points. OK hands name, table
// points, base, surcharge and total points back in SinryoOut (item 0 empty: nothing chosen). It
// opens beside the chart editor when one is open.
class SinryoForm : public QDialog
{
    Q_OBJECT

public:
    explicit SinryoForm(QWidget* parent = nullptr);

    QLabel* TitleGd = nullptr;
    FlexGrid* SinryoGrid = nullptr;
    QList<QLabel*> TensuGd;          // 1 to 6 (0 unused)
    QList<QLineEdit*> ZotenTxBox;
    QLabel* ZouGd = nullptr;
    LabelButtonArray* CmdGd = nullptr;

    // The fee table of a category word: 1 文書 to 7 診察, 0 for any other word.
    static int tableNumber(const QString& bunrui);

    void CmdGd_Click(int index);
    void SinryoGrid_Click(int row);
    void TensuSaikeisanProc();
    int chosenRow() const { return chosen; }

private:
    void place();
    void buildControls();
    void fillList();
    void showTensu();

    ZotenTensu tensu;
    int chosen = 0;   // the row chosen last, 0 before the first click
};
