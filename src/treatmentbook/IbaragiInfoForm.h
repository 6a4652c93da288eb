#pragma once

#include "BunbenInfoText.h"

#include <QDialog>

class LabelButtonArray;
class OptionArray;
class QCheckBox;
class QFrame;
class QLabel;
class QLineEdit;

// The calving-information dialog of the treatment book: parity, the calf's sex, vigour and
// appetite, breed, colostrum grade, the course of the calving with a remark, and a twin. It opens
// on the cell's text (lines given as TABs) and the row's date; OK hands back the calving text,
// "削除" "del" and "閉る" "non".
class IbaragiInfoForm : public QDialog
{
    Q_OBJECT

public:
    explicit IbaragiInfoForm(QWidget* parent = nullptr);

    enum Command { Tojiru = 0, Ok = 1, Sakujyo = 2 };

    QLabel* infoGd = nullptr;
    QLineEdit* inpTx0 = nullptr;   // parity
    QLineEdit* inpTx1 = nullptr;   // remark
    QCheckBox* FutagoCh = nullptr;
    QFrame* WakuFrame7 = nullptr;  // the twin's groups
    OptionArray* KoUsiOp = nullptr;
    OptionArray* GenkiOp = nullptr;
    OptionArray* SyokuOp = nullptr;
    OptionArray* HinsyuOp = nullptr;
    OptionArray* SyonyuOp = nullptr;
    OptionArray* JyohoOp = nullptr;
    OptionArray* KoUsiOp2 = nullptr;
    OptionArray* GenkiOp2 = nullptr;
    OptionArray* SyokuOp2 = nullptr;
    LabelButtonArray* CmdGd = nullptr;

    void CmdGd_Click(int index);
    void FutagoCh_Click();

private:
    void build();
    void buildTwin();
    void showInfo(const BunbenInfoText& info);
    BunbenInfoText entered() const;
};
