#include "NewInputRules.h"

#include "KarteText.h"
#include "NewInputModel.h"

#include "treatment/TensuText.h"

#include <cmath>
#include <tuple>

NewInputRules::CloseStep NewInputRules::closeCheck(const NewInputModel& model)
{
    if (!model.saveAllowed())
        return {CloseStep::CloseOnly, QString(), QString()};
    const QString kakunin = QStringLiteral("確認");
    if (model.Set.ManryoShown) {
        for (int j = 0; j < NewInputModel::SinsatuCount; ++j) {
            const SinsatuBlock& p = model.Panels.at(j);
            if (p.SinsatuDate.contains(QLatin1Char('.')) && p.Tantou == QStringLiteral("担当"))
                return {CloseStep::Refuse,
                        QStringLiteral("診察-%1の担当獣医師名が選択されていません。").arg(j + 1), kakunin};
        }
    }
    if (model.Panels.at(0).SinsatuDate.isEmpty())
        return {CloseStep::AskNoSave,
                QStringLiteral("【診察-1】の日付がありませんので保存しません。\r\n終了しますか？"), kakunin};
    if (model.Set.TiryoboMode)
        return {CloseStep::AskTiryobo,
                QStringLiteral("「はい」で保存されます。\r\n保存すると、治療簿からは開けなくなります。\r\n"
                               "修正が必要な場合は「いいえ」で治療簿に戻ってください。"),
                QStringLiteral("このカルテを保存しますか？")};
    return {CloseStep::Save, QString(), QString()};
}

QString NewInputRules::printJobEntry(const QString& karteFile, const QString& byoName, const QString& syosinDate)
{
    return karteFile + QLatin1Char('\'') + KarteText::trim(byoName) + QLatin1Char('\'') + syosinDate;
}

QString NewInputRules::hinagataName(const QString& byoName1, const QString& byoName3)
{
    const QString name = KarteText::trim(byoName1);
    if (byoName3.isEmpty())
        return name;
    return name + QLatin1Char('_') + KarteText::trim(byoName3);
}

std::optional<QString> NewInputRules::pickedDate(const QString& yearOut, const QString& manthOut, const QString& dayOut)
{
    if (yearOut.isEmpty())
        return std::nullopt;
    return yearOut + QLatin1Char('.') + manthOut + QLatin1Char('.') + dayOut;
}

std::optional<int> NewInputRules::seirekiOffset(const QString& text)
{
    if (text.startsWith(QLatin1Char('R')))
        return 2018;
    if (text.startsWith(QLatin1Char('H')))
        return 1988;
    if (text.startsWith(QLatin1Char('S')))
        return 1925;
    return std::nullopt;
}

bool NewInputRules::ManryoHikakuProc(const QString& manryoGd, const QString& nenGappiOut, const QString& yearOut,
                                     const QString& manthOut, const QString& dayOut)
{
    if (!manryoGd.contains(QLatin1Char('.')))
        return true;
    const QStringList parts = manryoGd.split(QLatin1Char('.'));
    const std::optional<int> manryoEra = seirekiOffset(parts.at(0));
    const std::optional<int> pickedEra = seirekiOffset(nenGappiOut);
    const int manryoBase = manryoEra.value_or(pickedEra.value_or(0));
    const int pickedBase = pickedEra.value_or(manryoEra.value_or(0));
    const auto number = [](const QString& t) { return int(std::trunc(TensuText::value(t))); };
    const QString manryoYear = manryoEra ? parts.at(0).mid(1) : parts.at(0);
    // An expiry without its day part passes every day of its month.
    const auto manryo = std::make_tuple(manryoBase + number(manryoYear), number(parts.at(1)),
                                        parts.size() > 2 ? number(parts.at(2)) : 31);
    const auto picked = std::make_tuple(pickedBase + number(yearOut), number(manthOut), number(dayOut));
    return !(picked > manryo);
}

QString NewInputRules::label1(int j)
{
    return QStringLiteral("[診察-%1]").arg(j + 1);
}
