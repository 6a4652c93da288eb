#pragma once

#include "TiryoboBook.h"

#include <QDialog>

class LabelButtonArray;

// The print window of the treatment book: "印刷開始" prints the book on B5 paper from the row
// selected in the book down to the row before the first "治療終了"; the window stays open until
// "閉る".
class IbaragiPrintForm : public QDialog
{
    Q_OBJECT

public:
    // book: the book as its window shows it, printed from its current row.
    explicit IbaragiPrintForm(const TiryoboBook& book, QWidget* parent = nullptr);

    LabelButtonArray* CmdGd = nullptr;

    void CmdGd_Click(int index);
    // The print job; false when the pages could not be produced.
    bool TiryoboPrintProc();

private:
    const TiryoboBook& book;
    bool printing = false;
};
