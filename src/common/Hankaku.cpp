#include "Hankaku.h"

#include <QHash>

namespace {

// Full-width katakana and punctuation to half-width, built from the compatibility decompositions
// of the half-width forms (U+FF61..U+FF9F); voiced and semi-voiced katakana get the half-width
// base followed by the half-width voicing mark.
QHash<char16_t, QString> buildKanaTable()
{
    QHash<char16_t, QString> table;
    for (char16_t c = 0xFF61; c <= 0xFF9F; ++c) {
        const QString full = QString(QChar(c)).normalized(QString::NormalizationForm_KC);
        if (full.size() == 1)
            table.insert(full.at(0).unicode(), QString(QChar(c)));
    }
    table.insert(0x309B, QString(QChar(0xFF9E)));  // ゛
    table.insert(0x309C, QString(QChar(0xFF9F)));  // ゜
    for (char16_t c = 0x30A1; c <= 0x30FA; ++c) {
        const QString parts = QString(QChar(c)).normalized(QString::NormalizationForm_D);
        if (parts.size() != 2 || !table.contains(parts.at(0).unicode()))
            continue;
        const char16_t mark = parts.at(1).unicode();
        if (mark == 0x3099)
            table.insert(c, table.value(parts.at(0).unicode()) + QChar(0xFF9E));
        else if (mark == 0x309A)
            table.insert(c, table.value(parts.at(0).unicode()) + QChar(0xFF9F));
    }
    return table;
}

} // namespace

QString Hankaku::convert(QStringView text)
{
    static const QHash<char16_t, QString> kana = buildKanaTable();
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u >= 0xFF01 && u <= 0xFF5E)
            out.append(QChar(char16_t(u - 0xFEE0)));
        else if (u == 0x3000)
            out.append(QLatin1Char(' '));
        else if (u == 0xFFE5)
            out.append(QChar(0x00A5));  // ￥
        else if (const auto it = kana.constFind(u); it != kana.constEnd())
            out.append(*it);
        else
            out.append(c);
    }
    return out;
}
