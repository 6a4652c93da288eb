#include "KarteText.h"

#include "common/SharedUtil.h"

#include <QtEndian>
#include <algorithm>
#include <bit>
#include <cstring>
#if defined(__x86_64__) && defined(__GNUC__)
#include <immintrin.h>
#elif defined(__SSE2__)
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
constexpr int chunk = 64;

// The LFs, the CRs and the "'" among 64 bytes, one bit per byte, first byte lowest.
struct ChunkMasks
{
    quint64 lfs;
    quint64 crs;
    quint64 quotes;
};

// Compared 16 bytes at a time where the processor has the instructions (every x86-64 has), 8
// otherwise.
#if defined(__SSE2__)
inline quint64 bytesEqual16(__m128i bytes, char c)
{
    return quint64(quint32(_mm_movemask_epi8(_mm_cmpeq_epi8(bytes, _mm_set1_epi8(c)))));
}

inline ChunkMasks chunkMasks(const char* p)
{
    ChunkMasks m{0, 0, 0};
    for (int part = 0; part < 4; ++part) {
        const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + 16 * part));
        m.lfs |= bytesEqual16(bytes, '\n') << (16 * part);
        m.crs |= bytesEqual16(bytes, '\r') << (16 * part);
        m.quotes |= bytesEqual16(bytes, '\'') << (16 * part);
    }
    return m;
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

inline ChunkMasks chunkMasks(const char* p)
{
    ChunkMasks m{0, 0, 0};
    for (int w = 0; w < 8; ++w) {
        const quint64 word = qFromLittleEndian<quint64>(p + 8 * w);
        m.lfs |= bytesEqual8(word, '\n') << (8 * w);
        m.crs |= bytesEqual8(word, '\r') << (8 * w);
        m.quotes |= bytesEqual8(word, '\'') << (8 * w);
    }
    return m;
}
#endif

// The split of the bytes, for the mask function of the processor at hand. The bytes go by in
// chunks of 64. A line ends at an LF, or at a CR (with the LF after it, when there is one, as part
// of the break): the ends of a chunk are found at once from its masks, and then each end closes
// one line, whose "'" are those counted since the end before. Chart lines are short (most under
// 32 bytes), so no line starts a pass of its own, and each is written straight into the spans
// without reading its bytes again.
template <ChunkMasks (*masksAt)(const char*)>
inline __attribute__((always_inline)) qsizetype splitWith(QByteArrayView content,
                                                          std::vector<KarteText::LineSpan>& spans)
{
    const char* const data = content.data();
    const qsizetype size = content.size();
    qsizetype count = 0;
    KarteText::LineSpan* out = spans.data();
    qsizetype lineStart = 0;
    int carried = 0;       // the "'" of the line in progress found in the chunks before
    quint64 lfOfCrLf = 0;  // 1 when the chunk starts with the LF of a CR LF that the last one ended
    for (qsizetype at = 0; at < size; at += chunk) {
        if (qsizetype(spans.size()) < count + chunk + 1) {  // a chunk ends at most 64 lines, the end one more
            spans.resize(std::max<size_t>(spans.size() * 2, size_t(count) + 2 * chunk));
            out = spans.data();
        }
        ChunkMasks m;
        if (size - at >= chunk) {
            m = masksAt(data + at);
        } else {
            char tail[chunk] = {};  // zeros are neither breaks nor "'"
            std::memcpy(tail, data + at, size_t(size - at));
            m = masksAt(tail);
        }
        const bool nextIsLf = at + chunk < size && data[at + chunk] == '\n';
        const quint64 crLf = m.crs & ((m.lfs >> 1) | (quint64(nextIsLf) << (chunk - 1)));  // a CR with its LF
        quint64 ends = (m.crs | m.lfs) & ~((crLf << 1) | lfOfCrLf);
        lfOfCrLf = crLf >> (chunk - 1);
        int counted = -carried;  // the "'" of this chunk up to the last end, less those carried in
        while (ends) {
            const int bit = std::countr_zero(ends);
            ends &= ends - 1;
            const int upToEnd = __builtin_popcountll(m.quotes & ((quint64(1) << bit) - 1));
            const qsizetype pos = at + bit;
            out[count++] = {lineStart, pos - lineStart, upToEnd - counted};
            counted = upToEnd;
            lineStart = pos + 1 + qsizetype((crLf >> bit) & 1);
        }
        carried = __builtin_popcountll(m.quotes) - counted;
    }
    if (lineStart < size) {
        if (qsizetype(spans.size()) <= count)
            spans.resize(size_t(count) + 1);
        spans[size_t(count++)] = {lineStart, size - lineStart, carried};
    }
    return count;
}

qsizetype splitPlain(QByteArrayView content, std::vector<KarteText::LineSpan>& spans)
{
    return splitWith<chunkMasks>(content, spans);
}

#if defined(__x86_64__) && defined(__GNUC__)
// The same split, 32 bytes compared at a time and one instruction for bit counts, where the
// processor has the instructions (chosen once, at the first split).
__attribute__((target("avx2,popcnt,bmi"))) inline quint64 bytesEqual32(__m256i bytes, char c)
{
    return quint64(quint32(_mm256_movemask_epi8(_mm256_cmpeq_epi8(bytes, _mm256_set1_epi8(c)))));
}

__attribute__((target("avx2,popcnt,bmi"))) inline ChunkMasks chunkMasksAvx2(const char* p)
{
    const auto equal = bytesEqual32;
    const __m256i low = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(p));
    const __m256i high = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(p + 32));
    return {equal(low, '\n') | equal(high, '\n') << 32, equal(low, '\r') | equal(high, '\r') << 32,
            equal(low, '\'') | equal(high, '\'') << 32};
}

__attribute__((target("avx2,popcnt,bmi"))) qsizetype splitAvx2(QByteArrayView content,
                                                               std::vector<KarteText::LineSpan>& spans)
{
    return splitWith<chunkMasksAvx2>(content, spans);
}

using SplitFn = qsizetype (*)(QByteArrayView, std::vector<KarteText::LineSpan>&);
SplitFn bestSplit()
{
    __builtin_cpu_init();
    const bool fast = __builtin_cpu_supports("avx2") && __builtin_cpu_supports("popcnt")
        && __builtin_cpu_supports("bmi");
    return fast ? splitAvx2 : splitPlain;
}
#endif
} // namespace

qsizetype KarteText::splitCounting(QByteArrayView content, std::vector<LineSpan>& spans)
{
#if defined(__x86_64__) && defined(__GNUC__)
    static const SplitFn split = bestSplit();
    return split(content, spans);
#else
    return splitPlain(content, spans);
#endif
}
