#include "SinsatuEdit.h"

#include "NewInputModel.h"
#include "NewInputRules.h"

#include "registers/TourokuCheck.h"
#include "treatment/TensuText.h"

#include <cmath>

namespace {
const QString kakunin = QStringLiteral("確認");
}

TourokuCheck SinsatuEdit::dateGuard(const NewInputModel& m, int j)
{
    if (m.Set.Hinagata || m.dated(j))
        return TourokuCheck::pass();
    return TourokuCheck::refuse(QStringLiteral("日付を入力してください。"), kakunin);
}

TourokuCheck SinsatuEdit::dayOrder(const NewInputModel& m, int j)
{
    if (j == 0 || m.dated(j - 1))
        return TourokuCheck::pass();
    return TourokuCheck::refuse(QStringLiteral("【診察-%1】が入力されていませんので、ここには入力できません。").arg(j),
                                kakunin);
}

TourokuCheck SinsatuEdit::dayClearRefusal(const NewInputModel& m, int j)
{
    for (const TiryoLine& line : m.Panels.at(j).Tiryo) {
        if (!line.isEmpty())
            return TourokuCheck::refuse(QStringLiteral("治療内容が入力されています。削除できません。"), kakunin);
    }
    return TourokuCheck::pass();
}

QString SinsatuEdit::episodeDeleteQuestion(const NewInputModel& m)
{
    if (m.Set.Hinagata)
        return QString();
    return QStringLiteral("【診察-1】を削除するとこのカルテ自体を削除することになります。よろしいですか？");
}

void SinsatuEdit::copyTantou(NewInputModel& m, int j)
{
    if (j < 1)
        return;
    const QString& before = m.Panels.at(j - 1).Tantou;
    if (before != QStringLiteral("担当") && !before.isEmpty())
        m.Panels.at(j).Tantou = before;
}

int SinsatuEdit::teireiBunrui(const NewInputModel& m)
{
    return int(std::trunc(TensuText::value(m.Header.byoCode(0))));
}

std::array<QString, 9> SinsatuEdit::syokenText(const NewInputModel& m, int j)
{
    std::array<QString, 9> text;
    const auto& items = m.Panels.at(j).Syoken;
    std::copy(items.begin(), items.end(), text.begin());
    return text;
}

void SinsatuEdit::setSyoken(NewInputModel& m, int j, const std::array<QString, 9>& syokenText)
{
    auto& items = m.Panels.at(j).Syoken;
    items.fill(QString());
    int n = 0;
    for (int i = 0; i < SinsatuBlock::SyokenCount; ++i) {
        if (!syokenText.at(i).isEmpty())
            items.at(n++) = syokenText.at(i);
    }
}

TourokuCheck SinsatuEdit::clearRefusal(const NewInputModel& m, int j)
{
    if (j >= NewInputModel::SinsatuCount - 1 || !m.dated(j + 1))
        return TourokuCheck::pass();
    return TourokuCheck::refuse(NewInputRules::label1(j + 1) + QStringLiteral("の入力がありますので削除できません。"),
                                kakunin);
}

QString SinsatuEdit::clearQuestion(int j)
{
    return NewInputRules::label1(j) + QStringLiteral("の入力全てを削除します。よろしいですか？");
}

QString SinsatuEdit::insertQuestion(int j)
{
    return NewInputRules::label1(j) + QStringLiteral("の位置に診療日を挿入します。よろしいですか？");
}

QString SinsatuEdit::deleteQuestion(int j)
{
    return NewInputRules::label1(j) + QStringLiteral("を削除し、以降を詰めます。よろしいですか？");
}

void SinsatuEdit::empty(NewInputModel& m, int j)
{
    SinsatuBlock& p = m.Panels.at(j);
    for (QString* f : {&p.SinsatuDate, &p.Tpr, &p.StartTime, &p.EndTime, &p.Gensyo})
        f->clear();
    p.Syoken.fill(QString());
    p.PictNb = PictEntry::empty();
    p.Tiryo.fill(TiryoLine());
}

void SinsatuEdit::clear(NewInputModel& m, int j)
{
    empty(m, j);
    if (m.Set.tantouShown())
        m.Panels.at(j).Tantou = QStringLiteral("担当");
}

void SinsatuEdit::move(NewInputModel& m, int from, int to)
{
    const SinsatuBlock& s = m.Panels.at(from);
    SinsatuBlock& t = m.Panels.at(to);
    t.SinsatuDate = s.SinsatuDate;
    t.Tpr = s.Tpr;
    t.StartTime = s.StartTime;
    t.EndTime = s.EndTime;
    t.Gensyo = s.Gensyo;
    t.Syoken = s.Syoken;
    t.PictNb = s.PictNb;
    t.Tiryo = s.Tiryo;
}

void SinsatuEdit::insert(NewInputModel& m, int j)
{
    for (int k = NewInputModel::SinsatuCount - 2; k >= j; --k)
        move(m, k, k + 1);
    empty(m, j);
}

void SinsatuEdit::remove(NewInputModel& m, int j)
{
    for (int k = j; k < NewInputModel::SinsatuCount - 1; ++k)
        move(m, k + 1, k);
    empty(m, NewInputModel::SinsatuCount - 1);
}

QString SinsatuEdit::copyQuestion(int k)
{
    return NewInputRules::label1(k - 1) + QStringLiteral("の治療内容を") + NewInputRules::label1(k)
           + QStringLiteral("にコピーします。");
}

void SinsatuEdit::copyTiryo(NewInputModel& m, int k)
{
    m.Panels.at(k).Tiryo = m.Panels.at(k - 1).Tiryo;
}
