#pragma once

#include <QDialog>
#include <QList>
#include <QStringList>

class FlexGrid;
class LabelButtonArray;
class QLabel;

// The duplicate-visit check (重複診療チェック) of the extraction workbench, shown modally by its
// command "重複チェック". It works on the rows of the workbench's extracted list as they stand
// when it opens (the list's 18 columns; rows without a member name are not episodes). "実行"
// lays every dated visit of those episodes out by date in ResGrid (CheckSyukei), house calls
// marked "往:" in a yellow ear-tag cell; "Excelに送る" puts the whole grid on the clipboard;
// "閉る" closes. Nothing is written.
class CheckForm : public QDialog
{
    Q_OBJECT

public:
    explicit CheckForm(const QList<QStringList>& syukeiRows, QWidget* parent = nullptr);

    FlexGrid* ResGrid = nullptr;
    QLabel* infoGd = nullptr;
    LabelButtonArray* CmdGd = nullptr;

    void CmdGd_Click(int index);
    // Prints the current result as a list; no command offers it.
    void CheckPrintProc();

    static QColor ousinColor() { return QColor(255, 255, 0); }

private:
    void Form_Load();
    void run();
    // Shows a result table: widths, the merged key row, white cells, yellow house calls.
    void showTable(const QList<QStringList>& table);
    void setRunning(bool on);

    QList<QStringList> rows;
};
