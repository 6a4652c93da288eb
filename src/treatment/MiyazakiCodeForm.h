#pragma once

#include "MiyazakiCodeLookup.h"

#include <QDialog>
#include <QList>

class LabelButtonArray;
class QLabel;
class QLineEdit;

// "コード入力": a Miyazaki treatment line by its codes. Every change of the fee code, drug code
// and quantity boxes writes its items of TyusyaOut at once; OK closes, "閉る" sets item 0 "non".
class MiyazakiCodeForm : public QDialog
{
    Q_OBJECT

public:
    explicit MiyazakiCodeForm(QWidget* parent = nullptr);

    QList<QLineEdit*> InpTx;   // 0 fee code, 1 drug code, 2 quantity
    QList<QLabel*> CodeGd;     // 0 fee code name, 1 drug name
    LabelButtonArray* CmdGd = nullptr;

    void InpTx_Change(int index);
    void CmdGd_Click(int index);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    MiyazakiCodeLookup lookup;
};
