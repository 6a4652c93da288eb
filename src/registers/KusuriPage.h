#pragma once

#include "TourokuNameFile.h"

#include <QGroupBox>
#include <QList>

class FlexGrid;
class MasterForm;
class QRadioButton;

// Page 5 of the master register window, "薬品名登録": the drugs of one category of the drug-price
// table with their registered names. A click on a drug opens the name dialog; every change
// rewrites the category's file at once.
class KusuriPage : public QGroupBox
{
    Q_OBJECT

public:
    explicit KusuriPage(MasterForm& form);

    QList<QRadioButton*> KusuriNameOp;
    FlexGrid* DataGrid = nullptr;

    int category() const { return categoryIndex; }
    void KusuriNameOp_Click(int index);
    void DataGrid_Click(int row, int col);
    void applyVariant();

private:
    void buildGrid();
    void showListing();

    MasterForm& form;
    int categoryIndex = 0;
    TourokuNameFile::Listing listing;
};
