#pragma once

#include <QDialog>
#include <array>

class BackUpControls;
class QLabel;

// "エクスポート": copies the installation's treatment books (and, from side A, its candidate
// lists) under their exported names into the side's folder on the chosen drive, for the partner
// installation of the branch to import, and confirms the run by its stamp. Commands by index:
// 0 close, 1 start. An installation without a partner exports nothing.
class ExportForm : public QDialog
{
    Q_OBJECT

public:
    explicit ExportForm(QWidget* parent = nullptr);

    BackUpControls* controls = nullptr;
    std::array<QLabel*, 5> Label1{};

    void CmdGd_Click(int index);
    void DataExportProc();

protected:
    void reject() override;

private:
    void buildControls();
    void Form_Load();
};
