#include "TiryoboCmdCheck.h"

#include "TiryoboBook.h"

namespace {
bool between(int code, int first, int last)
{
    return code >= first && code <= last;
}

// Marking and multi-row commands, day copies and the partner's book are checked by their own
// steps; every other code takes both checks.
bool takesChecks(int code)
{
    return !between(code, TiryoboCmdCheck::Sindansyo, TiryoboCmdCheck::GyoSiteiEnd)
           && !between(code, TiryoboCmdCheck::MultiCopy, TiryoboCmdCheck::InportGyoCopy);
}

QString dateRowText(int code)
{
    switch (code) {
    case TiryoboCmdCheck::Gensyo: return QStringLiteral("現症経過は日付が入力してある行にのみ入力できます。");
    case TiryoboCmdCheck::ByoMei: return QStringLiteral("病名は日付が入力してある行にのみ入力できます。");
    case TiryoboCmdCheck::Pict2: return QStringLiteral("子宮画像は、日付が入力してある行にのみ入力できます。");
    case TiryoboCmdCheck::Tane: return QStringLiteral("種名は、日付が入力してある行にのみ入力できます。");
    case TiryoboCmdCheck::Insatu: return QStringLiteral("印刷は、日付が入力してある行を選択してください。");
    case TiryoboCmdCheck::Bunben: return QStringLiteral("分娩情報は、日付が入力してある行にのみ入力できます。");
    case TiryoboCmdCheck::Taion: return QStringLiteral("体温は、日付が入力してある行にのみ入力できます。");
    default: return QString();
    }
}
}

TiryoboNotice TiryoboCmdCheck::common(const TiryoboBook& book, int code)
{
    if (!takesChecks(code))
        return std::nullopt;
    if (book.SelRow == -1)
        return TiryoboMessage{code == Insatu ? QStringLiteral("印刷する日の日付入力行を選択してください。")
                                             : QStringLiteral("入力する行を選択してください。")};
    if (code != GyoDel && book.validRow(book.Row) && book.current().isEnd())
        return TiryoboMessage{QStringLiteral("「治療終了」が記入されている行には入力できません。"), QString()};
    return marking(book);
}

TiryoboNotice TiryoboCmdCheck::marking(const TiryoboBook& book)
{
    if (book.GyoSiteiMode == 1)
        return TiryoboMessage{QStringLiteral("行選択を解除してください。")};
    return std::nullopt;
}

TiryoboNotice TiryoboCmdCheck::dateRow(const TiryoboBook& book, int code)
{
    const QString text = dateRowText(code);
    if (text.isEmpty() || (book.validRow(book.Row) && !book.current().at(TiryoboRow::Hiduke).isEmpty()))
        return std::nullopt;
    return TiryoboMessage{text};
}

TiryoboCmdCheck::Layout TiryoboCmdCheck::layoutAfter(int code)
{
    switch (code) {
    case MultiPaste:
    case DayPaste: return Layout::AllRows;
    case Tojiru:
    case Sindansyo:
    case GyoSiteiStart:
    case GyoSiteiEnd:
    case MultiCopy: return Layout::None;
    default: return Layout::CurrentRow;
    }
}
