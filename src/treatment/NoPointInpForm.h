#pragma once

#include "registers/KouhoListFile.h"

#include <QDialog>

class LabelButtonArray;
class QLineEdit;
class QListWidget;

// "点数外入力": a treatment line without points, typed or picked from the remembered texts of
// "set\NoPoint.ini"; a new text is remembered on OK. The text goes back in NoPointOut (empty after
// "閉る").
class NoPointInpForm : public QDialog
{
    Q_OBJECT

public:
    explicit NoPointInpForm(QWidget* parent = nullptr);

    QLineEdit* inpTx = nullptr;
    QListWidget* KouhoList = nullptr;
    LabelButtonArray* CmdGd = nullptr;

    static QString noPointPath();

    void CmdGd_Click(int index);

private:
    KouhoListFile file;
};
