#pragma once

#include <QDialog>

class LabelButtonArray;
class QLineEdit;

// The template name dialog "[雛型登録名]": the name in TourokuNameText, in and out. "OK" hands back
// the trimmed name unless it holds a character a file name cannot hold (refused with
// "使用できない文字が含まれています。"); "キャンセル" hands back the empty text, which means no change.
class TourokuNameForm : public QDialog
{
    Q_OBJECT

public:
    explicit TourokuNameForm(QWidget* parent = nullptr);

    // True when the name holds none of \ / * ? " , : ; % nor < > |, which file names cannot hold.
    static bool nameUsable(const QString& name);

    QLineEdit* inpTx = nullptr;
    LabelButtonArray* CmdGd = nullptr;

    void CmdGd_Click(int index);
};
