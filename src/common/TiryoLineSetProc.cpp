#include "TiryoLineSetProc.h"

#include "ByteLenProc.h"
#include "SharedUtil.h"
#include "SindansyoEpisode.h"
#include "ValueReader.h"

QString TiryoLineText(const QString& content, const QString& standard, const QString& quantity)
{
    QString text = SharedUtil::Trim(content);
    const QString kikaku = SharedUtil::Trim(standard);
    if (!kikaku.isEmpty())
        text += QLatin1Char(':') + kikaku;
    QString suryo = SharedUtil::Trim(quantity);
    suryo.remove(QLatin1Char('(')).remove(QLatin1Char(')'));
    if (!suryo.isEmpty() && ValueReader::leadingNumber(suryo) != 1)
        text += QStringLiteral("×") + suryo;
    return text;
}

float TiryoLineSetProc(const SindansyoEpisode& episode, int k, int r)
{
    int lines = 0;
    for (int i = r + 1; i <= r + 7; ++i) {
        const QString category = episode.cell(i, 3);
        if (category.isEmpty() || category == QStringLiteral("往診") || category == QStringLiteral("PLテスト結果"))
            continue;
        const QString text = TiryoLineText(episode.cell(i, 4), episode.cell(i, 5), episode.cell(i, 6));
        lines += ByteLenProc(text) <= 22 ? 1 : 2;
    }
    return lines > (k == 0 ? 10 : 9) ? 0.8f : 1.0f;
}
