#include "KarteText.h"

#include "common/SharedUtil.h"

#include <QtEndian>
#include <algorithm>
#include <bit>
#include <cstring>
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


namespace {
// The bits set in x: one instruction where the processor has it (the split below is compiled
// for such processors as well, and chosen at start).
inline int bitCount(quint64 x)
{
    return __builtin_popcountll(x);
}

// The line breaks (CR or LF) and the "'" among the 64 bytes at p, one bit per byte. Compared 16
// bytes at a time where the processor has the instructions (every x86-64 has), 8 otherwise.
#if defined(__SSE2__)
inline quint64 bytesEqual16(__m128i bytes, char c)
{
    return quint64(quint32(_mm_movemask_epi8(_mm_cmpeq_epi8(bytes, _mm_set1_epi8(c)))));
}

inline void chunkMasks(const char* p, quint64& breaks, quint64& quotes)
{
    breaks = 0;
    quotes = 0;
    for (int part = 0; part < 4; ++part) {
        const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + 16 * part));
        breaks |= (bytesEqual16(bytes, '\n') | bytesEqual16(bytes, '\r')) << (16 * part);
        quotes |= bytesEqual16(bytes, '\'') << (16 * part);
    }
}
#else
// The high bit of each byte of the result is set where the word holds the byte c, and no other
// bit is (no carry passes from one byte to the next); then one bit per byte, first byte lowest.
inline quint64 bytesEqual8(quint64 word, char c)
{
    constexpr quint64 lowBits = 0x7F7F7F7F7F7F7F7FULL;
    const quint64 x = word ^ (0x0101010101010101ULL * quint8(c));
    const quint64 high = ~(((x & lowBits) + lowBits) | x | lowBits);
    return ((high >> 7) * 0x0102040810204080ULL) >> 56;
}

inline void chunkMasks(const char* p, quint64& breaks, quint64& quotes)
{
    breaks = 0;
    quotes = 0;
    for (int w = 0; w < 8; ++w) {
        const quint64 word = qFromLittleEndian<quint64>(p + 8 * w);
        breaks |= (bytesEqual8(word, '\n') | bytesEqual8(word, '\r')) << (8 * w);
        quotes |= bytesEqual8(word, '\'') << (8 * w);
    }
}
#endif

#if defined(__x86_64__) && defined(__GNUC__)
__attribute__((target_clones("popcnt", "default")))
#endif
qsizetype splitLines(QByteArrayView content, std::vector<KarteText::LineSpan>& spans)
{
    // The bytes go by in chunks of 64; the breaks of a chunk end its lines one after another, and
    // the "'" before each break count for the line it ends. Chart lines are short (most under 32
    // bytes), so no line starts a pass of its own, and each is written straight into the spans.
    constexpr int chunk = 64;
    const char* const data = content.data();
    const qsizetype size = content.size();
    qsizetype count = 0;
    KarteText::LineSpan* out = spans.data();
    qsizetype lineStart = 0;
    int separators = 0;
    bool lfEndsLine = false;  // a CR ended the last chunk and the LF that follows is part of its break
    for (qsizetype at = 0; at < size; at += chunk) {
        if (qsizetype(spans.size()) < count + chunk + 1) {  // a chunk ends at most 64 lines, the end one more
            spans.resize(std::max<size_t>(spans.size() * 2, size_t(count) + 2 * chunk));
            out = spans.data();
        }
        quint64 breaks;
        quint64 quotes;
        if (size - at >= chunk) {
            chunkMasks(data + at, breaks, quotes);
        } else {
            char tail[chunk] = {};  // zeros are neither breaks nor "'"
            std::memcpy(tail, data + at, size_t(size - at));
            chunkMasks(tail, breaks, quotes);
        }
        if (lfEndsLine) {
            breaks &= ~quint64(1);
            lfEndsLine = false;
        }
        while (breaks) {
            const int bit = std::countr_zero(breaks);
            const quint64 before = (quint64(1) << bit) - 1;
            separators += bitCount(quotes & before);
            quotes &= ~before;
            breaks &= breaks - 1;
            const qsizetype pos = at + bit;
            out[count++] = {lineStart, pos - lineStart, separators};
            separators = 0;
            lineStart = pos + 1;
            if (data[pos] == '\r' && lineStart < size && data[lineStart] == '\n') {
                ++lineStart;
                if (bit < chunk - 1)
                    breaks &= breaks - 1;  // the LF is the next break of this chunk
                else
                    lfEndsLine = true;
            }
        }
        separators += bitCount(quotes);
    }
    if (lineStart < size) {
        if (qsizetype(spans.size()) <= count)
            spans.resize(size_t(count) + 1);
        spans[size_t(count++)] = {lineStart, size - lineStart, separators};
    }
    return count;
}
} // namespace

qsizetype KarteText::splitCounting(QByteArrayView content, std::vector<LineSpan>& spans)
{
    return splitLines(content, spans);
}
