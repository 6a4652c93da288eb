#pragma once

#include "YakuhinSyukei.h"

#include <QList>
#include <functional>

class FlexGrid;
class QLabel;
class QLineEdit;
class QWidget;

// The commands of the drug-use tally as the option dialog (drug-tally mode) runs them on its
// controls: "集計開始" the tally into DataGrid, "印刷開始" the drug-use list of DataGrid's current
// rows, "集計結果をExcelに送る" the grid on the clipboard.
class YakuhinCommand
{
public:
    // The dialog's controls that the commands read and write.
    struct Controls
    {
        QLineEdit* fromTx = nullptr;   // inpTx(0), from month
        QLineEdit* toTx = nullptr;     // inpTx(1), to month
        QLineEdit* nenTx = nullptr;    // inpTx(2), year
        FlexGrid* DataGrid = nullptr;
        QLabel* status = nullptr;      // TitleGd(1), "集計中・・・・・" while a tally runs
        QList<QWidget*> commands;      // disabled while a tally runs
        std::function<void()> GridHeightProc;   // row heights after the grid is filled
    };

    // DataGrid as the drug-tally mode shows it: the heading row "No", "薬名", "規格・適用",
    // "数量" and an empty fifth column of 1 twip, no rows below.
    static void setupGrid(FlexGrid& DataGrid);
    // The tally rows into the grid, numbered 1, 2, ... in column 0; column 4 stays empty.
    static void fillGrid(FlexGrid& DataGrid, const QList<YakuhinSyukei::Row>& rows);
    // The rows of the grid as the list prints them.
    static QList<YakuhinSyukei::Row> gridRows(const FlexGrid& DataGrid);

    // "集計開始": both month boxes are needed (the year may be empty); the chart list of the year
    // is read afresh, the charts are tallied with the status showing the progress and the
    // commands disabled, and the end says "集計終了。" with the charts passed over.
    static void YakuhinSyukeiProc(const Controls& c);
    // "印刷開始": the list of the grid's rows; a failed print is reported, "終了しました。" only
    // when the pages were produced.
    static void YakuhinMeisaiPrintProc(const Controls& c);
    // "集計結果をExcelに送る": the whole grid, headings and all five columns.
    static void transfer(FlexGrid& DataGrid);

    static QString statusText() { return QStringLiteral("集計中・・・・・"); }
};
