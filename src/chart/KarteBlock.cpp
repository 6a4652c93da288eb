#include "KarteBlock.h"

#include "KarteText.h"

KarteBlock::KarteBlock()
{
    setTags();
}

const QString& KarteBlock::cell(int row, int column) const
{
    return cells.at(row * FieldCount + column);
}

void KarteBlock::setCell(int row, int column, const QString& text)
{
    cells.at(row * FieldCount + column) = text;
}

QStringList KarteBlock::row(int row) const
{
    QStringList out;
    out.reserve(FieldCount);
    for (int c = 0; c < FieldCount; ++c)
        out.append(cell(row, c));
    return out;
}

void KarteBlock::setRow(int row, const QStringList& fields)
{
    for (int c = 0; c < FieldCount; ++c)
        setCell(row, c, fields.value(c));
}

QString KarteBlock::tag(int row)
{
    if (row == 0)
        return QStringLiteral("Name");
    return row < sinsatuRow(0) ? QStringLiteral("Data") : QStringLiteral("Sinsatu");
}

QString KarteBlock::tagNumber(int row)
{
    return row < sinsatuRow(0) ? QString() : QString::number((row - sinsatuRow(0)) / SinsatuLines + 1);
}

void KarteBlock::setTags()
{
    for (int r = 0; r < LineCount; ++r) {
        setCell(r, 0, tag(r));
        setCell(r, 1, tagNumber(r));
    }
}

QStringList KarteBlock::lines() const
{
    QStringList out;
    out.reserve(LineCount);
    for (int r = 0; r < LineCount; ++r)
        out.append(KarteText::makeLine(row(r)));
    return out;
}

KarteBlock KarteBlock::fromLines(const QStringList& lines)
{
    KarteBlock block;
    for (int r = 0; r < LineCount && r < lines.size(); ++r)
        block.setRow(r, KarteText::fields(lines.at(r), FieldCount));
    return block;
}
