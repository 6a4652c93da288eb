#include "KarteText.h"

#include "common/SharedUtil.h"

#include <QtEndian>
#include <bit>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {
const QChar Separator = QLatin1Char('\'');
const QChar HeaderSeparator = QChar(0x2019); // "’"
}

QString KarteText::trim(const QString& text)
{
    return SharedUtil::Trim(text);
}

QString KarteText::removeBreaks(const QString& text)
{
    QString out = text;
    out.remove(QStringLiteral("\r\n"));
    out.remove(QLatin1Char('\r'));
    out.remove(QLatin1Char('\n'));
    out.remove(Separator);
    return out;
}

QString KarteText::clean(const QString& text)
{
    return trim(removeBreaks(text));
}

QString KarteText::makeLine(const QStringList& cells)
{
    QString line;
    for (const QString& cell : cells) {
        line += clean(cell);
        line += Separator;
    }
    return line;
}

QString KarteText::makeHeaderLine(const QStringList& values)
{
    QString line;
    for (const QString& value : values) {
        line += clean(QString(value).remove(HeaderSeparator));
        line += Separator;
    }
    return line;
}

bool KarteText::badHeaderValue(const QString& value)
{
    return value.contains(Separator) || value.contains(HeaderSeparator) || value.contains(QLatin1Char('\r'))
        || value.contains(QLatin1Char('\n'));
}

std::optional<QStringList> KarteText::headerRecord(const QString& line, int minFields, int maxFields,
                                                  const QString& recordName, int* fieldCount, QString* reason)
{
    const QString normal = normaliseHeader(line);
    const int count = KarteText::fieldCount(normal);
    const QStringList f = fields(normal, maxFields);
    if (f.at(0) != QStringLiteral("Main") || count < minFields || count > maxFields) {
        if (reason)
            *reason = QStringLiteral("%1の行の項目数が違います（%2 項目）").arg(recordName).arg(count);
        return std::nullopt;
    }
    if (fieldCount)
        *fieldCount = count;
    return f;
}

std::optional<QString> KarteText::badHeaderValue(const QStringList& values)
{
    for (const QString& value : values) {
        if (badHeaderValue(value))
            return value;
    }
    return std::nullopt;
}

QStringList KarteText::fields(const QString& line, int count)
{
    QStringList parts = line.split(Separator);
    for (QString& part : parts)
        part = trim(part);
    while (parts.size() < count)
        parts.append(QString());
    return parts;
}

QStringList KarteText::headerFields(const QString& line)
{
    return fields(normaliseHeader(line), 0);
}

QString KarteText::normaliseHeader(const QString& line)
{
    if (!line.contains(HeaderSeparator))
        return line;
    QString out = line;
    out.replace(HeaderSeparator, Separator);
    return out;
}

int KarteText::fieldCount(const QString& line)
{
    return int(line.count(Separator));
}

bool KarteText::textAfterLastField(QByteArrayView line)
{
    qsizetype end = line.size();
    while (end > 0 && line[end - 1] == ' ')
        --end;
    return end > 0 && line[end - 1] != '\'';
}

namespace {
// The next line of a chart's bytes from p: where it ends and how many "'" it holds. Thirty-two
// bytes (about one line) are compared at a time where the processor has the instructions (every
// x86-64 has), eight otherwise.
#if defined(__SSE2__)
// The bytes of the 32 at p equal to c, one bit each.
quint32 bytesEqual32(__m128i low, __m128i high, __m128i c)
{
    return quint32(_mm_movemask_epi8(_mm_cmpeq_epi8(low, c)))
        | quint32(_mm_movemask_epi8(_mm_cmpeq_epi8(high, c))) << 16;
}

const char* lineEnd(const char* p, const char* end, int& separators)
{
    const __m128i lf = _mm_set1_epi8('\n');
    const __m128i cr = _mm_set1_epi8('\r');
    const __m128i quote = _mm_set1_epi8('\'');
    for (; p + 32 <= end; p += 32) {
        const __m128i low = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
        const __m128i high = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + 16));
        const quint32 breaks = bytesEqual32(low, high, lf) | bytesEqual32(low, high, cr);
        const quint32 quotes = bytesEqual32(low, high, quote);
        if (!breaks) {
            separators += std::popcount(quotes);
            continue;
        }
        const int at = std::countr_zero(breaks);
        separators += std::popcount(quotes & ((quint32(1) << at) - 1));
        return p + at;
    }
    for (; p < end && *p != '\n' && *p != '\r'; ++p)
        separators += *p == '\'' ? 1 : 0;
    return p;
}
#else
// Eight bytes at a time: the high bit of each byte of the result is set where the word holds the
// byte c, and no other bit is (no carry passes from one byte to the next).
constexpr quint64 lowBits = 0x7F7F7F7F7F7F7F7FULL;
constexpr quint64 eachByte = 0x0101010101010101ULL;

quint64 bytesEqual(quint64 word, char c)
{
    const quint64 x = word ^ (eachByte * quint8(c));
    return ~(((x & lowBits) + lowBits) | x | lowBits);
}

quint64 wordAt(const char* p)
{
    return qFromLittleEndian<quint64>(p);
}

const char* lineEnd(const char* p, const char* end, int& separators)
{
    for (; p + 8 <= end; p += 8) {
        const quint64 word = wordAt(p);
        const quint64 breaks = bytesEqual(word, '\n') | bytesEqual(word, '\r');
        const quint64 quotes = bytesEqual(word, '\'');
        if (!breaks) {
            separators += std::popcount(quotes);
            continue;
        }
        const int at = std::countr_zero(breaks) / 8;
        separators += std::popcount(quotes & ((quint64(1) << (8 * at)) - 1));
        return p + at;
    }
    for (; p < end && *p != '\n' && *p != '\r'; ++p)
        separators += *p == '\'' ? 1 : 0;
    return p;
}
#endif
} // namespace

void KarteText::splitCounting(QByteArrayView content, QList<QByteArrayView>& lines, QList<int>& fieldCounts)
{
    lines.clear();
    fieldCounts.clear();
    const char* p = content.data();
    const char* const end = p + content.size();
    while (p < end) {
        int separators = 0;
        const char* const stop = lineEnd(p, end, separators);
        const QByteArrayView line(p, stop - p);
        lines.append(line);
        fieldCounts.append(separators);
        p = stop;
        if (p < end)
            p += (*p == '\r' && p + 1 < end && p[1] == '\n') ? 2 : 1;
    }
}
