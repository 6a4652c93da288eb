#pragma once

#include "registers/KouhoListFile.h"

#include <QDialog>

class LabelButtonArray;
class QLineEdit;
class QListWidget;

// The candidate-list dialogs of the treatment book (管理情報, 共済外処置, 種牛名): the cell's text
// in an entry box (共済外処置: a name box and a quantity box, the cell holding name ":" quantity)
// and the practice's own candidates of a file in the cb folder. OK hands back the entry, without
// line breaks and trimmed, and adds it to the candidates when new; "閉る" leaves the hand-over
// text as the caller put it; "候補削除" removes the chosen candidate. Enter never confirms.
class IbaragiKouhoForm : public QDialog
{
    Q_OBJECT

public:
    enum class Kind { Bunben, Syochi, Tane };
    enum Command { Tojiru = 0, Ok = 1, Clear = 2, KouhoDel = 3 };

    QLineEdit* inpTx0 = nullptr;
    QLineEdit* inpTx1 = nullptr;   // the quantity, 共済外処置 only
    QListWidget* KouhoList = nullptr;
    LabelButtonArray* CmdGd = nullptr;

    Kind kind() const { return kindValue; }
    static QString filePath(Kind kind);

    void KouhoList_Click();
    void CmdGd_Click(int index);

protected:
    IbaragiKouhoForm(Kind kind, QWidget* parent);

private:
    void build();
    void load();
    bool save();
    void ok();
    void deleteKouho();
    void close();

    Kind kindValue;
    KouhoListFile file;
};
