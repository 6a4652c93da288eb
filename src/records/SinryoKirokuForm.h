#pragma once

#include "SinryoDocList.h"
#include "SinryoPrintData.h"
#include "SinryoSyukei.h"

#include <QDialog>
#include <QList>
#include <QStringList>
#include <array>

class FlexGrid;
class LabelButtonArray;
class QFrame;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;

// The treatment-record window "診療記録印刷": the user types a period inside one year, chooses
// members and an outcome filter (and in 茨城県 a veterinarian), tallies their treatment records
// from the charts of the data year into the result grid, prints them in the layout of the
// prefecture (鳥取県 cards, 茨城県 ledger, 三重県 list, 群馬県 form) and, in 茨城県 and 三重県,
// sends them to a spreadsheet. Commands by index: 0 close, 1 tally, 2 select all, 3 print,
// 4 deselect all, 5 spreadsheet. The commands are disabled while a tally runs. The hidden
// buttons Command1 save (0) and reload (1) the result; Ctrl and a click on a heading label
// reloads it with a test period.
class SinryoKirokuForm : public QDialog
{
    Q_OBJECT

public:
    explicit SinryoKirokuForm(QWidget* parent = nullptr);

    std::array<QLabel*, 6> TitleGd{};
    std::array<QLabel*, 9> Gd{};
    std::array<QPushButton*, 2> Command1{};
    LabelButtonArray* CmdGd = nullptr;
    QLineEdit* NenTx = nullptr;
    std::array<QLineEdit*, 4> DateTx{};
    std::array<QFrame*, 3> SubFrame{};
    std::array<QRadioButton*, 3> TenkiOp{};
    QLineEdit* TeisyutuTx = nullptr;
    std::array<QFrame*, 2> TimeSp{};
    QLabel* infoGd = nullptr;
    QLabel* PrintGd = nullptr;
    QListWidget* AtamaList = nullptr;
    FlexGrid* DataGrid = nullptr;
    FlexGrid* SendExcelGrid = nullptr;
    std::array<QRadioButton*, 4> DocOp{};
    std::array<QLineEdit*, 2> PosTx{};

    // The chart files of the data year as listed at load, the veterinarian of DoctorFile and the
    // registered districts.
    QStringList File1;
    QString DocName;
    QStringList TikuNames;

    void CmdGd_Click(int index);
    void Command1_Click(int index);
    void TitleGd_MouseUp(Qt::KeyboardModifiers modifiers);
    bool running() const { return tallying; }

    // The selected members with ":" in list order; what the tally and the prints work through.
    QList<SinryoSyukei::Member> members() const;
    SinryoSyukei::Joken joken() const;
    SinryoPrintData printData() const;
    QList<QStringList> gridRows() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    void buildFrames();
    void buildGrid();
    void Form_Load();
    void loadAtamaList();
    void loadKyuYakuList();
    void selectAll(bool on);
    void startSyukei();
    bool checkInput();
    void showRows(const QList<QStringList>& rows);
    void showEstimate(qsizetype records);
    void setRunning(bool on);
    void setProgress(qsizetype done, qsizetype total);
    void printRecords();
    void sendExcel();
    void reload(SinryoKirokuGroup::Key key);

    QList<SinryoDoc> docs;
    bool tallying = false;
};
