#pragma once

#include "NoukaTouroku.h"

#include <QGroupBox>
#include <QList>

class FlexGrid;
class LabelButtonArray;
class MasterForm;
class QLabel;
class QListWidget;

// Page 0 of the master register window, "組合員登録": the districts, the farmers of the chosen
// district and the farmer's boxes. 登録 and 削除 change the farmer register and write it at once.
class NoukaPage : public QGroupBox
{
    Q_OBJECT

public:
    explicit NoukaPage(MasterForm& form);

    QList<QLabel*> TikuAGd;
    QListWidget* TikuList1 = nullptr; // TikuList(1)
    LabelButtonArray* TikuGd = nullptr;
    QLabel* infoGd = nullptr;
    FlexGrid* NameGrid = nullptr;
    FlexGrid* YobiGrid = nullptr;

    void TikuGd_Click(int index);
    void TikuList_Click();
    void NameGrid_Click(int row, int col);
    void YobiGrid_Click(int row, int col);
    void showYobiGrid(bool show);
    // Called once the window has read the settings: captions and hint of the installation.
    void applyVariant();

private:
    void buildBoxes();
    void buildNameGrid();
    void buildYobiGrid();
    NoukaTouroku::Input input() const;
    void setInput(const NoukaTouroku::Input& in);
    void fillNameGrid(bool districtClick);
    bool writeNoukaFile();

    MasterForm& form;
};
