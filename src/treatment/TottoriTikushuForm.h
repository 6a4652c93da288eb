#pragma once

#include <QDialog>

class LabelButtonArray;
class QListWidget;

// The Tottori picker of the species and use (TikushuMode 0) or the sex (1) of the animal: a click
// on an entry hands it back in TikushuOut; "閉る" hands back nothing.
class TottoriTikushuForm : public QDialog
{
    Q_OBJECT

public:
    explicit TottoriTikushuForm(QWidget* parent = nullptr);

    QListWidget* DtList = nullptr;
    LabelButtonArray* CmdGd = nullptr;

    static QStringList entries(int mode);

    void DtList_Click();
    void CmdGd_Click(int index);
};
