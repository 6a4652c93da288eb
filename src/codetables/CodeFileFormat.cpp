#include "CodeFileFormat.h"

#include "common/SharedUtil.h"

namespace {
const QChar kQuote = u'\'';
const QChar kComma = u',';
const QString kOusin = QStringLiteral("往診");
const QString kKara = QStringLiteral("～");
const QString kKaraJis = QStringLiteral("〜"); // the wave dash an input method may give for ～
const QString kInai = QStringLiteral("以内");
const QString kClosingLine = QStringLiteral(",,,");
const int kClosingLines = 3;
} // namespace

QStringList CodeFileFormat::fields(const QString& line, QChar separator, int count)
{
    QStringList f = line.split(separator);
    while (f.size() < count)
        f.append(QString());
    return f;
}

QString CodeFileFormat::strip(const QString& cell, QChar separator)
{
    QString t = cell;
    t.remove(QLatin1Char('\r'));
    t.remove(QLatin1Char('\n'));
    t.remove(separator);
    return t;
}

QString CodeFileFormat::stripTrim(const QString& cell, QChar separator)
{
    return SharedUtil::KaigyoDelProc(strip(cell, separator));
}

bool CodeFileFormat::hasKey(const QStringList& row, int keyCol)
{
    return !SharedUtil::KaigyoDelProc(row.value(keyCol)).isEmpty();
}

QString CodeFileFormat::joinEach(const QStringList& fields, QChar separator)
{
    QString line;
    for (const QString& f : fields)
        line += f + separator;
    return line;
}

CodeFileFormat::Rows CodeFileFormat::yakkaRows(const QStringList& lines)
{
    Rows rows;
    for (const QString& line : lines) {
        if (!line.contains(kQuote))
            continue;
        const QStringList f = fields(line, kQuote, 8);
        rows.append({f[0], f[1], f[2], f[6], f[7], QString(), f[4], f[3]});
    }
    return rows;
}

QStringList CodeFileFormat::yakkaLines(const Rows& rows)
{
    QStringList lines;
    for (const QStringList& row : rows) {
        if (!hasKey(row, YakkaKeyCol))
            continue;
        auto k = [&](int col) { return stripTrim(row.value(col), kQuote); };
        const QString carried = strip(row.value(7), kQuote);
        const QStringList out{k(0), k(1), k(2), carried.isEmpty() ? QStringLiteral("*") : carried,
                              k(6), QString(), k(3), k(4)};
        lines.append(out.join(kQuote));
    }
    return lines;
}

CodeFileFormat::Rows CodeFileFormat::sinryoRows(const QStringList& table)
{
    Rows rows;
    for (const QString& line : table) {
        if (line.isEmpty())
            continue;
        const QStringList f = fields(line, kComma, 3);
        rows.append({QString::number(rows.size() + 1), f[0], f[1], f[2]});
    }
    rows.append(QStringList(SinryoCols));
    return rows;
}

QStringList CodeFileFormat::sinryoLines(const Rows& rows)
{
    QStringList lines;
    for (const QStringList& row : rows)
        if (hasKey(row, SinryoKeyCol))
            lines.append(joinEach({strip(row.value(1), kComma), strip(row.value(2), kComma),
                                   strip(row.value(3), kComma)}, kComma));
    return lines;
}

QStringList CodeFileFormat::sinryoFileLines(const QStringList& itemLines)
{
    QStringList lines = itemLines;
    for (int i = 0; i < kClosingLines; ++i)
        lines.append(kClosingLine);
    return lines;
}

CodeFileFormat::Rows CodeFileFormat::fieldRows(const QStringList& lines, int cols)
{
    Rows rows;
    for (const QString& line : lines)
        if (line.contains(kQuote))
            rows.append(fields(line, kQuote, cols).mid(0, cols));
    return rows;
}

QStringList CodeFileFormat::fieldLines(const Rows& rows, int cols, int keyCol, bool trim)
{
    QStringList lines;
    for (const QStringList& row : rows) {
        if (!hasKey(row, keyCol))
            continue;
        QStringList out;
        for (int c = 0; c < cols; ++c)
            out.append(trim ? stripTrim(row.value(c), kQuote) : strip(row.value(c), kQuote));
        lines.append(joinEach(out, kQuote));
    }
    return lines;
}

CodeFileFormat::Rows CodeFileFormat::lenRows(const QStringList& table)
{
    return fieldRows(table, LenCols);
}

QStringList CodeFileFormat::lenLines(const Rows& rows)
{
    return fieldLines(rows, LenCols, LenKeyCol, false);
}

CodeFileFormat::Rows CodeFileFormat::yakkaMiyazakiRows(const QStringList& lines)
{
    return fieldRows(lines, YakkaMiyazakiCols);
}

QStringList CodeFileFormat::yakkaMiyazakiLines(const Rows& rows)
{
    return fieldLines(rows, YakkaMiyazakiCols, YakkaMiyazakiKeyCol, true);
}

CodeFileFormat::Rows CodeFileFormat::sinryoMiyazakiRows(const QStringList& lines)
{
    Rows rows;
    for (const QString& line : lines) {
        if (!line.contains(kQuote))
            continue;
        const QStringList f = fields(line, kQuote, SinryoMiyazakiCols);
        if (f[0] == kOusin)
            rows.append({f[0], f[1], f[2], bandText(f[3], f[4]), QString(), f[5]});
        else
            rows.append(f.mid(0, SinryoMiyazakiCols));
    }
    return rows;
}

QStringList CodeFileFormat::sinryoMiyazakiLines(const Rows& rows)
{
    QStringList lines;
    for (const QStringList& row : rows) {
        if (!hasKey(row, SinryoMiyazakiKeyCol) || !hasKey(row, 0))
            continue;
        auto k = [&](int col) { return stripTrim(row.value(col), kQuote); };
        QStringList out{k(0), k(1), k(2)};
        if (k(0) == kOusin) {
            const auto [lower, upper] = bandFields(row.value(3));
            out << strip(lower, kQuote) << strip(upper, kQuote);
        } else {
            out << k(3) << k(4);
        }
        out << k(5);
        lines.append(joinEach(out, kQuote));
    }
    return lines;
}

CodeFileFormat::Rows CodeFileFormat::miyazakiViewDrugRows(const QStringList& table)
{
    Rows rows = yakkaMiyazakiRows(table);
    for (QStringList& row : rows)
        row.removeAt(7);  // field 7 has no reader
    return rows;
}

CodeFileFormat::Rows CodeFileFormat::miyazakiViewFeeRows(const QStringList& table)
{
    Rows rows = sinryoMiyazakiRows(table);
    for (QStringList& row : rows) {
        if (row[0] == kOusin) {
            row[2] += row[3];
            row[3].clear();
        }
        row.removeAt(4);
    }
    return rows;
}

QString CodeFileFormat::bandText(const QString& lower, const QString& upper)
{
    if (lower.isEmpty())
        return QString();
    return upper.isEmpty() ? lower + kInai : lower + kKara + upper;
}

std::pair<QString, QString> CodeFileFormat::bandFields(const QString& text)
{
    qsizetype at = text.indexOf(kKara);
    if (at < 0)
        at = text.indexOf(kKaraJis);
    if (at >= 0)
        return {text.left(at), text.mid(at + 1)};
    QString lower = text;
    lower.remove(kInai);
    return {SharedUtil::KaigyoDelProc(lower), QString()};
}
