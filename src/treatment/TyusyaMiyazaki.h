#pragma once

#include "PrintNameList.h"

#include <QDialog>
#include <QList>
#include <array>

class FlexGrid;
class LabelButtonArray;
class OptionArray;
class QCheckBox;
class QFrame;
class QLabel;
class QLineEdit;

// The Miyazaki treatment entry: by TyusyaMiyazakiMode an injection (0), a drug therapy (1) or a
// line of the Miyazaki fee table of a category (3 文書料, 4 処置, 5 検査, 6 手術, 7 指導, 8 入院,
// 16 診察). OK hands codes, names and the quantity back in TyusyaOut (item 0 empty: nothing
// chosen) and moves a chosen registered drug to the top of its "set\PrintName*.ini".
class TyusyaMiyazaki : public QDialog
{
    Q_OBJECT

public:
    explicit TyusyaMiyazaki(QWidget* parent = nullptr);

    QLabel* Label2 = nullptr;                 // the heading
    LabelButtonArray* CmdGd = nullptr;
    QList<QFrame*> WakuFrame;                  // 0 injection, 1 drug therapy, 2 other treatments, 3 documents
    QList<FlexGrid*> DataGrid;                 // 0 injection drugs, 1 injection classes, 2 drugs, 3 and 4 codes
    OptionArray* TyusyaOp = nullptr;
    OptionArray* BunruiOp = nullptr;
    OptionArray* KubunOp = nullptr;
    QCheckBox* AllNameCh = nullptr;
    QCheckBox* Check1 = nullptr;
    QList<QLineEdit*> InpTx;
    QList<QLabel*> TaniGd;
    std::array<int, 11> SentakuRow{};

    // The heading of a mode (the fee-table category of the code pages).
    static QString heading(int mode);

    void CmdGd_Click(int index);
    void DataGrid_Click(int grid, int row);
    void TyusyaOp_Click(int index);
    void BunruiOp_Click(int index);
    void Check1_Click();

private:
    void buildPages();
    void buildTyusyaPage();
    void buildYakujiPage();
    void buildCodePage(int grid);
    void Form_Load();
    void fillCodes(int grid, const QString& category, bool tableOrder);
    // Drug rows (code, name, base quantity, unit, line index of the loaded file or -1) into a grid.
    void fillDrugs(int grid, QList<QStringList> rows);
    bool okDrug(int grid, bool kubunMissing, const QLineEdit* suuryou);
    bool okTyusya();
    bool okYakuji();
    bool okCode(int grid);
    void saikin(int grid, int category);

    int mode = 0;
    PrintNameList loaded;
};
