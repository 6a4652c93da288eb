#pragma once

#include <QDialog>
#include <QStringList>

class FlexGrid;
class LabelButton;
class QLabel;
class QListWidget;

// The farmer picker: a district from the district register, then a farmer of that district,
// optionally narrowed by the first kana of his reading. The choice is left in
// SharedState::CurrentNouka, which the picker empties when it opens.
class YobidasiForm : public QDialog
{
    Q_OBJECT

public:
    explicit YobidasiForm(QWidget* parent = nullptr);

    QLabel* Label2 = nullptr;
    QLabel* Label1[2] = {nullptr, nullptr};
    QListWidget* TikuList = nullptr;
    QListWidget* NameList = nullptr;
    QLabel* CodeGd = nullptr;
    FlexGrid* YobiGrid = nullptr;
    LabelButton* CmdGd = nullptr;
    QStringList KariList;  // the lines of the farmer register

    void TikuList_Click(int index);
    void YobiGrid_Click(int row, int col);
    void NameList_Click(int index);
    void CmdGd_Click();

private:
    void buildControls();
    void layoutYobiGrid();
    void Form_Load();
    bool readRegisters();
    // Starts a new choice in the selected district: sets the district, empties name and code.
    QString startTiku();
    void fillNames(const QString& tiku, const QString& kana);
};
