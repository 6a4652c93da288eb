#pragma once

#include "IbaragiSyukei.h"

#include <QDialog>
#include <QList>

class FlexGrid;
class LabelButtonArray;
class OptionArray;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;

// "提出用抽出": the certificates of a submission period for handing in, extracted from every
// chart of the data year ("全抽出") or from the log of printed certificates ("印刷済抽出"),
// filtered by the site's doctors, copied to a spreadsheet; a logged certificate marked with "○"
// can be deleted from the log.
class IbaragiSyukeiForm : public QDialog
{
    Q_OBJECT

public:
    explicit IbaragiSyukeiForm(QWidget* parent = nullptr);

    enum Command { Modoru = 0, Zen = 1, Excel = 2, Tcb = 3, Sakujyo = 4 };

    QGroupBox* MainFrame = nullptr;
    QList<QLineEdit*> inpTx;         // 0 year, 1 month
    QComboBox* tcbCmb = nullptr;
    OptionArray* DocOp = nullptr;    // three doctors, then 全員
    QGroupBox* SubFrame = nullptr;
    OptionArray* DateOp = nullptr;   // date styles
    LabelButtonArray* CmdGd = nullptr;
    QLabel* SagyoGd = nullptr;
    FlexGrid* SyukeiGrid = nullptr;

    // The state of the last printed-log extraction.
    const QStringList& tcbLogLines() const { return TcbLogLines; }
    const QString& tcbLogPath() const { return TcbLogPath; }

    void CmdGd_Click(int index);
    void tcbCmb_Click(int index);
    void SyukeiGrid_Click(int row);
    void ZenTyusyutuProc();
    void TcbTyusyutuProc();

private:
    void buildMainFrame();
    void buildSubFrame();
    void buildGrid();
    void clearGrid();
    void addRow(const QStringList& cells);
    IbaragiSyukei::Period period() const;
    void deleteLog();

    QStringList doctors;
    QStringList TcbLogLines;
    QString TcbLogPath;
};
