#pragma once

#include "TiryoboMessage.h"

#include <QString>
#include <QStringList>

class TiryoboBook;

// The commands that shape the treatment book: dates and end marks, emptying, inserting and
// removing rows, one row through the clipboard, days and marked rows through the copy buffer,
// and the marking of rows. Each works on the book's current row (or selected row, as each says)
// after the window's checks and questions.
class TiryoboRowCmd
{
public:
    // 日付: the picked date "year.month.day" into column 0; refused when any row holds it already.
    // A closed picker (empty year) changes nothing.
    static TiryoboNotice setDate(TiryoboBook& book, const QString& year, const QString& month, const QString& day);
    static void clearDate(TiryoboBook& book);
    // 治療終了: only on a row without any text.
    static TiryoboNotice tiryoEnd(TiryoboBook& book);
    // 入力行削除: every cell emptied and the mark removed; the row stays.
    static void clearRow(TiryoboBook& book);
    // 空白行挿入: the rows from the current one move down by one; refused when the last row holds
    // text.
    static TiryoboNotice insertRow(TiryoboBook& book);
    // 空白行削除: blank rows from row 2 down are removed (at most 201); the book is then padded
    // with empty rows to its former size and at least 200 rows, so no row is lost.
    static void compact(TiryoboBook& book);

    // 1行貼付け: the clipboard's row into the current row, whose columns 1 to 29 must be empty.
    static TiryoboNotice pasteRow(TiryoboBook& book, const QString& clipText);

    // 1日コピー of a book (the own one or the partner's): the date row start and the further
    // rows of its day, at most 30, replace the buffer.
    static TiryoboNotice copyDay(const TiryoboBook& source, int start, QStringList& buffer);
    // The checks of a paste before its question: something copied, a selected row. code is the
    // paste command (1日貼付 or 複数行貼付け), which names the copy to run first.
    static TiryoboNotice pasteCheck(const TiryoboBook& book, const QStringList& buffer, int code);
    // The buffered rows into the rows from the selected one down, which must be wholly empty;
    // the book grows when they run past its last row.
    static TiryoboNotice paste(TiryoboBook& book, const QStringList& buffer);

    // 行指定開始 and 行指定解除.
    static void startMarking(TiryoboBook& book);
    static void endMarking(TiryoboBook& book);
    // A click in marking mode on row r, column col: with Shift the rows between the last marked
    // row and r are marked (r alone when none is); otherwise the row's mark is toggled, the
    // clicked cell counting as marked only in columns 1 to 11.
    static void markClick(TiryoboBook& book, int r, int col, bool shift);
    // 複数行コピー: every marked row into the buffer; on success the marking ends.
    static TiryoboNotice copyMarked(TiryoboBook& book, QStringList& buffer);
};
