#pragma once

#include "registers/KouhoListFile.h"

#include <QDialog>
#include <QStringList>

class FlexGrid;
class LabelButtonArray;
class QLineEdit;
class QListWidget;

// The origin place of a house call: typed, taken from the saved candidates ("set\Taku.ini") or
// picked from the farmer register by district and kana. OK hands the place back in TakukaraOut
// and saves a new one as a candidate; "削除" hands back no place; "閉る" leaves it as it was.
class TakukaraForm : public QDialog
{
    Q_OBJECT

public:
    explicit TakukaraForm(QWidget* parent = nullptr);

    QLineEdit* InpTx = nullptr;
    QListWidget* List1 = nullptr;
    QListWidget* TikuList = nullptr;
    QListWidget* NameList = nullptr;
    FlexGrid* YobiGrid = nullptr;
    LabelButtonArray* CmdGd = nullptr;

    static QString takuPath();

    void CmdGd_Click(int index);
    void TikuList_Click(int index);
    void YobiGrid_Click(int row, int col);

private:
    void buildControls();
    void Form_Load();

    KouhoListFile takuFile;
    QStringList noukaLines;
};
