#pragma once

#include "KarteTyusyutuProc.h"
#include "SyukeiList.h"

#include <QDialog>
#include <QList>
#include <QSet>
#include <QStringList>
#include <array>

class FlexGrid;
class LabelButtonArray;
class QFrame;
class QLabel;
class QLineEdit;
class QRadioButton;

// The extraction and tally workbench "抽出・集計": the user types a year, picks a month (or all
// months, or the episodes without outcome) and whether it is the month of the first examination
// or the submission month; the window lists every matching episode of every farmer, sorts the
// list by one of seven keys in coloured bands, lets the user mark rows (a plain click marks one
// row, Ctrl adds rows) and opens an episode in the chart editor on a double-click. Its commands
// (ComandGd, by index) enter one outcome into every marked chart, total the list per member,
// print the lists, hand the list to a spreadsheet and start the powers of attorney and tallies.
//
// The list is held as rows with the marks as a set of grid rows; the grid SyukeiGrid shows them
// (two heading rows, 18 columns, the last hidden with the chart file name, then the totals row)
// and other windows read it as it stands.
class SyukeiForm : public QDialog
{
    Q_OBJECT

public:
    explicit SyukeiForm(QWidget* parent = nullptr);

    static const QColor MarkColor;   // RGB(255,255,180)
    static const QColor BandColor;   // RGB(232,251,255)

    QLabel* TitlePict = nullptr;
    std::array<QFrame*, 2> SubFrame{};
    QLineEdit* NenTx = nullptr;
    std::array<QLabel*, 3> Gd{};
    QLabel* ManthGd = nullptr;
    std::array<QLabel*, 3> Label1{};
    LabelButtonArray* ComandGd = nullptr;
    LabelButtonArray* SentakuGd = nullptr;
    LabelButtonArray* SortGd = nullptr;
    LabelButtonArray* CmdGd = nullptr;
    std::array<QRadioButton*, 2> SyoriOp{};
    QLabel* SagyoGd = nullptr;
    FlexGrid* SyukeiGrid = nullptr;
    QLabel* Label2 = nullptr;
    QFrame* BetuFrame = nullptr;
    FlexGrid* BetuGrid = nullptr;
    std::array<QLabel*, 2> Label3{};

    // What other windows read while the workbench is open.
    const FlexGrid& grid() const { return *SyukeiGrid; }
    QString nen() const;
    QString manth() const;
    bool teisyutuMode() const;
    int sortKey() const { return currentKey; }
    const SyukeiList& list() const { return syukei; }
    // The marked grid rows, top to bottom.
    QList<int> markedRows() const;
    bool running() const { return scanning; }

    // Event handlers.
    void SentakuGd_Click(int index);
    void SyoriOp_Click(int index);
    void SortGd_Click(int index);
    void SyukeiGrid_MouseDown(int row, int col, Qt::KeyboardModifiers modifiers);
    void SyukeiGrid_DblClick();
    void ComandGd_Click(int index);

    // The scan into the list (no sort follows) and the sort with its bands; the sort removes
    // every mark.
    void KarteTyusyutuProc();
    void SyukeiSortProc(int key);

protected:
    void reject() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    void buildTopBand();
    void buildCommands();
    void buildGrid();
    void buildBetuFrame();
    void Form_Load();
    SyukeiJoken joken() const;
    SyukeiList::Rules rules() const;
    void setRunning(bool on);
    void showProgress(int done, int total);
    void showList();
    void paintRow(int row);
    void openMarkedKarte();
    void openKarte(int row);
    void transfer(int index);
    void tenkiNyuryoku();
    void showBetu();
    QList<QStringList> betuRows() const;
    void printList(int index);
    bool extracted(bool twoRows) const;
    void ininjyo();
    void ininjyoOita();
    void yakuhinSyukei();
    void jyuufukuCheck();

    SyukeiList syukei;
    QSet<int> marks;
    QList<bool> bandRows;
    int currentKey = 1;
    bool scanning = false;
};
