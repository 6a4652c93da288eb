#include "Cp932.h"

#include <cerrno>
#include <iconv.h>
#include <stdexcept>
#include <vector>

namespace {

// One converter per direction, kept open for the life of the thread.
class Converter
{
public:
    Converter(const char* to, const char* from) : handle(iconv_open(to, from))
    {
        if (handle == reinterpret_cast<iconv_t>(-1))
            throw std::runtime_error("iconv cannot convert between CP932 and UTF-8");
    }
    ~Converter() { iconv_close(handle); }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    // Converts all of input; returns false with the failing input offset on an invalid sequence.
    bool run(QByteArrayView input, QByteArray& output, qsizetype& failedAt)
    {
        iconv(handle, nullptr, nullptr, nullptr, nullptr);
        output.resize(input.size() * 4 + 16);
        char* in = const_cast<char*>(input.data());
        size_t inLeft = size_t(input.size());
        char* out = output.data();
        size_t outLeft = size_t(output.size());
        while (inLeft > 0) {
            if (iconv(handle, &in, &inLeft, &out, &outLeft) != size_t(-1))
                continue;
            if (errno == E2BIG) {
                const qsizetype used = out - output.data();
                output.resize(output.size() * 2);
                out = output.data() + used;
                outLeft = size_t(output.size() - used);
                continue;
            }
            failedAt = in - input.data();
            return false;
        }
        if (iconv(handle, nullptr, nullptr, &out, &outLeft) == size_t(-1)) {
            failedAt = input.size();
            return false;
        }
        output.resize(out - output.data());
        return true;
    }

private:
    iconv_t handle;
};

// The characters of the code page by their bytes, asked of iconv once (about 10,000 short
// conversions, a millisecond or two) so that decoding is a table look-up per character: a scan
// decodes tens of thousands of lines, most of them a few dozen bytes long.
class DecodeTable
{
public:
    static constexpr char16_t none = 0xFFFF;  // a noncharacter: no byte sequence decodes to it

    DecodeTable() : singles(256, none), pairs(256 * 256, none)
    {
        const iconv_t handle = iconv_open("UTF-16LE", "CP932");
        if (handle == reinterpret_cast<iconv_t>(-1))
            throw std::runtime_error("iconv cannot convert from CP932");
        for (int b = 0; b < 256; ++b) {
            const char one[1] = {char(b)};
            singles[size_t(b)] = convert(handle, one, 1);
        }
        for (int lead = 0x80; lead < 256; ++lead) {
            if (singles[size_t(lead)] != none)
                continue;
            for (int trail = 0; trail < 256; ++trail) {
                const char two[2] = {char(lead), char(trail)};
                pairs[size_t(lead << 8 | trail)] = convert(handle, two, 2);
            }
        }
        iconv_close(handle);
    }

    // The text of bytes, or the offset of the first byte that starts no character.
    std::optional<QString> decode(QByteArrayView bytes, qsizetype& failedAt) const
    {
        const auto* in = reinterpret_cast<const unsigned char*>(bytes.data());
        const qsizetype size = bytes.size();
        QString text(size, Qt::Uninitialized);
        char16_t* out = reinterpret_cast<char16_t*>(text.data());
        qsizetype n = 0;
        for (qsizetype i = 0; i < size;) {
            char16_t c = singles[in[i]];
            if (c != none) {
                out[n++] = c;
                ++i;
                continue;
            }
            if (i + 1 < size && (c = pairs[size_t(in[i] << 8 | in[i + 1])]) != none) {
                out[n++] = c;
                i += 2;
                continue;
            }
            failedAt = i;
            return std::nullopt;
        }
        text.truncate(n);
        return text;
    }

private:
    // The one UTF-16 code unit that all of the bytes make, else none.
    static char16_t convert(iconv_t handle, const char* bytes, size_t size)
    {
        iconv(handle, nullptr, nullptr, nullptr, nullptr);
        char16_t unit[4] = {};
        char* in = const_cast<char*>(bytes);
        char* out = reinterpret_cast<char*>(unit);
        size_t inLeft = size;
        size_t outLeft = sizeof unit;
        if (iconv(handle, &in, &inLeft, &out, &outLeft) == size_t(-1) || inLeft != 0
            || iconv(handle, nullptr, nullptr, &out, &outLeft) == size_t(-1) || outLeft != sizeof unit - 2)
            return none;
        return unit[0] == none ? none : unit[0];
    }

    std::vector<char16_t> singles;
    std::vector<char16_t> pairs;
};

const DecodeTable& decodeTable()
{
    static const DecodeTable table;
    return table;
}

Converter& encoder()
{
    thread_local Converter converter("CP932", "UTF-8");
    return converter;
}

bool isAscii(QByteArrayView bytes)
{
    for (char c : bytes)
        if (static_cast<unsigned char>(c) >= 0x80)
            return false;
    return true;
}

} // namespace

std::optional<QString> Cp932::decode(QByteArrayView bytes, qsizetype* errorOffset)
{
    if (isAscii(bytes))
        return QString::fromLatin1(bytes.data(), bytes.size());
    qsizetype failedAt = 0;
    std::optional<QString> text = decodeTable().decode(bytes, failedAt);
    if (!text && errorOffset)
        *errorOffset = failedAt;
    return text;
}

std::optional<QByteArray> Cp932::encode(QStringView text, qsizetype* errorIndex)
{
    bool ascii = true;
    for (QChar c : text)
        if (c.unicode() >= 0x80) {
            ascii = false;
            break;
        }
    if (ascii)
        return text.toLatin1();
    QByteArray out;
    qsizetype failedAt = 0;
    const QByteArray utf8 = text.toUtf8();
    if (encoder().run(utf8, out, failedAt))
        return out;
    if (errorIndex)
        *errorIndex = QString::fromUtf8(utf8.left(failedAt)).size();
    return std::nullopt;
}

int Cp932::byteLength(QStringView text)
{
    int total = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c.unicode() < 0x80) {
            ++total;
            continue;
        }
        const qsizetype len = (c.isHighSurrogate() && i + 1 < text.size()) ? 2 : 1;
        const std::optional<QByteArray> bytes = encode(text.mid(i, len));
        total += bytes ? int(bytes->size()) : 1;
        i += len - 1;
    }
    return total;
}
