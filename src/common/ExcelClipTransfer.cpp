#include "ExcelClipTransfer.h"

#include "ClipboardText.h"
#include "FlexGrid.h"
#include "MsgBox.h"

bool ExcelClipTransfer(FlexGrid& grid, int firstRow, int lastCol)
{
    const int lastRow = grid.rows() - 1;
    grid.select(firstRow, 0, lastRow, lastCol);
    const QString text = lastRow >= firstRow ? grid.clipText(firstRow, 0, lastRow, lastCol) : QString();
    if (!ClipboardText::set(text)) {
        MsgBox::show(QStringLiteral("クリップボードにデータを送れませんでした。\r\n"
                                    "他のプログラムがクリップボードを使っていないか確かめてください。"),
                     QStringLiteral("転送"), MsgBox::OkOnly, MsgBox::Exclamation);
        return false;
    }
    MsgBox::show(QStringLiteral("データを送りました。\r\nExcelの任意のセルを選択して、貼り付けできます。"),
                 QStringLiteral("転送"), MsgBox::OkOnly);
    return true;
}
