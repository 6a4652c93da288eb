#include "SindansyoText.h"

#include "common/SharedUtil.h"
#include "common/SindansyoEpisode.h"

bool SindansyoText::mimibanPrinted(const QString& karteFile, const QString& tag)
{
    return karteFile.section(QLatin1Char('.'), 0, 0).endsWith(QLatin1Char('0'))
        && !tag.startsWith(QLatin1Char('k'), Qt::CaseInsensitive) && !tag.contains(QLatin1Char('-'));
}

QStringList SindansyoText::meigouParts(const QString& field)
{
    const QStringList parts = field.split(QLatin1Char(':'));
    return parts.size() == 2 ? parts : QStringList{field, QString()};
}

QString SindansyoText::EijiDelProc(QString text)
{
    text.removeIf([](QChar c) { return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z'); });
    return text;
}

QStringList SindansyoText::meigouNumber(const QString& field)
{
    QStringList parts = meigouParts(field);
    parts[1] = EijiDelProc(parts.at(1));
    return parts;
}

QString SindansyoText::withoutEra(QString year)
{
    return year.remove(QLatin1Char('H')).remove(QLatin1Char('R'));
}

std::array<std::optional<QString>, 3> SindansyoText::vitalValues(const QString& tpr)
{
    std::array<std::optional<QString>, 3> values;
    const QStringList parts = tpr.split(QLatin1Char(' '));
    if (tpr.isEmpty() || parts.size() != 3)
        return values;
    for (int i = 0; i < 3; ++i) {
        const QStringList pieces = parts.at(i).split(QLatin1Char('='));
        if (pieces.size() == 2)
            values[i] = SharedUtil::Trim(pieces.at(1));
    }
    return values;
}

QStringList SindansyoText::vitalTexts(const QString& tpr)
{
    QStringList texts(3);
    const auto values = vitalValues(tpr);
    const QString labels[] = {QStringLiteral("T."), QStringLiteral("P."), QStringLiteral("R.")};
    for (int i = 0; i < 3; ++i) {
        if (values[i] && (i == 0 || !values[i]->isEmpty()))
            texts[i] = labels[i] + *values[i];
    }
    return texts;
}

QString SindansyoText::keikaText(const SindansyoEpisode& episode, int row)
{
    QString text = SharedUtil::Trim(episode.cell(row + 1, 2));
    for (int f = 3; f <= 10; ++f) {
        if (!episode.cell(row + 8, f).isEmpty())
            text += QLatin1Char(' ') + episode.cell(row + 8, f);
    }
    return text;
}
