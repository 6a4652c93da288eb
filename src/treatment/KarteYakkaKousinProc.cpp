#include "KarteYakkaKousinProc.h"

#include "YakkaKousinProc.h"
#include "common/MsgBox.h"
#include "common/SharedState.h"

namespace {
const QString Title = QStringLiteral("確認");
}

KarteYakkaKousinProc::Result KarteYakkaKousinProc::run(KarteEpisode& episode, const std::function<void()>& tensuKeisan,
                                                       const std::function<void()>& karteSave)
{
    SharedState& s = SharedState::get();
    if (s.ken == Ken::Miyazaki) {
        MsgBox::show(QStringLiteral("宮崎県版はこの機能は無効です。"), Title);
        return Cancelled;
    }
    if (!MsgBox::ask(QStringLiteral("現在開いているカルテの薬価を最新のものに更新します。"), Title))
        return Cancelled;
    QStringList errors;
    s.Hand.YakkaKousinList = YakkaKousinProc::readKousinList(&errors);
    if (!errors.isEmpty()) {
        MsgBox::show(errors.join(QLatin1Char('\n')), Title);
        return Cancelled;
    }
    YakkaKousinProc proc(s.Tables.YakkaCodeTable, s.Hand.YakkaKousinList);
    proc.kousin(episode);
    if (tensuKeisan)
        tensuKeisan();
    if (karteSave)
        karteSave();
    if (!proc.missingName().isEmpty()) {
        MsgBox::show(proc.missingName() + QStringLiteral("は今年度の薬品名にありませんので更新できませんでした。\n"
                                                         "該当薬品名を入力しなおして更新してください。（他は更新されました）"),
                     Title);
        return Missing;
    }
    MsgBox::show(QStringLiteral("更新しました。"), Title);
    return Updated;
}
