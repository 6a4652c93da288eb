#include "NoukaSelect.h"

namespace {
// One column of the index per string, top to bottom; a blank stands for an empty cell.
const char16_t* const kanaColumns[NoukaSelect::kanaCols] = {
    u"あいうえお", u"かきくけこ", u"さしすせそ", u"たちつてと", u"なにぬねの",
    u"はひふへほ", u"まみむめも", u"やゆよ  ", u"らりるれろ", u"わ   全",
};

QStringList fieldsOf(const QString& line)
{
    return line.split(QLatin1Char(','));
}
} // namespace

QString NoukaSelect::kana(int row, int col)
{
    if (row < 0 || row >= kanaRows || col < 0 || col >= kanaCols)
        return QString();
    const QString cell = QString::fromUtf16(kanaColumns[col]).mid(row, 1);
    return cell == QStringLiteral(" ") ? QString() : cell;
}

QStringList NoukaSelect::namesOf(const QStringList& registerLines, const QString& tiku, const QString& kana)
{
    const bool all = kana.isEmpty() || kana == zen();
    QStringList names;
    for (const QString& line : registerLines) {
        const QStringList fields = fieldsOf(line);
        if (fields.size() < 2 || fields.at(0).trimmed() != tiku)
            continue;
        if (all || fields.value(4).trimmed() == kana)
            names.append(fields.value(1));
    }
    return names;
}

bool NoukaSelect::find(const QStringList& registerLines, const QString& tiku, const QString& name,
                       NoukaInfo& nouka)
{
    for (const QString& line : registerLines) {
        const QStringList fields = fieldsOf(line);
        if (fields.value(0).trimmed() == tiku.trimmed() && fields.value(1).trimmed() == name.trimmed()) {
            nouka.NoukaCode = fields.value(2);
            nouka.NoukaJyusyo = fields.value(3);
            return true;
        }
    }
    return false;
}

bool NoukaSelect::autoNouka(const QStringList& registerLines, const QStringList& texts, NoukaInfo& nouka)
{
    for (const QString& line : registerLines) {
        for (const QString& text : texts) {
            if (text.isEmpty() || !line.contains(text))
                continue;
            const QStringList fields = fieldsOf(line);
            nouka.NoukaTiku = fields.value(0);
            nouka.NoukaName = fields.value(1);
            nouka.NoukaCode = fields.value(2);
            return true;
        }
    }
    return false;
}

QStringList NoukaSelect::autoNoukaTexts(const SiteProfile& site)
{
    return site.text(QStringLiteral("AutoNoukaTexts")).split(QLatin1Char(':'), Qt::SkipEmptyParts);
}

bool NoukaSelect::fixedNouka(const SiteProfile& site, NoukaInfo& nouka)
{
    const QString value = site.text(QStringLiteral("FixedNouka"));
    if (value.isEmpty())
        return false;
    const QStringList parts = value.split(QLatin1Char(':'));
    nouka.NoukaTiku = parts.value(0);
    nouka.NoukaName = parts.value(1);
    nouka.NoukaCode = parts.value(2);
    return true;
}
