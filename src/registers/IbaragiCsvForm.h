#pragma once

#include <QDialog>

class LabelButtonArray;
class QLineEdit;
class QListWidget;

// The CSV file picker of the bulk registration: the "*.csv" files of "exceldata"; the chosen
// name is handed back in CsvNameOut, empty when closed without one.
class IbaragiCsvForm : public QDialog
{
    Q_OBJECT

public:
    explicit IbaragiCsvForm(QWidget* parent = nullptr);

    QListWidget* CsvList = nullptr;
    QLineEdit* inpTx = nullptr;
    LabelButtonArray* CmdGd = nullptr;

    void CsvList_Click();
    void CmdGd_Click(int index);
};
