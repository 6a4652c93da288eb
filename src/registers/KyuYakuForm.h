#pragma once

#include "KyuYakuFile.h"

#include <QDialog>

class FlexGrid;
class LabelButtonArray;
class QLineEdit;
class QListWidget;

// The withdrawal-period dialog, "休薬期間登録": a print text for each registered drug, saved to
// the print-text file on "OK".
class KyuYakuForm : public QDialog
{
    Q_OBJECT

public:
    explicit KyuYakuForm(QWidget* parent = nullptr);

    FlexGrid* ListGrid = nullptr;
    QLineEdit* inpTx = nullptr;
    QListWidget* KouhoList = nullptr;
    LabelButtonArray* CmdGd = nullptr;

    void CmdGd_Click(int index);
    void ListGrid_Click(int row, int col);
    void KouhoList_Click();
    void KyuYakuKouhoSetProc();

private:
    void buildGrid();
    void buildControls();
    void Form_Load();
    QList<KyuYakuFile::Row> rows() const;

    QStringList readErrors;  // the files that could not be read: nothing is saved then
};
