#pragma once

#include "TuchiPrintData.h"

#include <QDialog>
#include <QHash>
#include <QList>
#include <QStringList>
#include <array>

class FlexGrid;
class LabelButtonArray;
class QFrame;
class QLabel;
class QLineEdit;
class QListWidget;
class TuchiSyukei;

// The accident-notification book "事故発生通知簿": the user picks a month, tallies the accident
// cases of every chart of the data year in the way of the prefecture (鹿児島県, 群馬県, 沖縄県),
// checks the list, corrects the print position (横=, 縦=, kept in PrintSet2File by "終了") and
// prints the notice or book of the prefecture and site. Commands by index: 0 close, 1 tally,
// 2 month list, 3 print. The commands are disabled while a tally runs.
class TuchiboForm : public QDialog
{
    Q_OBJECT

public:
    explicit TuchiboForm(QWidget* parent = nullptr);

    std::array<QLabel*, 6> TitleGd{};
    std::array<QLabel*, 2> Gd{};
    LabelButtonArray* CmdGd = nullptr;
    QLineEdit* NenTx = nullptr;
    QLabel* ManthGd = nullptr;
    QListWidget* ManthList = nullptr;
    std::array<QLineEdit*, 2> PosTx{};
    QFrame* SubFrame = nullptr;
    std::array<QFrame*, 2> TimeSp{};
    FlexGrid* DataGrid = nullptr;

    // The tally's rows for the layouts (the hidden work grid), the veterinarian of DoctorFile and
    // the register's kana initials by farmer name.
    QList<QStringList> SortGrid;
    QString TuchiDocName;
    QHash<QString, QString> AtamaList;

    void CmdGd_Click(int index);
    void ManthList_Click(int index);
    bool running() const { return tallying; }

    // What a print takes from the window as it stands.
    TuchiPrintData printData() const;

protected:
    void reject() override;

private:
    void buildControls();
    void buildGrid();
    void buildSubFrame();
    void Form_Load();
    void closeForm();
    void startSyukei();
    void showSyukei(const TuchiSyukei& syukei);
    void setProgress(int done, int total);
    void setRunning(bool on);
    void printNotice();

    bool tallying = false;
};
