#pragma once

#include "registers/KouhoListFile.h"

#include <QDialog>

class LabelButtonArray;
class QLineEdit;
class QListWidget;

// The design shared by the coat-colour and feature pickers: a value box, the candidates of a
// small file in the settings folder and the labels "閉る", "OK", "候補削除" and "削除". The value
// is handed over in one text of the shared hand-over values: shown when the picker opens, the
// trimmed box text after "OK" (a new value joins the candidates), empty after "削除", unchanged
// after "閉る".
class KouhoSentakuForm : public QDialog
{
    Q_OBJECT

public:
    QLineEdit* inpTx = nullptr;
    QListWidget* List1 = nullptr;
    LabelButtonArray* CmdGd = nullptr;

    void List1_Click();
    void CmdGd_Click(int index);

protected:
    KouhoSentakuForm(QString& value, const QString& fileName, QWidget* parent);

private:
    void Form_Load();

    QString& out;
    KouhoListFile file;
};
