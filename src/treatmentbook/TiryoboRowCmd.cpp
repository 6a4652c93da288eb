#include "TiryoboRowCmd.h"

#include "IbaragiDayCopyBuffer.h"
#include "TiryoboBook.h"
#include "TiryoboCmdCheck.h"

#include <algorithm>

namespace {
constexpr int MaxDayRows = 30;
constexpr int MaxCompaction = 201;

TiryoboMessage notEmpty()
{
    return TiryoboMessage{QStringLiteral("貼付先が空白ではないので貼付できません。")};
}
}

TiryoboNotice TiryoboRowCmd::setDate(TiryoboBook& book, const QString& year, const QString& month, const QString& day)
{
    if (year.isEmpty())
        return std::nullopt;
    const QString date = year + QLatin1Char('.') + month + QLatin1Char('.') + day;
    if (book.hasDate(date))
        return TiryoboMessage{date + QStringLiteral(" は、既に入力されています。")};
    book.current().set(TiryoboRow::Hiduke, date);
    return std::nullopt;
}

void TiryoboRowCmd::clearDate(TiryoboBook& book)
{
    book.current().set(TiryoboRow::Hiduke, QString());
}

TiryoboNotice TiryoboRowCmd::tiryoEnd(TiryoboBook& book)
{
    if (!book.current().isBlank())
        return TiryoboMessage{QStringLiteral("選択行が空白でないと終了記入できません。")};
    book.current().set(TiryoboRow::Hiduke, TiryoboRow::endText());
    return std::nullopt;
}

void TiryoboRowCmd::clearRow(TiryoboBook& book)
{
    book.current().clearCells();
    book.current().marked = false;
}

TiryoboNotice TiryoboRowCmd::insertRow(TiryoboBook& book)
{
    if (!book.row(book.lastRow()).isBlank())
        return TiryoboMessage{QStringLiteral("最下段が入力されていますので、挿入できません。")};
    for (int r = book.lastRow() - 1; r >= book.Row; --r)
        book.row(r + 1).setCells(book.row(r));
    book.current().clearCells();
    return std::nullopt;
}

void TiryoboRowCmd::compact(TiryoboBook& book)
{
    const int before = book.rowCount();
    int removed = 0;
    for (int r = 2; r < book.rowCount() && removed < MaxCompaction && book.rowCount() > 3;) {
        if (book.row(r).isBlank()) {
            book.rows.removeAt(r);
            ++removed;
        } else {
            ++r;
        }
    }
    book.growTo(std::max(before, int(TiryoboBook::FreshRows)));
}

TiryoboNotice TiryoboRowCmd::pasteRow(TiryoboBook& book, const QString& clipText)
{
    if (book.current().hasText(1, TiryoboRow::ColCount - 1))
        return notEmpty();
    if (!clipText.isEmpty())
        book.current().setCells(IbaragiDayCopyBuffer::clipRow(clipText));
    return std::nullopt;
}

TiryoboNotice TiryoboRowCmd::copyDay(const TiryoboBook& source, int start, QStringList& buffer)
{
    if (!source.validRow(start) || source.row(start).at(TiryoboRow::Hiduke).isEmpty())
        return TiryoboMessage{QStringLiteral("日付入力行を選択してください。")};
    buffer = {IbaragiDayCopyBuffer::bufferLine(source.row(start))};
    for (int r = start + 1; r <= source.lastRow() && r <= start + MaxDayRows; ++r) {
        const TiryoboRow& row = source.row(r);
        if (!row.at(TiryoboRow::Hiduke).isEmpty() || row.isBlank())
            break;
        buffer.append(IbaragiDayCopyBuffer::bufferLine(row));
    }
    return std::nullopt;
}

TiryoboNotice TiryoboRowCmd::pasteCheck(const TiryoboBook& book, const QStringList& buffer, int code)
{
    if (buffer.isEmpty())
        return TiryoboMessage{code == TiryoboCmdCheck::MultiPaste
                                  ? QStringLiteral("先に「複数行コピー」を実行してください。")
                                  : QStringLiteral("先に「1日コピー」を実行してください。")};
    if (book.SelRow <= 0)
        return TiryoboMessage{QStringLiteral("貼付先の先頭行を指定してください。")};
    return std::nullopt;
}

TiryoboNotice TiryoboRowCmd::paste(TiryoboBook& book, const QStringList& buffer)
{
    const int first = book.SelRow;
    for (int k = 0; k < buffer.size() && first + k < book.rowCount(); ++k) {
        if (!book.row(first + k).isBlank())
            return notEmpty();
    }
    book.growTo(first + int(buffer.size()));
    for (int k = 0; k < buffer.size(); ++k)
        book.row(first + k).setCells(IbaragiDayCopyBuffer::bufferRow(buffer.at(k)));
    return std::nullopt;
}

void TiryoboRowCmd::startMarking(TiryoboBook& book)
{
    book.GyoSiteiMode = 1;
}

void TiryoboRowCmd::endMarking(TiryoboBook& book)
{
    for (TiryoboRow& row : book.rows)
        row.marked = false;
    book.SelRow = -1;
    book.GyoSiteiMode = 0;
}

void TiryoboRowCmd::markClick(TiryoboBook& book, int r, int col, bool shift)
{
    if (!book.validRow(r))
        return;
    if (!shift) {
        TiryoboRow& row = book.row(r);
        row.marked = !(row.marked && col >= TiryoboRow::ByoMei && col <= TiryoboRow::Taion);
        return;
    }
    const int last = book.lastMarkedRow();
    const int from = last < 0 ? r : std::min(r, last);
    const int to = last < 0 ? r : std::max(r, last);
    for (int i = from; i <= to; ++i)
        book.row(i).marked = true;
}

TiryoboNotice TiryoboRowCmd::copyMarked(TiryoboBook& book, QStringList& buffer)
{
    buffer.clear();
    for (int r = 1; r < book.rowCount(); ++r) {
        if (book.row(r).marked)
            buffer.append(IbaragiDayCopyBuffer::bufferLine(book.row(r)));
    }
    if (buffer.isEmpty())
        return TiryoboMessage{QStringLiteral("行が選択されていません。")};
    endMarking(book);
    return TiryoboMessage{QStringLiteral("選択行をコピーしました。「複数行貼付け」で貼り付けられます。")};
}
